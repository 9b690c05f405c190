// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/hints.h"

#include <gtest/gtest.h>

#include <map>

#include "fakes.h"
#include "solving/input_pad.h"
#include "solving/operations.h"

namespace talvoren::testing {
namespace {

PlanStep step(int line, char opCode, std::string padText = "", ExprCell term = ZERO) {
    PlanStep s;
    s.line = line;
    s.opCode = static_cast<OpCode>(opCode);  // the code stands for the operation
    s.padText = std::move(padText);
    s.term = term;
    return s;
}

Plan planOf(std::vector<PlanStep> steps, AnswerKind answer = AnswerKind::solved) {
    Plan p;
    p.answer = answer;
    p.steps = std::move(steps);
    return p;
}

// A planner that answers from a table, by line; no entry: no plan.
struct TablePlanner {
    std::map<int, Plan> plans;
    Plan operator()(const CoreState&, int, int line, int) const {
        const auto it = plans.find(line);
        return it == plans.end() ? Plan{} : it->second;
    }
};

// A worksheet with a hint coach over a table planner.
struct HintSession : Session {
    explicit HintSession(std::map<int, Plan> plans = {}, int capacity = defaultLineCapacity)
        : Session(capacity), planner{std::move(plans)}, coach(ws, [this](auto&&... a) { return planner(a...); }) {}
    TablePlanner planner;
    HintCoach coach;
};

struct StepHintCase {
    const char* name;
    PlanStep first;
    int level;
    const char* text;
};
void PrintTo(const StepHintCase& c, std::ostream* os) { *os << c.name; }

class StepHints : public ::testing::TestWithParam<StepHintCase> {};

TEST_P(StepHints, SayWhereThenWhatThenSetUp) {
    const StepHintCase& c = GetParam();
    Session s;
    s.start("2x+3<5");
    const Hint hint = hintFor(s.ws, HintPlan{c.first.line, planOf({c.first})}, c.level);
    EXPECT_EQ(hint.text, c.text);
    EXPECT_EQ(hint.setUp.has_value(), c.level == 3);
}

const ExprCell minus3 = constant(-3);
const ExprCell minus2 = constant(-2);

INSTANTIATE_TEST_SUITE_P(
    Hints, StepHints,
    ::testing::Values(
        StepHintCase{"transpose_where", step(3, 'I'), 1, "③式を移項してみましょう。"},
        StepHintCase{"brackets_where", step(2, 'K'), 1, "②式のかっこをはずしてみましょう。"},
        StepHintCase{"divide_where", step(2, '/', "3", constant(3)), 1, "②式の両辺を同じ数でわってみましょう。"},
        StepHintCase{"divide_negative_where", step(2, '/', "-3", minus3), 1,
                     "②式の両辺を同じ数でわってみましょう。負の数でわると大小が入れかわるので、不等号の向きが変わります。"},
        StepHintCase{"divide_negative_exact", step(2, '/', "-3", minus3), 2,
                     "②式の両辺を-3でわりましょう。負の数でわると大小が入れかわるので、不等号の向きが変わります。"},
        StepHintCase{"multiply_negative_set_up", step(1, '*', "-2", minus2), 3,
                     "式と操作を入力しておきました。確かめてから［実行］を押しましょう。"
                     "負の数をかけると大小が入れかわるので、不等号の向きが変わります。"},
        StepHintCase{"multiply_fraction_exact", step(1, '*', "3分の2", constant(2, 3)), 2,
                     "①式の両辺に3分の2をかけましょう。"},
        StepHintCase{"subtract_term_where", step(1, '-', "2x", term(2)), 1,
                     "①式の両辺から同じxの項をひいてみましょう。"},
        StepHintCase{"subtract_exact", step(1, '-', "3", constant(3)), 2, "①式の両辺から3をひきましょう。"},
        StepHintCase{"add_exact", step(1, '+', "5", constant(5)), 2, "①式の両辺に5をたしましょう。"},
        StepHintCase{"collect_exact", step(4, 'S'), 2,
                     "④式を選んで［整理］を押しましょう。同じ種類の項が一つにまとまります。"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ChoiceCase {
    const char* name;
    int lineCount;
    int capacity;
    std::map<int, int> lengths;  // line -> plan length; absent: no plan
    int chosen;                  // 0: none
};
void PrintTo(const ChoiceCase& c, std::ostream* os) { *os << c.name; }

class HintLineChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(HintLineChoice, ShortestPlanThenNewestLine) {
    const ChoiceCase& c = GetParam();
    Session s(c.capacity);
    s.start("2x+3<5");
    for (int n = 2; n <= c.lineCount; ++n) s.core.lines[static_cast<std::size_t>(n)] = s.core.lines[1];
    setState(s.ws, [&](WorksheetState& w) { w.lineCount = c.lineCount; });
    TablePlanner planner;
    for (const auto& [line, length] : c.lengths)
        planner.plans[line] = planOf(std::vector<PlanStep>(static_cast<std::size_t>(length), step(line, 'S')));
    const std::optional<HintPlan> chosen = chooseHintLine(s.ws, planner);
    EXPECT_EQ(chosen ? chosen->line : 0, c.chosen);
}

INSTANTIATE_TEST_SUITE_P(Hints, HintLineChoice,
                         ::testing::Values(ChoiceCase{"shortest_wins", 3, 14, {{1, 2}, {2, 1}, {3, 3}}, 2},
                                           ChoiceCase{"newest_on_a_tie", 3, 14, {{1, 2}, {2, 2}, {3, 2}}, 3},
                                           ChoiceCase{"lines_without_a_plan_skipped", 3, 14, {{1, 4}}, 1},
                                           ChoiceCase{"plan_past_the_page_skipped", 6, 8, {{1, 2}, {6, 3}}, 1},
                                           ChoiceCase{"no_plan_at_all", 2, 14, {}, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HintCoach, EachPressGoesOneLevelFurtherAndStopsAtTheThird) {
    HintSession s({{1, planOf({step(1, '-', "3", constant(3)), step(2, '/', "2", constant(2))})}});
    s.start("2x+3<5");
    std::vector<int> levels;
    for (int press = 0; press < 4; ++press) {
        s.coach.giveHint();
        levels.push_back(s.coach.level());
    }
    EXPECT_EQ(levels, (std::vector<int>{1, 2, 3, 3}));
    EXPECT_EQ(s.coach.hintsUsed(), 4);
}

TEST(HintCoach, TheThirdLevelSetsTheStepUpAsThePupilWould) {
    HintSession s({{1, planOf({step(1, '/', "-3分の2", constant(-2, 3))})}});
    s.start("-3x<6");
    // A step of the pupil's own in progress is cancelled, no line taken back.
    s.ws.selectLine(1);
    s.ws.chooseOperation(OpCode::add);
    for (int press = 0; press < 3; ++press) s.coach.giveHint();
    EXPECT_EQ(s.ws.description(), "①式÷(-3分の2)");
    EXPECT_EQ(s.ws.panel(), "-3分の2");
    EXPECT_TRUE(s.ws.jikkouEnabled());
    EXPECT_EQ(s.ws.state().lineCount, 1);
    EXPECT_EQ(s.ws.state().opCode, OpCode::divide);
    EXPECT_TRUE(s.sink.messages.empty());
    s.ws.execute();
    EXPECT_EQ(s.ws.state().lineCount, 2);
    EXPECT_EQ(s.core.lines[2].caption, "①式の両辺を-3分の2で割ると");
}

TEST(HintCoach, CancellingTheStepTheThirdLevelSetUpClearsItsHint) {
    HintSession s({{1, planOf({step(1, '/', "2", constant(2, 1))})}});
    s.start("2x<6");
    s.coach.giveHint();
    s.ws.correct();  // nothing under way: the first hint stays
    EXPECT_EQ(s.coach.level(), 1);
    for (int press = 0; press < 2; ++press) s.coach.giveHint();
    ASSERT_FALSE(s.coach.hintLine().empty());
    s.ws.correct();
    EXPECT_EQ(s.coach.hintLine(), "");
    EXPECT_EQ(s.coach.level(), 0);
    EXPECT_EQ(s.ws.state().lineCount, 1);
}

TEST(HintCoach, StepsTakeBacksAndNewQuestionsStartAgainAtLevelOne) {
    HintSession s({{1, planOf({step(1, 'I')})}, {2, planOf({step(2, 'S')})}});
    s.start("2x+3<5");
    s.coach.giveHint();
    s.coach.giveHint();
    s.coach.giveHint();
    s.ws.execute();  // the step set up: 移項
    EXPECT_EQ(s.coach.level(), 0);
    EXPECT_EQ(s.coach.hintLine(), "") << "the next step clears the hint line";
    s.coach.giveHint();
    EXPECT_EQ(s.coach.hintLine(), "②式の両辺を計算して、整理してみましょう。");
    s.ws.correct();  // takes line 2 back
    EXPECT_EQ(s.coach.level(), 0);
    EXPECT_EQ(s.coach.hintLine(), "");
    s.coach.giveHint();
    EXPECT_EQ(s.coach.hintLine(), "①式を移項してみましょう。");
    s.ws.clearPage();
    EXPECT_FALSE(s.coach.hintEnabled());
    s.ws.setUpQuestion(2, "x-1>0");
    EXPECT_EQ(s.coach.level(), 0);
    EXPECT_EQ(s.coach.hintsUsed(), 0);
    EXPECT_TRUE(s.coach.hintEnabled());
}

TEST(HintCoach, EnabledOnlyWhileAQuestionIsOnThePageAndNotSolved) {
    HintSession s({{1, planOf({step(1, '-', "3", constant(3))})}});
    EXPECT_FALSE(s.coach.hintEnabled()) << "no question yet";
    s.coach.giveHint();
    EXPECT_EQ(s.coach.hintLine(), "");
    s.start("x+3<5");
    EXPECT_TRUE(s.coach.hintEnabled());
    for (int press = 0; press < 3; ++press) s.coach.giveHint();
    s.ws.execute();
    ASSERT_TRUE(s.ws.state().solvedFlag);
    EXPECT_FALSE(s.coach.hintEnabled());
    s.coach.giveHint();
    EXPECT_EQ(s.coach.level(), 0) << "a solved page takes no hint";
}

TEST(HintCoach, AStepByANegativeNumberSaysOnceThatTheRelationTurned) {
    HintSession s;
    s.start("-6x<3x+9");
    const auto doStep = [&](int line, OpCode operation, const std::string& number) {
        s.ws.selectLine(line);
        s.ws.chooseOperation(operation);
        for (const std::string& key : padKeysOf(number)) key == "-" ? minusKey(s.ws) : padKey(s.ws, key);
        s.ws.execute();
    };
    doStep(1, OpCode::divide, "-3");
    EXPECT_EQ(s.coach.hintLine(), "負の数でわったので、不等号の向きが変わりました。");
    doStep(2, OpCode::multiply, "2");
    EXPECT_EQ(s.coach.hintLine(), "") << "the next step clears it";
    doStep(3, OpCode::multiply, "-1");
    EXPECT_EQ(s.coach.hintLine(), "負の数をかけたので、不等号の向きが変わりました。");
}

TEST(HintCoach, ARelationBetweenNumbersAsksWhichSpecialAnswer) {
    // x+1<x+3 -> transpose -> collect gives 0<2; the dialog is closed.
    HintSession s({{1, planOf({step(1, 'I'), step(2, 'S')}, AnswerKind::infinitelyMany)},
                   {3, planOf({}, AnswerKind::infinitelyMany)}});
    s.start("x+1<x+3");
    s.ws.selectLine(1);
    chooseTranspose(s.ws);
    s.ws.execute();
    s.ws.selectLine(2);
    chooseCollect(s.ws);
    s.ws.execute();  // the special-solution dialog is closed
    ASSERT_EQ(s.ws.state().answerKind, AnswerKind::none);
    ASSERT_EQ(s.ws.state().lineCount, 3);
    s.coach.giveHint();
    EXPECT_EQ(s.coach.hintLine(),
              "③式はxがなくなり、数だけの不等式です。左辺の0と右辺の2をくらべて、0<2 が正しければ「解は無数にある」、"
              "正しくなければ「解なし」です。");
    s.coach.giveHint();
    EXPECT_EQ(s.coach.hintLine(), "0<2 は正しいので、xがどんな数でも成り立ちます。答えは「解は無数にある」です。");
    s.coach.giveHint();
    EXPECT_EQ(s.ws.description(), "③式の両辺を計算して整理する");
    s.page.sentakuResults = {AnswerKind::infinitelyMany};
    s.ws.execute();
    EXPECT_EQ(s.ws.state().answerKind, AnswerKind::infinitelyMany);
}

TEST(HintCoach, NoPlanThatFitsSaysSo) {
    HintSession s;
    s.start("2x+3<5");
    s.coach.giveHint();
    EXPECT_EQ(s.coach.hintLine(), "このページの残りの行では解ききれません。［訂正］で式を消して、やり直してみましょう。");
    s.coach.giveHint();
    s.coach.giveHint();
    EXPECT_EQ(s.ws.state().step, StepState::Idle) << "nothing to set up";
}

TEST(HintCoach, TheKeyHUnlessItIsTheQuestionsLetter) {
    HintSession s({{1, planOf({step(1, 'I')})}});
    s.start("2x+3<5");
    EXPECT_TRUE(s.coach.hintKey(U'h'));
    EXPECT_TRUE(s.coach.hintKey(U'H'));
    EXPECT_FALSE(s.coach.hintKey(U'g'));
    EXPECT_EQ(s.coach.level(), 2);
    s.ws.clearPage();
    s.ws.setUpQuestion(2, "2h+3<5");
    EXPECT_FALSE(s.coach.hintKey(U'h')) << "h is the letter the pad types";
    EXPECT_TRUE(s.coach.hintKey(U'H'));
}

struct StatusCase {
    const char* name;
    int steps;
    std::optional<int> shortest;
    int hints;
    const char* text;
};
void PrintTo(const StatusCase& c, std::ostream* os) { *os << c.name; }

class SolvedStatus : public ::testing::TestWithParam<StatusCase> {};

TEST_P(SolvedStatus, CountsStepsAgainstTheShortestAndTheHints) {
    const StatusCase& c = GetParam();
    EXPECT_EQ(solvedStatus(c.steps, c.shortest, c.hints), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Hints, SolvedStatus,
    ::testing::Values(StatusCase{"longer_than_shortest", 3, 2, 0, "3回の操作で解けました（最短は2回）"},
                      StatusCase{"with_hints", 2, 2, 3, "2回の操作で解けました（最短は2回）　ヒントを3回使いました"},
                      StatusCase{"shortest_unknown", 4, std::nullopt, 0, "4回の操作で解けました"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HintCoach, TheStatusLineOfASolvedQuestion) {
    HintSession s({{1, planOf({step(1, '-', "3", constant(3))})}});
    s.start("x+3<5");
    s.coach.giveHint();
    s.ws.selectLine(1);
    s.ws.chooseOperation(OpCode::add);
    padKey(s.ws, "0");
    s.ws.execute();
    s.ws.selectLine(2);
    s.ws.chooseOperation(OpCode::subtract);
    padKey(s.ws, "3");
    s.ws.execute();
    ASSERT_TRUE(s.ws.state().solvedFlag);
    EXPECT_EQ(s.coach.statusLine(), "2回の操作で解けました（最短は1回）　ヒントを1回使いました");
    s.ws.clearPage();
    EXPECT_EQ(s.coach.statusLine(), "") << "a new question clears it";
}

TEST(PadKeys, SplitAsThePadTypes) {
    EXPECT_EQ(padKeysOf("-3分の12"), (std::vector<std::string>{"-", "3", "分の", "1", "2"}));
    EXPECT_EQ(padKeysOf("0.5x"), (std::vector<std::string>{"0", ".", "5", "x"}));
    EXPECT_EQ(padKeysOf(""), std::vector<std::string>{});
}

}  // namespace
}  // namespace talvoren::testing
