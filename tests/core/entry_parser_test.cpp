// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entry_parser.h"

#include <gtest/gtest.h>

#include "core/recording_sink.h"

namespace talvoren {
namespace {

using test::CoreSession;
using Shown = std::vector<std::string>;

struct EntryCase {
    const char* name;
    const char* text;
    const char* cell;  // cellText of the result; "0/0" is the refusal cell
    Shown shown;
};

class Entry : public ::testing::TestWithParam<EntryCase> {};

TEST_P(Entry, PadText) {
    CoreSession t;
    t.s.unknownLetter = 'x';
    EXPECT_EQ(cellText(parseEntry(t.s, GetParam().text)), GetParam().cell);
    EXPECT_EQ(t.shown(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    EntryParser, Entry,
    ::testing::Values(
        EntryCase{"Empty", "", "0/1", {}},
        EntryCase{"Fraction", "3分の2", "2/3", {}},
        EntryCase{"NegativeFraction", "-3分の2", "-2/3", {}},
        EntryCase{"FractionKeptAsTyped", "4分の2", "2/4", {}},
        EntryCase{"Decimal", "1.5", "3/2", {}},
        EntryCase{"NegativeDecimal", "-0.25", "-1/4", {}},
        EntryCase{"SixDecimalDigits", "123.456", "15432/125", {}},
        EntryCase{"SevenDecimalDigits", "1234.567", "0/0",
                  {"message: 1234.567 ←小数の長さが長すぎます"}},
        EntryCase{"PointAtEnd", "5.", "5/1", {}},
        EntryCase{"PointAtStart", ".5", "1/2", {}},
        EntryCase{"TwoPoints", "1.2.3", "0/0", {"message: 2.3 ←分数の表現があやまりです.."}},
        EntryCase{"FourDigits", "1234", "1234/1", {}},
        EntryCase{"FiveDigits", "12345", "0/0", {"message: 12345 ←数値は４桁以下にしてください"}},
        EntryCase{"Letter", "x", "1x1", {}},
        EntryCase{"NegatedLetter", "-x", "-1x1", {}},
        EntryCase{"LetterTerm", "3x", "3x1", {}},
        EntryCase{"NegativeLetterTerm", "-3x", "-3x1", {}},
        EntryCase{"FractionLetterTerm", "3分の2x", "2x3", {}},
        EntryCase{"DecimalLetterTerm", "1.5x", "3x2", {}},
        EntryCase{"ZeroDenominator", "0分の3", "0/0", {"message: 0分の3 ←分母が０です"}},
        EntryCase{"NoDenominator", "分の3", "0/0", {"message: 分の3 ←分数の表現があやまりです"}},
        EntryCase{"NoNumerator", "3分の", "0/0", {"message: 3分の ←分数の表現があやまりです"}},
        EntryCase{"FiveDigitDenominator", "12345分の1", "0/0",
                  {"message: 12345分の1 ←数値は４桁以下にしてください"}},
        EntryCase{"OtherLetter", "y", "0/0", {"message: y ←分数の表現があやまりです.."}},
        EntryCase{"SignInsideFraction", "3分の-2", "0/0",
                  {"message: -2 ←分数の表現があやまりです.."}},
        EntryCase{"LoneMinus", "-", "0/0", {}},
        EntryCase{"NoCodePage932Form", "1\xF0\x9F\x98\x80", "0/0",
                  {"message: 使えない文字があります"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EntryParser, DigitsValue) {
    CoreSession t;
    EXPECT_EQ(digitsValue(t.s, "").value, 0);
    EXPECT_EQ(digitsValue(t.s, "0042").value, 42);
    EXPECT_TRUE(t.shown().empty());
    const DigitsValue bad = digitsValue(t.s, "4a");
    EXPECT_TRUE(bad.refused);
    EXPECT_EQ(bad.value, 0);
    EXPECT_EQ(t.shown(), (Shown{"message: 4a ←分数の表現があやまりです.."}));
}

TEST(EntryParser, LetterFollowsTheQuestion) {
    CoreSession t;
    t.s.unknownLetter = 'a';
    EXPECT_EQ(cellText(parseEntry(t.s, "2a")), "2a1");
}

}  // namespace
}  // namespace talvoren
