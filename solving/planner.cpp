// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/planner.h"

#include <string>
#include <unordered_map>

#include "core/question_parser.h"
#include "solving/judge.h"
#include "solving/page.h"
#include "solving/planner_bound.h"
#include "solving/planner_moves.h"
#include "solving/planner_page.h"
#include "solving/silent_session.h"
#include "solving/worksheet.h"

namespace talvoren {

namespace {

using planning::StepRunner;
using Clock = std::chrono::steady_clock;

// Lines are told apart by their cells. A relation cell's denominator (a
// division leaves one behind) changes nothing any step does, so it is left
// out: such lines are searched once.
std::string keyOf(const ExprLine& line) {
    std::string key;
    key.reserve(static_cast<std::size_t>(line.cellCount) * 9);
    for (int i = 0; i < line.cellCount; ++i) {
        const ExprCell& c = line.cells[static_cast<std::size_t>(i)];
        const bool relation = isRelation(c.kind);
        const std::int32_t den = relation ? 1 : c.den;
        const std::int32_t num = relation ? 0 : c.num;
        key.append(reinterpret_cast<const char*>(&den), sizeof den);
        key.append(reinterpret_cast<const char*>(&num), sizeof num);
        key.push_back(static_cast<char>(kindByte(c.kind)));
    }
    return key;
}

// Iterative deepening over lines. Within one depth bound the moves are tried
// in the order of preference, so the first plan found is the preferred one
// among the shortest. `explored` remembers, for each line, the most steps
// that were left when it was searched; a line met again with no more steps
// left cannot lead to a plan either.
class Search {
public:
    Search(char letter, bool hasDecimalPoint, const PlanBudget& budget)
        : letter_(letter), runner_(letter, hasDecimalPoint), budget_(budget), start_(Clock::now()) {}

    // The moves of the shortest plan from `line` within `maxSteps`, and the
    // judgement of the line it ends in; false when there is none.
    bool run(const ExprLine& line, int maxSteps) {
        for (int bound = planning::stepsAtLeast(line, letter_); bound <= maxSteps && !stopped; ++bound) {
            if (descend(line, 0, bound)) return true;
        }
        return false;
    }

    std::vector<PlanMove> path;  // in reverse order while the search unwinds
    AnswerKind judgement = AnswerKind::none;
    bool stopped = false;  // the budget ran out
    long nodes = 0;

private:
    bool outOfBudget() {
        if (nodes >= budget_.maxNodes) stopped = true;
        if ((nodes & 63) == 0 && Clock::now() - start_ > budget_.maxTime) stopped = true;
        return stopped;
    }

    bool descend(const ExprLine& line, int done, int bound) {
        const int left = bound - done;
        int& explored = explored_[keyOf(line)];
        if (explored >= left) return false;
        explored = left;

        for (const PlanMove& move : movesFrom(line, letter_)) {
            if (outOfBudget()) return false;
            ++nodes;
            if (!runner_.execute(line, move)) continue;
            const ExprLine child = runner_.result();
            if (const AnswerKind verdict = runner_.judge(child); verdict != AnswerKind::none) {
                judgement = verdict;
                path.push_back(move);
                return true;
            }
            if (left == 1 || 1 + planning::stepsAtLeast(child, letter_) > left) continue;
            if (descend(child, done + 1, bound)) {
                path.push_back(move);
                return true;
            }
        }
        return false;
    }

    char letter_;
    StepRunner runner_;
    PlanBudget budget_;
    Clock::time_point start_;
    std::unordered_map<std::string, int> explored_;
};

Control lineControl(int n) { return n <= maxLineButtons ? Control::lineButton(n) : Control::lineImage(n); }

PlanStep stepOf(const PlanMove& move, int line) {
    PlanStep step;
    step.line = line;
    step.opCode = move.opCode;
    step.term = move.term;
    const bool typed = needsNumber(move.opCode);
    if (typed) step.padText = padTextOf(move.term);
    step.presses.push_back(lineControl(line));
    step.presses.push_back(Control::operation(move.opCode));
    if (typed)
        for (const Control key : padPressesOf(move.term)) step.presses.push_back(key);
    step.presses.push_back(Control::of(ControlKind::execute));
    step.reversesRelation = turnsRelationRound(move.opCode, move.term);
    return step;
}

// Carries the moves out key by key on a silent copy of the page: the lines
// and sentences of the plan are the ones the page draws. A plan the page
// does not carry out to the same answer is no plan.
Plan replay(const PageState& page, int line, const std::vector<PlanMove>& moves, AnswerKind answer) {
    Plan plan;
    SilentSession copy(page);
    copy.answerSpecialWith(answer == AnswerKind::solved ? AnswerKind::none : answer);
    int from = line;
    AnswerKind judgement = AnswerKind::none;
    for (const PlanMove& move : moves) {
        PlanStep step = stepOf(move, from);
        const StepOutcome outcome = copy.step({from, move.opCode, step.padText, 0});
        if (!outcome.accepted) return {};
        judgement = outcome.judgement;
        step.newLine = outcome.lineNumber;
        step.drawn = outcome.line;
        step.reversesRelation = outcome.signReversed;
        from = step.newLine;
        plan.steps.push_back(std::move(step));
    }
    if (copy.worksheet().state().answerKind == AnswerKind::none || judgement != answer) return {};
    plan.answer = answer;
    plan.answerLine = plan.steps.back().drawn;
    return plan;
}

}  // namespace

Plan planFromLine(const PageState& page, int line, const PlanBudget& budget) {
    const int lineCount = page.worksheet.lineCount;
    if (line < 1 || line > lineCount || lineCount >= answerLineIndex) return {};
    const ExprLine& start = page.tables.lines[static_cast<std::size_t>(line)];
    const char letter = page.tables.unknownLetter;
    Search search(letter, page.tables.hasDecimalPoint, budget);

    if (const AnswerKind verdict = StepRunner(letter, page.tables.hasDecimalPoint).judge(start);
        verdict != AnswerKind::none) {
        Plan plan;
        plan.answer = verdict;
        plan.answerLine = start;
        return plan;
    }

    // Each step draws the next line; the page's last line is the last.
    const int maxSteps = std::min(page.worksheet.lineCapacity, answerLineIndex - 1) - lineCount;
    Plan plan;
    if (maxSteps > 0 && search.run(start, maxSteps)) {
        const std::vector<PlanMove> moves(search.path.rbegin(), search.path.rend());
        plan = replay(page, line, moves, search.judgement);
    }
    plan.budgetExhausted = search.stopped;
    plan.nodes = search.nodes;
    return plan;
}

Plan planFromLine(const ExprTables& page, int lineCount, int line, int capacity, const PlanBudget& budget) {
    PageState state;
    state.tables = page;
    state.worksheet.lineCount = lineCount;
    state.worksheet.lineCapacity = capacity;
    return planFromLine(state, line, budget);
}

Plan planFromLine(const Worksheet& ws, int line, const PlanBudget& budget) {
    return planFromLine(ws.pageState(), line, budget);
}

std::optional<Plan> planQuestion(std::string_view text, int capacity, MessageSink* parseMessages,
                                 const PlanBudget& budget) {
    ExprTables scratch;
    const bool accepted = parseQuestion(scratch, 1, text);
    if (parseMessages) showNotices(*parseMessages, scratch.notices);
    if (!accepted) return std::nullopt;
    return planFromLine(scratch, 1, 1, capacity, budget);
}

}  // namespace talvoren
