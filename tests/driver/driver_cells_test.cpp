// SPDX-License-Identifier: GPL-3.0-or-later
// The driver's cells, entry and transform commands, run in-process: every
// message and refusal of the question parser, the number entry and the line
// transformations shows in a transcript.

#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "tools/driver.h"

namespace talvoren::driver {
namespace {

struct DriverCase {
    const char* name;
    Args args;  // the command and its words
    std::string transcript;
};

class DriverCells : public ::testing::TestWithParam<DriverCase> {};

TEST_P(DriverCells, PrintsTranscript) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runDriver(GetParam().args, out, err), 0) << err.str();
    EXPECT_EQ(out.str(), GetParam().transcript);
}

std::string parsed(bool ok, int code, char letter, bool decimal, const std::string& cells) {
    std::ostringstream s;
    s << "result: " << (ok ? "true" : "false") << "\nparseError: " << code
      << "\nunknownLetter: " << letter << "\nhasDecimalPoint: " << (decimal ? "true" : "false")
      << "\ncells:" << (cells.empty() ? "" : " " + cells) << "\n";
    return s.str();
}
std::string refused(int code, char letter, const std::string& cells, bool decimal = false) {
    return parsed(false, code, letter, decimal, cells);
}
std::string message(const std::string& text) { return "message: " + text + "\n"; }

// Why each refused question above was refused, as the driver says it.
const std::map<std::string, std::string>& cellsReasons() {
    static const std::map<std::string, std::string> reasons{
        {"NoLetter", "文字（x など）がありません"},
        {"TooLong", "問題が長すぎます（半角38文字まで、式の項は30個まで）"},
        {"TooManyCells", "問題が長すぎます（半角38文字まで、式の項は30個まで）（31文字目）"},
        {"SixDigits", "数字は5けたまでです（1文字目）"},
        {"DecimalDigits", "小数は整数部と小数部を合わせて5けたまでです（1文字目）"},
        {"BadNumber", "分数か小数の書き方がまちがっています（/ や . の後に数字がありません）（3文字目）"},
        {"EmptyDenominator", "分数か小数の書き方がまちがっています（/ や . の後に数字がありません）（3文字目）"},
        {"ZeroDenominator", "分母が0です（3文字目）"},
        {"DoubleSign", "符号が2つ続いています（3文字目）"},
        {"SecondLetter", "文字が2種類以上あります（使える文字は1つです）（5文字目）"},
        {"Equals", "＝は < や > のすぐ後にだけ書けます（<= や >=）（2文字目）"},
        {"Relations", "不等号が2つ以上あります"},
        {"DigitPosition", "文字やかっこのすぐ後に数字があります（3文字目）"},
        {"LetterPosition", "文字やかっこのすぐ後に文字があります（2文字目）"},
        {"BracketPosition", "文字やかっこのすぐ後にかっこがあります（6文字目）"},
        {"Unconvertible", "シフトJISで書けない文字があります"},
        {"Empty", "問題が空です"},
    };
    return reasons;
}

DriverCase cells(const char* name, const char* text, std::string transcript) {
    if (const auto why = cellsReasons().find(name); why != cellsReasons().end())
        transcript += "reason: " + why->second + "\n";
    return {name, {"cells", text}, std::move(transcript)};
}
DriverCase entry(const char* name, const char* text, std::string transcript) {
    return {name, {"entry", text}, std::move(transcript)};
}
DriverCase transform(const char* name, Args args, std::string transcript) {
    args.insert(args.begin(), "transform");
    return {name, std::move(args), std::move(transcript)};
}

