// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/planner_bound.h"

#include <algorithm>

#include "solving/planner_ratio.h"

namespace talvoren::planning {

namespace {

// Only かっこ removes brackets, one level of nesting a step.
int bracketDepth(const ExprLine& line) {
    int depth = 0;
    int deepest = 0;
    for (int i = 0; i < line.cellCount; ++i) {
        const CellKind k = line.cells[static_cast<std::size_t>(i)].kind;
        if (isOpeningBracket(k)) deepest = std::max(deepest, ++depth);
        if (isClosingBracket(k)) --depth;
    }
    return deepest;
}

struct Shape {
    Ratio letters[2];    // the letter coefficients summed by side
    Ratio constants[2];  // the constants summed by side
    int letterCells = 0;    // letter terms that are not zero
    int constantCells = 0;  // constants that are not zero
    int letterSide = 0;     // the side of the last letter term
    ExprCell letterTerm;    // and the term itself
    bool plain = true;      // only constants, letter terms and one relation
};

Shape shapeOf(const ExprLine& line, char letter) {
    Shape s;
    int side = 0;
    int relations = 0;
    for (int i = 0; i < line.cellCount; ++i) {
        const ExprCell& c = line.cells[static_cast<std::size_t>(i)];
        if (isRelation(c.kind)) {
            side = 1;
            ++relations;
        } else if (c.kind == CellKind::constant) {
            s.constants[side] = s.constants[side] + Ratio::of(c);
            if (c.num != 0) ++s.constantCells;
        } else if (c.kind == letterKind(letter)) {
            s.letters[side] = s.letters[side] + Ratio::of(c);
            if (c.num != 0) {
                ++s.letterCells;
                s.letterSide = side;
                s.letterTerm = c;
            }
        } else {
            s.plain = false;
        }
    }
    if (relations != 1) s.plain = false;
    for (const Ratio& r : {s.letters[0], s.letters[1], s.constants[0], s.constants[1]})
        if (!r.known) s.plain = false;
    return s;
}

bool isOne(const ExprCell& c) { return c.den == 1 && c.num == 1; }
bool isMinusOne(const ExprCell& c) { return c.den == 1 && c.num == -1; }

// One step can end in an answer only in these shapes: a letter term over a
// number (÷ or ×), sums that one collecting step (整理, or adding a term to
// both sides) turns into x < c or c < d, or a single letter term that 移項
// leaves alone with coefficient 1 beside at most one number.
bool oneStepShape(const ExprLine& line, const Shape& s, char letter) {
    if (line.cellCount == 3 && line.cells[0].kind == letterKind(letter) &&
        line.cells[0].num != 0 && isRelation(line.cells[1].kind) &&
        line.cells[2].kind == CellKind::constant)
        return true;
    const Ratio& lx = s.letters[0];
    const Ratio& rx = s.letters[1];
    if (lx.is(1) && rx.isZero()) return true;
    if (lx == rx) return true;
    if ((lx - rx).is(1) && s.constants[0].isZero()) return true;
    if (s.letterCells == 1 && s.constantCells <= 1 &&
        ((s.letterSide == 0 && isOne(s.letterTerm)) || (s.letterSide == 1 && isMinusOne(s.letterTerm))))
        return true;
    return false;
}

// The shapes from which some step leads to a one-step shape.
bool twoStepShape(const Shape& s) {
    const Ratio& lx = s.letters[0];
    const Ratio& rx = s.letters[1];
    if (!lx.isZero() && rx.isZero()) return true;            // take the constant away, then ÷
    if (!(lx == rx) && s.constants[0].isZero()) return true;  // take the right letters away, then ÷
    if (s.letterCells == 1 && s.constantCells <= 1) return true;  // ×/÷ and 移項 in either order
    if ((lx - rx).is(1)) return true;
    if (lx.isZero() && rx.is(-1)) return true;                // 整理, then 移項
    return false;
}

// The value cells that are not a bracket group's factor. While a line has
// brackets no step lowers their number (×, ÷ keep every cell, adding to both
// sides writes two more), and かっこ keeps each of them as a term.
int termCells(const ExprLine& line, char letter) {
    int terms = 0;
    for (int i = 0; i < line.cellCount; ++i) {
        const CellKind k = line.cells[static_cast<std::size_t>(i)].kind;
        const bool value = k == CellKind::constant || k == CellKind::bar || k == letterKind(letter);
        const bool factor = i + 1 < line.cellCount && isOpeningBracket(line.cells[static_cast<std::size_t>(i + 1)].kind);
        if (value && !factor) ++terms;
    }
    return terms;
}

// The left side's letter coefficient minus the right side's, with every
// bracket group multiplied out. Only × and ÷ change it (by their factor), and
// an answer x < c has it at 1.
Ratio netLetterCoefficient(const ExprLine& line, char letter) {
    Ratio net;
    Ratio factors[maxCells + 1];
    int depth = 0;
    factors[0] = {1, 1, true};
    int sign = 1;
    for (int i = 0; i < line.cellCount; ++i) {
        const ExprCell& c = line.cells[static_cast<std::size_t>(i)];
        const bool beforeGroup = i + 1 < line.cellCount && isOpeningBracket(line.cells[static_cast<std::size_t>(i + 1)].kind);
        if (isRelation(c.kind)) {
            sign = -1;
        } else if (isOpeningBracket(c.kind)) {
            const ExprCell* before = i > 0 ? &line.cells[static_cast<std::size_t>(i - 1)] : nullptr;
            const bool hasFactor = before && (before->kind == CellKind::constant || before->kind == CellKind::bar);
            factors[depth + 1] = hasFactor ? factors[depth] * Ratio::of(*before) : factors[depth];
            ++depth;
        } else if (isClosingBracket(c.kind)) {
            if (depth > 0) --depth;
        } else if (c.kind == letterKind(letter) && !beforeGroup) {
            net = net + Ratio::make(sign, 1) * factors[depth] * Ratio::of(c);
        }
    }
    return net;
}

constexpr std::int64_t largestPadPart = 9999;

// Whether every prime factor of n (n > 0) is at most 9999: the pad's numbers
// have no others, so only such a coefficient can be scaled to 1.
bool padPrimesOnly(std::int64_t n) {
    for (std::int64_t d = 2; d <= largestPadPart && d * d <= n; ++d)
        while (n % d == 0) n /= d;
    return n <= largestPadPart;
}

// How many × or ÷ steps at least bring the net coefficient to 1.
int scalingsNeeded(const Ratio& net) {
    if (!net.known || net.isZero() || net.is(1)) return 0;
    const std::int64_t size = net.num < 0 ? -net.num : net.num;
    if (size <= largestPadPart && net.den <= largestPadPart) return 1;
    if (!padPrimesOnly(size) || !padPrimesOnly(net.den)) return unreachable;
    return 2;
}

}  // namespace

int stepsAtLeast(const ExprLine& line, char letter) {
    const int depth = bracketDepth(line);
    const int scalings = scalingsNeeded(netLetterCoefficient(line, letter));
    if (scalings == unreachable) return unreachable;
    // One かっこ a level of nesting, and the scalings on top; when more than
    // two terms come out of the last かっこ, its line is no answer and a step
    // that changes the number of cells (neither × nor ÷) follows.
    if (depth > 0) return depth + scalings + (termCells(line, letter) > 2 ? 1 : 0);
    // × and ÷ keep the number of cells; an answer has three.
    const int withScalings = scalings + (scalings > 0 && line.cellCount != 3 ? 1 : 0);
    const Shape s = shapeOf(line, letter);
    if (!s.plain) return std::max(1, withScalings);
    if (oneStepShape(line, s, letter)) return std::max(1, withScalings);
    return std::max(twoStepShape(s) ? 2 : 3, withScalings);
}

}  // namespace talvoren::planning
