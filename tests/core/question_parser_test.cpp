// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/question_parser.h"

#include <gtest/gtest.h>

#include "core/malformed_questions.h"
#include "core/question_refusal.h"
#include "core/recording_sink.h"

namespace talvoren {
namespace {

using test::CoreSession;
using Shown = std::vector<std::string>;

struct ParseCase {
    const char* name;
    std::string text;
    bool ok;
    int parseError;
    char letter;
    bool decimal;
    std::string cells;
    Shown shown;
};

class Parse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(Parse, Question) {
    const ParseCase& p = GetParam();
    CoreSession t;
    EXPECT_EQ(parseQuestion(t.s, 1, p.text), p.ok);
    EXPECT_EQ(t.s.parseError, p.parseError);
    EXPECT_EQ(t.s.unknownLetter, p.letter);
    EXPECT_EQ(t.s.hasDecimalPoint, p.decimal);
    EXPECT_EQ(lineCellsText(t.s.lines[1]), p.cells);
    EXPECT_EQ(t.shown(), p.shown);
}

const std::string blank = "box[警告]: 空白があります";
// 38 bytes: "x<", seventeen "1+" and "11".
std::string longQuestion(int extraDigits) {
    std::string text = "x<";
    for (int i = 0; i < 17; ++i) text += "1+";
    return text + std::string(static_cast<std::size_t>(2 + extraDigits), '1');
}
std::string repeated(const std::string& piece, int n) {
    std::string text;
    for (int i = 0; i < n; ++i) text += piece;
    return text;
}
std::string brackets(int depth, const std::string& inner) {
    return repeated("(", depth) + inner + repeated(")", depth) + "<1";
}
std::string cellsOfLong() {
    std::string cells = "1x1 0<1";
    for (int i = 0; i < 17; ++i) cells += " 1/1";
    return cells + " 11/1";
}

INSTANTIATE_TEST_SUITE_P(
    QuestionParser, Parse,
    ::testing::Values(
        ParseCase{"Simple", "2x+3<5", true, 0, 'x', false, "2x1 3/1 0<1 5/1", {}},
        ParseCase{"LetterAlone", "x<3", true, 0, 'x', false, "1x1 0<1 3/1", {}},
        ParseCase{"NegatedLetterGreaterEqual", "-x>=1/2", true, 0, 'x', false, "-1x1 0ﾖ0 1/2", {}},
        ParseCase{"LessEqual", "x<=3", true, 0, 'x', false, "1x1 0ﾋ0 3/1", {}},
        ParseCase{"ConstantThenLetter", "3-x<1", true, 0, 'x', false, "3/1 -1x1 0<1 1/1", {}},
        ParseCase{"MinusAfterRelation", "x<-3", true, 0, 'x', false, "1x1 0<1 -3/1", {}},
        ParseCase{"SignBeforeBracket", "-(x+1)<2", true, 0, 'x', false,
                  "-1/1 0(1 1x1 1/1 0)1 0<1 2/1", {}},
        ParseCase{"NumberBeforeBracket", "2(x-3)>=4x+1/2", true, 0, 'x', false,
                  "2/1 0(1 1x1 -3/1 0)1 0ﾖ0 4x1 1/2", {}},
        ParseCase{"BracketWithoutFactor", "(x+1)<2", true, 0, 'x', false,
                  "0(1 1x1 1/1 0)1 0<1 2/1", {}},
        ParseCase{"BarFactor", "1|3(x+1)<2", true, 0, 'x', false,
                  "1|3 0(1 1x1 1/1 0)1 0<1 2/1", {}},
        // Only a bracket group's factor keeps the vertical bar.
        ParseCase{"BarConstantBeforeSign", "x+1|3-1<2", true, 0, 'x', false,
                  "1x1 1/3 -1/1 0<1 2/1", {}},
        ParseCase{"BarConstantBeforeRelation", "x-1|3<2", true, 0, 'x', false,
                  "1x1 -1/3 0<1 2/1", {}},
        ParseCase{"BarConstantInGroup", "2(x+1|3)<2", true, 0, 'x', false,
                  "2/1 0(1 1x1 1/3 0)1 0<1 2/1", {}},
        ParseCase{"BarConstantLast", "x<1|3", true, 0, 'x', false, "1x1 0<1 1/3", {}},
        ParseCase{"BarCoefficient", "2|3x<2", true, 0, 'x', false, "2x3 0<1 2/1", {}},
        ParseCase{"CornerBrackets", "2｢x+1｣<4", true, 0, 'x', false,
                  "2/1 0｢1 1x1 1/1 0｣1 0<1 4/1", {}},
        ParseCase{"Decimals", "0.5x<1.25", true, 0, 'x', true, "1x2 0<1 5/4", {}},
        ParseCase{"FiveDecimalDigits", "0.1234x<1", true, 0, 'x', true, "617x5000 0<1 1/1", {}},
        ParseCase{"SixDecimalDigits", "0.12345x<1", false, 1111, '@', true, "",
                  {"message: 整数部と小数部の合計桁数は５以内です"}},
        ParseCase{"FiveDigits", "12345x<1", true, 0, 'x', false, "12345x1 0<1 1/1", {}},
        ParseCase{"SixDigits", "123456x<1", false, 999, '@', false, "",
                  {"message: 123456：エラー！数字は５桁以下です"}},
        ParseCase{"SixDigitDenominator", "x<1/123456", false, 999, 'x', false, "1x1 0<1",
                  {"message: 123456：エラー！数字は５桁以下です"}},
        ParseCase{"ZeroDenominator", "x<1/0", false, 998, 'x', false, "1x1 0<1", {}},
        ParseCase{"EmptyDenominator", "x<2/", false, 998, 'x', false, "1x1 0<1",
                  {"message: エラー！数字の表現が不正です"}},
        ParseCase{"EmptyDecimals", "x<2.", false, 0, 'x', true, "1x1 0<1",
                  {"message: エラー！数字の表現が不正です"}},
        ParseCase{"DoubleSign", "x+-3<1", false, 110, 'x', false, "1x1", {}},
        ParseCase{"SecondLetter", "2x+3y<1", false, 0, 'x', false, "2x1",
                  {"message: 文字が多すぎます"}},
        ParseCase{"NoLetter", "2<3", false, 87, '@', false, "2/1 0<1 3/1", {"message: moji"}},
        ParseCase{"TwoRelations", "x<1<2", false, 0, 'x', false, "1x1 0<1 1/1 0<1 2/1",
                  {"message: 不等号の数が不正です"}},
        ParseCase{"NoRelation", "x+1", false, 0, 'x', false, "1x1 1/1",
                  {"message: 不等号の数が不正です"}},
        ParseCase{"MisplacedEquals", "x=1", false, 0, 'x', false, "1x1",
                  {"message: ＝の位置が不正です"}},
        ParseCase{"BlankWarns", "2 x<4", true, 0, 'x', false, "2x1 0<1 4/1", {blank}},
        // Two numbers with nothing between them were once read as the second alone.
        ParseCase{"BlankBetweenNumbers", "3 4x<1", false, 0, '@', false, "",
                  {blank, "message: 数字が2つ続いています（間に符号がありません）"}},
        // A slash after a letter divides the letter term.
        ParseCase{"LetterDivided", "x/6<1", true, 0, 'x', false, "1x6 0<1 1/1", {}},
        ParseCase{"CoefficientDivided", "-2x/4+1>3", true, 0, 'x', false, "-1x2 1/1 0>1 3/1", {}},
        ParseCase{"DecimalLetterDivided", "9.5j/6+5.5j>=3(5j-2)", true, 0, 'j', true,
                  "19j12 11j2 0ﾖ0 3/1 0(1 5j1 -2/1 0)1", {}},
        ParseCase{"StarIsIgnored", "2*x<4", true, 0, 'x', false, "2x1 0<1 4/1", {}},
        ParseCase{"Exactly38Bytes", longQuestion(0), true, 0, 'x', false, cellsOfLong(), {}},
        ParseCase{"39Bytes", longQuestion(1), false, 111, '@', false, "",
                  {"message: 問題が長すぎます"}},
        // 39 bytes in code page 932: eighteen ideographic spaces count two each.
        ParseCase{"FullWidthCountsTwo", "x<1" + repeated("\u3000", 18), false, 111, '@', false,
                  "", {"message: 問題が長すぎます"}},
        // Seventeen brackets each side fit in 38 bytes; the 31st cell is refused.
        ParseCase{"MoreThanThirtyCells", brackets(17, "x"), false, 111, 'x', false,
                  repeated("0(1 ", 17) + "1x1" + repeated(" 0)1", 12),
                  {"message: 問題が長すぎます"}},
        ParseCase{"ThirtyCells", brackets(13, "x+1"), true, 0, 'x', false,
                  repeated("0(1 ", 13) + "1x1 1/1" + repeated(" 0)1", 13) + " 0<1 1/1", {}},
        ParseCase{"Empty", "", false, 0, '@', false, "", {}},
        ParseCase{"NoCodePage932Form", "x<1\xF0\x9F\x98\x80", false, 0, '@', false, "",
                  {"message: 使えない文字があります"}},
        // Products of terms a line of linear terms cannot hold.
        ParseCase{"DigitAfterStar", "x*2<1", false, 0, 'x', false, "1x1",
                  {"message: 数字の位置が不正です"}},
        ParseCase{"DigitAfterLetter", "2x3<1", false, 0, 'x', false, "2x1",
                  {"message: 数字の位置が不正です"}},
        ParseCase{"DigitAfterBlank", "x 2<1", false, 0, 'x', false, "1x1",
                  {blank, "message: 数字の位置が不正です"}},
        ParseCase{"DigitAfterBracket", "(x+1)2<3", false, 0, 'x', false, "0(1 1x1 1/1 0)1",
                  {"message: 数字の位置が不正です"}},
        ParseCase{"LetterAfterLetter", "xx<1", false, 0, 'x', false, "1x1",
                  {"message: 文字の位置が不正です"}},
        ParseCase{"BracketAfterLetter", "x(x+1)<2", false, 0, 'x', false, "1x1",
                  {"message: かっこの位置が不正です"}},
        ParseCase{"BracketAfterBracket", "(x+1)(x-1)<2", false, 0, 'x', false,
                  "0(1 1x1 1/1 0)1", {"message: かっこの位置が不正です"}}),
    [](const auto& info) { return std::string(info.param.name); });

class Malformed : public ::testing::TestWithParam<test::MalformedQuestion> {};

TEST_P(Malformed, IsRefusedWithItsReason) {
    const test::MalformedQuestion& m = GetParam();
    CoreSession t;
    EXPECT_FALSE(parseQuestion(t.s, 1, m.text));
    EXPECT_EQ(refusalDescription(m.text, t.s.refusalReason, t.s.refusalPosition), m.why);
}

INSTANTIATE_TEST_SUITE_P(QuestionParser, Malformed, ::testing::ValuesIn(test::malformedQuestions()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(QuestionParser, AcceptedQuestionLeavesNoReason) {
    CoreSession t;
    ASSERT_FALSE(parseQuestion(t.s, 1, "2x+<3"));
    ASSERT_TRUE(parseQuestion(t.s, 1, "2x+1<3"));
    EXPECT_EQ(t.s.refusalReason, "");
    EXPECT_EQ(t.s.refusalPosition, 0);
}

TEST(QuestionParser, FullWidthTextFitsByItsCodePage932Bytes) {
    // Seventeen ideographic spaces: 37 bytes in code page 932, 54 in UTF-8.
    std::string text = "x<1";
    for (int i = 0; i < 17; ++i) text += "\u3000";
    CoreSession t;
    EXPECT_TRUE(parseQuestion(t.s, 1, text));
    EXPECT_EQ(lineCellsText(t.s.lines[1]), "1x1 0<1 1/1");
}

TEST(QuestionParser, RefusedEarlyKeepsLetterAndDecimalFlag) {
    CoreSession t;
    ASSERT_TRUE(parseQuestion(t.s, 1, "0.5y<1"));
    EXPECT_FALSE(parseQuestion(t.s, 0, ""));
    EXPECT_FALSE(parseQuestion(t.s, 0, longQuestion(1)));
    EXPECT_EQ(t.s.unknownLetter, 'y');
    EXPECT_TRUE(t.s.hasDecimalPoint);
    EXPECT_EQ(t.s.lines[1].cellCount, 3);
}

TEST(QuestionParser, ReadNumberLeavesPositionAtLastByte) {
    CoreSession t;
    const std::string text = "x<12/34+1";
    int position = 3;
    ExprCell cell;
    ASSERT_TRUE(readNumber(t.s, text, position, static_cast<int>(text.size()), cell));
    EXPECT_EQ(position, 7);
    EXPECT_EQ(cellText(cell), "6/17");
}

}  // namespace
}  // namespace talvoren
