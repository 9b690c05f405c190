// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the planner. The first byte chooses the page's capacity
// (8, 12 or 14 lines); the rest is a question as code-page-932 bytes, as the
// parser's target takes it. A question the parser accepts is planned with a
// small node budget. Invariants: planning shows no message; it stops within
// its budget; a plan fits the page, numbers its lines from 2 in order,
// starts each step from the line the one before drew, types only numbers the
// pad can type, and ends in the line it names as the answer.

#include <chrono>
#include <string>

#include "core/question_parser.h"
#include "core/sjis.h"
#include "fuzz_support.h"
#include "solving/planner.h"
#include "solving/planner_moves.h"

namespace {

using namespace talvoren;
using fuzz::require;

constexpr long nodeBudget = 4000;

void checkPlan(const Plan& plan, int capacity) {
    require(plan.nodes <= nodeBudget);
    if (!plan.found()) {
        require(plan.steps.empty());
        return;
    }
    require(plan.length() <= capacity - 1);
    int from = 1;
    for (const PlanStep& step : plan.steps) {
        require(step.line == from);
        require(step.newLine == from + 1);
        require(step.presses.size() >= 3 && controlName(step.presses.back()) == "btnJikkou");
        if (!step.padText.empty()) require(padCanType(step.term));
        require(step.drawn.cellCount > 0 && step.drawn.cellCount <= maxCells);
        from = step.newLine;
    }
    if (!plan.steps.empty()) require(lineCellsText(plan.steps.back().drawn) == lineCellsText(plan.answerLine));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzBytes in(data, size);
    static constexpr int capacities[] = {8, 12, 14};
    const int capacity = capacities[in.byte() % 3];
    const std::string_view bytes = in.rest();
    const std::string text = sjis::fromCp932(std::string(bytes)).value_or(std::string(bytes));

    fuzz::CountingSink parserMessages;
    CoreState probe(parserMessages);
    if (!parseQuestion(probe, 1, text)) return 0;

    const PlanBudget budget{nodeBudget, std::chrono::seconds(10)};
    const std::optional<Plan> plan = planQuestion(text, capacity, nullptr, budget);
    require(plan.has_value());
    checkPlan(*plan, capacity);

    // Planning from the page's state reads it and shows nothing.
    fuzz::CountingSink pageMessages;
    CoreState page(pageMessages);
    require(parseQuestion(page, 1, text));
    pageMessages.shown.clear();  // the parser's own (a blank's warning)
    const ExprLine before = page.lines[1];
    const Plan again = planFromLine(page, 1, 1, capacity, budget);
    require(pageMessages.shown.empty());
    require(lineCellsText(page.lines[1]) == lineCellsText(before));
    require(again.answer == plan->answer && again.length() == plan->length());
    return 0;
}
