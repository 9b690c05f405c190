// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/judge.h"

#include "solving/worksheet.h"

namespace talvoren {

int judgeLine(Worksheet& ws, int n) {
    if (n < 0 || n > ws.lineCount || n >= answerLineIndex) return judged::notAnswer;
    const ExprLine& line = ws.core.lines[static_cast<std::size_t>(n)];
    if (line.cellCount != 3) return judged::notAnswer;
    const ExprCell& a = line.cells[0];
    const ExprCell& r = line.cells[1];
    const ExprCell& b = line.cells[2];
    if (a.num == 1 && a.den == 1 && a.kind == static_cast<std::uint8_t>(ws.core.unknownLetter) &&
        isRelation(r.kind) && b.kind == kind::constant) {
        ws.core.answerLine() = line;
        return judged::solved;
    }
    if (a.kind == kind::constant && b.kind == kind::constant)
        return relationHolds(ws.core, r.kind, a, b) ? judged::infinitelyMany : judged::noSolution;
    return judged::notAnswer;
}

bool relationHolds(CoreState& core, std::uint8_t k, const ExprCell& x, const ExprCell& y) {
    const int v = compareCells(core, x, y);
    switch (k) {
    case kind::less: return v == -1;
    case kind::greater: return v == 1;
    case kind::lessEqual: return v <= 0;
    case kind::greaterEqual: return v >= 0;
    default: return false;
    }
}

namespace {

// Shows the dialog until the pupil names the right kind (true) or closes it.
bool askSpecialAnswer(Worksheet& ws, int rightChoice, std::string_view wrongChoiceHint) {
    for (;;) {
        const int choice = ws.page.showSentaku();
        if (choice == sentakuClosed) return false;
        if (choice == rightChoice) return true;
        if (choice == sentakuKainashi || choice == sentakuMusu) ws.showMessage(wrongChoiceHint);
    }
}

}  // namespace

void concludeJudgement(Worksheet& ws, int judgement) {
    // A closed dialog leaves the step unsolved, whatever an earlier step left.
    ws.answerKind = 0;
    switch (judgement) {
    case judged::solved:
        ws.answerKind = 1;
        ws.setDescription("解が出ました");
        ws.drawLine(answerLineIndex);
        break;
    case judged::noSolution:
        if (askSpecialAnswer(ws, sentakuKainashi, "解が無数？？もう一度考えてみましょう")) {
            ws.writeAnswerText("【答】解なし");
            ws.answerKind = 4;
        }
        break;
    case judged::infinitelyMany:
        if (askSpecialAnswer(ws, sentakuMusu, "解なし？？もう一度考えてみましょう")) {
            ws.writeAnswerText("【答】解は無数にある");
            ws.answerKind = 3;
        }
        break;
    default: break;
    }
}

}  // namespace talvoren
