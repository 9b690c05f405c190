// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/transform.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "core/entry_parser.h"
#include "core/question_parser.h"
#include "core/recording_sink.h"

namespace talvoren {
namespace {

using test::CoreSession;
using test::setLine;

// A transformation of line 1 (and line 2 for two lines) into line 3; `arg` is
// pad text or the second question.
using Run = std::function<TransformResult(CoreState&, const ExprCell& pad)>;

struct TransformCase {
    const char* name;
    Run run;
    const char* question;
    const char* arg;  // pad text, or the second line's question for two-line runs
    bool twoLines;
    const char* cells;
    bool value;
    Refusal refusal;
};

Run collect() { return [](CoreState& s, const ExprCell&) { return collectTerms(s, 1, 3); }; }
Run add(char op) {
    return [op](CoreState& s, const ExprCell& c) { return addToBothSides(s, 1, op, c, 3); };
}
Run scale(char op) {
    return [op](CoreState& s, const ExprCell& c) { return scaleBothSides(s, 1, op, c, 3); };
}
Run transpose() { return [](CoreState& s, const ExprCell&) { return transposeTerms(s, 1, 3); }; }
Run brackets() { return [](CoreState& s, const ExprCell&) { return removeBrackets(s, 1, 3); }; }
Run plusLines() { return [](CoreState& s, const ExprCell&) { return addLines(s, 1, 2, 3); }; }
Run minusLines() {
    return [](CoreState& s, const ExprCell&) { return subtractLines(s, 1, 2, 3); };
}

TransformCase one(const char* name, Run run, const char* q, const char* arg, const char* cells,
                  bool value = true, Refusal refusal = Refusal::none) {
    return {name, std::move(run), q, arg, false, cells, value, refusal};
}
TransformCase two(const char* name, Run run, const char* q, const char* q2, const char* cells,
                  Refusal refusal = Refusal::none) {
    return {name, std::move(run), q, q2, true, cells, refusal == Refusal::none, refusal};
}

class Transform : public ::testing::TestWithParam<TransformCase> {};

TEST_P(Transform, WritesTargetLine) {
    const TransformCase& p = GetParam();
    CoreSession t;
    ASSERT_TRUE(parseQuestion(t.s, 1, p.question));
    ExprCell pad = ZERO;
    if (p.twoLines)
        ASSERT_TRUE(parseQuestion(t.s, 2, p.arg));
    else
        pad = parseEntry(t.s, p.arg);
    const ExprLine second = t.s.lines[2];
    const TransformResult r = p.run(t.s, pad);
    EXPECT_EQ(lineCellsText(t.s.lines[3]), p.cells);
    EXPECT_EQ(r.value, p.value);
    EXPECT_EQ(r.refusal, p.refusal);
    EXPECT_EQ(lineCellsText(t.s.lines[2]), lineCellsText(second));  // source untouched
    EXPECT_TRUE(t.shown().empty());
}

using R = Refusal;

INSTANTIATE_TEST_SUITE_P(
    Transformations, Transform,
    ::testing::Values(
        one("CollectKeepsNormalForm", collect(), "2x+3<x+5", "", "2x1 3/1 0<1 1x1 5/1"),
        one("CollectCancelledSide", collect(), "2x-2x<0", "", "0/1 0<1 0/1"),
        one("CollectPassesOverBrackets", collect(), "2(x+1)<4", "", "1x1 3/1 0<1 4/1"),
        one("CollectOverflow", collect(), "1/99999x+1/99998x<1", "", "", false, R::overflow),
        one("AddConstant", add('+'), "2x+3<5", "-3", "2x1 0<1 2/1"),
        one("SubtractConstant", add('-'), "2x+3<5", "3", "2x1 0<1 2/1"),
        one("AddLetterTerm", add('+'), "2x<5", "x", "3x1 0<1 1x1 5/1"),
        one("AddBesideBrackets", add('+'), "2(x+1)<4", "3",
            "2/1 0(1 1x1 1/1 0)1 3/1 0<1 4/1 3/1"),
        one("AddBesideCornerBrackets", add('+'), "2｢x+1｣<4", "3",
            "2/1 0｢1 1x1 1/1 0｣1 3/1 0<1 4/1 3/1"),
        one("AddPastThirtyCells", add('+'), "(((((((((((((x)))))))))))))<1", "1", "", false,
            R::tooLong),
        one("MultiplyScalesFactorOnly", scale('*'), "2(x+1)<4", "3",
            "6/1 0(1 1x1 1/1 0)1 0<1 12/1"),
        one("MultiplyScalesCornerFactorOnly", scale('*'), "2｢x+1｣<4", "3",
            "6/1 0｢1 1x1 1/1 0｣1 0<1 12/1"),
        // A group that opens a side gets its factor written, so it is scaled too.
        one("MultiplyGroupOpeningSide", scale('*'), "(x+1)<4", "3", "3/1 0(1 1x1 1/1 0)1 0<1 12/1"),
        one("DivideGroupOpeningRightSide", scale('/'), "x<(x+1)", "2", "1x2 0<2 1/2 0(1 1x1 1/1 0)2"),
        one("DivideByNegativeFraction", scale('/'), "3x<6", "-5分の2", "-15x2 0<2 -15/1"),
        one("TransposeMovesBothWays", transpose(), "3x+2<x+5", "", "3x1 -1x1 0<1 -2/1 5/1"),
        one("TransposeNothingToMove", transpose(), "x<5", "", "1x1 0<1 5/1", false),
        one("TransposeDropsZeroConstant", transpose(), "0<x", "", "-1x1 0<1 0/1"),
        one("Brackets", brackets(), "-2(x-3)<4", "", "-2x1 6/1 0<1 4/1"),
        one("BracketsNoneFound", brackets(), "x<5", "", "", false),
        one("BracketsWithoutFactor", brackets(), "(x+1)<2", "", "1x1 1/1 0<1 2/1"),
        one("BracketsInnermostFirst", brackets(), "2(3(x+1))<1", "",
            "2/1 0(1 3x1 3/1 0)1 0<1 1/1"),
        one("BracketsOuterIsNoFactor", brackets(), "((x+1))<2", "",
            "0(1 1x1 1/1 0)1 0<1 2/1"),
        one("BracketsRelationIsNoFactor", brackets(), "x<(x+1)", "", "1x1 0<1 1x1 1/1"),
        one("BracketsBarFactor", brackets(), "1|3(x+1)<2", "", "1x3 1/3 0<1 2/1"),
        // A vertical-bar constant outside a group's factor counts as itself.
        one("CollectBarConstant", collect(), "x+1|3<2", "", "1x1 1/3 0<1 2/1"),
        one("TransposeBarConstant", transpose(), "x+1|3<2", "", "1x1 0<1 -1/3 2/1"),
        one("SubtractBarConstant", add('-'), "x+1|3<2", "2", "1x1 -5/3 0<1 0/1"),
        one("BracketsCorner", brackets(), "2｢x+1｣<4", "", "2x1 2/1 0<1 4/1"),
        two("AddLines", plusLines(), "x+1<2", "x-1<3", "2x1 0<1 5/1"),
        two("AddLinesStrictWins", plusLines(), "x<1", "x<=2", "2x1 0<1 3/1"),
        two("AddLinesBothNotStrict", plusLines(), "x<=1", "x<=2", "2x1 0ﾋ1 3/1"),
        two("AddLinesGreater", plusLines(), "x>1", "x>=2", "2x1 0>1 3/1"),
        two("AddLinesOppositeRefused", plusLines(), "x<1", "x>2", "", R::relationsDiffer),
        two("SubtractLines", minusLines(), "x<1", "x>2", "0/1 0<1 -1/1"),
        two("SubtractLinesFirstDirection", minusLines(), "2x<=1", "x>2", "1x1 0<1 -1/1"),
        two("SubtractLinesNotStrict", minusLines(), "x>=1", "x<=2", "0/1 0ﾖ1 -1/1"),
        two("SubtractLinesSameRefused", minusLines(), "x<1", "x<2", "", R::relationsSame)),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Transform, DivisionByZeroAsksOnceAndWritesNothing) {
    CoreSession t;
    ASSERT_TRUE(parseQuestion(t.s, 1, "2x+1<3"));
    const TransformResult r = scaleBothSides(t.s, 1, '/', ZERO, 2);
    EXPECT_FALSE(r.value);
    EXPECT_EQ(t.s.lines[2].cellCount, 0);
    EXPECT_EQ(t.shown(), (std::vector<std::string>{"box[確認]: 0 で割ることはできません"}));
}

TEST(Transform, RepeatedMultiplicationIsRefusedBeforeItWraps) {
    CoreSession t;
    ASSERT_TRUE(parseQuestion(t.s, 1, "x<1"));
    const ExprCell factor{1, 9999, CellKind::constant};
    EXPECT_FALSE(scaleBothSides(t.s, 1, '*', factor, 2).refused());
    EXPECT_FALSE(scaleBothSides(t.s, 2, '*', factor, 3).refused());
    setLine(t.s, 4, {ONE});  // a stale cell: a refusal leaves the target empty
    EXPECT_EQ(scaleBothSides(t.s, 3, '*', factor, 4).refusal, Refusal::overflow);
    EXPECT_EQ(t.s.lines[4].cellCount, 0);
    EXPECT_EQ(lineCellsText(t.s.lines[3]), "99980001x1 0<1 99980001/1");
}

TEST(Transform, CollectMayWriteOverItsSource) {
    CoreSession t;
    ASSERT_TRUE(parseQuestion(t.s, 1, "x+x<1+2"));
    EXPECT_FALSE(collectTerms(t.s, 1, 1).refused());
    EXPECT_EQ(lineCellsText(t.s.lines[1]), "2x1 0<1 3/1");
}

TEST(Transform, TransposePastThirtyCellsIsRefused) {
    CoreSession t;
    t.s.unknownLetter = 'x';
    clearLine(t.s, 1);
    for (int i = 0; i < 28; ++i) appendCell(t.s, 1, {1, 1, letterKind('x')});
    appendCell(t.s, 1, {1, 0, CellKind::less});
    appendCell(t.s, 1, {1, 1, letterKind('x')});
    EXPECT_EQ(transposeTerms(t.s, 1, 2).refusal, Refusal::tooLong);
    EXPECT_EQ(t.s.lines[2].cellCount, 0);
}

TEST(Transform, SubtractingTheMostNegativeNumberOverflows) {
    CoreSession t;
    t.s.unknownLetter = 'x';
    const std::int32_t most = std::numeric_limits<std::int32_t>::min();
    setLine(t.s, 1, {{1, 1, letterKind('x')}, {1, 0, CellKind::less}, {1, 1, CellKind::constant}});
    setLine(t.s, 2, {{1, 1, letterKind('x')}, {1, 0, CellKind::greater}, {1, most, CellKind::constant}});
    EXPECT_EQ(subtractLines(t.s, 1, 2, 3).refusal, Refusal::overflow);
    EXPECT_EQ(t.s.lines[2].cells[2].num, most);
}

TEST(Transform, BracketAfterAnExpandedGroupHasNoFactor) {
    // Two groups side by side: the first group's last constant is no factor.
    CoreSession t;
    t.s.unknownLetter = 'x';
    setLine(t.s, 1, {{1, 0, CellKind::roundOpen}, {1, 1, letterKind('x')}, {1, 1, CellKind::constant}, {1, 0, CellKind::roundClose},
                     {1, 0, CellKind::roundOpen}, {1, 1, letterKind('x')}, {1, 2, CellKind::constant}, {1, 0, CellKind::roundClose},
                     {1, 0, CellKind::less}, {1, 3, CellKind::constant}});
    EXPECT_TRUE(removeBrackets(t.s, 1, 2).value);
    EXPECT_EQ(lineCellsText(t.s.lines[2]), "1x1 1/1 1x1 2/1 0<1 3/1");
}

TEST(Transform, RefusalMessages) {
    EXPECT_EQ(refusalMessage(Refusal::none), "");
    EXPECT_EQ(refusalMessage(Refusal::overflow), "数が大きすぎて計算できません");
    EXPECT_EQ(refusalMessage(Refusal::tooLong), "式が長すぎます");
    EXPECT_EQ(refusalMessage(Refusal::relationsDiffer), "不等号の向きが違う式はたせません");
    EXPECT_EQ(refusalMessage(Refusal::relationsSame), "不等号の向きが同じ式はひけません");
}

}  // namespace
}  // namespace talvoren
