// SPDX-License-Identifier: GPL-3.0-or-later
// The driver's check command: the question-set editor's check of a file,
// with the messages shown on the way and the verdict fields.

#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/sjis.h"
#include "tools/driver.h"

namespace talvoren::driver {
namespace {

std::string check(const std::string& path) {
    std::ostringstream out, err;
    EXPECT_EQ(runDriver({"check", path}, out, err), 0) << err.str();
    return out.str();
}

// Writes the UTF-8 text as a code-page-932 file with CR LF line ends.
std::string setFile(const std::string& text) {
    std::string pattern = (std::filesystem::temp_directory_path() / "talvoren-check-XXXXXX").string();
    const int fd = mkstemp(pattern.data());
    EXPECT_GE(fd, 0);
    ::close(fd);
    std::ofstream(pattern, std::ios::binary) << sjis::toCp932(text).value();
    return pattern;
}

TEST(DriverCheck, TheDefaultQuestionSetPasses) {
    EXPECT_EQ(check(std::string(TALVOREN_SOURCE_DIR) + "/data/Question.ine"),
              "units: 7\nresult: ☆☆☆　構文チェック成功　☆☆☆\nfaultyUnit: なし\nfaulty: なし\n");
}

struct CheckCase {
    const char* name;
    std::string file;
    std::string transcript;
};

class DriverCheckFile : public ::testing::TestWithParam<CheckCase> {};

TEST_P(DriverCheckFile, PrintsMessagesThenTheVerdict) {
    const std::string path = setFile(GetParam().file);
    EXPECT_EQ(check(path), GetParam().transcript);
    std::filesystem::remove(path);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DriverCheckFile,
    ::testing::Values(
        CheckCase{"faulty_questions_of_the_second_unit",
                  "<<一\r\nx<1\r\n>>\r\n<<二\r\n2x+3y<1\r\nx=1\r\nx<2\r\n>>\r\n<<三\r\n2<3\r\n>>\r\n",
                  "message: 文字が多すぎます\nmessage: ＝の位置が不正です\nunits: \n"
                  "result: ??? 誤りがあります ???\nfaultyUnit: 二\nfaulty: 「二」5行目 2x+3y<1：文字が多すぎます"
                  "：文字が2種類以上あります（使える文字は1つです）（5文字目）\n"
                  "faulty: 「二」6行目 x=1：＝の位置が不正です：＝は < や > のすぐ後にだけ書けます（<= や >=）（2文字目）\n"},
        CheckCase{"unit_without_end",
                  "<<一\r\nx<1\r\n>>\r\n<<二\r\n2x+3y<1\r\n",
                  "units: \nresult: ??? 問題に誤りがあります\nfaultyUnit: 問題に誤りです\n"
                  "faulty: 4行目：この単元が >> で閉じられていません\n"},
        CheckCase{"empty_lines_between_units_and_at_the_end",
                  "<<一\r\nx<1\r\n>>\r\n  \r\n<<二\r\nx<2\r\n>>\r\n\r\n",
                  "units: 2\nresult: ☆☆☆　構文チェック成功　☆☆☆\nfaultyUnit: なし\nfaulty: なし\n"},
        CheckCase{"empty_line_inside_a_unit",
                  "<<一\r\nx<1\r\n>>\r\n<<二\r\nx<2\r\n\r\nx<3\r\n>>\r\n",
                  "message: 6行目が空の行です。単元の中（<<から>>まで）には空の行を置けません\n"
                  "units: \nresult: ??? 問題に誤りがあります\nfaultyUnit: 問題に誤りです\nfaulty: 6行目：空の行です\n"},
        CheckCase{"too_many_questions",
                  "<<一\r\nx<1\r\nx<2\r\nx<3\r\nx<4\r\nx<5\r\nx<6\r\nx<7\r\nx<8\r\n>>\r\n",
                  "message: 問題は7問以下です\nunits: \nresult: ??? 問題に誤りがあります\n"
                  "faultyUnit: 問題に誤りです\nfaulty: 9行目：1つの単元の問題は7問までです\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DriverCheck, AUtf8FileIsOfferedToBeReadAsUtf8) {
    const std::string path = setFile("");
    std::ofstream(path, std::ios::binary) << "<<単元\r\nx<1\r\n>>\r\n";
    EXPECT_EQ(check(path), "box[確認]: " + path +
                               "：シフトJISのテキストではありません。UTF-8のテキストとして読み込みますか？"
                               "（保存するときはシフトJISで書き込みます） -> yes\n"
                               "units: 1\nresult: ☆☆☆　構文チェック成功　☆☆☆\nfaultyUnit: なし\nfaulty: なし\n");
    std::filesystem::remove(path);
}

TEST(DriverCheck, AFileThatCannotBeReadIsReportedAndFails) {
    EXPECT_EQ(check("/nonexistent/Question.ine"),
              "message: /nonexistent/Question.ine:FileNot Exists\nunits: \n"
              "result: ??? 問題に誤りがあります\nfaultyUnit: 問題に誤りです\n"
              "faulty: 単元がありません（<< で始まる行がありません）\n");
}

TEST(DriverCheck, WantsExactlyOneFile) {
    std::ostringstream out, err;
    EXPECT_EQ(runDriver({"check"}, out, err), 2);
}

}  // namespace
}  // namespace talvoren::driver
