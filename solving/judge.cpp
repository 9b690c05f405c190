// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/judge.h"

namespace talvoren {

AnswerKind judgeLine(CoreState& core, int lineCount, int n) {
    if (n < 0 || n > lineCount || n >= answerLineIndex) return AnswerKind::none;
    const ExprLine& line = core.lines[static_cast<std::size_t>(n)];
    if (line.cellCount != 3) return AnswerKind::none;
    const ExprCell& a = line.cells[0];
    const ExprCell& r = line.cells[1];
    const ExprCell& b = line.cells[2];
    if (a.num == 1 && a.den == 1 && a.kind == letterKind(core.unknownLetter) &&
        isRelation(r.kind) && b.kind == CellKind::constant)
        return AnswerKind::solved;
    if (a.kind == CellKind::constant && b.kind == CellKind::constant)
        return relationHolds(core, r.kind, a, b) ? AnswerKind::infinitelyMany : AnswerKind::noSolution;
    return AnswerKind::none;
}

bool relationHolds(CoreState& core, CellKind k, const ExprCell& x, const ExprCell& y) {
    const int v = compareCells(core, x, y);
    switch (k) {
    case CellKind::less: return v == -1;
    case CellKind::greater: return v == 1;
    case CellKind::lessEqual: return v <= 0;
    case CellKind::greaterEqual: return v >= 0;
    default: return false;
    }
}

}  // namespace talvoren
