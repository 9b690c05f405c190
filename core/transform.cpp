// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/transform.h"

#include <optional>
#include <span>
#include <vector>

namespace talvoren {

namespace {

using Cells = std::span<const ExprCell>;

Cells cellsOf(const ExprLine& line) {
    return Cells(line.cells.data(), static_cast<std::size_t>(line.cellCount));
}

ExprCell relationCell(CellKind k) { return {1, 0, k}; }
ExprCell zeroLetter(const ExprTables& s) { return {1, 0, letterKind(s.unknownLetter)}; }
bool isUnknown(const ExprTables& s, const ExprCell& c) {
    return c.kind == letterKind(s.unknownLetter);
}

// The letter term is written when it is not zero, the constant when it is not
// zero or the side would otherwise be empty.
void appendSide(ExprTables& s, int target, const ExprCell& letterTerm, const ExprCell& constant) {
    const bool letterWritten = letterTerm.num != 0;
    if (letterWritten) appendCell(s, target, letterTerm);
    if (constant.num != 0 || !letterWritten) appendCell(s, target, constant);
}

TransformResult refuseWith(ExprTables& s, int target, Refusal refusal) {
    clearLine(s, target);
    return {false, refusal};
}

// Every transformation ends here: a fault met on the way empties the target,
// so a refused step leaves no partial line behind.
TransformResult finish(ExprTables& s, int target, bool value) {
    if (s.overflow) return refuseWith(s, target, Refusal::overflow);
    if (s.lineFull) return refuseWith(s, target, Refusal::tooLong);
    return {value, Refusal::none};
}

void collectInto(ExprTables& s, Cells cells, int target) {
    ExprCell letters[2] = {zeroLetter(s), zeroLetter(s)};
    ExprCell constants[2] = {ZERO, ZERO};
    CellKind relation = CellKind::less;
    int side = 0;
    for (const ExprCell& c : cells) {
        if (c.kind == CellKind::constant) {
            constants[side] = addCells(s, constants[side], c);
        } else if (isRelation(c.kind)) {
            relation = c.kind;
            side = 1;
        } else if (isUnknown(s, c)) {
            letters[side] = addCells(s, letters[side], c);
        }
    }
    clearLine(s, target);
    appendSide(s, target, letters[0], constants[0]);
    appendCell(s, target, relationCell(relation));
    appendSide(s, target, letters[1], constants[1]);
}

bool pointsLess(CellKind k) { return k == CellKind::less || k == CellKind::lessEqual; }
bool isStrict(CellKind k) { return k == CellKind::less || k == CellKind::greater; }

std::optional<CellKind> relationOf(const ExprLine& line) {
    for (const ExprCell& c : cellsOf(line))
        if (isRelation(c.kind)) return c.kind;
    return std::nullopt;
}

CellKind relationPointing(bool less, bool strict) {
    if (less) return strict ? CellKind::less : CellKind::lessEqual;
    return strict ? CellKind::greater : CellKind::greaterEqual;
}

// Both lines' left sides, one relation, both right sides, then collected.
// The combined cells are gathered in a list of their own, so two long lines
// whose sum collects to a short line are not refused.
void combineLines(ExprTables& s, const ExprLine& a, const ExprLine& b, CellKind relation,
                  int target) {
    std::vector<ExprCell> left;
    std::vector<ExprCell> right;
    for (const ExprLine* line : {&a, &b}) {
        bool onRight = false;
        for (const ExprCell& c : cellsOf(*line)) {
            if (isRelation(c.kind))
                onRight = true;
            else
                (onRight ? right : left).push_back(c);
        }
    }
    left.push_back(relationCell(relation));
    left.insert(left.end(), right.begin(), right.end());
    collectInto(s, left, target);
}

}  // namespace

std::string refusalMessage(Refusal r) {
    switch (r) {
    case Refusal::none: return "";
    case Refusal::overflow: return "数が大きすぎて計算できません";
    case Refusal::tooLong: return "式が長すぎます";
    case Refusal::relationsDiffer: return "不等号の向きが違う式はたせません";
    case Refusal::relationsSame: return "不等号の向きが同じ式はひけません";
    }
    return "";
}

bool hasBracketsInLine(const ExprLine& line) {
    for (const ExprCell& c : cellsOf(line))
        if (c.kind == CellKind::roundOpen || c.kind == CellKind::braceOpen || c.kind == CellKind::squareClose ||
            c.kind == CellKind::cornerOpen)
            return true;
    return false;
}

TransformResult collectTerms(ExprTables& s, int n, int target) {
    s.clearFaults();
    const ExprLine source = s.lines.at(n);  // the source may be the target itself
    collectInto(s, cellsOf(source), target);
    return finish(s, target, true);
}

TransformResult addToBothSides(ExprTables& s, int n, char op, const ExprCell& c, int target) {
    s.clearFaults();
    const ExprLine source = s.lines.at(n);
    const ExprCell term = op == '-' ? negated(s, c) : c;
    clearLine(s, target);
    if (hasBracketsInLine(source)) {
        // Nothing is combined: the term is written at the end of each side.
        for (const ExprCell& cell : cellsOf(source)) {
            if (isRelation(cell.kind)) appendCell(s, target, term);
            appendCell(s, target, cell);
        }
        appendCell(s, target, term);
        return finish(s, target, true);
    }
    const auto startLetter = [&] { return isUnknown(s, term) ? term : zeroLetter(s); };
    const auto startConstant = [&] { return term.kind == CellKind::constant ? term : ZERO; };
    ExprCell letterSum = startLetter();
    ExprCell constantSum = startConstant();
    for (const ExprCell& cell : cellsOf(source)) {
        if (cell.kind == CellKind::constant) {
            constantSum = addCells(s, cell, constantSum);
        } else if (isUnknown(s, cell)) {
            letterSum = addCells(s, letterSum, cell);
        } else if (isRelation(cell.kind)) {
            appendSide(s, target, letterSum, constantSum);
            appendCell(s, target, relationCell(cell.kind));
            letterSum = startLetter();
            constantSum = startConstant();
        }
    }
    appendSide(s, target, letterSum, constantSum);
    return finish(s, target, true);
}

TransformResult scaleBothSides(ExprTables& s, int n, char op, const ExprCell& c, int target) {
    s.clearFaults();
    const ExprLine source = s.lines.at(n);
    clearLine(s, target);
    if (op == '/' && c.num == 0) {
        // The caller refuses a zero divisor; should one arrive, the pupil sees
        // the division box once and no line is written.
        divideCells(s, ONE, c);
        return {false, Refusal::none};
    }
    const auto scaled = [&](const ExprCell& cell) {
        return op == '/' ? divideCells(s, cell, c) : multiplyCells(s, cell, c);
    };
    int depth = 0;
    const ExprCell* previous = nullptr;
    for (const ExprCell& cell : cellsOf(source)) {
        if (isOpeningBracket(cell.kind)) {
            ++depth;
            // A group that opens a side has the factor 1, which bracket
            // removal takes; it is written so that the group is scaled too.
            const bool hasFactor =
                previous && (previous->kind == CellKind::constant || previous->kind == CellKind::bar);
            if (depth == 1 && !hasFactor) appendCell(s, target, scaled(ONE));
        }
        if (isClosingBracket(cell.kind)) --depth;
        if (depth > 0)
            appendCell(s, target, cell);  // inside a group: the factor carries the scaling
        else
            appendCell(s, target, scaled(cell));
        previous = &cell;
    }
    return finish(s, target, true);
}

TransformResult transposeTerms(ExprTables& s, int n, int target) {
    s.clearFaults();
    const ExprLine source = s.lines.at(n);
    clearLine(s, target);
    clearCarry(s);
    int moved = 0;
    bool onRight = false;
    CellKind relation = CellKind::less;
    for (const ExprCell& cell : cellsOf(source)) {
        if (cell.kind == CellKind::constant) {
            if (cell.num == 0) continue;
            if (onRight) {
                pushCarry(s, cell);
            } else {
                pushCarry(s, negated(s, cell));
                ++moved;
            }
        } else if (isRelation(cell.kind)) {
            relation = cell.kind;
            onRight = true;
        } else if (isLetter(cell.kind)) {
            if (onRight) {
                appendCell(s, target, negated(s, cell));
                ++moved;
            } else {
                appendCell(s, target, cell);
            }
        }
    }
    appendCell(s, target, relationCell(relation));
    if (s.carryList.cellCount == 0) appendCell(s, target, ZERO);
    for (const ExprCell& cell : cellsOf(s.carryList)) appendCell(s, target, cell);
    return finish(s, target, moved > 0);
}

TransformResult removeBrackets(ExprTables& s, int n, int target) {
    s.clearFaults();
    const ExprLine source = s.lines.at(n);
    clearLine(s, target);
    if (!hasBracketsInLine(source)) return {false, Refusal::none};
    const ExprLine& out = s.lines.at(target);
    bool inside = false;
    int openAt = 0;      // index of the opening bracket in the source line
    int openOutAt = 0;   // and in the target line
    for (int i = 0; i < source.cellCount; ++i) {
        const ExprCell& cell = source.cells[static_cast<std::size_t>(i)];
        if (isOpeningBracket(cell.kind)) {
            openAt = i;
            openOutAt = out.cellCount;
            inside = true;
            appendCell(s, target, cell);
        } else if (isClosingBracket(cell.kind) && inside) {
            clearExpand(s);
            const int groupSize = out.cellCount - openOutAt - 1;
            for (int k = 0; k < groupSize; ++k) pushExpand(s, popCell(s, target));
            popCell(s, target);  // the opening bracket
            // Only a constant written just before the bracket is its factor;
            // after a relation, another bracket or nothing the factor is 1.
            ExprCell factor = ONE;
            if (openAt > 0) {
                const CellKind before = source.cells[static_cast<std::size_t>(openAt - 1)].kind;
                if (before == CellKind::constant || before == CellKind::bar) factor = popCell(s, target);
            }
            // The work list holds the group backwards; write it in reading order.
            for (int k = s.expandList.cellCount - 1; k >= 0; --k)
                appendCell(s, target,
                           multiplyCells(s, s.expandList.cells[static_cast<std::size_t>(k)],
                                         factor));
            inside = false;
        } else {
            appendCell(s, target, cell);
        }
    }
    return finish(s, target, true);
}

TransformResult addLines(ExprTables& s, int a, int b, int target) {
    s.clearFaults();
    const ExprLine first = s.lines.at(a);
    const ExprLine second = s.lines.at(b);
    const auto ra = relationOf(first);
    const auto rb = relationOf(second);
    if (!ra || !rb || pointsLess(*ra) != pointsLess(*rb))
        return refuseWith(s, target, Refusal::relationsDiffer);
    const CellKind relation =
        relationPointing(pointsLess(*ra), isStrict(*ra) || isStrict(*rb));
    combineLines(s, first, second, relation, target);
    return finish(s, target, true);
}

TransformResult subtractLines(ExprTables& s, int a, int b, int target) {
    s.clearFaults();
    const ExprLine first = s.lines.at(a);
    ExprLine second = s.lines.at(b);  // negated here, never in the table
    const auto ra = relationOf(first);
    const auto rb = relationOf(second);
    if (!ra || !rb || pointsLess(*ra) == pointsLess(*rb))
        return refuseWith(s, target, Refusal::relationsSame);
    const CellKind relation =
        relationPointing(pointsLess(*ra), isStrict(*ra) || isStrict(*rb));
    for (int i = 0; i < second.cellCount; ++i) {
        ExprCell& c = second.cells[static_cast<std::size_t>(i)];
        c = negated(s, c);
    }
    combineLines(s, first, second, relation, target);
    return finish(s, target, true);
}

}  // namespace talvoren