INSTANTIATE_TEST_SUITE_P(
    Cells, DriverCells,
    ::testing::Values(
        cells("GreaterEqual", "x>=-1/2", parsed(true, 0, 'x', false, "1x1 0ﾖ0 -1/2")),
        cells("Decimal", "0.5x<1.25", parsed(true, 0, 'x', true, "1x2 0<1 5/4")),
        cells("Blank", "2 x<4",
              "box[警告]: 空白があります -> ok\n" + parsed(true, 0, 'x', false, "2x1 0<1 4/1")),
        cells("NoLetter", "2<3", message("moji") + refused(87, '@', "2/1 0<1 3/1")),
        cells("TooLong", "x<1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+111",
              message("問題が長すぎます") + refused(111, '@', "")),
        cells("TooManyCells", "(((((((((((((((((x)))))))))))))))))<1",
              message("問題が長すぎます") +
                  refused(111, 'x',
                          "0(1 0(1 0(1 0(1 0(1 0(1 0(1 0(1 0(1 0(1 0(1 0(1 0(1 0(1 0(1 0(1 0(1 "
                          "1x1 0)1 0)1 0)1 0)1 0)1 0)1 0)1 0)1 0)1 0)1 0)1 0)1")),
        cells("SixDigits", "123456x<1",
              message("123456：エラー！数字は５桁以下です") + refused(999, '@', "")),
        cells("DecimalDigits", "0.12345x<1",
              message("整数部と小数部の合計桁数は５以内です") + refused(1111, '@', "", true)),
        cells("BadNumber", "x<2.",
              message("エラー！数字の表現が不正です") + refused(0, 'x', "1x1 0<1", true)),
        cells("EmptyDenominator", "x<2/",
              message("エラー！数字の表現が不正です") + refused(998, 'x', "1x1 0<1")),
        cells("ZeroDenominator", "x<1/0", refused(998, 'x', "1x1 0<1")),
        cells("DoubleSign", "x+-3<1", refused(110, 'x', "1x1")),
        cells("SecondLetter", "2x+3y<1", message("文字が多すぎます") + refused(0, 'x', "2x1")),
        cells("Equals", "x=1", message("＝の位置が不正です") + refused(0, 'x', "1x1")),
        cells("Relations", "x<1<2",
              message("不等号の数が不正です") + refused(0, 'x', "1x1 0<1 1/1 0<1 2/1")),
        cells("DigitPosition", "2x3<1", message("数字の位置が不正です") + refused(0, 'x', "2x1")),
        cells("LetterPosition", "xx<1", message("文字の位置が不正です") + refused(0, 'x', "1x1")),
        cells("BracketPosition", "(x+1)(x-1)<2",
              message("かっこの位置が不正です") + refused(0, 'x', "0(1 1x1 1/1 0)1")),
        cells("Unconvertible", "x<1\xF0\x9F\x98\x80",
              message("使えない文字があります") + refused(0, '@', "")),
        cells("Empty", "", refused(0, '@', ""))),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Entry, DriverCells,
    ::testing::Values(
        entry("Fraction", "3分の2", "cell: 2/3\n"),
        entry("LetterTerm", "-3x", "cell: -3x1\n"),
        entry("Empty", "", "cell: 0/1\n"),
        entry("LoneMinus", "-", "cell: 0/0\n"),
        entry("DecimalTooLong", "1234.567",
              message("1234.567 ←小数の長さが長すぎます") + "cell: 0/0\n"),
        entry("BadDigits", "1.2.3", message("2.3 ←分数の表現があやまりです..") + "cell: 0/0\n"),
        entry("BadFraction", "分の3", message("分の3 ←分数の表現があやまりです") + "cell: 0/0\n"),
        entry("TooManyDigits", "12345",
              message("12345 ←数値は４桁以下にしてください") + "cell: 0/0\n"),
        entry("ZeroDenominator", "0分の3", message("0分の3 ←分母が０です") + "cell: 0/0\n"),
        DriverCase{"OtherLetter", {"entry", "2a", "a"}, "cell: 2a1\n"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Transform, DriverCells,
    ::testing::Values(
        transform("Brackets", {"brackets", "-2(x-3)<4"}, "result: true\ncells: -2x1 6/1 0<1 4/1\n"),
        transform("BracketsOuterGroup", {"brackets", "((x+1))<2"},
                  "result: true\ncells: 0(1 1x1 1/1 0)1 0<1 2/1\n"),
        transform("NoBrackets", {"brackets", "x<1"}, "result: false\ncells:\n"),
        transform("Collect", {"collect", "2x+3<x+5"}, "result: true\ncells: 2x1 3/1 0<1 1x1 5/1\n"),
        transform("Add", {"add", "2x+3<5", "-3"}, "result: true\ncells: 2x1 0<1 2/1\n"),
        transform("Sub", {"sub", "2x+3<5", "3"}, "result: true\ncells: 2x1 0<1 2/1\n"),
        transform("Mul", {"mul", "2(x+1)<4", "3"},
                  "result: true\ncells: 6/1 0(1 1x1 1/1 0)1 0<1 12/1\n"),
        transform("Div", {"div", "2x<4", "2"}, "result: true\ncells: 1x1 0<2 2/1\n"),
        transform("DivByZero", {"div", "2x<4", "0"},
                  "box[確認]: 0 で割ることはできません -> abort\nresult: false\ncells:\n"),
        transform("Transpose", {"transpose", "3x+2<x+5"},
                  "result: true\ncells: 3x1 -1x1 0<1 -2/1 5/1\n"),
        transform("TransposeNothing", {"transpose", "x<5"}, "result: false\ncells: 1x1 0<1 5/1\n"),
        transform("AddLines", {"addlines", "x+1<2", "x-1<3"}, "result: true\ncells: 2x1 0<1 5/1\n"),
        transform("SubLines", {"sublines", "x<1", "x>2"}, "result: true\ncells: 0/1 0<1 -1/1\n"),
        transform("AddLinesRefused", {"addlines", "x<1", "x>2"},
                  message("不等号の向きが違う式はたせません") + "result: false\ncells:\n"),
        transform("SubLinesRefused", {"sublines", "x<1", "x<2"},
                  message("不等号の向きが同じ式はひけません") + "result: false\ncells:\n"),
        transform("Overflow", {"collect", "1/99999x+1/99998x<1"},
                  message("数が大きすぎて計算できません") + "result: false\ncells:\n"),
        transform("TooLong", {"add", "(((((((((((((x)))))))))))))<1", "1"},
                  message("式が長すぎます") + "result: false\ncells:\n"),
        transform("QuestionRefused", {"collect", "x<1<2"},
                  message("不等号の数が不正です") + "result: false\n"),
        transform("EntryRefused", {"add", "x<1", "0分の1"},
                  message("0分の1 ←分母が０です") + "result: false\n"),
        transform("QuestionWarns", {"collect", "x <1"},
                  "box[警告]: 空白があります -> ok\nresult: true\ncells: 1x1 0<1 1/1\n")),
    [](const auto& info) { return std::string(info.param.name); });

struct UsageCase {
    const char* name;
    Args args;
};

class DriverCellsUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(DriverCellsUsage, WrongCommandLineExitsWithTwo) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runDriver(GetParam().args, out, err), 2);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("usage:"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Usage, DriverCellsUsage,
    ::testing::Values(UsageCase{"CellsWithoutText", {"cells"}},
                      UsageCase{"CellsTwoTexts", {"cells", "x<1", "x<2"}},
                      UsageCase{"EntryLongLetter", {"entry", "3", "xy"}},
                      UsageCase{"TransformUnknownOp", {"transform", "square", "x<1"}},
                      UsageCase{"TransformWithoutText", {"transform", "collect"}},
                      UsageCase{"CollectWithArg", {"transform", "collect", "x<1", "2"}},
                      UsageCase{"AddLinesWithoutSecond", {"transform", "addlines", "x<1"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace talvoren::driver
