// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/question_maker.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_set>

#include "core/question_parser.h"
#include "courseware/question_analysis.h"
#include "solving/planner_ratio.h"

namespace talvoren {

namespace {

using planning::Ratio;

// Candidates tried before a set of skills and steps is given up as one that
// cannot be made, and per question asked for once one has been found.
constexpr long probeAttempts = 1500;
constexpr long attemptsPerQuestion = 400;
// Candidates in a row without a new question after which the usual ones
// are taken to be used up (a few combinations, such as fractions beside
// decimals in one step, have only some dozens of them, or none): wider
// candidates follow, from a generator of their own, so that a batch or a
// question the usual candidates make comes out as it always has.
constexpr long stallAttempts = 300;
constexpr std::uint64_t widerSeedOffset = 0x9E3779B97F4A7C15ULL;

// Values a pupil meets in class: small whole numbers, simple fractions and
// tenths. With a decimal point in the question a fraction of halves or
// fifths would be shown as a decimal, so only thirds and sixths stay
// fractions there.
constexpr std::int64_t maxNumerator = 60;
constexpr std::int64_t maxDenominator = 12;
constexpr std::array<std::array<int, 2>, 12> fractions{
    {{1, 2}, {1, 3}, {2, 3}, {1, 4}, {3, 4}, {1, 5}, {2, 5}, {3, 2}, {5, 2}, {4, 3}, {1, 6}, {5, 6}}};
constexpr std::array<std::array<int, 2>, 6> fractionsBesideDecimals{{{1, 3}, {2, 3}, {4, 3}, {5, 3}, {1, 6}, {5, 6}}};

struct Term {
    Ratio factor;        // the coefficient, the constant, or the bracket's factor
    bool letter = false;
    bool bracket = false;  // factor(inner·x + innerConstant)
    Ratio inner{1, 1};
    Ratio innerConstant;

    Ratio letterPart() const { return bracket ? factor * inner : (letter ? factor : Ratio{}); }
    Ratio constantPart() const { return bracket ? factor * innerConstant : (letter ? Ratio{} : factor); }
};
using Side = std::vector<Term>;

Term letterTerm(const Ratio& coefficient) { return {coefficient, true, false, Ratio{1, 1}, Ratio{}}; }
Term constantTerm(const Ratio& value) { return {value, false, false, Ratio{1, 1}, Ratio{}}; }
Term bracketTerm(const Ratio& factor, int inner, int innerConstant) {
    return {factor, false, true, Ratio::make(inner, 1), Ratio::make(innerConstant, 1)};
}

Ratio sum(const Side& side, Ratio (Term::*part)() const) {
    Ratio total;
    for (const Term& t : side) total = total + (t.*part)();
    return total;
}

bool small(const Ratio& r) {
    return r.known && std::llabs(r.num) <= maxNumerator && r.den <= maxDenominator * maxDenominator;
}

class Builder {
public:
    Builder(std::mt19937_64& random, const SkillSet& skills)
        : random_(random), fractions_(has(skills, Skill::fraction)), decimals_(has(skills, Skill::decimal)) {}

    int below(int n) { return static_cast<int>(random_() % static_cast<std::uint64_t>(n)); }
    bool chance(double p) { return static_cast<double>(random_() >> 11) * 0x1.0p-53 < p; }
    int signedInt(int lo, int hi) { return (chance(0.5) ? -1 : 1) * (lo + below(hi - lo + 1)); }

