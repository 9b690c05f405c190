// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry of the typesetter, checked on the operations it records.

#include "ui/typesetter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "line_builder.h"
#include "ui/recording_surface.h"

namespace talvoren::ui {
namespace {

using talvoren::testing::c;
using talvoren::testing::k;
using talvoren::testing::lineOf;

struct Placed {
    std::string text;
    int x, y;
    friend bool operator==(const Placed&, const Placed&) = default;
};

std::ostream& operator<<(std::ostream& os, const Placed& p) {
    return os << '"' << p.text << "\"@" << p.x << ',' << p.y;
}

std::vector<Placed> placed(const RecordingSurface& s) {
    std::vector<Placed> out;
    for (const DrawnText& t : s.texts) out.push_back({t.text, t.x, t.y});
    return out;
}

struct Drawing {
    RecordingSurface surface;
    bool fitted = false;
    int finalColumn = 0;
    char letter = '@';
};

Drawing typesetLine(const ExprLine& line, TypesetFlags flags = {}, int n = 1, TypesetMode mode = TypesetMode::full) {
    Drawing run;
    Typesetter t(run.surface, flags, run.letter);
    run.fitted = t.typeset(n, mode, line);
    run.finalColumn = t.finalColumn();
    return run;
}

// Row tops with S = 14: numerators, middle line, denominators.
constexpr int row0 = 17, row1 = 31, row2 = 45;
constexpr int barY = 41;

TEST(Typesetter, QuestionColumnByColumn) {
    const Drawing run = typesetLine(lineOf({c(2, 1, 'x'), c(1, 1, '/'), k('<'), c(5, 1, '/')}));
    EXPECT_EQ(placed(run.surface), (std::vector<Placed>{{"2", 14, row1},
                                                          {"x", 42, row1},
                                                          {"+", 70, row1},
                                                          {"1", 98, row1},
                                                          {"＜", 126, row1},
                                                          {"5", 168, row1}}));
    EXPECT_EQ(run.surface.texts[4].font.holder, FontHolder::fntKnjMin);
    EXPECT_EQ(run.surface.texts[5].font.holder, FontHolder::fntNum);
    EXPECT_EQ(run.finalColumn, 14);
    EXPECT_TRUE(run.fitted);
}

TEST(Typesetter, StackedFractions) {
    struct Case {
        const char* name;
        ExprCell cell;
        DrawnBar bar;
        std::vector<Placed> texts;
        int finalColumn;
    };
    const std::vector<Case> cases = {
        {"half", c(1, 2, '/'), {16, 44, barY}, {{"1", 18, row0}, {"2", 18, row2}}, 4},
        {"twelve fifths", c(12, 5, '/'), {16, 44, barY}, {{"1", 14, row0}, {"2", 28, row0}, {"5", 18, row2}}, 4},
        {"e rounded up to four",
         c(123, 5, '/'),
         {16, 72, barY},
         {{"1", 18, row0}, {"2", 32, row0}, {"3", 46, row0}, {"5", 26, row2}},
         6},
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.name);
        const Drawing run = typesetLine(lineOf({tc.cell}));
        ASSERT_EQ(run.surface.bars.size(), 1u);
        EXPECT_EQ(run.surface.bars[0], tc.bar);
        EXPECT_EQ(placed(run.surface), tc.texts);
        EXPECT_EQ(run.finalColumn, tc.finalColumn);
    }
}

TEST(Typesetter, SignsAndCoefficients) {
    struct Case {
        const char* name;
        ExprLine line;
        TypesetFlags flags;
        std::string drawn;  // all texts in drawing order
    };
    const std::vector<Case> cases = {
        {"minus x", lineOf({c(-1, 1, 'x'), k('<'), c(1, 1, '/')}), {}, "-x＜1"},
        {"minus half x", lineOf({c(-1, 2, 'x'), k('<'), c(1, 1, '/')}), {}, "-12x＜1"},
        {"zero coefficient", lineOf({c(0, 1, 'x'), k('<'), c(1, 1, '/')}), {}, "x＜1"},
        {"zero constant has no sign", lineOf({c(1, 1, 'x'), c(0, 1, '/'), k('<'), c(1, 1, '/')}), {}, "x0＜1"},
        {"no plus after a relation", lineOf({c(1, 1, 'x'), k(CellKind::lessEqual), c(3, 1, '/')}), {}, "x≦3"},
        {"minus after a relation", lineOf({c(1, 1, 'x'), k(CellKind::greaterEqual), c(-3, 1, '/')}), {}, "x≧-3"},
        {"greater than", lineOf({c(1, 1, 'x'), k('>'), c(3, 1, '/')}), {}, "x＞3"},
        {"minus one factor shows as its sign",
         lineOf({c(-1, 1, '/'), k('('), c(1, 1, 'x'), c(3, 1, '/'), k(')'), k('<'), c(1, 1, '/')}),
         {},
         "-(x+3)＜1"},
        {"plus one factor after a term",
         lineOf({c(2, 1, '/'), c(1, 1, '/'), k('['), c(1, 1, 'x'), k(']'), k('<'), c(1, 1, '/')}),
         {},
         "2+[x]＜1"},
        {"a factor other than one is drawn",
         lineOf({c(-2, 1, '/'), k('{'), c(1, 1, 'x'), c(-3, 1, '/'), k('}'), k('<'), c(1, 1, '/')}),
         {},
         "-2{x-3}＜1"},
        {"corner brackets are drawn",
         lineOf({c(2, 1, '/'), k(CellKind::cornerOpen), c(1, 1, 'x'), c(1, 1, '/'), k(CellKind::cornerClose), k('<'),
                 c(4, 1, '/')}),
         {},
         "2｢x+1｣＜4"},
        {"decimals: three quarters", lineOf({c(1, 1, 'x'), k('<'), c(3, 4, '/')}), {true, false}, "x＜0.75"},
        {"decimals: five halves", lineOf({c(1, 1, 'x'), k('<'), c(5, 2, '/')}), {true, false}, "x＜2.5"},
        {"decimals: a third stays a fraction", lineOf({c(1, 1, 'x'), k('<'), c(1, 3, '/')}), {true, false},
         "x＜13"},
        {"decimals: an integer stays", lineOf({c(1, 1, 'x'), k('<'), c(7, 1, '/')}), {true, false}, "x＜7"},
        {"decimals: a term", lineOf({c(-1, 2, 'x'), k('<'), c(1, 1, '/')}), {true, false}, "-0.5x＜1"},
        {"unknown kinds draw nothing", lineOf({c(1, 1, 'x'), k('*'), k('<'), c(1, 1, '/')}), {}, "x＜1"},
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.name);
        EXPECT_EQ(typesetLine(tc.line, tc.flags).surface.joinedText(), tc.drawn);
    }
}

