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
        const std::uint8_t k = line.cells[static_cast<std::size_t>(i)].kind;
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
        } else if (c.kind == kind::constant) {
            s.constants[side] = s.constants[side] + Ratio::of(c);
            if (c.num != 0) ++s.constantCells;
        } else if (c.kind == static_cast<std::uint8_t>(letter)) {
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
    if (line.cellCount == 3 && line.cells[0].kind == static_cast<std::uint8_t>(letter) &&
        line.cells[0].num != 0 && isRelation(line.cells[1].kind) &&
        line.cells[2].kind == kind::constant)
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

}  // namespace

int stepsAtLeast(const ExprLine& line, char letter) {
    const int depth = bracketDepth(line);
    if (depth > 0) return depth;
    const Shape s = shapeOf(line, letter);
    if (!s.plain) return 1;
    if (oneStepShape(line, s, letter)) return 1;
    return twoStepShape(s) ? 2 : 3;
}

}  // namespace talvoren::planning
