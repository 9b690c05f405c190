// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/line_diagnosis.h"

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "solving/planner_ratio.h"

namespace talvoren {

namespace {

using planning::Ratio;

struct MistakeText {
    std::string_view name;
    std::string_view message;
    std::string_view shortName;
};

constexpr std::array<MistakeText, mistakeCodeCount> mistakeTexts = {{
    {"form", "同じ解になる式ですが、この操作をした式ではありません。この操作の結果だけを書きましょう。", "操作とちがう式"},
    {"noflip", "負の数をかけたり負の数でわったりしたときは、不等号の向きを変えましょう。", "向きの変え忘れ"},
    {"flip", "この操作では不等号の向きは変わりません。", "向きの変えすぎ"},
    {"transpose", "移項した項は、符号を変えましょう。", "移項の符号"},
    {"distribute", "かっこの前の数を、かっこの中のすべての項に符号ごとかけましょう。", "かっこのはずし方"},
    {"partial", "両辺のすべての項に、同じ操作をしましょう。", "操作のし忘れ"},
    {"unlike", "文字の項と数の項は、一つにまとめられません。", "文字と数のまとめ"},
    {"arith", "計算がちがっているところがあります。もう一度計算してみましょう。", "計算まちがい"},
    {"other", "この操作の結果とちがいます。もう一度考えてみましょう。", "その他"},
}};

const MistakeText& textOf(MistakeCode code) { return mistakeTexts[static_cast<std::size_t>(code)]; }

// ---- a line as terms -------------------------------------------------------

enum class ItemKind : char { letter = 'x', constant = 'c', group = 'g' };

// A term of a side: a letter term, a number, or a bracket group whose value
// is its factor.
struct Item {
    ItemKind kind = ItemKind::constant;
    Ratio value;
    std::vector<Item> inner;
};
using Side = std::vector<Item>;

struct Terms {
    Side left;
    Side right;
    CellKind relation = CellKind::less;
};

bool isNumberCell(const ExprCell& c) { return c.kind == CellKind::constant || c.kind == CellKind::bar; }

Side readItems(const ExprLine& line, int& i, bool inGroup) {
    Side side;
    const auto cell = [&](int k) -> const ExprCell& { return line.cells[static_cast<std::size_t>(k)]; };
    while (i < line.cellCount) {
        const ExprCell& c = cell(i);
        if (isRelation(c.kind) && !inGroup) break;
        ++i;
        if (isClosingBracket(c.kind)) {
            if (inGroup) return side;
            continue;
        }
        Item item;
        if (isOpeningBracket(c.kind)) {
            item = {ItemKind::group, Ratio::make(1, 1), readItems(line, i, true)};
        } else if (isNumberCell(c) && i < line.cellCount && isOpeningBracket(cell(i).kind)) {
            ++i;
            item = {ItemKind::group, Ratio::of(c), readItems(line, i, true)};
        } else if (isNumberCell(c)) {
            item = {ItemKind::constant, Ratio::of(c), {}};
        } else if (isLetter(c.kind)) {
            item = {ItemKind::letter, Ratio::of(c), {}};
        } else {
            continue;
        }
        side.push_back(std::move(item));
    }
    return side;
}

Terms termsOf(const ExprLine& line) {
    Terms t;
    int i = 0;
    t.left = readItems(line, i, false);
    if (i < line.cellCount) t.relation = line.cells[static_cast<std::size_t>(i++)].kind;
    t.right = readItems(line, i, false);
    return t;
}

std::string keyOf(const Item& item);

std::vector<std::string> keysOf(const Side& side) {
    std::vector<std::string> keys;
    keys.reserve(side.size());
    for (const Item& item : side) keys.push_back(keyOf(item));
    std::sort(keys.begin(), keys.end());
    return keys;
}

std::string keyOf(const Item& item) {
    std::string key(1, static_cast<char>(item.kind));
    key += item.value.known ? std::to_string(item.value.num) + '/' + std::to_string(item.value.den) : "?";
    if (item.kind == ItemKind::group) {
        key += '[';
        for (const std::string& k : keysOf(item.inner)) key += k + ',';
        key += ']';
    }
    return key;
}

bool sameSide(const Side& a, const Side& b) { return a.size() == b.size() && keysOf(a) == keysOf(b); }

bool sameTerms(const Terms& a, const Terms& b) {
    return a.relation == b.relation && sameSide(a.left, b.left) && sameSide(a.right, b.right);
}

CellKind turned(CellKind relation) {
    switch (relation) {
    case CellKind::less: return CellKind::greater;
    case CellKind::greater: return CellKind::less;
    case CellKind::lessEqual: return CellKind::greaterEqual;
    case CellKind::greaterEqual: return CellKind::lessEqual;
    default: return relation;
    }
}

// ---- solution sets -------------------------------------------------------------

// A side as (letter coefficient, constant).
struct Linear {
    Ratio letter;
    Ratio constant;
};

Linear linearOf(const Side& side) {
    Linear sum;
    for (const Item& item : side) {
        switch (item.kind) {
        case ItemKind::letter: sum.letter = sum.letter + item.value; break;
        case ItemKind::constant: sum.constant = sum.constant + item.value; break;
        case ItemKind::group: {
            const Linear inner = linearOf(item.inner);
            sum.letter = sum.letter + item.value * inner.letter;
            sum.constant = sum.constant + item.value * inner.constant;
            break;
        }
        }
    }
    return sum;
}

bool holds(CellKind relation, const Ratio& a, const Ratio& b) {
    const __int128 lhs = static_cast<__int128>(a.num) * b.den;
    const __int128 rhs = static_cast<__int128>(b.num) * a.den;
    switch (relation) {
    case CellKind::less: return lhs < rhs;
    case CellKind::greater: return lhs > rhs;
    case CellKind::lessEqual: return lhs <= rhs;
    case CellKind::greaterEqual: return lhs >= rhs;
    default: return false;
    }
}

// The solutions of a line: none, all, or the letter in a relation to a value.
struct SolutionSet {
    enum class Kind { unknown, none, all, bounded } kind = Kind::unknown;
    CellKind relation = CellKind::less;
    Ratio bound;
    friend bool operator==(const SolutionSet& a, const SolutionSet& b) {
        if (a.kind == Kind::unknown || a.kind != b.kind) return false;
        return a.kind != Kind::bounded || (a.relation == b.relation && a.bound == b.bound);
    }
};

SolutionSet solutionsOf(const Terms& t) {
    const Linear l = linearOf(t.left);
    const Linear r = linearOf(t.right);
    const Ratio a = l.letter - r.letter;  // a·x REL b
    const Ratio b = r.constant - l.constant;
    if (!a.known || !b.known) return {};
    if (a.isZero()) {
        SolutionSet set;
        set.kind = holds(t.relation, Ratio::make(0, 1), b) ? SolutionSet::Kind::all : SolutionSet::Kind::none;
        return set;
    }
    const Ratio bound = b * Ratio::make(a.den, a.num);
    if (!bound.known) return {};
    return {SolutionSet::Kind::bounded, a.num < 0 ? turned(t.relation) : t.relation, bound};
}

// ---- the wrong lines of each operation ---------------------------------------

// A term the pupil should have written and the wrong form a mistake gives it.
struct Choice {
    std::string key;
    std::string mistaken;
};

// Whether the side can be written with every choice once, at least one in
// its mistaken form.
bool matchesWithMistake(const Side& side, const std::vector<Choice>& choices) {
    if (side.size() != choices.size()) return false;
    std::vector<std::string> keys;
    for (const Item& item : side) keys.push_back(keyOf(item));
    std::vector<bool> used(keys.size(), false);
    std::function<bool(std::size_t, bool)> match = [&](std::size_t k, bool mistaken) {
        if (k == choices.size()) return mistaken;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (used[i]) continue;
            const bool asRight = keys[i] == choices[k].key;
            const bool asMistaken = !asRight && keys[i] == choices[k].mistaken;
            if (!asRight && !asMistaken) continue;
            used[i] = true;
            if (match(k + 1, mistaken || asMistaken)) return true;
            used[i] = false;
        }
        return false;
    };
    return match(0, false);
}

Item simple(ItemKind kind, Ratio value) { return {kind, value, {}}; }

Item scaledItem(const Item& item, const Ratio& factor) {
    Item out = item;
    out.value = item.value * factor;
    return out;
}

// The pupil's line with one side as the first pair's and the other as the
// second's, in the right relation.
bool sidesMatch(const Terms& written, CellKind relation, const Side& left, const Side& right) {
    return written.relation == relation && sameSide(written.left, left) && sameSide(written.right, right);
}

Side collected(const Side& side) {
    const Linear l = linearOf(side);
    Side out;
    if (!l.letter.isZero()) out.push_back(simple(ItemKind::letter, l.letter));
    if (!l.constant.isZero() || l.letter.isZero()) out.push_back(simple(ItemKind::constant, l.constant));
    return out;
}

class Diagnoser {
public:
    Diagnoser(const WrittenStep& step, const ExprLine& written)
        : step_(step), source_(termsOf(step.source)), right_(termsOf(step.right)), written_(termsOf(written)) {}

