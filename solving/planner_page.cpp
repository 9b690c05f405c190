// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/planner_page.h"

#include "solving/executor.h"
#include "solving/silent_session.h"

namespace talvoren::planning {

namespace {

constexpr int sourceLine = 1;
constexpr int targetLine = 2;

}  // namespace

// Refusals say why; nobody reads it here.
struct StepRunner::Tables {
    Tables(char unknownLetter, bool hasDecimalPoint) : core(log) {
        core.unknownLetter = unknownLetter;
        core.hasDecimalPoint = hasDecimalPoint;
    }
    MessageLog log;
    CoreState core;
};

StepRunner::StepRunner(char unknownLetter, bool hasDecimalPoint)
    : tables_(std::make_unique<Tables>(unknownLetter, hasDecimalPoint)) {}

StepRunner::~StepRunner() = default;

// The search runs the executor straight from the state 実行 leaves for it
// (the new line's slot counted, one line selected, the pad's number parsed),
// which is much cheaper than the keys; the plan found is then carried out
// key by key. The sentence is not needed while searching, so the pad text is
// left out of it.
bool StepRunner::execute(const ExprLine& from, const PlanMove& move) {
    CoreState& core = tables_->core;
    core.lines[sourceLine] = from;
    core.lines[targetLine].cellCount = 0;
    StepContext step;
    step.opCode = move.opCode;
    step.firstLine = sourceLine;
    step.enteredTerm = move.term;
    step.target = targetLine;
    const StepResult r = applyOperation(core, step);
    // A question before the line stands is answered yes, as Enter would:
    // the step is taken back.
    return r.accepted() && !r.confirmation;
}

const ExprLine& StepRunner::result() const { return tables_->core.lines[targetLine]; }

AnswerKind StepRunner::judge(const ExprLine& line) {
    CoreState& core = tables_->core;
    core.lines[sourceLine] = line;
    return judgeLine(core, sourceLine, sourceLine);
}

}  // namespace talvoren::planning
