// SPDX-License-Identifier: GPL-3.0-or-later
// The number line, checked on the operations it records.

#include "ui/number_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ui/recording_surface.h"
#include "ui/trial_flow.h"

namespace talvoren::ui {
namespace {

constexpr int width = 272;
constexpr double axisY = 30;

Ratio r(long long num, long long den = 1) { return Ratio::make(num, den); }

struct FigureCase {
    const char* name;
    NumberLineFigure figure;
    TickRange ticks;
    const char* texts;   // every text drawn, joined
    int circles;         // the end's (filled or not as the set says), then a tried number's
    double setFrom;      // the thick set's ends (0, 0 for none)
    double setTo;
};
void PrintTo(const FigureCase& c, std::ostream* os) { *os << c.name; }

class NumberLine : public ::testing::TestWithParam<FigureCase> {};

TEST_P(NumberLine, TicksCircleAndThickSet) {
    const FigureCase& c = GetParam();
    RecordingSurface s;
    drawNumberLineOn(s, c.figure, width);
    const TickRange ticks = tickRange(c.figure);
    EXPECT_EQ(ticks.first, c.ticks.first);
    EXPECT_EQ(ticks.last, c.ticks.last);
    EXPECT_EQ(ticks.labelStep, c.ticks.labelStep);
    EXPECT_EQ(s.joinedText(), c.texts);
    ASSERT_EQ(static_cast<int>(s.circles.size()), c.circles);
    const auto thick = std::find_if(s.strokes.begin(), s.strokes.end(), [](const DrawnStroke& d) { return d.width > 3; });
    if (c.setFrom == c.setTo) {
        EXPECT_EQ(thick, s.strokes.end());
        return;
    }
    ASSERT_NE(thick, s.strokes.end());
    EXPECT_DOUBLE_EQ(thick->x1, c.setFrom);
    EXPECT_DOUBLE_EQ(thick->x2, c.setTo);
    if (c.circles >= 1) {
        // The end's circle sits on the set's end, filled exactly for ≦ and ≧.
        EXPECT_DOUBLE_EQ(s.circles[0].x, c.setFrom);
        EXPECT_EQ(s.circles[0].filled, c.figure.set.endIncluded());
        EXPECT_EQ(s.circles[0].color, black);
    }
}

// Ticks -2..4 put 1 at the centre: pitch (262 - 10) / 7 = 36, 1 at 10 + 3.5 pitch = 136.
INSTANTIATE_TEST_SUITE_P(
    Sets, NumberLine,
    ::testing::Values(
        FigureCase{"LessThanOne", {{SetKind::less, r(1)}, {}, 0, 0, ""}, {-2, 4, 1}, "-2-101234" "1", 1, 136, 6},
        FigureCase{"AtLeastSevenHalves", {{SetKind::greaterEqual, r(7, 2)}, {}, 0, 0, ""}, {0, 6, 1},
                   "0123456" "72", 1, 154, 266},
        FigureCase{"FarEndLabelsEveryOtherTick", {{SetKind::greater, r(-3)}, r(12), 0, 0, ""}, {-4, 13, 2},
                   "-4-2024681012" "-3", 2, 31, 266},
        FigureCase{"NoSolution", {{SetKind::none, {}}, {}, 0, 0, ""}, {-3, 3, 1}, "-3-2-10123" "解なし", 0, 0, 0},
        FigureCase{"AllNumbers", {{SetKind::all, {}}, {}, 0, 0, ""}, {-3, 3, 1}, "-3-2-10123", 0, 10, 262}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberLine, TrialMarkInItsOwnColourWithTheSentenceInTwoRows) {
    RecordingSurface s;
    const NumberLineFigure figure{{SetKind::less, r(1)}, r(0), 76, 0, "x=0 のとき 左辺 3 ＜ 右辺 5 ○（解に入っています）"};
    drawNumberLineOn(s, figure, width);
    ASSERT_EQ(s.circles.size(), 2u);
    EXPECT_EQ(s.circles[1].color, trialColor);
    EXPECT_DOUBLE_EQ(s.circles[1].x, 136);  // 0 at the centre of ticks -3..3
    EXPECT_EQ(s.color(), black);
    ASSERT_GE(s.texts.size(), 2u);
    const DrawnText& verdict = s.texts.back();
    const DrawnText& sides = s.texts[s.texts.size() - 2];
    EXPECT_EQ(sides.text, "x=0 のとき 左辺 3 ＜ 右辺 5");
    EXPECT_EQ(verdict.text, "○（解に入っています）");
    EXPECT_EQ(sides.y, 76 + numberLineBand);
    EXPECT_EQ(verdict.y, sides.y + trialRowHeight);
    // Everything lies inside the figure's band.
    for (const DrawnStroke& d : s.strokes) EXPECT_LT(std::max(d.y1, d.y2), 76 + numberLineBand);
    EXPECT_DOUBLE_EQ(axisY + 76, s.strokes.front().y1);
}

TEST(TrialFlow, TheTutorsNumbersAreOfferedTheFirstTimeOnly) {
    const SuggestedValues both{r(0), r(4)};
    EXPECT_EQ(TrialFlow::promptText('x', both, true),
              QStringLiteral("x に数を入れて、不等式が成り立つか確かめましょう。\n"
                             "例えば 0 は解に入る数、4 は解に入らない数です。"));
    EXPECT_EQ(TrialFlow::promptText('x', both, false), QStringLiteral("x に数を入れて、不等式が成り立つか確かめましょう。"));
    EXPECT_TRUE(TrialFlow::promptText('a', {std::nullopt, r(0)}, true).endsWith(QStringLiteral("成り立ちません。例えば 0 で確かめましょう。")));
}

}  // namespace
}  // namespace talvoren::ui
