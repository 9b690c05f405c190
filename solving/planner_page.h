// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The planner's use of silent copies of the page (solving/silent_session.h):
// `StepRunner` executes single steps during the search with the tutor's own
// executor and judge; a found plan is then carried out key by key on a
// SilentSession copy of the real page, which gives every line its caption
// exactly as the page will draw it.

#include <memory>

#include "core/cells.h"
#include "solving/planner_moves.h"

namespace talvoren {

class SilentSession;

namespace planning {

class StepRunner {
public:
    StepRunner(char unknownLetter, bool hasDecimalPoint);
    ~StepRunner();

    // Executes the move on `from` (as line 1 of the copy) by the executor;
    // false when the step is refused. The new line is then `result()`.
    bool execute(const ExprLine& from, const PlanMove& move);
    const ExprLine& result() const;
    // The judge's verdict on a line (judged::notAnswer, solved, ...).
    int judge(const ExprLine& line);

private:
    std::unique_ptr<SilentSession> session_;
};

}  // namespace planning
}  // namespace talvoren
