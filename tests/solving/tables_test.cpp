// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed tables of the solving layer: operations, line labels, page sizes.

#include <gtest/gtest.h>

#include "fakes.h"
#include "solving/line_labels.h"
#include "solving/operations.h"
#include "solving/page_layout.h"

namespace talvoren::testing {
namespace {

TEST(Operations, NumbersCodesAndTexts) {
    const std::vector<std::tuple<int, char, std::string>> expected = {
        {0, '*', "×"},
        {1, '/', "÷"},
        {2, '+', "＋"},
        {3, '-', "－"},
        {5, 'S', "の両辺を計算して整理する"},
        {6, 'I', "を移項する"},
        {7, 'K', "のかっこをはずす"},
    };
    for (const auto& [number, code, text] : expected) {
        const Operation* o = operationFor(number);
        ASSERT_NE(o, nullptr) << number;
        EXPECT_EQ(o->opCode, code) << number;
        EXPECT_EQ(o->text, text) << number;
    }
    EXPECT_EQ(operationFor(4), nullptr);
    EXPECT_EQ(operationFor(8), nullptr);
}

TEST(Operations, DescriptionsReadAsPhrases) {
    Session s;
    s.start("2x+3<5");
    s.ws.selectLine(1);
    s.ws.chooseOperation(op::collect);
    EXPECT_EQ(s.ws.description(), "①式の両辺を計算して整理する");
    EXPECT_EQ(s.page.focus.back(), FocusTarget::jikkou);
}

struct BracketCase {
    const char* name;
    ExprLine line;
    bool found;
};

void PrintTo(const BracketCase& c, std::ostream* os) { *os << c.name; }

class HasBrackets : public ::testing::TestWithParam<BracketCase> {};

TEST_P(HasBrackets, LooksAtTheFirstLine) {
    Session s;
    s.core.lines[2] = GetParam().line;
    s.ws.firstLine = 2;
    EXPECT_EQ(hasBrackets(s.ws), GetParam().found);
}

const ExprCell open(std::uint8_t k) { return {1, 0, k}; }

INSTANTIATE_TEST_SUITE_P(
    Lines, HasBrackets,
    ::testing::Values(BracketCase{"None", lineOf({term(1), relation('<'), constant(1)}), false},
                      BracketCase{"Round", lineOf({constant(2), open('('), term(1), open(')')}), true},
                      BracketCase{"Curly", lineOf({open('{'), term(1), open('}')}), true},
                      BracketCase{"SquareByItsClosing", lineOf({term(1), open(']')}), true},
                      BracketCase{"SquareOpeningAlone", lineOf({open('['), term(1)}), false},
                      BracketCase{"Corner", lineOf({open(kind::cornerOpen), term(1), open(kind::cornerClose)}),
                                  true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HasBrackets, NoLineSelectedHasNone) {
    Session s;
    s.core.lines[0] = lineOf({open('('), term(1), open(')')});  // a preview in the scratch line
    s.ws.firstLine = 0;
    EXPECT_FALSE(hasBrackets(s.ws));
}

TEST(LineLabels, TwelveCircledNumbersThenNone) {
    EXPECT_EQ(lineLabel(0), "0");
    EXPECT_EQ(lineLabel(1), "①");
    EXPECT_EQ(lineLabel(10), "⑩");
    EXPECT_EQ(lineLabel(12), "⑫");
    EXPECT_EQ(lineLabel(13), "");
    EXPECT_EQ(lineLabel(14), "");
    EXPECT_EQ(lineLabel(15), "");
    EXPECT_EQ(lineLabel(-1), "");
}

TEST(PageLayout, LineSlotsByScreenWidth) {
    EXPECT_EQ(pageLayoutForScreen(640).lineCapacity, 8);
    EXPECT_TRUE(pageLayoutForScreen(640).warnResolution);
    EXPECT_EQ(pageLayoutForScreen(800).lineCapacity, 12);
    EXPECT_FALSE(pageLayoutForScreen(800).warnResolution);
    EXPECT_EQ(pageLayoutForScreen(1024).lineCapacity, 14);
    EXPECT_EQ(pageLayoutForScreen(1280).lineCapacity, 12);
    EXPECT_EQ(pageLayoutForScreen(1280).warnResolution, false);
}

}  // namespace
}  // namespace talvoren::testing
