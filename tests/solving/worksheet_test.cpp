// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/worksheet.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "fakes.h"
#include "solving/input_pad.h"
#include "solving/operations.h"

namespace talvoren::testing {
namespace {

const std::string wrong(wrongOperationMessage);

// Gives the page lines 1..count, all copies of the question.
void fillLines(Session& s, int count) {
    for (int n = 2; n <= count; ++n) {
        s.core.lines[static_cast<std::size_t>(n)] = s.core.lines[1];
        if (s.ws.lineButton(n))
            setShown(s.ws, [n](PageModel& shown) { shown.lineButtonEnabled[static_cast<std::size_t>(n)] = true; });
    }
    setState(s.ws, [&](WorksheetState& w) { w.lineCount = count; });
}

struct StateCase {
    const char* name;
    std::function<void(Worksheet&)> events;
    int selectState, stepState, lineCount;
    const char* description;
    std::vector<std::string> messages;
};
void PrintTo(const StateCase& c, std::ostream* os) { *os << c.name; }


class StepStates : public ::testing::TestWithParam<StateCase> {};

TEST_P(StepStates, FollowTheStateTable) {
    const StateCase& c = GetParam();
    Session s;
    s.start("2x+3<5");
    fillLines(s, 2);
    c.events(s.ws);
    EXPECT_EQ(stateNumbers(s.ws.state().step).selectState, c.selectState);
    EXPECT_EQ(stateNumbers(s.ws.state().step).stepState, c.stepState);
    EXPECT_EQ(s.ws.state().lineCount, c.lineCount);
    EXPECT_EQ(s.ws.description(), c.description);
    EXPECT_EQ(s.sink.messages, c.messages);
}

void select1(Worksheet& ws) { ws.selectLine(1); }
void multiply1(Worksheet& ws) {
    ws.selectLine(1);
    ws.chooseOperation(OpCode::multiply);
}

INSTANTIATE_TEST_SUITE_P(
    Transitions, StepStates,
    ::testing::Values(
        StateCase{"IdleSelect", select1, 1, 1, 2, "①式", {}},
        StateCase{"IdleSelectBeyondNewest", [](Worksheet& ws) { ws.selectLine(3); }, 0, 0, 2, "式を指定してください", {}},
        StateCase{"IdleSelectScratchLine", [](Worksheet& ws) { ws.selectLine(0); }, 0, 0, 2, "式を指定してください", {}},
        StateCase{"LineChosenSelect", [](Worksheet& ws) { select1(ws); ws.selectLine(2); }, 1, 1, 2, "①式", {wrong}},
        StateCase{"LineChosenChoose", multiply1, 2, 2, 2, "①式×", {}},
        StateCase{"OpChosenSelectSecond",
                  [](Worksheet& ws) { select1(ws); ws.chooseOperation(OpCode::add); ws.selectLine(2); }, 3, 1, 2,
                  "①式＋②式", {}},
        StateCase{"TypingSelect", [](Worksheet& ws) { multiply1(ws); padKey(ws, "3"); ws.selectLine(2); }, 2, 3, 2,
                  "①式×3", {wrong}},
        StateCase{"SecondChosenSelect",
                  [](Worksheet& ws) {
                      select1(ws);
                      ws.chooseOperation(OpCode::add);
                      ws.selectLine(2);
                      ws.selectLine(1);
                  },
                  3, 1, 2, "①式＋②式", {wrong}},
        StateCase{"IdleChoose", [](Worksheet& ws) { ws.chooseOperation(OpCode::add); }, 0, 0, 2, "式を指定してください",
                  {wrong}},
        StateCase{"OpChosenChoose", [](Worksheet& ws) { multiply1(ws); ws.chooseOperation(OpCode::divide); }, 2, 2, 2,
                  "①式×", {wrong}},
        StateCase{"IdleExecute", [](Worksheet& ws) { ws.execute(); }, 0, 0, 2, "式を指定してください",
                  {wrong}},
        StateCase{"LineChosenExecute", [](Worksheet& ws) { select1(ws); ws.execute(); }, 1, 1, 2, "①式",
                  {wrong}},
        StateCase{"OpChosenExecuteWithoutNumber", [](Worksheet& ws) { multiply1(ws); ws.execute(); }, 2, 2, 2,
                  "①式×", {wrong}},
        StateCase{"SecondLineAsMultiplier",
                  [](Worksheet& ws) { multiply1(ws); ws.selectLine(2); ws.execute(); }, 3, 1, 2,
                  "①式×②式", {wrong}},
        StateCase{"CollectNeedsNoNumber",
                  [](Worksheet& ws) { select1(ws); ws.chooseOperation(OpCode::collect); ws.execute(); }, 0, 0,
                  3, "式を指定してください", {}},
        StateCase{"ExecuteRefusedByEntry",
                  [](Worksheet& ws) { multiply1(ws); padKey(ws, "分の"); ws.execute(); }, 2, 3, 2,
                  "①式×分の", {"分の ←分数の表現があやまりです"}},
        StateCase{"ExecuteRefusedByExecutor",
                  [](Worksheet& ws) { multiply1(ws); padKey(ws, "0"); ws.execute(); }, 0, 0, 2,
                  "式を指定してください",
                  {"０をかけることはできません"}},
        StateCase{"CorrectionDuringStep", [](Worksheet& ws) { multiply1(ws); padKey(ws, "3"); ws.correct(); },
                  0, 0, 2, "式を指定してください", {}},
        StateCase{"CorrectionInIdle", [](Worksheet& ws) { ws.correct(); }, 0, 0, 1, "式を指定してください", {}},
        StateCase{"NegativeNumberTypedInItsBrackets",
                  [](Worksheet& ws) { multiply1(ws); minusKey(ws); padKey(ws, "1"); padKey(ws, "2"); }, 2, 3, 2,
                  "①式×(-12)", {}},
        StateCase{"NegativeNumberClosedOnce",
                  [](Worksheet& ws) { multiply1(ws); minusKey(ws); padKey(ws, "3"); ws.selectLine(2); }, 2, 3, 2,
                  "①式×(-3)", {wrong}},
        StateCase{"NegativeNumberCleared",
                  [](Worksheet& ws) { multiply1(ws); minusKey(ws); padKey(ws, "3"); padKey(ws, "CL"); }, 2, 3,
                  2, "①式×", {}},
        StateCase{"CorrectionKeepsTheQuestion",
                  [](Worksheet& ws) {
                      ws.correct();
                      ws.correct();
                      ws.correct();
                  },
                  0, 0, 1, "式を指定してください", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Execute, TakingBackKeepsTheCaptionAndDisablesTheButton) {
    Session s;
    s.start("2x+3<5");
    s.ws.selectLine(1);
    s.ws.chooseOperation(OpCode::transpose);
    s.ws.execute();
    ASSERT_EQ(s.ws.state().lineCount, 2);
    s.ws.correct();
    EXPECT_EQ(s.ws.state().lineCount, 1);
    EXPECT_EQ(s.core.lines[2].cellCount, 0);
    EXPECT_EQ(s.core.lines[2].caption, "①式を移項すると");
    EXPECT_FALSE(s.ws.lineButtonEnabled(2));
    EXPECT_EQ(s.page.takenBack, std::vector<int>{2});
    EXPECT_EQ(s.page.clearedImages.back(), 2);
}

TEST(Execute, SolvedStepIsReportedOnceAndLocksThePage) {
    Session s;
    s.start("2x<4");
    s.ws.selectLine(1);
    s.ws.chooseOperation(OpCode::divide);
    padKey(s.ws, "2");
    s.ws.execute();
    EXPECT_EQ(s.ws.state().answerKind, AnswerKind::solved);
    EXPECT_EQ(lineCellsText(s.core.answerLine()), lineCellsText(s.core.lines[2]));
    EXPECT_TRUE(s.ws.state().solvedFlag);
    EXPECT_TRUE(s.ws.blinkTimerOn());
    EXPECT_EQ(s.page.solvedReports, 1);
    EXPECT_EQ(s.page.answerBoxPlaces, std::vector<int>{2});
    EXPECT_EQ(s.page.focus.back(), FocusTarget::next);
    EXPECT_FALSE(s.ws.correctionEnabled()) << "訂正 has nothing to take back";
    s.ws.correct();
    s.ws.selectLine(1);
    EXPECT_EQ(s.ws.state().lineCount, 2);
    s.ws.clearSolved();
    EXPECT_TRUE(s.ws.correctionEnabled());
    EXPECT_EQ(stateNumbers(s.ws.state().step).selectState, 0);
    EXPECT_TRUE(s.sink.messages.empty());
}

TEST(Execute, ClosingTheDialogLeavesNoAnswerAndNoReport) {
    Session s;
    s.start("x+1<x+3");
    s.ws.selectLine(1);
    s.ws.chooseOperation(OpCode::transpose);
    s.ws.execute();
    s.ws.selectLine(2);
    s.ws.chooseOperation(OpCode::collect);
    s.ws.execute();  // 0<2, the dialog closed
    EXPECT_EQ(s.page.sentakuShown, 1);
    EXPECT_EQ(s.ws.state().answerKind, AnswerKind::none);
    EXPECT_FALSE(s.ws.state().solvedFlag);
    EXPECT_EQ(s.page.solvedReports, 0);
}

// The unsolved step that fills the page is told so; a further 実行 is
// refused with the state kept, and no line is written past the page.
class PageFull : public ::testing::TestWithParam<int> {};

TEST_P(PageFull, ThenNoMoreLines) {
    const int capacity = GetParam();
    Session s(capacity);
    s.start("2x<4");
    fillLines(s, capacity - 1);
    multiply1(s.ws);
    padKey(s.ws, "1");
    s.ws.execute();
    EXPECT_EQ(s.ws.state().lineCount, capacity);
    EXPECT_EQ(s.sink.messages,
              std::vector<std::string>{"残念ですが" + std::to_string(capacity - 1) + "回の操作では解けませんでした"});
    EXPECT_EQ(s.ws.description(), "［訂正］で式を消して、やりなおしましょう") << "not the step just done";

    s.sink.messages.clear();
    multiply1(s.ws);
    padKey(s.ws, "1");
    s.ws.execute();
    EXPECT_EQ(s.sink.messages, std::vector<std::string>{"これ以上式を書けません"});
    EXPECT_EQ(s.ws.state().lineCount, capacity);
    EXPECT_EQ(stateNumbers(s.ws.state().step).selectState, 2);
    EXPECT_EQ(stateNumbers(s.ws.state().step).stepState, 3);
    EXPECT_EQ(s.core.lines[static_cast<std::size_t>(capacity + 1)].cellCount, 0);
}

INSTANTIATE_TEST_SUITE_P(Capacities, PageFull, ::testing::Values(8, 12, 14));

TEST(DrawLine, WithoutAnImageOnlyTheMessage) {
    Session s;
    s.start("2x<4");
    s.page.missingImages = {3};
    s.page.typesets.clear();
    s.ws.drawLine(3);
    EXPECT_EQ(s.sink.messages, std::vector<std::string>{"3box not fond"});
    EXPECT_TRUE(s.page.typesets.empty());
    s.ws.drawLine(15);
    EXPECT_EQ(s.sink.messages.back(), "15box not fond");
}

TEST(DrawLine, LineTooWideIsDrawnAgainInSmallType) {
    Session s;
    s.start("2x<4");
    s.page = FakePage{};
    s.page.tooWideLines = {1};
    s.ws.drawLine(1);
    EXPECT_EQ(s.page.typesets, (std::vector<FakePage::Typeset>{{1, TypesetMode::full, false}, {1, TypesetMode::small, false}}));
    EXPECT_EQ(s.page.clearedImages, std::vector<int>{1});
    EXPECT_EQ(s.page.captions, (std::vector<std::pair<int, std::string>>{{1, "（1） 次の不等式を解きなさい"}}));
    EXPECT_EQ(s.page.labels, (std::vector<std::pair<int, std::string>>{{1, "①"}}));
}

struct ButtonCase {
    int capacity, n;
    bool exists;
};

class LineButton : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(LineButton, ExistsForTheLabelledLinesOfThePage) {
    Session s(GetParam().capacity);
    EXPECT_EQ(s.ws.lineButton(GetParam().n), GetParam().exists);
}

INSTANTIATE_TEST_SUITE_P(Pages, LineButton,
                         ::testing::Values(ButtonCase{14, 0, false}, ButtonCase{14, 1, true},
                                           ButtonCase{14, 12, true}, ButtonCase{14, 13, false},
                                           ButtonCase{12, 12, true}, ButtonCase{8, 8, true},
                                           ButtonCase{8, 9, false}));

TEST(ClearPage, EmptiesThePageThePanelAndTheState) {
    Session s;
    s.start("2x+3<5");
    s.ws.selectLine(1);
    s.ws.chooseOperation(OpCode::transpose);
    s.ws.execute();
    multiply1(s.ws);
    padKey(s.ws, "3");
    setState(s.ws, [&](WorksheetState& w) { w.solvedFlag = true; });

    s.ws.clearPage();
    EXPECT_EQ(s.ws.panel(), "");  // the next question's keys start afresh
    EXPECT_EQ(s.ws.description(), "");
    EXPECT_EQ(s.ws.state().lineCount, 0);
    EXPECT_EQ(stateNumbers(s.ws.state().step).selectState, 0);
    EXPECT_EQ(stateNumbers(s.ws.state().step).stepState, 0);
    EXPECT_EQ(s.ws.state().firstLine, 0);
    EXPECT_FALSE(s.ws.jikkouEnabled());
    EXPECT_FALSE(s.ws.lineButtonEnabled(1));
    EXPECT_TRUE(s.page.answerBoxHidden);
    EXPECT_TRUE(s.ws.state().solvedFlag);  // left to the next-question handler
    for (int n = 1; n <= 15; ++n) {
        EXPECT_EQ(s.core.lines[static_cast<std::size_t>(n)].cellCount, 0) << n;
        EXPECT_EQ(s.core.lines[static_cast<std::size_t>(n)].caption, "") << n;
    }
}

TEST(SetUpQuestion, MakesTheQuestionLineOne) {
    Session s;
    ASSERT_TRUE(s.ws.setUpQuestion(3, "2a+1<5"));
    EXPECT_EQ(s.ws.state().lineCount, 1);
    EXPECT_EQ(s.core.lines[1].caption, "（3） 次の不等式を解きなさい");
    EXPECT_EQ(s.page.letterKey, 'a');
    EXPECT_EQ(s.ws.description(), "式を指定してください");
    EXPECT_TRUE(s.ws.lineButtonEnabled(1));
}

TEST(SetUpQuestion, RefusedQuestionChangesNothing) {
    Session s;
    EXPECT_FALSE(s.ws.setUpQuestion(1, "2<3"));
    EXPECT_EQ(s.ws.state().lineCount, 0);
    EXPECT_EQ(s.ws.description(), "");
    EXPECT_EQ(s.sink.messages, std::vector<std::string>{"moji"});
}

TEST(StartQuestionSet, QuestionAlreadySolvedStartsSolvedWithoutAnAnswer) {
    Session s;
    setShown(s.ws, [](PageModel& shown) { shown.blinkTimerOn = true; });
    setState(s.ws, [&](WorksheetState& w) { w.solvedFlag = true; });
    s.start("x>2");
    EXPECT_TRUE(s.ws.state().solvedFlag);
    EXPECT_EQ(s.ws.state().answerKind, AnswerKind::none);
    EXPECT_EQ(s.ws.description(), "解が出ました");
    EXPECT_EQ(s.page.answerBoxPlaces, std::vector<int>{1});
    EXPECT_EQ(s.page.solvedReports, 0);
    for (const auto& t : s.page.typesets) EXPECT_NE(t.n, answerLineIndex);
}

TEST(StartQuestionSet, StopsTheBlinkingOfTheLastQuestion) {
    Session s;
    setShown(s.ws, [](PageModel& shown) { shown.blinkTimerOn = true; });
    setState(s.ws, [&](WorksheetState& w) { w.solvedFlag = true; });
    s.start("2x>2");
    EXPECT_FALSE(s.ws.state().solvedFlag);
    EXPECT_FALSE(s.ws.blinkTimerOn());
}

struct FocusCase {
    const char* name;
    bool jikkou;
    FocusTarget target;
};
void PrintTo(const FocusCase& c, std::ostream* os) { *os << c.name; }


class FocusDefault : public ::testing::TestWithParam<FocusCase> {};

TEST_P(FocusDefault, PrefersExecuteThenNext) {
    Session s;
    const FocusCase& c = GetParam();
    setShown(s.ws, [&c](PageModel& shown) {
        shown.jikkouEnabled = c.jikkou;
    });
    s.ws.focusDefaultButton();
    EXPECT_EQ(s.page.focus, std::vector<FocusTarget>{GetParam().target});
}

INSTANTIATE_TEST_SUITE_P(Buttons, FocusDefault,
                         ::testing::Values(FocusCase{"Execute", true, FocusTarget::jikkou},
                                           FocusCase{"Next", false, FocusTarget::next}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace talvoren::testing