TEST(Typesetter, DecimalTermIsOneElement) {
    // The point sits in the digit's overhang and the digit after it follows
    // as closely as two digits do: no gap after it.
    const Drawing run = typesetLine(lineOf({c(1, 2, 'x'), k('<'), c(1, 1, '/')}), {true, false});
    EXPECT_EQ(placed(run.surface), (std::vector<Placed>{{"0", 14, row1},
                                                          {".", 25, row1},
                                                          {"5", 31, row1},
                                                          {"x", 45, row1},
                                                          {"＜", 84, row1},
                                                          {"1", 126, row1}}));
}

TEST(Typesetter, ReversedRelationIsRedAndNothingElse) {
    const ExprLine line = lineOf({c(1, 1, 'x'), k('>'), c(-1, 2, '/')});
    for (bool reversed : {false, true}) {
        const Drawing run = typesetLine(line, {false, reversed});
        for (const DrawnText& t : run.surface.texts)
            EXPECT_EQ(t.color, (reversed && t.text == "＞") ? red : black) << t.text;
    }
}

TEST(Typesetter, AnswerImageStartsAtColumnEight) {
    const Drawing run = typesetLine(lineOf({c(1, 1, 'x'), k('<'), c(3, 1, '/')}), {}, answerImage);
    ASSERT_GE(run.surface.texts.size(), 2u);
    EXPECT_EQ(run.surface.texts[0].text, "【答】");  // whole text: not the Bookman face
    EXPECT_EQ(run.surface.texts[0].x, 14);
    EXPECT_EQ(run.surface.texts[0].font.holder, FontHolder::fntKnjMin);
    EXPECT_EQ(run.surface.texts[1].text, "x");
    EXPECT_EQ(run.surface.texts[1].x, 8 * 14);
}

TEST(Typesetter, FitTest) {
    struct Case {
        const char* name;
        std::int32_t last;
        int finalColumn;
        bool fitted;
    };
    // x < 12345 + 12345 + last: 6 columns, then 6, 8 and 2 + digits + 1.
    const std::vector<Case> cases = {
        {"ends at column 29", 123456, 29, true},
        {"ends at column 30", 1234567, 30, false},
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.name);
        const Drawing run = typesetLine(
            lineOf({c(1, 1, 'x'), k('<'), c(12345, 1, '/'), c(12345, 1, '/'), c(tc.last, 1, '/')}));
        EXPECT_EQ(run.finalColumn, tc.finalColumn);
        EXPECT_EQ(run.fitted, tc.fitted);
    }
}

