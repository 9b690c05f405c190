// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The planner: the shortest way from a line of the page to an answer, with
// the steps a pupil can take on the panel. Each step of a plan is executed by
// the tutor's own executor on a silent copy of the page, so the lines of a
// plan are exactly what the page will draw. The planner never shows a
// message; it returns a value.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/cells.h"
#include "solving/control.h"
#include "core/messages.h"
#include "solving/judge.h"
#include "solving/operations.h"
#include "solving/page_layout.h"

namespace talvoren {

class Worksheet;
struct PageState;

struct PlanStep {
    int line = 0;           // the line the step works on
    OpCode opCode = OpCode::none;
    std::string padText;    // the number as the pad shows it ("" for S, I, K)
    ExprCell term = ZERO;   // the cell the pad text stands for
    // The controls clicked, in order: the line (its button, or its image
    // where the line has no button), the operation button, the pad keys
    // (minus, digits, 分の, the letter), then 実行.
    std::vector<Control> presses;
    int newLine = 0;        // the number of the line the step draws
    ExprLine drawn;         // that line as drawn: cells and caption
    bool reversesRelation = false;  // multiplies or divides by a negative number
};

struct Plan {
    AnswerKind answer = AnswerKind::none;  // none: no plan fits the page (or the budget ran out)
    std::vector<PlanStep> steps;  // empty when the start line is already an answer
    ExprLine answerLine;          // the line judged an answer (empty for none)
    bool budgetExhausted = false; // the search stopped at its node or time budget
    long nodes = 0;               // lines searched

    int length() const { return static_cast<int>(steps.size()); }
    bool found() const { return answer != AnswerKind::none; }
};

// Bounds every search, whatever the line.
struct PlanBudget {
    long maxNodes = 200'000;
    std::chrono::milliseconds maxTime{250};
};

// The shortest plan from line `line` of a page whose newest line is
// `lineCount`, on a page of `capacity` lines (8, 12 or 14): new lines are
// numbered from lineCount + 1 and a plan never goes past line `capacity`.
// The page's state is only read.
Plan planFromLine(const ExprTables& page, int lineCount, int line, int capacity,
                  const PlanBudget& budget = {});

// The same for a whole page state (Worksheet::pageState()), on its capacity.
Plan planFromLine(const PageState& page, int line, const PlanBudget& budget = {});

// The same for the worksheet's current page and its capacity.
Plan planFromLine(const Worksheet& ws, int line, const PlanBudget& budget = {});

// Parses a question text into a scratch page as line 1 and plans from it.
// The parser's messages go to `parseMessages` (nowhere when null); nullopt
// when the question is refused.
std::optional<Plan> planQuestion(std::string_view text, int capacity = defaultLineCapacity,
                                 MessageSink* parseMessages = nullptr,
                                 const PlanBudget& budget = {});

}  // namespace talvoren