    Diagnosis run() const {
        if (sameTerms(written_, right_)) return {true, MistakeCode::other};
        return {false, mistake()};
    }

private:
    MistakeCode mistake() const {
        if (solutionsOf(written_) == solutionsOf(right_)) return MistakeCode::form;
        const bool rightSides = sameSide(written_.left, right_.left) && sameSide(written_.right, right_.right);
        if (rightSides && written_.relation == turned(right_.relation))
            return turnsRelationRound(step_.operation, step_.number) ? MistakeCode::noflip : MistakeCode::flip;
        if (step_.operation == OpCode::transpose && signKeptOnTransposing()) return MistakeCode::transpose;
        if (step_.operation == OpCode::removeBrackets && bracketHalfMultiplied()) return MistakeCode::distribute;
        if (doneInPart()) return MistakeCode::partial;
        if (written_.relation == right_.relation) {
            if (unlikeCombined()) return MistakeCode::unlike;
            if (sameShape(written_.left, right_.left) && sameShape(written_.right, right_.right))
                return MistakeCode::arith;
        }
        return MistakeCode::other;
    }

    // 移項: letter terms to the left, numbers to the right, each that moves
    // changing its sign; the mistaken form keeps it.
    bool signKeptOnTransposing() const {
        std::vector<Choice> left;
        std::vector<Choice> right;
        const auto moved = [](const Item& item) {
            return Choice{keyOf(scaledItem(item, Ratio::make(-1, 1))), keyOf(item)};
        };
        const auto stays = [](const Item& item) { return Choice{keyOf(item), keyOf(item)}; };
        for (const Item& item : source_.left) {
            if (item.kind == ItemKind::letter) left.push_back(stays(item));
            if (item.kind == ItemKind::constant && !item.value.isZero()) right.push_back(moved(item));
        }
        for (const Item& item : source_.right) {
            if (item.kind == ItemKind::letter) left.push_back(moved(item));
            if (item.kind == ItemKind::constant && !item.value.isZero()) right.push_back(stays(item));
        }
        if (right.empty()) right.push_back(stays(simple(ItemKind::constant, Ratio::make(0, 1))));
        if (written_.relation != right_.relation) return false;
        const bool leftOk = matchesWithMistake(written_.left, left) || sameSide(written_.left, right_.left);
        const bool rightOk = matchesWithMistake(written_.right, right) || sameSide(written_.right, right_.right);
        return leftOk && rightOk &&
               (matchesWithMistake(written_.left, left) || matchesWithMistake(written_.right, right));
    }