TEST(Typesetter, SecondDrawingIsSmallType) {
    const Drawing run = typesetLine(lineOf({c(1, 1, 'x'), k('<'), c(3, 1, '/')}), {}, 1, TypesetMode::small);
    // Scaled about the fraction bar, then back to full size.
    EXPECT_EQ(run.surface.scalesSet,
              (std::vector<std::pair<double, int>>{{smallTypeScale, barY}, {1.0, 0}}));
    // The layout itself is unchanged; the surface scales it.
    EXPECT_EQ(run.surface.texts[0].x, 14);
    EXPECT_EQ(typesetLine(lineOf({c(1, 1, 'x')})).surface.scalesSet.size(), 0u);
}

TEST(Typesetter, FractionGroups) {
    struct Case {
        const char* name;
        ExprLine line;
        std::string drawn;
        size_t bars;
    };
    const auto group = [](std::int32_t num, std::int32_t den, char open = '(', char close = ')') {
        return lineOf({c(num, den, CellKind::bar), k(open), c(1, 1, 'x'), c(1, 1, '/'), k(close), k('<'), c(2, 1, '/')});
    };
    const std::vector<Case> cases = {
        {"two thirds", group(2, 3), "2(x+1) 3＜2", 1},
        {"one third", group(1, 3), "x+13＜2", 1},
        {"minus one over one", group(-1, 1), "-(x+1) ＜2", 0},
        {"square brackets", group(2, 3, '[', ']'), "2[x+1] 3＜2", 1},
        {"unclosed group draws at most its sign", lineOf({c(-1, 2, CellKind::bar), k('<'), c(1, 1, 'x')}), "-", 0},
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.name);
        char letter = 'x';
        RecordingSurface surface;
        Typesetter(surface, {}, letter).typeset(1, TypesetMode::full, tc.line);
        EXPECT_EQ(surface.joinedText(), tc.drawn);
        EXPECT_EQ(surface.bars.size(), tc.bars);
    }
}

TEST(Typesetter, TwoThirdsGroupGeometry) {
    char letter = 'x';
    RecordingSurface surface;
    const ExprLine line =
        lineOf({c(2, 3, CellKind::bar), k('('), c(1, 1, 'x'), c(1, 1, '/'), k(')'), k('<'), c(2, 1, '/')});
    Typesetter(surface, {}, letter).typeset(1, TypesetMode::full, line);
    // "2(x+1) " is 7 long, so e = 8: a bar of 112 pixels.
    ASSERT_EQ(surface.bars.size(), 1u);
    EXPECT_EQ(surface.bars[0], (DrawnBar{16, 128, barY}));
    EXPECT_EQ(surface.texts.front().x, 14 + 4);
    EXPECT_EQ(surface.texts.front().y, row0);
    const DrawnText& denominator = surface.texts[7];
    EXPECT_EQ(denominator.text, "3");
    EXPECT_EQ(denominator.x, 14 + 4 * 7);
    EXPECT_EQ(denominator.y, row2);
}

TEST(TypesetterTexts, DecimalText) {
    struct Case {
        std::int32_t den, num;
        const char* text;
    };
    const std::vector<Case> cases = {
        {4, 3, "0.75"}, {2, 5, "2.5"}, {2, -5, "2.5"}, {3, 1, ""},   {1, 7, ""},
        {5, 0, ""},     {16, 1, "0.0625"}, {32, 1, ""}, {10000, 1, "0.0001"},
    };
    for (const Case& tc : cases) EXPECT_EQ(decimalText(tc.den, tc.num), tc.text) << tc.num << '/' << tc.den;
}

TEST(TypesetterTexts, FractionTextsAndRelations) {
    EXPECT_EQ(fractionTexts(2, -1), (std::pair<std::string, std::string>{"1", "2"}));
    EXPECT_EQ(fractionTexts(1, 7), (std::pair<std::string, std::string>{"7", ""}));
    EXPECT_EQ(fractionTexts(5, 0), (std::pair<std::string, std::string>{"0", ""}));
    EXPECT_EQ(fractionTexts(1, INT32_MIN).first, "2147483648");
    EXPECT_TRUE(isRelationText("＜"));
    EXPECT_TRUE(isRelationText("≧"));
    EXPECT_FALSE(isRelationText("+"));
    EXPECT_FALSE(isRelationText("【答】"));
    EXPECT_EQ(textLength("【答】"), 6);
    EXPECT_EQ(textLength("｢"), 1);
}

}  // namespace
}  // namespace talvoren::ui
