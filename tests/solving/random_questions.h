// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Random questions of the question grammar, each with its solution set worked
// out independently: the generator keeps every term's exact value as it
// writes the text, so the set comes from the coefficients by plain interval
// reasoning, never from the tutor's transformations.

#include <cstdint>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace talvoren::test {

// An exact fraction with a positive denominator.
struct Fraction {
    std::int64_t num = 0;
    std::int64_t den = 1;

    static Fraction of(std::int64_t n, std::int64_t d = 1) {
        if (d < 0) {
            n = -n;
            d = -d;
        }
        const std::int64_t g = std::gcd(n, d);
        return g > 1 ? Fraction{n / g, d / g} : Fraction{n, d};
    }
    friend Fraction operator+(Fraction a, Fraction b) { return of(a.num * b.den + b.num * a.den, a.den * b.den); }
    friend Fraction operator-(Fraction a, Fraction b) { return of(a.num * b.den - b.num * a.den, a.den * b.den); }
    friend Fraction operator*(Fraction a, Fraction b) { return of(a.num * b.num, a.den * b.den); }
    friend Fraction operator/(Fraction a, Fraction b) { return of(a.num * b.den, a.den * b.num); }
    friend bool operator==(Fraction a, Fraction b) = default;
    friend bool operator<(Fraction a, Fraction b) { return a.num * b.den < b.num * a.den; }
};

enum class SolutionKind { interval, none, all };

// The solution set of (letters)x + constants REL 0 written as "x REL bound".
struct SolutionSet {
    SolutionKind kind = SolutionKind::interval;
    std::string relation;  // "<", ">", "<=", ">=" for an interval
    Fraction bound;
};

struct RandomQuestion {
    std::string text;
    SolutionSet solution;
};

class QuestionGenerator {
public:
    explicit QuestionGenerator(unsigned seed) : rng_(seed) {}

    // A question of at most 38 bytes.
    RandomQuestion next() {
        for (;;) {
            letter_ = pick({'x', 'x', 'x', 'x', 'a', 'y', 't', 'n', 'X'});
            Side left = side(true);
            Side right = side(false);
            if (chance(18)) cancelLetters(left, right);
            if (!left.hasLetter && !right.hasLetter) continue;
            if (!padCanFinish(left.letters - right.letters)) continue;
            const std::string relation = pick<std::string>({"<", ">", "<=", ">="});
            std::string text = left.text + relation + right.text;
            if (text.size() > 38) continue;
            return {text, solve(left, right, relation)};
        }
    }

private:
    struct Side {
        std::string text;
        Fraction letters;
        Fraction constants;
        bool hasLetter = false;
    };

    // A number as the question writes it, with its value.
    struct Number {
        std::string text;
        Fraction value;
    };

    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool chance(int percent) { return uniform(1, 100) <= percent; }
    template <typename T>
    T pick(std::initializer_list<T> options) {
        return *(options.begin() + uniform(0, static_cast<int>(options.size()) - 1));
    }

    Number number() {
        const int form = uniform(1, 100);
        if (form <= 60) {
            const int v = chance(90) ? uniform(1, 12) : uniform(13, 99);
            return {std::to_string(v), Fraction::of(v)};
        }
        if (form <= 78) {
            const int p = uniform(1, 9);
            const int q = uniform(2, 9);
            return {std::to_string(p) + "/" + std::to_string(q), Fraction::of(p, q)};
        }
        if (form <= 90) {
            const int whole = uniform(0, 9);
            const int places = chance(80) ? 1 : 2;
            const int digits = places == 1 ? uniform(1, 9) : uniform(1, 99);
            std::string fraction = std::to_string(digits);
            if (places == 2 && digits < 10) fraction = "0" + fraction;
            return {std::to_string(whole) + "." + fraction,
                    Fraction::of(whole * (places == 1 ? 10 : 100) + digits, places == 1 ? 10 : 100)};
        }
        const int p = uniform(1, 9);
        const int q = uniform(2, 9);
        return {std::to_string(p) + "|" + std::to_string(q), Fraction::of(p, q)};
    }

