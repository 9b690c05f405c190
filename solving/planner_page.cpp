// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/planner_page.h"

#include "solving/executor.h"
#include "solving/judge.h"
#include "solving/silent_session.h"

namespace talvoren::planning {

namespace {

constexpr int sourceLine = 1;
constexpr int targetLine = 2;

PageState emptyPage(char unknownLetter, bool hasDecimalPoint) {
    PageState state;
    state.tables.unknownLetter = unknownLetter;
    state.tables.hasDecimalPoint = hasDecimalPoint;
    return state;
}

}  // namespace

StepRunner::StepRunner(char unknownLetter, bool hasDecimalPoint)
    : session_(std::make_unique<SilentSession>(emptyPage(unknownLetter, hasDecimalPoint))) {}

StepRunner::~StepRunner() = default;

// The search runs the executor straight from the state 実行 leaves for it
// (the new line's slot counted, one line selected, the pad's number parsed),
// which is much cheaper than the keys; the plan found is then carried out
// key by key. The sentence is not needed while searching, so the pad text is
// left out of it.
bool StepRunner::execute(const ExprLine& from, const PlanMove& move) {
    Worksheet& ws = session_->worksheet();
    ws.core.lines[sourceLine] = from;
    ws.core.lines[targetLine].cellCount = 0;
    ws.lineCount = targetLine;
    ws.firstLine = sourceLine;
    ws.secondLine = 0;
    ws.selectState = 2;
    ws.stepState = move.opCode == 'S' || move.opCode == 'I' || move.opCode == 'K' ? 2 : 3;
    ws.enteredTerm = move.term;
    ws.enteredText.clear();
    ws.signReversed = false;
    const bool accepted = applyOperation(ws, move.opCode);
    session_->clearMessages();  // refusals say why; nobody reads it here
    return accepted;
}

const ExprLine& StepRunner::result() const { return session_->line(targetLine); }

int StepRunner::judge(const ExprLine& line) {
    Worksheet& ws = session_->worksheet();
    ws.core.lines[sourceLine] = line;
    ws.lineCount = sourceLine;
    return judgeLine(ws, sourceLine);
}

}  // namespace talvoren::planning
