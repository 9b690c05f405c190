// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed tables of the solving layer: operations, line labels, page sizes.

#include <gtest/gtest.h>

#include "fakes.h"
#include "solving/line_labels.h"
#include "solving/operations.h"
#include "solving/page_layout.h"

namespace talvoren::testing {
namespace {

TEST(Operations, CodesAndTexts) {
    const std::vector<std::tuple<OpCode, char, std::string>> expected = {
        {OpCode::multiply, '*', "×"},
        {OpCode::divide, '/', "÷"},
        {OpCode::add, '+', "＋"},
        {OpCode::subtract, '-', "－"},
        {OpCode::collect, 'S', "の両辺を計算して整理する"},
        {OpCode::transpose, 'I', "を移項する"},
        {OpCode::removeBrackets, 'K', "のかっこをはずす"},
    };
    for (const auto& [operation, code, text] : expected) {
        const Operation* o = operationOf(operation);
        ASSERT_NE(o, nullptr) << code;
        EXPECT_EQ(static_cast<char>(o->code), code);
        EXPECT_EQ(o->text, text) << code;
    }
    EXPECT_EQ(operationOf(OpCode::none), nullptr);
    EXPECT_EQ(static_cast<char>(OpCode::none), '?');
}

TEST(Operations, DescriptionsReadAsPhrases) {
    Session s;
    s.start("2x+3<5");
    s.ws.selectLine(1);
    s.ws.chooseOperation(OpCode::collect);
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
    setState(s.ws, [&](WorksheetState& w) { w.firstLine = 2; });
    EXPECT_EQ(s.ws.firstLineHasBrackets(), GetParam().found);
}

const ExprCell open(CellKind k) { return {1, 0, k}; }
// A bracket cell by its character.
const ExprCell open(char k) { return open(kindOfByte(static_cast<std::uint8_t>(k))); }

INSTANTIATE_TEST_SUITE_P(
    Lines, HasBrackets,
    ::testing::Values(BracketCase{"None", lineOf({term(1), relation(CellKind::less), constant(1)}), false},
                      BracketCase{"Round", lineOf({constant(2), open('('), term(1), open(')')}), true},
                      BracketCase{"Curly", lineOf({open('{'), term(1), open('}')}), true},
                      BracketCase{"SquareByItsClosing", lineOf({term(1), open(']')}), true},
                      BracketCase{"SquareOpeningAlone", lineOf({open('['), term(1)}), false},
                      BracketCase{"Corner", lineOf({open(CellKind::cornerOpen), term(1), open(CellKind::cornerClose)}),
                                  true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HasBrackets, NoLineSelectedHasNone) {
    Session s;
    s.core.lines[0] = lineOf({open('('), term(1), open(')')});  // a preview in the scratch line
    setState(s.ws, [&](WorksheetState& w) { w.firstLine = 0; });
    EXPECT_FALSE(s.ws.firstLineHasBrackets());
}

TEST(LineLabels, CircledNumbersForEveryLineOfThePage) {
    EXPECT_EQ(lineLabel(0), "0");
    EXPECT_EQ(lineLabel(1), "①");
    EXPECT_EQ(lineLabel(10), "⑩");
    EXPECT_EQ(lineLabel(12), "⑫");
    EXPECT_EQ(lineLabel(13), "⑬");
    EXPECT_EQ(lineLabel(14), "⑭");
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