    // One term; `first` terms carry no "+". Adds its value to the side.
    void term(Side& s, bool first, int depth, Fraction factor) {
        const bool negative = chance(40);
        const Fraction sign = Fraction::of(negative ? -1 : 1);
        std::string text = negative ? "-" : (first ? "" : "+");
        const int form = uniform(1, 100);
        if (form <= 45) {
            Number coefficient{"", Fraction::of(1)};
            if (chance(70)) coefficient = number();
            s.text += text + coefficient.text + letter_;
            s.letters = s.letters + factor * sign * coefficient.value;
            s.hasLetter = true;
        } else if (form <= 80 || depth >= 2) {
            const Number n = number();
            s.text += text + n.text;
            s.constants = s.constants + factor * sign * n.value;
        } else {
            Number groupFactor{"", Fraction::of(1)};
            if (chance(75)) groupFactor = number();
            s.text += text + groupFactor.text + pick<std::string>({"(", "(", "(", "[", "{"});
            const char open = s.text.back();
            const Fraction inner = factor * sign * groupFactor.value;
            const int terms = uniform(1, 2);
            for (int i = 0; i < terms; ++i) term(s, i == 0, depth + 1, inner);
            s.text += open == '(' ? ")" : open == '[' ? "]" : "}";
        }
    }

    Side side(bool left) {
        Side s;
        const int terms = uniform(1, left ? 3 : 2);
        for (int i = 0; i < terms; ++i) term(s, i == 0, 0, Fraction::of(1));
        return s;
    }

    // Adds to the right side the letter term that makes both sides' letters
    // equal, so the answer is 解なし or 解は無数にある.
    void cancelLetters(const Side& left, Side& right) {
        const Fraction missing = left.letters - right.letters;
        if (missing.num == 0 || missing.den > 9 || missing.num > 99 || missing.num < -99) return;
        std::string text = missing.num < 0 ? "-" : "+";
        const std::int64_t size = missing.num < 0 ? -missing.num : missing.num;
        if (missing.den != 1)
            text += std::to_string(size) + "/" + std::to_string(missing.den);
        else if (size != 1)
            text += std::to_string(size);
        right.text += text + letter_;
        right.letters = right.letters + missing;
        right.hasLetter = true;
    }

    // Whether typed numbers (at most four digits a part) can bring the
    // coefficient to 1: none of its prime factors is above 9999.
    static bool padCanFinish(Fraction coefficient) {
        for (std::int64_t n : {coefficient.num < 0 ? -coefficient.num : coefficient.num, coefficient.den}) {
            for (std::int64_t d = 2; d * d <= n; ++d)
                while (n % d == 0) n /= d;
            if (n > 9999) return false;
        }
        return true;
    }

    // (a - c)x REL (d - b), by the sign of a - c.
    static SolutionSet solve(const Side& left, const Side& right, const std::string& relation) {
        const Fraction a = left.letters - right.letters;
        const Fraction b = right.constants - left.constants;
        SolutionSet set;
        if (a.num == 0) {
            const Fraction zero = Fraction::of(0);
            const bool holds = relation == "<"    ? zero < b
                               : relation == ">"  ? b < zero
                               : relation == "<=" ? !(b < zero)
                                                  : !(zero < b);
            set.kind = holds ? SolutionKind::all : SolutionKind::none;
            return set;
        }
        set.bound = b / a;
        set.relation = relation;
        if (a.num < 0) {
            static const std::pair<const char*, const char*> turned[] = {
                {"<", ">"}, {">", "<"}, {"<=", ">="}, {">=", "<="}};
            for (const auto& [from, to] : turned)
                if (relation == from) set.relation = to;
        }
        return set;
    }

    std::mt19937 rng_;
    char letter_ = 'x';
};

}  // namespace talvoren::test
