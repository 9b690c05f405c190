// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/executor.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/entry_parser.h"
#include "core/question_parser.h"
#include "fakes.h"
#include "solving/input_pad.h"

namespace talvoren::testing {
namespace {

struct StepCase {
    const char* name;
    const char* question;
    char opCode;
    const char* text;   // the pad text; "line" for the line-with-line form (① with ①)
    Answer confirm;        // the answer to a confirmation box
    const char* sentence;  // "" when refused
    const char* cells;
    const char* message;   // "" when none
};
void PrintTo(const StepCase& c, std::ostream* os) { *os << c.name; }


class ApplyOperation : public ::testing::TestWithParam<StepCase> {};

TEST_P(ApplyOperation, WritesTheLineAndItsSentenceOrRefuses) {
    const StepCase& c = GetParam();
    Session s;
    ASSERT_TRUE(parseQuestion(s.core, 1, c.question));
    StepContext step;
    step.opCode = static_cast<OpCode>(c.opCode);
    step.firstLine = 1;
    step.target = 2;  // the execute handler has made room
    if (std::string(c.text) == "line") {
        step.secondLine = 1;
        step.withSecondLine = true;
    } else {
        step.enteredText = c.text;
        step.enteredTerm = parseEntry(s.core, c.text);
    }
    const StepResult result = applyOperation(s.core, step);
    // A question before the line stands: yes takes the step back, no keeps
    // the line with its sentence, as the worksheet does with the pupil's answer.
    const bool takenBack = result.confirmation && c.confirm == Answer::yes;
    if (takenBack) clearLine(s.core, 2);
    if (result.confirmation && !takenBack) s.core.lines[2].caption = *result.sentence;

    const bool refused = std::string(c.sentence).empty();
    EXPECT_EQ(result.accepted() && !takenBack, !refused);
    if (!takenBack) {
        EXPECT_EQ(result.sentence.value_or(""), c.sentence);
        EXPECT_EQ(s.core.lines[2].caption, c.sentence);
    }
    EXPECT_EQ(lineCellsText(s.core.lines[2]), c.cells);
    EXPECT_EQ(result.confirmation.value_or(result.refusal), c.message);
    EXPECT_TRUE(s.sink.messages.empty()) << "the executor shows nothing itself";
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ApplyOperation,
    ::testing::Values(
        StepCase{"MultiplyByOne", "2x+3<5", '*', "1", Answer::ok, "①式の両辺を1倍すると", "2x1 3/1 0<1 5/1", ""},
        StepCase{"MultiplyByMinusOne", "x<3", '*', "-1", Answer::ok, "①式の両辺を-1倍すると",
                 "-1x1 0>1 -3/1", ""},
        StepCase{"DivideByNegativeFraction", "2x<4", '/', "-3分の2", Answer::ok,
                 "①式の両辺を-3分の2で割ると", "-3x1 0>2 -6/1", ""},
        StepCase{"DivideAtMost", "2x<=4", '/', "-2", Answer::ok, "①式の両辺を-2で割ると", "-1x1 0ﾖ0 -2/1", ""},
        StepCase{"AddNumber", "2x+3<5", '+', "3", Answer::ok, "①の両辺に3をたすと", "2x1 6/1 0<1 8/1", ""},
        StepCase{"SubtractTerm", "2x+3<5", '-', "x", Answer::ok, "①式の両辺からxをひくと",
                 "1x1 3/1 0<1 -1x1 5/1", ""},
        StepCase{"AddLines", "2x+3<5", '+', "line", Answer::ok, "①式と①式をたすと", "4x1 6/1 0<1 10/1", ""},
        StepCase{"SubtractLinesSameRelation", "2x+3<5", '-', "line", Answer::ok, "", "",
                 "不等号の向きが同じ式はひけません"},
        StepCase{"Collect", "2x+3<x+5", 'S', "", Answer::ok, "①式を整理すると", "2x1 3/1 0<1 1x1 5/1", ""},
        StepCase{"Transpose", "3x+2<x+5", 'I', "", Answer::ok, "①式を移項すると",
                 "3x1 -1x1 0<1 -2/1 5/1", ""},
        StepCase{"TransposeNothingNo", "x<5", 'I', "", Answer::no, "①式を移項すると", "1x1 0<1 5/1",
                 "移項する項はありません。訂正しますか"},
        StepCase{"TransposeNothingYes", "x<5", 'I', "", Answer::yes, "", "", "移項する項はありません。訂正しますか"},
        StepCase{"RemoveBrackets", "-2(x-3)<4", 'K', "", Answer::ok, "①式のかっこをはずすと",
                 "-2x1 6/1 0<1 4/1", ""},
        StepCase{"NoBrackets", "2x<4", 'K', "", Answer::ok, "", "", "①式にはかっこがありません"},
        StepCase{"MultiplyByTerm", "2x<4", '*', "3x", Answer::ok, "", "", "文字式をかけることはできません"},
        StepCase{"MultiplyByZeroTerm", "2x<4", '*', "0x", Answer::ok, "", "", "文字式をかけることはできません"},
        StepCase{"MultiplyByZero", "2x<4", '*', "0", Answer::ok, "", "", "０をかけることはできません"},
        StepCase{"DivideByTerm", "2x<4", '/', "x", Answer::ok, "", "", "文字式で割ることはできません"},
        StepCase{"DivideByZero", "2x<4", '/', "0", Answer::ok, "", "", "０では割れません"},
        StepCase{"LargeProductFits", "99999x<1", '*', "9999", Answer::ok, "①式の両辺を9999倍すると",
                 "999890001x1 0<1 9999/1", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ApplyOperation, RelationIsRedWhileTheLineIsDrawn) {
    Session s;
    s.start("2x<3");
    s.ws.selectLine(1);
    s.ws.chooseOperation(OpCode::multiply);
    minusKey(s.ws);
    padKey(s.ws, "1");
    s.ws.execute();
    ASSERT_EQ(s.ws.state().lineCount, 2);
    const auto lineTwo = std::find_if(s.page.typesets.begin(), s.page.typesets.end(),
                                      [](const FakePage::Typeset& t) { return t.n == 2; });
    ASSERT_NE(lineTwo, s.page.typesets.end());
    EXPECT_EQ(*lineTwo, (FakePage::Typeset{2, TypesetMode::full, true}));
    EXPECT_FALSE(s.ws.state().signReversed);
    EXPECT_EQ(s.ws.state().firstLine, 0);
    EXPECT_EQ(s.ws.panel(), "");
    // the sentence is drawn before the line
    ASSERT_FALSE(s.page.captions.empty());
    EXPECT_EQ(s.page.captions.back(), (std::pair<int, std::string>{2, "①式の両辺を-1倍すると"}));
}

struct ReverseCase {
    const char* name;
    ExprLine line;
    const char* expected;
};
void PrintTo(const ReverseCase& c, std::ostream* os) { *os << c.name; }


class ReverseRelation : public ::testing::TestWithParam<ReverseCase> {};

TEST_P(ReverseRelation, TurnsTheFirstRelationRound) {
    ExprLine line = GetParam().line;
    reverseRelation(line);
    EXPECT_EQ(lineCellsText(line), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Relations, ReverseRelation,
    ::testing::Values(
        ReverseCase{"Less", lineOf({term(1), relation(CellKind::less), constant(3)}), "1x1 0>1 3/1"},
        ReverseCase{"Greater", lineOf({term(1), relation(CellKind::greater), constant(3)}), "1x1 0<1 3/1"},
        ReverseCase{"AtMost", lineOf({term(1), relation(CellKind::lessEqual), constant(3)}), "1x1 0ﾖ1 3/1"},
        ReverseCase{"AtLeast", lineOf({term(1), relation(CellKind::greaterEqual), constant(3)}), "1x1 0ﾋ1 3/1"},
        ReverseCase{"OnlyTheFirst", lineOf({relation(CellKind::less), relation(CellKind::less)}), "0>1 0<1"},
        ReverseCase{"NoRelation", lineOf({term(1), constant(3)}), "1x1 3/1"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace talvoren::testing