    // かっこ: each group's factor into its first term only, or, under a
    // negative factor, the later terms' signs left as they were.
    bool bracketHalfMultiplied() const {
        if (written_.relation != right_.relation) return false;
        bool anyGroup = false;
        const auto variants = [&](const Side& side) {
            std::vector<Side> out{Side{}};
            for (const Item& item : side) {
                std::vector<Side> next;
                std::vector<Side> expansions;
                if (item.kind != ItemKind::group) {
                    expansions.push_back({item});
                } else {
                    anyGroup = true;
                    Side all, firstOnly, signKept;
                    const Ratio magnitude = item.value.num < 0 ? -item.value : item.value;
                    for (std::size_t k = 0; k < item.inner.size(); ++k) {
                        const Item& term = item.inner[k];
                        all.push_back(scaledItem(term, item.value));
                        firstOnly.push_back(k == 0 ? scaledItem(term, item.value) : term);
                        signKept.push_back(scaledItem(term, k == 0 ? item.value : magnitude));
                    }
                    expansions = {all, firstOnly, signKept};
                }
                for (const Side& head : out) {
                    for (const Side& tail : expansions) {
                        Side joined = head;
                        joined.insert(joined.end(), tail.begin(), tail.end());
                        next.push_back(std::move(joined));
                    }
                }
                out = std::move(next);
                if (out.size() > 256) out.resize(256);  // more groups than a line holds in practice
            }
            return out;
        };
        // A side may also stand as the tutor wrote it (nested groups are
        // opened from the inside, which the variants do not follow).
        std::vector<Side> lefts = variants(source_.left);
        std::vector<Side> rights = variants(source_.right);
        if (!anyGroup) return false;
        lefts.push_back(right_.left);
        rights.push_back(right_.right);
        const auto anyOf = [](const std::vector<Side>& sides, const Side& side) {
            return std::any_of(sides.begin(), sides.end(), [&](const Side& s) { return sameSide(s, side); });
        };
        return anyOf(lefts, written_.left) && anyOf(rights, written_.right);
    }

