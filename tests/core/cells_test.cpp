// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cells.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "core/recording_sink.h"

namespace talvoren {
namespace {

using test::CoreSession;
using Shown = std::vector<std::string>;

constexpr std::int32_t int32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t int32Max = std::numeric_limits<std::int32_t>::max();

ExprCell c(std::int32_t num, std::int32_t den, CellKind k = CellKind::constant) {
    return makeCell(num, den, k);
}
ExprCell c(std::int32_t num, std::int32_t den, char letter) { return c(num, den, letterKind(letter)); }

struct ArithmeticCase {
    const char* name;
    std::function<ExprCell(CoreState&)> run;
    const char* expected;  // cellText of the result
    bool overflow;
};

class Arithmetic : public ::testing::TestWithParam<ArithmeticCase> {};

TEST_P(Arithmetic, GivesExactResult) {
    CoreSession t;
    t.s.unknownLetter = 'x';
    const ExprCell result = GetParam().run(t.s);
    EXPECT_EQ(t.s.overflow, GetParam().overflow);
    if (!GetParam().overflow) {
        EXPECT_EQ(cellText(result), GetParam().expected);
    }
    EXPECT_TRUE(t.shown().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cells, Arithmetic,
    ::testing::Values(
        ArithmeticCase{"ReduceDividesCommonFactor",
                       [](CoreState& s) { return reduce(s, 6, -4, CellKind::constant); }, "-2/3", false},
        ArithmeticCase{"ReduceKeepsZeroOverFive",
                       [](CoreState& s) { return reduce(s, 5, 0, CellKind::constant); }, "0/5", false},
        ArithmeticCase{"AddUsesLeastCommonMultiple",
                       [](CoreState& s) { return addCells(s, c(1, 6), c(1, 4)); }, "5/12", false},
        ArithmeticCase{"AddTakesFirstKind",
                       [](CoreState& s) { return addCells(s, c(2, 1, 'x'), c(3, 1)); }, "5x1", false},
        ArithmeticCase{"MultiplyReduces",
                       [](CoreState& s) { return multiplyCells(s, c(2, 3, 'x'), c(3, 4)); }, "1x2",
                       false},
        ArithmeticCase{"DivideMovesSignToNumerator",
                       [](CoreState& s) { return divideCells(s, c(3, 1, 'x'), c(-2, 5)); },
                       "-15x2", false},
        ArithmeticCase{"ProductPastInt32Overflows",
                       [](CoreState& s) { return multiplyCells(s, c(65536, 1), c(65536, 1)); }, "",
                       true},
        ArithmeticCase{"ProductThatReducesIntoRangeFits",
                       [](CoreState& s) { return multiplyCells(s, c(65536, 65537), c(65537, 65536)); },
                       "1/1", false},
        ArithmeticCase{"SumPastInt32Overflows",
                       [](CoreState& s) { return addCells(s, c(int32Max, 1), c(1, 1)); }, "", true},
        ArithmeticCase{"LcmPastInt32Overflows",
                       [](CoreState& s) { return addCells(s, c(1, 99999), c(1, 99998)); }, "", true},
        ArithmeticCase{"NegatingMostNegativeOverflows",
                       [](CoreState& s) { return negated(s, c(int32Min, 1)); }, "", true},
        ArithmeticCase{"AbsOfMostNegativeOverflows",
                       [](CoreState& s) { return absCell(s, c(int32Min, 1)); }, "", true},
        ArithmeticCase{"AbsOfNegative",
                       [](CoreState& s) { return absCell(s, c(-3, 4, 'x')); }, "3x4", false},
        ArithmeticCase{"DivideByMostNegativeOverflows",
                       [](CoreState& s) { return divideCells(s, c(1, 1), c(int32Min, 1)); }, "",
                       true}),
    [](const auto& info) { return std::string(info.param.name); });

struct CompareCase {
    const char* name;
    ExprCell x;
    ExprCell y;
    int expected;
};

class Compare : public ::testing::TestWithParam<CompareCase> {};

TEST_P(Compare, ByExactValue) {
    CoreSession t;
    EXPECT_EQ(compareCells(t.s, GetParam().x, GetParam().y), GetParam().expected);
    EXPECT_FALSE(t.s.overflow);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, Compare,
    ::testing::Values(CompareCase{"ZeroOverOneEqualsZeroOverFive", c(0, 1), c(0, 5), 0},
                      CompareCase{"HalfEqualsTwoQuarters", c(1, 2), c(2, 4), 0},
                      CompareCase{"EqualValueOtherKind", c(2, 1, 'x'), c(2, 1), 0},
                      CompareCase{"ThirdBelowHalf", c(1, 3), c(1, 2), -1},
                      CompareCase{"HalfAboveThird", c(1, 2), c(1, 3), 1},
                      CompareCase{"NegativeHalfBelowNegativeThird", c(-1, 2), c(-1, 3), -1},
                      CompareCase{"LargeNumerators", c(int32Max, 1), c(int32Max - 1, 1), 1},
                      CompareCase{"LargeDenominators", c(1, int32Max), c(1, int32Max - 1), -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Cells, ZeroDenominatorInComparisonShowsDiagnostic) {
    CoreSession t;
    EXPECT_EQ(compareCells(t.s, c(0, 0, CellKind::lessEqual), c(1, 1)), 0);
    EXPECT_EQ(t.shown(), (Shown{"message: x=0,y=1GCDが０です"}));
}

TEST(Cells, GcdAndLcm) {
    CoreSession t;
    EXPECT_EQ(gcd(t.s, 0, 5), 0);
    EXPECT_EQ(gcd(t.s, -12, 18), 6);
    EXPECT_EQ(lcm(t.s, 4, 6), 12);
    EXPECT_FALSE(t.s.overflow);
    EXPECT_EQ(lcm(t.s, 0, 3), 0);
    EXPECT_EQ(t.shown(), (Shown{"message: x=0,y=3GCDが０です"}));
    gcd(t.s, int32Min, int32Min);  // 2^31 does not fit
    EXPECT_TRUE(t.s.overflow);
}

TEST(Cells, DivisionByZeroAsksAndGivesZeroLetter) {
    CoreSession t;
    t.s.unknownLetter = 'y';
    EXPECT_EQ(cellText(divideCells(t.s, c(3, 1), ZERO)), "0y1");
    EXPECT_EQ(t.shown(), (Shown{"box[確認]: 0 で割ることはできません"}));
    EXPECT_EQ(t.sink.lastButtons, Buttons::abortRetryIgnore);
}

TEST(Cells, LineNeverTakesAThirtyFirstCell) {
    CoreSession t;
    for (int i = 0; i < maxCells; ++i) appendCell(t.s, 1, c(i, 1));
    EXPECT_FALSE(t.s.lineFull);
    appendCell(t.s, 1, c(99, 1));
    EXPECT_TRUE(t.s.lineFull);
    EXPECT_EQ(t.s.lines[1].cellCount, maxCells);
    EXPECT_EQ(popCell(t.s, 1), c(maxCells - 1, 1));
}

TEST(Cells, PopRestoresCountAndEmptyLineGivesZero) {
    CoreSession t;
    appendCell(t.s, 2, c(7, 3, 'x'));
    EXPECT_EQ(popCell(t.s, 2), c(7, 3, 'x'));
    EXPECT_EQ(t.s.lines[2].cellCount, 0);
    EXPECT_EQ(popCell(t.s, 2), ZERO);
    EXPECT_EQ(t.s.lines[2].cellCount, 0);
}

TEST(Cells, CellTextDecodesKindBytes) {
    EXPECT_EQ(cellText(c(0, 0, CellKind::lessEqual)), "0ﾋ0");
    EXPECT_EQ(cellText(c(0, 0, CellKind::greaterEqual)), "0ﾖ0");
    EXPECT_EQ(cellText(c(0, 1, CellKind::cornerOpen)), "0｢1");
    EXPECT_EQ(cellText(c(0, 1, CellKind::cornerClose)), "0｣1");
    EXPECT_EQ(cellText(c(1, 3, CellKind::bar)), "1|3");
    EXPECT_EQ(cellText(c(-1, 2)), "-1/2");
    ExprLine line;
    EXPECT_EQ(lineCellsText(line), "");
}

}  // namespace
}  // namespace talvoren
