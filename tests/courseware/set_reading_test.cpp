// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/set_reading.h"

#include <gtest/gtest.h>

#include <deque>

#include "support.h"

namespace talvoren {
namespace {

const std::string setText = "<<単元\r\nx+1<3\r\n>>\r\n";

struct ReadCase {
    const char* name;
    std::string bytes;
    std::deque<Answer> answers;
    ReadStatus status;
    bool fromUtf8;
    std::vector<std::string> text;   // the question-set text afterwards
    std::vector<std::string> shown;  // "%" stands for the file's path
};

class ReadingASet : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadingASet, RefusesWhatIsNotShiftJisSayingSo) {
    const ReadCase& c = GetParam();
    test::ScratchDir dir;
    test::RecordingSink sink;
    const std::string path = dir.file("set.ine");
    test::writeBytes(path, c.bytes);
    CoursewareState s;
    s.setText({"<<前", "x<1", ">>"});
    sink.answers = c.answers;

    const SetReading r = readQuestionSetForUse(s, path, sink);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.fromUtf8, c.fromUtf8);
    EXPECT_EQ(s.questionSetText(), c.text);
    EXPECT_EQ(s.questionSetPath(), path);
    std::vector<std::string> shown = c.shown;
    for (std::string& text : shown)
        if (const auto at = text.find('%'); at != std::string::npos) text.replace(at, 1, path);
    EXPECT_EQ(sink.shown, shown);
}

const std::vector<std::string> readText{"<<単元", "x+1<3", ">>"};
const std::vector<std::string> oldText{"<<前", "x<1", ">>"};
const std::string offer = "[確認] %：シフトJISのテキストではありません。UTF-8のテキストとして読み込みますか？"
                          "（保存するときはシフトJISで書き込みます）";

INSTANTIATE_TEST_SUITE_P(
    Files, ReadingASet,
    ::testing::Values(
        ReadCase{"shift_jis", test::cp932(setText), {}, ReadStatus::ok, false, readText, {}},
        ReadCase{"utf8_accepted", setText, {Answer::yes}, ReadStatus::ok, true, readText, {offer}},
        ReadCase{"utf8_with_byte_order_mark", "\xEF\xBB\xBF" + setText, {Answer::yes}, ReadStatus::ok, true,
                 readText, {offer}},
        ReadCase{"utf8_declined", setText, {Answer::no}, ReadStatus::notCp932, false, oldText, {offer}},
        ReadCase{"utf8_without_a_shift_jis_form",
                 "<<単元\r\nx<1\r\n<<絵😀\r\n>>\r\n",
                 {Answer::yes},
                 ReadStatus::notCp932,
                 false,
                 oldText,
                 {offer, "%：3行目の「😀」はシフトJISで書けない文字のため、読み込めません"}},
        ReadCase{"neither", "<<A\r\n\x82\r\n>>\r\n", {}, ReadStatus::notCp932, false, oldText,
                 {"%：シフトJISのテキストではありません"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadingASet, TheDefaultSetIsShiftJis) {
    test::RecordingSink sink;
    CoursewareState s;
    const SetReading r = readQuestionSetForUse(s, std::string(TALVOREN_SOURCE_DIR) + "/data/Question.ine", sink);
    EXPECT_EQ(r.status, ReadStatus::ok);
    EXPECT_FALSE(r.fromUtf8);
    EXPECT_TRUE(sink.shown.empty());
}

}  // namespace
}  // namespace talvoren
