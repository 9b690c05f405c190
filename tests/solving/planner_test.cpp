// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/planner.h"

#include <gtest/gtest.h>

#include <iostream>

#include "core/question_parser.h"
#include "solving/fakes.h"
#include "solving/planner_moves.h"
#include "solving/random_questions.h"

namespace talvoren {
namespace {

// The controls by their names on the windows.
std::vector<std::string> namesOf(const std::vector<Control>& controls) {
    std::vector<std::string> names;
    for (const Control c : controls) names.push_back(controlName(c));
    return names;
}

using testing::Session;

Plan planned(const std::string& question, int capacity = defaultLineCapacity, const PlanBudget& budget = {}) {
    const std::optional<Plan> plan = planQuestion(question, capacity, nullptr, budget);
    if (!plan) throw std::runtime_error("question refused: " + question);
    return *plan;
}

std::string opsOf(const Plan& plan) {
    std::string ops;
    for (const PlanStep& step : plan.steps) {
        if (!ops.empty()) ops += ' ';
        ops += static_cast<char>(step.opCode);
        ops += step.padText;
    }
    return ops;
}

struct PlanCase {
    const char* name;
    const char* question;
    AnswerKind answer;
    const char* ops;      // each step's code and pad text
    const char* answerCells;
};

class Plans : public ::testing::TestWithParam<PlanCase> {};

TEST_P(Plans, ShortestPreferred) {
    const PlanCase& p = GetParam();
    const Plan plan = planned(p.question);
    EXPECT_EQ(plan.answer, p.answer);
    EXPECT_EQ(opsOf(plan), p.ops);
    EXPECT_EQ(lineCellsText(plan.answerLine), p.answerCells);
}

INSTANTIATE_TEST_SUITE_P(
    Planner, Plans,
    ::testing::Values(
        PlanCase{"SubtractThenDivide", "2x+3<5", AnswerKind::solved, "-3 /2", "1x1 0<2 1/1"},
        PlanCase{"AlreadySolved", "x<3", AnswerKind::solved, "", "1x1 0<1 3/1"},
        PlanCase{"LettersCancelTrue", "x+3>x-1", AnswerKind::infinitelyMany, "-x", "3/1 0>1 -1/1"},
        PlanCase{"LettersCancelFalse", "2(x+1)<2x+1", AnswerKind::noSolution, "K -2x", "2/1 0<1 1/1"},
        PlanCase{"NegativeDivisorTurnsRelation", "-3x<6", AnswerKind::solved, "/-3", "1x1 0>3 -2/1"},
        PlanCase{"LessEqualKept", "2x<=4", AnswerKind::solved, "/2", "1x1 0ﾋ0 2/1"},
        PlanCase{"FractionCoefficient", "1/2x>3", AnswerKind::solved, "*2", "1x1 0>1 6/1"},
        PlanCase{"IntegerBeforeFraction", "3x+1<2", AnswerKind::solved, "-1 /3", "1x1 0<3 1/3"},
        PlanCase{"OtherLetter", "2a-1>=a", AnswerKind::solved, "I S", "1a1 0ﾖ1 1/1"},
        PlanCase{"VerticalBarConstantCounts", "x+1|3<2", AnswerKind::solved, "-3分の1", "1x1 0<1 5/3"},
        PlanCase{"FractionDivisorTakenAsItsReciprocal", "2/3x<4", AnswerKind::solved, "*2分の3", "1x1 0<2 6/1"},
        PlanCase{"NegativeFractionReciprocal", "-2/3x<4", AnswerKind::solved, "*-2分の3", "1x1 0>2 -6/1"},
        PlanCase{"UnitFractionTimesItsDenominator", "1/3x>=2", AnswerKind::solved, "*3", "1x1 0ﾖ0 6/1"},
        PlanCase{"DenominatorsClearedFirst", "1/2x+3<1/3x+4", AnswerKind::solved, "*6 I S", "1x1 0<1 6/1"},
        PlanCase{"BracketsFirst", "3(x-2)+4>5x-(x+1)", AnswerKind::solved, "K I S /-1",
                 "1x1 0<1 -1/1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Planner, StepsCarryPressesLinesAndSentences) {
    const Plan plan = planned("2x+3<5");
    ASSERT_EQ(plan.length(), 2);
    const PlanStep& first = plan.steps[0];
    EXPECT_EQ(first.line, 1);
    EXPECT_EQ(first.newLine, 2);
    EXPECT_EQ(namesOf(first.presses), (std::vector<std::string>{"btnShiki1", "btnHiku", "btn3", "btnJikkou"}));
    EXPECT_EQ(first.drawn.caption, "①式の両辺から3をひくと");
    EXPECT_EQ(lineCellsText(first.drawn), "2x1 0<1 2/1");
    EXPECT_FALSE(first.reversesRelation);
    EXPECT_EQ(plan.steps[1].line, 2);
    EXPECT_EQ(plan.steps[1].drawn.caption, "②式の両辺を2で割ると");
}

TEST(Planner, NegativeDivisorIsTypedWithTheMinusKeyAndTurnsTheRelation) {
    const Plan plan = planned("-3x<6");
    ASSERT_EQ(plan.length(), 1);
    EXPECT_TRUE(plan.steps[0].reversesRelation);
    EXPECT_EQ(namesOf(plan.steps[0].presses),
              (std::vector<std::string>{"btnShiki1", "btnWaru", "btnMinus", "btn3", "btnJikkou"}));
}

// 3(x-2)+4>5x-(x+1) needs four steps: it fits a page of five lines, not four.
TEST(Planner, PlanNeverNeedsMoreLinesThanThePageHolds) {
    EXPECT_EQ(planned("3(x-2)+4>5x-(x+1)", 5).length(), 4);
    const Plan tooSmall = planned("3(x-2)+4>5x-(x+1)", 4);
    EXPECT_EQ(tooSmall.answer, AnswerKind::none);
    EXPECT_TRUE(tooSmall.steps.empty());
    EXPECT_FALSE(tooSmall.budgetExhausted);
}

TEST(Planner, PlansFromAnyLineOfThePage) {
    Session t;
    t.start("2x+3<5");
    t.ws.selectLine(1);
    t.ws.chooseOperation(OpCode::collect);  // an unchanged line 2
    t.ws.execute();
    ASSERT_EQ(t.ws.state().lineCount, 2);
    const Plan plan = planFromLine(t.ws, 1);
    ASSERT_EQ(plan.length(), 2);
    EXPECT_EQ(plan.steps[0].line, 1);
    EXPECT_EQ(plan.steps[0].newLine, 3);
    EXPECT_EQ(plan.steps[0].drawn.caption, "①式の両辺から3をひくと");
    EXPECT_EQ(controlName(plan.steps[1].presses.front()), "btnShiki3");
    EXPECT_EQ(t.ws.state().lineCount, 2) << "the page itself is only read";
    EXPECT_EQ(planFromLine(t.ws, 3).answer, AnswerKind::none) << "no such line";
}

TEST(Planner, StopsAtItsBudget) {
    const Plan plan = planned("3(x-2)+4>5x-(x+1)", 14, PlanBudget{3, std::chrono::milliseconds(1000)});
    EXPECT_EQ(plan.answer, AnswerKind::none);
    EXPECT_TRUE(plan.budgetExhausted);
    EXPECT_LE(plan.nodes, 3);
}

// Lines whose steps overflow 32 bits, or that no typed number reaches,
// still end within the budget with an honest answer.
TEST(Planner, HardLinesEndWithinTheBudget) {
    for (const char* question : {"99999x<99999", "9999x+1/9999<1/9997", "(((((((x+1)+1)+1)+1)+1)+1)+1)<1",
                                 "x+1+1+1+1+1+1+1+1+1+1+1+1+1<x+1", "((x+1))<3"}) {
        SCOPED_TRACE(question);
        const Plan plan = planned(question);
        EXPECT_LE(plan.nodes, PlanBudget{}.maxNodes);
        if (plan.found()) {
            EXPECT_GE(plan.length(), 1);
        }
    }
}

// Lines written straight into the page: numbers at the 32-bit limit (steps
// on them overflow and are refused) and a full line of 30 cells.
TEST(Planner, LinesAtTheLimitsEndWithinTheBudgetAndShowNothing) {
    using testing::constant;
    using testing::relation;
    using testing::term;
    ExprLine full;
    for (int i = 0; i < 14; ++i) {
        full.cells[static_cast<std::size_t>(full.cellCount++)] = term(1);
        full.cells[static_cast<std::size_t>(full.cellCount++)] = constant(-1);
    }
    full.cells[static_cast<std::size_t>(full.cellCount++)] = relation(CellKind::less);
    full.cells[static_cast<std::size_t>(full.cellCount++)] = constant(1);
    struct LimitCase {
        const char* name;
        ExprLine line;
        AnswerKind answer;
    };
    const LimitCase cases[] = {
        {"PrimeCoefficientNoPadCancels", testing::lineOf({term(2147483647), relation(CellKind::less), constant(2147483646)}),
         AnswerKind::none},
        {"StepsOverflow", testing::lineOf({term(3), constant(2147483647), relation(CellKind::less), constant(-2147483647)}),
         AnswerKind::none},
        {"ThirtyCells", full, AnswerKind::solved},
    };
    for (const LimitCase& c : cases) {
        SCOPED_TRACE(c.name);
        Session t;
        t.core.unknownLetter = 'x';
        t.core.lines[1] = c.line;
        const PlanBudget budget{20'000, std::chrono::seconds(30)};
        const Plan plan = planFromLine(t.core, 1, 1, defaultLineCapacity, budget);
        EXPECT_EQ(plan.answer, c.answer);
        EXPECT_LE(plan.nodes, budget.maxNodes);
        EXPECT_TRUE(t.sink.messages.empty());
    }
}

struct PadCase {
    const char* name;
    ExprCell term;
    const char* text;
    std::vector<std::string> presses;
};

class PadTexts : public ::testing::TestWithParam<PadCase> {};

TEST_P(PadTexts, AsThePadTypesThem) {
    EXPECT_EQ(padTextOf(GetParam().term), GetParam().text);
    EXPECT_EQ(namesOf(padPressesOf(GetParam().term)), GetParam().presses);
}

INSTANTIATE_TEST_SUITE_P(
    Planner, PadTexts,
    ::testing::Values(PadCase{"Integer", {1, 12, CellKind::constant}, "12", {"btn1", "btn2"}},
                      PadCase{"Negative", {1, -3, CellKind::constant}, "-3", {"btnMinus", "btn3"}},
                      PadCase{"Fraction", {3, 2, CellKind::constant}, "3分の2", {"btn3", "btnBunsu", "btn2"}},
                      PadCase{"NegativeFraction", {4, -1, CellKind::constant}, "-4分の1", {"btnMinus", "btn4", "btnBunsu", "btn1"}},
                      PadCase{"Letter", {1, 1, letterKind('x')}, "x", {"btnMoji"}},
                      PadCase{"NegativeLetter", {1, -1, letterKind('a')}, "-a", {"btnMinus", "btnMoji"}},
                      PadCase{"LetterTerm", {1, 20, letterKind('x')}, "20x", {"btn2", "btn0", "btnMoji"}},
                      PadCase{"FractionLetterTerm", {2, 3, letterKind('x')}, "2分の3x", {"btn2", "btnBunsu", "btn3", "btnMoji"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Planner, OnlyNumbersThePadCanType) {
    EXPECT_TRUE(padCanType({1, 9999, CellKind::constant}));
    EXPECT_TRUE(padCanType({9998, -9999, CellKind::constant}));
    EXPECT_FALSE(padCanType({1, 10000, CellKind::constant}));
    EXPECT_FALSE(padCanType({10000, 1, CellKind::constant}));
    EXPECT_FALSE(padCanType({4, 2, CellKind::constant})) << "a plan types fractions reduced";
}

// ---- answers against the independent solution set ---------------------------

std::string relationText(CellKind k) {
    switch (k) {
    case CellKind::less: return "<";
    case CellKind::greater: return ">";
    case CellKind::lessEqual: return "<=";
    case CellKind::greaterEqual: return ">=";
    default: return "?";
    }
}

// Empty when the plan's answer is the question's solution set.
std::string disagreement(const Plan& plan, const test::SolutionSet& expected) {
    switch (expected.kind) {
    case test::SolutionKind::none:
        return plan.answer == AnswerKind::noSolution ? "" : "expected 解なし";
    case test::SolutionKind::all:
        return plan.answer == AnswerKind::infinitelyMany ? "" : "expected 解は無数にある";
    case test::SolutionKind::interval: break;
    }
    const std::string wanted = "x " + expected.relation + " " + std::to_string(expected.bound.num) + "/" +
                               std::to_string(expected.bound.den);
    if (plan.answer != AnswerKind::solved) return "expected " + wanted;
    const ExprLine& line = plan.answerLine;
    const test::Fraction bound = test::Fraction::of(line.cells[2].num, line.cells[2].den);
    if (relationText(line.cells[1].kind) != expected.relation || !(bound == expected.bound))
        return "expected " + wanted + ", got " + lineCellsText(line);
    return "";
}

// The node budget bounds the search; the time budget is kept out of the way
// of a slow (sanitized, shared) machine.
const PlanBudget generous{PlanBudget{}.maxNodes, std::chrono::seconds(30)};

TEST(PlannerAnswers, AgreeWithTheSolutionSetOnThousandsOfRandomQuestions) {
    test::QuestionGenerator generator(20261208);
    int kinds[3] = {0, 0, 0};
    for (int i = 0; i < 3000; ++i) {
        const test::RandomQuestion q = generator.next();
        SCOPED_TRACE(q.text);
        const std::optional<Plan> plan = planQuestion(q.text, defaultLineCapacity, nullptr, generous);
        ASSERT_TRUE(plan) << "the generator wrote a question the parser refuses";
        ASSERT_TRUE(plan->found()) << "no plan; nodes " << plan->nodes;
        EXPECT_EQ(disagreement(*plan, q.solution), "");
        ++kinds[static_cast<int>(q.solution.kind)];
    }
    // The sample holds every kind of answer.
    EXPECT_GT(kinds[0], 1000);
    EXPECT_GT(kinds[1], 50);
    EXPECT_GT(kinds[2], 50);
}

}  // namespace
}  // namespace talvoren

namespace talvoren {
namespace {

// Writes the benchmark's fixed question file (bench/planner_questions.txt):
//   talvoren_solving_tests --gtest_also_run_disabled_tests --gtest_filter='*WriteBenchmarkQuestions' 2> bench/planner_questions.txt
TEST(PlannerAnswers, DISABLED_WriteBenchmarkQuestions) {
    test::QuestionGenerator generator(1000);
    for (int i = 0; i < 1000; ++i) std::cerr << generator.next().text << '\n';
}

}  // namespace
}  // namespace talvoren
