// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/judge.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace talvoren::testing {
namespace {

struct JudgeCase {
    const char* name;
    ExprLine line;
    AnswerKind expected;
};
void PrintTo(const JudgeCase& c, std::ostream* os) { *os << c.name; }


class JudgeLine : public ::testing::TestWithParam<JudgeCase> {};

TEST_P(JudgeLine, RecognisesOnlyTheAnswerShapes) {
    Session s;
    s.core.unknownLetter = 'x';
    s.core.lines[2] = GetParam().line;
    EXPECT_EQ(judgeLine(s.core, 2, 2), GetParam().expected);
    EXPECT_EQ(s.core.answerLine().cellCount, 0) << "the judge only judges; the worksheet writes the answer";
}

const CellKind lt = CellKind::less, gt = CellKind::greater, le = CellKind::lessEqual, ge = CellKind::greaterEqual;

INSTANTIATE_TEST_SUITE_P(
    Shapes, JudgeLine,
    ::testing::Values(
        JudgeCase{"LetterLessThanNumber", lineOf({term(1), relation(lt), constant(5)}), AnswerKind::solved},
        JudgeCase{"LetterAtLeastFraction", lineOf({term(1), relation(ge), constant(1, 2)}), AnswerKind::solved},
        JudgeCase{"NumberBeforeLetter", lineOf({constant(5), relation(gt), term(1)}), AnswerKind::none},
        JudgeCase{"NegativeLetter", lineOf({term(-1), relation(lt), constant(3)}), AnswerKind::none},
        JudgeCase{"CoefficientTwo", lineOf({term(2), relation(lt), constant(6)}), AnswerKind::none},
        JudgeCase{"CoefficientTwoFourths", lineOf({term(2, 2), relation(lt), constant(6)}), AnswerKind::none},
        JudgeCase{"LetterOnBothSides", lineOf({term(1), relation(lt), term(2)}), AnswerKind::none},
        JudgeCase{"OtherLetter", lineOf({term(1, 1, 'y'), relation(lt), constant(2)}), AnswerKind::none},
        JudgeCase{"TrueRelation", lineOf({constant(3), relation(lt), constant(5)}), AnswerKind::infinitelyMany},
        JudgeCase{"FalseRelation", lineOf({constant(0), relation(le), constant(-1)}), AnswerKind::noSolution},
        JudgeCase{"ZeroAtMostZero", lineOf({constant(0), relation(le), constant(0)}), AnswerKind::infinitelyMany},
        JudgeCase{"ZeroBelowZero", lineOf({constant(0), relation(lt), constant(0)}), AnswerKind::noSolution},
        JudgeCase{"FourCellsEvenIfWorthIt", lineOf({term(2), term(-1), relation(lt), constant(3)}),
                  AnswerKind::none},
        JudgeCase{"EmptyLine", lineOf({}), AnswerKind::none}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JudgeLine, LinesBeyondTheNewestAreNoAnswer) {
    Session s;
    s.core.unknownLetter = 'x';
    s.core.lines[3] = lineOf({term(1), relation(CellKind::less), constant(5)});
    EXPECT_EQ(judgeLine(s.core, 2, 3), AnswerKind::none);
    EXPECT_EQ(judgeLine(s.core, 2, -1), AnswerKind::none);
}

struct RelationCase {
    const char* name;
    CellKind k;
    ExprCell x, y;
    bool holds;
};
void PrintTo(const RelationCase& c, std::ostream* os) { *os << c.name; }


class RelationHolds : public ::testing::TestWithParam<RelationCase> {};

TEST_P(RelationHolds, ComparesTheValues) {
    Session s;
    const RelationCase& c = GetParam();
    EXPECT_EQ(relationHolds(s.core, c.k, c.x, c.y), c.holds);
}

INSTANTIATE_TEST_SUITE_P(
    Relations, RelationHolds,
    ::testing::Values(RelationCase{"LessTrue", lt, constant(1), constant(2), true},
                      RelationCase{"LessEqualValues", lt, constant(2), constant(2), false},
                      RelationCase{"GreaterTrue", gt, constant(1, 2), constant(1, 3), true},
                      RelationCase{"GreaterFalse", gt, constant(-1), constant(0), false},
                      RelationCase{"AtMostEqual", le, constant(0), constant(0), true},
                      RelationCase{"AtMostGreater", le, constant(1), constant(0), false},
                      RelationCase{"AtLeastEqualFractions", ge, constant(2, 4), constant(1, 2), true},
                      RelationCase{"AtLeastLess", ge, constant(-3), constant(2), false},
                      RelationCase{"NotARelation", CellKind::roundOpen, constant(1), constant(2), false}),
    [](const auto& info) { return std::string(info.param.name); });

// Concluding from a judgement: the dialog is asked until the right kind is
// named or it is closed.
struct ConclusionCase {
    const char* name;
    AnswerKind judgement;
    std::vector<AnswerKind> choices;
    AnswerKind answerKind;
    std::vector<std::string> messages;
    std::vector<std::string> answerTexts;
    int dialogs;
};
void PrintTo(const ConclusionCase& c, std::ostream* os) { *os << c.name; }


class Conclusion : public ::testing::TestWithParam<ConclusionCase> {};

TEST_P(Conclusion, SetsTheAnswerKind) {
    const ConclusionCase& c = GetParam();
    Session s;
    s.start("2x<4");
    s.page.sentakuResults.assign(c.choices.begin(), c.choices.end());
    setState(s.ws, [&](WorksheetState& w) { w.answerKind = AnswerKind::solved; });  // whatever came before, a closed dialog leaves no answer
    s.ws.concludeJudgement(c.judgement);
    EXPECT_EQ(s.ws.state().answerKind, c.answerKind);
    EXPECT_EQ(s.sink.messages, c.messages);
    EXPECT_EQ(s.page.answerTexts, c.answerTexts);
    EXPECT_EQ(s.page.sentakuShown, c.dialogs);
}

const std::string noSolutionHint = "解が無数？？もう一度考えてみましょう";
const std::string manyHint = "解なし？？もう一度考えてみましょう";

INSTANTIATE_TEST_SUITE_P(
    Dialog, Conclusion,
    ::testing::Values(
        ConclusionCase{"NotAnAnswer", AnswerKind::none, {}, AnswerKind::none, {}, {}, 0},
        ConclusionCase{"NoSolutionRight", AnswerKind::noSolution, {AnswerKind::noSolution}, AnswerKind::noSolution, {}, {"【答】解なし"}, 1},
        ConclusionCase{"NoSolutionWrongThenRight", AnswerKind::noSolution, {AnswerKind::infinitelyMany, AnswerKind::noSolution}, AnswerKind::noSolution,
                       {noSolutionHint}, {"【答】解なし"}, 2},
        ConclusionCase{"NoSolutionClosed", AnswerKind::noSolution, {AnswerKind::none}, AnswerKind::none, {}, {}, 1},
        ConclusionCase{"NoSolutionOtherResultAsksAgain", AnswerKind::noSolution, {AnswerKind::solved, AnswerKind::none}, AnswerKind::none, {}, {}, 2},
        ConclusionCase{"ManyRight", AnswerKind::infinitelyMany, {AnswerKind::infinitelyMany}, AnswerKind::infinitelyMany, {}, {"【答】解は無数にある"}, 1},
        ConclusionCase{"ManyWrongTwiceThenClosed", AnswerKind::infinitelyMany,
                       {AnswerKind::noSolution, AnswerKind::noSolution, AnswerKind::none}, AnswerKind::none, {manyHint, manyHint}, {}, 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Conclusion, SolvedDrawsTheAnswerLine) {
    Session s;
    s.start("2x<4");
    s.ws.concludeJudgement(AnswerKind::solved);
    EXPECT_EQ(s.ws.state().answerKind, AnswerKind::solved);
    EXPECT_EQ(s.ws.description(), "解が出ました");
    ASSERT_FALSE(s.page.typesets.empty());
    EXPECT_EQ(s.page.typesets.back().n, answerLineIndex);
    // the answer image gets no line label
    EXPECT_NE(s.page.labels.back().first, answerLineIndex);
}

}  // namespace
}  // namespace talvoren::testing