    // A coefficient or constant; a fraction or a decimal now and then where
    // the skills ask for them.
    Ratio value(int lo, int hi) {
        const int sign = chance(0.5) ? -1 : 1;
        if (fractions_ && chance(0.4)) {
            const auto& f = decimals_ ? fractionsBesideDecimals[static_cast<std::size_t>(below(fractionsBesideDecimals.size()))]
                                      : fractions[static_cast<std::size_t>(below(fractions.size()))];
            return Ratio::make(sign * f[0], f[1]);
        }
        if (decimals_ && chance(0.5)) {
            int tenths = 1 + below(25);
            if (tenths % 10 == 0) ++tenths;
            return Ratio::make(sign * tenths, 10);
        }
        return Ratio::make(sign * (lo + below(hi - lo + 1)), 1);
    }

private:
    std::mt19937_64& random_;
    bool fractions_;
    bool decimals_;
};

// Text of a non-negative value: whole, a decimal of one or two places where
// the question has decimals, else a fraction.
std::string magnitudeText(const Ratio& r, bool decimals) {
    const std::int64_t num = std::llabs(r.num);
    if (r.den == 1) return std::to_string(num);
    if (decimals && 100 % r.den == 0) {
        const std::int64_t hundredths = num * (100 / r.den);
        std::string text = std::to_string(hundredths / 100) + '.';
        const std::int64_t rest = hundredths % 100;
        if (rest % 10 == 0) {
            text += std::to_string(rest / 10);
        } else {
            if (rest < 10) text += '0';
            text += std::to_string(rest);
        }
        return text;
    }
    return std::to_string(num) + '/' + std::to_string(r.den);
}

// The factor in front of a letter or a bracket: "" for 1, so "x" and "(x+1)".
std::string factorText(const Ratio& r, bool decimals) {
    return r.is(1) || r.is(-1) ? "" : magnitudeText(r, decimals);
}

std::string termText(const Term& t, bool first, bool decimals) {
    const bool negative = t.factor.num < 0;
    std::string text = negative ? "-" : (first ? "" : "+");
    if (t.bracket) {
        return text + factorText(t.factor, decimals) + '(' + termText(letterTerm(t.inner), true, decimals) +
               termText(constantTerm(t.innerConstant), false, decimals) + ')';
    }
    if (t.letter) return text + factorText(t.factor, decimals) + 'x';
    return text + magnitudeText(t.factor, decimals);
}

std::string sideText(const Side& side, bool decimals) {
    if (side.empty()) return "0";
    std::string text;
    for (const Term& t : side) text += termText(t, text.empty(), decimals);
    return text;
}

bool fitsNarrowPage(const QuestionAnalysis& a) {
    if (a.question.cellCount > maxMadeLineCells) return false;
    return std::all_of(a.steps.begin(), a.steps.end(),
                       [](const WorkedLine& w) { return w.line.cellCount <= maxMadeLineCells; });
}

// The skills read from the question alone match: checked before the
// planner's far dearer search.
bool questionSkillsMatch(const std::string& text, const SkillSet& skills) {
    ExprTables core;
    if (!parseQuestion(core, 1, text)) return false;
    const ExprLine& q = core.lines[1];
    return hasBrackets(q) == has(skills, Skill::brackets) &&
           hasFraction(q, core.hasDecimalPoint) == has(skills, Skill::fraction) &&
           core.hasDecimalPoint == has(skills, Skill::decimal) &&
           hasUnknownOnBothSides(q) == has(skills, Skill::bothSides);
}

}  // namespace

// Built back from the answer x REL v: the letter terms are chosen first, so
// that their total N is known, then the last constant on the right is what
// makes N·v the difference of the sides' constants.
std::string QuestionMaker::candidate(const SkillSet& skills, int steps, bool tenths) {
    Builder b(tenths ? wider_ : random_, skills);
    const bool special = has(skills, Skill::noSolution) || has(skills, Skill::infinitelyMany);
    const bool bothSides = has(skills, Skill::bothSides);
    const double busy = std::clamp((steps - 1) / 5.0, 0.0, 1.0);  // more terms for more steps

    Side left, right;
    if (has(skills, Skill::brackets)) {
        const int p = b.chance(0.7) ? 1 : 2 + b.below(2);
        left.push_back(bracketTerm(b.value(2, 5), p, b.signedInt(1, 9)));
        if (b.chance(0.3 + 0.4 * busy)) left.push_back(letterTerm(b.value(1, 6)));
        if (b.chance(0.4 * busy)) left.push_back(bracketTerm(b.value(2, 4), 1, b.signedInt(1, 9)));
        if (bothSides && b.chance(0.5 * busy))
            right.push_back(bracketTerm(b.value(2, 5), 1, b.signedInt(1, 9)));
    } else {
        left.push_back(letterTerm(b.value(1, 7)));
        if (b.chance(0.4 * busy)) left.push_back(letterTerm(b.value(1, 6)));
    }
    if (b.chance(0.35 + 0.55 * busy)) left.push_back(constantTerm(b.value(1, 9)));
    if (b.chance(0.3 * busy)) left.push_back(constantTerm(b.value(1, 9)));
    if (bothSides && (right.empty() || b.chance(0.5))) right.push_back(letterTerm(b.value(1, 6)));
    if (special && !bothSides) left.push_back(letterTerm(Ratio{}));  // cancels the others below

    // The net letter coefficient: zero for the special answers, else with the
    // sign that makes the last division turn the relation or not.
    Ratio net = sum(left, &Term::letterPart) - sum(right, &Term::letterPart);
    if (special) {
        Term& last = !bothSides ? left.back() : right.back();
        if (last.bracket) return {};
        last.factor = !bothSides ? last.factor - net : last.factor + net;
        if (last.factor.isZero()) return {};
        net = Ratio{};
    } else {
        if (net.isZero()) return {};
        if ((net.num < 0) != has(skills, Skill::reversal)) {
            for (Side* side : {&left, &right})
                for (Term& t : *side) {
                    if (t.letter || t.bracket) t.factor = -t.factor;
                }
            net = -net;
        }
        // Once the usual questions are used up, half the candidates get a
        // net coefficient of ±1 from a plain letter term (the left's first,
        // else the right's): questions whose answer needs no division, which
        // short plans with several skills need (fractions beside decimals in
        // one step, a bracket and the unknown on both sides in two).
        if (tenths && b.chance(0.5)) {
            const Ratio target = Ratio::make(has(skills, Skill::reversal) ? -1 : 1, 1);
            const auto isPlain = [](const Term& t) { return t.letter; };
            if (const auto l = std::find_if(left.begin(), left.end(), isPlain); l != left.end())
                l->factor = l->factor + (target - net);
            else if (const auto r = std::find_if(right.begin(), right.end(), isPlain); r != right.end())
                r->factor = r->factor - (target - net);
            else
                return {};
            net = target;
            for (const Side* side : {&left, &right})
                if (std::any_of(side->begin(), side->end(), [](const Term& t) { return t.letter && t.factor.isZero(); }))
                    return {};
            // And half of those a left constant that cancels the bracket's,
            // as in 2(x+4)-8: the bracket opened, one move finishes it.
            const Ratio leftConstants = sum(left, &Term::constantPart);
            if (has(skills, Skill::brackets) && b.chance(0.5) && !leftConstants.isZero())
                left.push_back(constantTerm(-leftConstants));
        }
    }

    static constexpr std::array<const char*, 4> relations{"<", ">", "<=", ">="};
    const int relation = b.below(4);
    const Ratio leftConstant = sum(left, &Term::constantPart);
    Ratio difference;  // right constants minus left constants
    if (special) {
        // N·x + M REL 0 with N = 0: true for every x (無数) or for none (解なし).
        const bool wantAll = has(skills, Skill::infinitelyMany);
        const int m = relation >= 2 && b.chance(0.25) ? 0 : b.signedInt(1, 9);
        const bool lessThan = relation % 2 == 0;
        const bool holds = lessThan ? (relation == 2 ? m <= 0 : m < 0) : (relation == 3 ? m >= 0 : m > 0);
        if (holds != wantAll) return {};
        difference = Ratio::make(-m, 1);
    } else {
        Ratio answer = Ratio::make(b.signedInt(0, 9), 1);
        if (has(skills, Skill::fraction) && b.chance(0.2)) answer = Ratio::make(b.signedInt(1, 5), 2);
        if (tenths && has(skills, Skill::decimal) && b.chance(0.5)) answer = Ratio::make(b.signedInt(1, 30), 10);
        difference = net * answer;
    }
    const Ratio rightConstant = leftConstant + difference - sum(right, &Term::constantPart);
    if (!rightConstant.isZero()) right.push_back(constantTerm(rightConstant));
    if (left.size() > 1 && b.chance(0.25)) std::rotate(left.begin(), left.begin() + 1, left.end());

    for (const Side* side : {&left, &right})
        for (const Term& t : *side)
            if (!small(t.factor) || !small(t.innerConstant) || t.factor.den > maxDenominator) return {};
    const bool decimals = has(skills, Skill::decimal);
    return sideText(left, decimals) + relations[static_cast<std::size_t>(relation)] + sideText(right, decimals);
}

QuestionMaker::QuestionMaker(std::uint64_t seed) : random_(seed), wider_(seed ^ widerSeedOffset) {}

std::vector<MadeQuestion> QuestionMaker::make(const SkillSet& skills, int steps, int count) {
    std::vector<MadeQuestion> made;
    std::unordered_set<std::string> seen;
    lastAttempts_ = 0;
    if (steps < 1 || steps > maxMadeSteps || count <= 0) return made;
    if (has(skills, Skill::noSolution) && has(skills, Skill::infinitelyMany)) return made;
    // One candidate; true when it was kept.
    const auto tryOne = [&](bool wider) {
        ++lastAttempts_;
        std::string text = candidate(skills, steps, wider);
        if (text.empty() || !seen.insert(text).second) return false;
        if (!questionSkillsMatch(text, skills)) return false;
        const QuestionAnalysis a = analyseQuestion(1, 1, text);
        if (!a.accepted || a.answer == AnswerKind::none || a.stepCount() != steps || a.skillSet() != skills ||
            !fitsNarrowPage(a))
            return false;
        made.push_back({std::move(text), steps, skills});
        return true;
    };

    // The first question: a few usual candidates, then the wider ones; if
    // they find none either, the usual probe runs to its end as it always
    // has, so that the usual generator is left where it always was.
    long usual = 0;
    for (; made.empty() && usual < stallAttempts; ++usual) tryOne(false);
    long widerProbe = 0;
    for (; made.empty() && widerProbe < probeAttempts; ++widerProbe) tryOne(true);
    bool wider = widerProbe > 0 && !made.empty();
    for (; made.empty() && usual < probeAttempts; ++usual) tryOne(false);
    if (made.empty()) return made;

    // The rest of the batch, the wider candidates once the usual ones stall.
    const long budget = probeAttempts + widerProbe + attemptsPerQuestion * count;
    long lastFound = lastAttempts_;
    while (static_cast<int>(made.size()) < count && lastAttempts_ < budget) {
        wider = wider || lastAttempts_ - lastFound > stallAttempts;
        if (tryOne(wider)) lastFound = lastAttempts_;
    }
    return made;
}

std::vector<MadeQuestion> makeQuestions(const SkillSet& skills, int steps, int count, std::uint64_t seed) {
    return QuestionMaker(seed).make(skills, steps, count);
}

}  // namespace talvoren