    // × ÷ ＋ － and two lines: some terms, or one side, left as they were.
    bool doneInPart() const {
        switch (step_.operation) {
        case OpCode::multiply:
        case OpCode::divide: return scaledInPart();
        case OpCode::add:
        case OpCode::subtract: return step_.twoLines ? combinedOnOneSide() : addedOnOneSide();
        default: return false;
        }
    }

    bool scaledInPart() const {
        const Ratio number = Ratio::of(step_.number);
        if (!number.known || number.isZero()) return false;
        const Ratio factor = step_.operation == OpCode::divide ? Ratio::make(number.den, number.num) : number;
        const auto choices = [&](const Side& side) {
            std::vector<Choice> out;
            for (const Item& item : side) out.push_back({keyOf(scaledItem(item, factor)), keyOf(item)});
            return out;
        };
        const std::vector<Choice> left = choices(source_.left);
        const std::vector<Choice> right = choices(source_.right);
        const bool relationOk = written_.relation == right_.relation || written_.relation == turned(right_.relation);
        if (!relationOk) return false;
        const bool leftMistaken = matchesWithMistake(written_.left, left);
        const bool rightMistaken = matchesWithMistake(written_.right, right);
        const bool leftOk = leftMistaken || sameSide(written_.left, right_.left);
        const bool rightOk = rightMistaken || sameSide(written_.right, right_.right);
        return leftOk && rightOk && (leftMistaken || rightMistaken);
    }

    // The side as the pupil may have left it: as written, or collected.
    static std::vector<Side> untouched(const Side& side) { return {side, collected(side)}; }

    bool oneSideFrom(const std::vector<Side>& lefts, const std::vector<Side>& rights) const {
        for (const Side& left : lefts)
            if (sidesMatch(written_, right_.relation, left, right_.right)) return true;
        for (const Side& right : rights)
            if (sidesMatch(written_, right_.relation, right_.left, right)) return true;
        return false;
    }

    bool addedOnOneSide() const { return oneSideFrom(untouched(source_.left), untouched(source_.right)); }

    bool combinedOnOneSide() const {
        const Terms second = termsOf(step_.second);
        std::vector<Side> lefts = untouched(source_.left);
        std::vector<Side> rights = untouched(source_.right);
        for (const Side& s : untouched(second.left)) lefts.push_back(s);
        for (const Side& s : untouched(second.right)) rights.push_back(s);
        return oneSideFrom(lefts, rights);
    }

    // One letter term and one number of a side written as one term.
    static bool combinesUnlike(const Side& written, const Side& right) {
        for (std::size_t i = 0; i < right.size(); ++i) {
            if (right[i].kind != ItemKind::letter) continue;
            for (std::size_t j = 0; j < right.size(); ++j) {
                if (right[j].kind != ItemKind::constant) continue;
                Side merged;
                for (std::size_t k = 0; k < right.size(); ++k)
                    if (k != i && k != j) merged.push_back(right[k]);
                const Ratio sum = right[i].value + right[j].value;
                for (ItemKind kind : {ItemKind::letter, ItemKind::constant}) {
                    Side candidate = merged;
                    candidate.push_back(simple(kind, sum));
                    if (sameSide(written, candidate)) return true;
                }
            }
        }
        return false;
    }

    bool unlikeCombined() const {
        const bool left = combinesUnlike(written_.left, right_.left);
        const bool right = combinesUnlike(written_.right, right_.right);
        return (left || sameSide(written_.left, right_.left)) && (right || sameSide(written_.right, right_.right)) &&
               (left || right);
    }

    static bool sameShape(const Side& a, const Side& b) {
        const auto count = [](const Side& side, ItemKind kind) {
            return std::count_if(side.begin(), side.end(), [&](const Item& i) { return i.kind == kind; });
        };
        for (ItemKind kind : {ItemKind::letter, ItemKind::constant, ItemKind::group})
            if (count(a, kind) != count(b, kind)) return false;
        return true;
    }

    const WrittenStep& step_;
    Terms source_;
    Terms right_;
    Terms written_;
};

}  // namespace

std::string_view mistakeCodeName(MistakeCode code) { return textOf(code).name; }
std::string_view mistakeMessage(MistakeCode code) { return textOf(code).message; }
std::string_view mistakeShortName(MistakeCode code) { return textOf(code).shortName; }

Diagnosis diagnoseWrittenLine(const WrittenStep& step, const ExprLine& written) {
    return Diagnoser(step, written).run();
}

}  // namespace talvoren
