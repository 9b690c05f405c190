// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/silent_session.h"

#include <gtest/gtest.h>

#include "fakes.h"
#include "solving/input_pad.h"

namespace talvoren::testing {
namespace {

struct StepCase {
    const char* name;
    const char* question;
    StepRequest request;
    bool accepted;
    const char* caption;  // of the new line; "" when refused
    AnswerKind judgement;
    bool signReversed;
    std::vector<std::string> messages;
};
void PrintTo(const StepCase& c, std::ostream* os) { *os << c.name; }

class SilentSteps : public ::testing::TestWithParam<StepCase> {};

TEST_P(SilentSteps, RunAsThePupilWould) {
    const StepCase& c = GetParam();
    std::optional<SilentSession> session = SilentSession::withQuestion(c.question);
    ASSERT_TRUE(session);
    const PageState before = session->pageState();

    const StepOutcome outcome = session->step(c.request);

    EXPECT_EQ(outcome.accepted, c.accepted);
    EXPECT_EQ(outcome.line.caption, c.caption);
    EXPECT_EQ(outcome.judgement, c.judgement);
    EXPECT_EQ(outcome.signReversed, c.signReversed);
    EXPECT_EQ(outcome.messages, c.messages);
    if (!c.accepted) {
        // A step that was not taken leaves the session as it was.
        EXPECT_EQ(session->lineCount(), 1);
        EXPECT_EQ(session->worksheet().description(), before.shown.description);
        EXPECT_EQ(stateNumbers(session->worksheet().state().step).selectState, 0);
        EXPECT_EQ(session->line(2).cellCount, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Steps, SilentSteps,
    ::testing::Values(
        StepCase{"DivideToTheAnswer", "2x<4", {1, OpCode::divide, "2"}, true, "①式の両辺を2で割ると",
                 AnswerKind::solved, false, {}},
        StepCase{"NegativeDivisorTurnsTheRelation", "-2x<4", {1, OpCode::divide, "-2"}, true,
                 "①式の両辺を-2で割ると", AnswerKind::solved, true, {}},
        StepCase{"FractionTypedDenominatorFirst", "2x<4", {1, OpCode::multiply, "2分の1"}, true,
                 "①式の両辺を2分の1倍すると", AnswerKind::solved, false, {}},
        StepCase{"CollectToNoSolution", "0x+3<1", {1, OpCode::collect, ""}, true, "①式を整理すると",
                 AnswerKind::noSolution, false, {}},
        StepCase{"ExecutorRefusal", "2x<4", {1, OpCode::divide, "0"}, false, "", AnswerKind::none, false,
                 {"０では割れません"}},
        StepCase{"ButtonRefusal", "2(x+1)<4", {1, OpCode::collect, ""}, false, "", AnswerKind::none, false,
                 {"かっこをはずしてから整理してください"}},
        StepCase{"PadRefusesASecondMinus", "2x<4", {1, OpCode::add, "--1"}, false, "", AnswerKind::none, false,
                 {"－の位置が間違っています"}},
        StepCase{"PadTakesOnePointOnly", "2x<4", {1, OpCode::add, "1.2.3"}, false, "", AnswerKind::none, false,
                 {}},
        StepCase{"NumberNeeded", "2x<4", {1, OpCode::add, ""}, false, "", AnswerKind::none, false,
                 {std::string(wrongOperationMessage)}},
        StepCase{"NothingToTransposeIsCorrected", "2x<4", {1, OpCode::transpose, ""}, false, "",
                 AnswerKind::none, false, {"移項する項はありません。訂正しますか"}},
        StepCase{"NoSuchLine", "2x<4", {2, OpCode::collect, ""}, false, "", AnswerKind::none, false, {}}));

TEST(SilentSession, RefusedQuestionGivesNoSession) {
    EXPECT_FALSE(SilentSession::withQuestion("2x<<4"));
}

TEST(SilentSession, DerivesWhatThePageDrawsWithoutTouchingIt) {
    Session page;
    page.start("3(x-1)>2x+4");
    page.ws.selectLine(1);
    page.ws.chooseOperation(OpCode::multiply);
    padKey(page.ws, "2");
    const std::size_t typesetsBefore = page.page.typesets.size();

    SilentSession copy(page.ws.pageState());
    copy.worksheet().correct();  // the copy cancels the step in progress...
    const StepOutcome outcome = copy.step({1, OpCode::removeBrackets, ""});
    ASSERT_TRUE(outcome.accepted);

    // ...while the page keeps its step, lines, pictures and silence.
    EXPECT_EQ(page.ws.state().lineCount, 1);
    EXPECT_EQ(page.ws.description(), "①式×2");
    EXPECT_EQ(page.ws.panel(), "2");
    EXPECT_EQ(page.core.lines[2].cellCount, 0);
    EXPECT_EQ(page.page.typesets.size(), typesetsBefore);
    EXPECT_TRUE(page.sink.messages.empty());

    // The same step on the page itself gives the same line.
    page.ws.correct();
    page.ws.selectLine(1);
    page.ws.chooseOperation(OpCode::removeBrackets);
    page.ws.execute();
    EXPECT_EQ(lineCellsText(page.core.lines[2]), lineCellsText(outcome.line));
    EXPECT_EQ(page.core.lines[2].caption, outcome.line.caption);
}

TEST(SilentSession, CopiesAreIndependentValues) {
    std::optional<SilentSession> first = SilentSession::withQuestion("2x+3<5");
    ASSERT_TRUE(first);
    SilentSession second = *first;
    ASSERT_TRUE(second.step({1, OpCode::transpose, ""}).accepted);
    EXPECT_EQ(first->lineCount(), 1);
    EXPECT_EQ(second.lineCount(), 2);

    SilentSession third = *first;
    third = second;  // assignment takes the other's whole state
    ASSERT_TRUE(third.step({2, OpCode::collect, ""}).accepted);
    EXPECT_EQ(second.lineCount(), 2);
    EXPECT_EQ(third.lineCount(), 3);
    EXPECT_EQ(lineCellsText(third.line(2)), lineCellsText(second.line(2)));
}

TEST(SilentSession, SpecialAnswerNamedWhenAsked) {
    std::optional<SilentSession> session = SilentSession::withQuestion("0x+3<1");
    ASSERT_TRUE(session);
    session->answerSpecialWith(AnswerKind::noSolution);
    const StepOutcome outcome = session->step({1, OpCode::collect, ""});
    EXPECT_EQ(outcome.judgement, AnswerKind::noSolution);
    EXPECT_EQ(session->worksheet().state().answerKind, AnswerKind::noSolution);
    EXPECT_TRUE(session->worksheet().state().solvedFlag);
}

TEST(SilentSession, BoxAnswerOutsideTheButtonsIsTheFirstButton) {
    MessageLog log;
    log.answer = Answer::retry;
    EXPECT_EQ(log.ask("確認", "?", Buttons::yesNo, Icon::question), Answer::yes);
    log.answer = Answer::no;
    EXPECT_EQ(log.ask("確認", "?", Buttons::yesNo, Icon::question), Answer::no);
    EXPECT_EQ(log.texts, (std::vector<std::string>{"?", "?"}));
}

}  // namespace
}  // namespace talvoren::testing
