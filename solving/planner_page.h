// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The planner's steps during the search: `StepRunner` executes single steps
// with the tutor's own executor and judge on expression tables of its own;
// a found plan is then carried out key by key on a SilentSession copy of the
// real page (solving/silent_session.h), which gives every line its caption
// exactly as the page will draw it.

#include <memory>

#include "core/cells.h"
#include "solving/judge.h"
#include "solving/planner_moves.h"

namespace talvoren::planning {

class StepRunner {
public:
    StepRunner(char unknownLetter, bool hasDecimalPoint);
    ~StepRunner();

    // Executes the move on `from` (as line 1 of the tables) by the executor;
    // false when the step is refused. The new line is then `result()`.
    bool execute(const ExprLine& from, const PlanMove& move);
    const ExprLine& result() const;
    // The judge's verdict on a line.
    AnswerKind judge(const ExprLine& line);

private:
    struct Tables;
    std::unique_ptr<Tables> tables_;
};

}  // namespace talvoren::planning
