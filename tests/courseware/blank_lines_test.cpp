// SPDX-License-Identifier: GPL-3.0-or-later
// Blank lines in a question-set file: ignored between units (most editors
// end a file with one), refused inside a unit naming the line, both when the
// set is loaded at start-up and when the editor checks it; never saved.

#include <gtest/gtest.h>

#include "courseware/check.h"
#include "courseware/sequencing.h"
#include "solving/silent_session.h"
#include "support.h"

namespace talvoren {
namespace {

std::string blankAt(int line) {
    return std::to_string(line) + "行目が空の行です。単元の中（<<から>>まで）には空の行を置けません";
}

struct BlankCase {
    const char* name;
    std::string bytes;  // the file, UTF-8 here, written in code page 932
    int units;          // loaded and checked; 0: refused
    std::vector<std::string> messages;  // shown by the check and again by the start-up
    std::string fatal;  // refused: the start-up message, "%" the file's path
};

class BlankLines : public ::testing::TestWithParam<BlankCase> {
protected:
    test::ScratchDir dir;
    std::string path = dir.file("set.ine");
    void SetUp() override { test::writeBytes(path, test::cp932(GetParam().bytes)); }
};

TEST_P(BlankLines, AreIgnoredBetweenUnitsWhenLoaded) {
    test::RecordingSink sink;
    CoreState core(sink);
    CoursewareState s;
    SilentPage page;
    Worksheet worksheet(core, page);
    class : public UnitDialog {
        bool showModal() override { return false; }
    } dialog;
    PracticeRecords records(dir.dir(), sink, [] { return LocalTime{2026, 12, 8, 9, 0}; });
    Sequencing sequencing(s, worksheet, dialog, records);

    const auto fatal = sequencing.startUp(path);
    EXPECT_EQ(sink.shown, GetParam().messages);
    if (GetParam().units > 0) {
        EXPECT_EQ(fatal, std::nullopt);
        EXPECT_EQ(s.unitCount(), GetParam().units);
        EXPECT_EQ(core.lines[1].caption, "（1） 次の不等式を解きなさい");
    } else {
        std::string expected = GetParam().fatal;
        expected.replace(expected.find('%'), 1, path);
        EXPECT_EQ(fatal, std::optional(expected));
    }
}

TEST_P(BlankLines, AreIgnoredBetweenUnitsWhenChecked) {
    test::RecordingSink sink;
    CoreState core(sink);
    CoursewareState s;
    ASSERT_EQ(readQuestionSetFile(s, path), ReadStatus::ok);
    CheckVerdict verdict;
    EXPECT_EQ(checkQuestionSet(s, core, verdict), GetParam().units > 0);
    EXPECT_EQ(sink.shown, GetParam().messages);
    if (GetParam().units > 0) {
        EXPECT_EQ(verdict.unitCount, std::to_string(GetParam().units));
    } else {
        EXPECT_EQ(verdict.result, "??? 問題に誤りがあります");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, BlankLines,
    ::testing::Values(
        BlankCase{"trailing_empty_line", "<<一\r\nx<1\r\n>>\r\n\r\n", 1, {}, ""},
        BlankCase{"trailing_empty_lines_lf", "<<一\nx<1\n>>\n\n\n", 1, {}, ""},
        BlankCase{"trailing_empty_line_lone_cr", "<<一\rx<1\r>>\r\r", 1, {}, ""},
        BlankCase{"empty_lines_before_the_first_unit", "\r\n\r\n<<一\r\nx<1\r\n>>\r\n", 1, {}, ""},
        BlankCase{"spaces_and_tabs_between_units", "<<一\r\nx<1\r\n>>\r\n  \t \r\n<<二\r\nx<2\r\n>>\r\n  ", 2, {}, ""},
        BlankCase{"full_width_spaces_between_units", "<<一\r\nx<1\r\n>>\r\n　　\r\n<<二\r\nx<2\r\n>>\r\n", 2, {}, ""},
        BlankCase{"empty_line_inside_a_unit", "<<一\r\nx<1\r\n\r\nx<2\r\n>>\r\n", 0, {blankAt(3)},
                  "%:3行目:問題が不正です0:致命的なエラーです（空の行です）"},
        BlankCase{"spaces_right_after_the_unit_start", "\r\n<<一\r\n   \r\nx<1\r\n>>\r\n", 0, {blankAt(3)},
                  "%:3行目:問題が不正です0:致命的なエラーです（空の行です）"},
        // Without its ">>" the unit is still open at the end of the file.
        BlankCase{"empty_line_after_a_unit_without_end", "<<一\r\nx<1\r\n>>\r\n<<二\r\nx<2\r\n\r\n", 0,
                  {blankAt(6)}, "%:6行目:問題が不正です0:致命的なエラーです（空の行です）"},
        BlankCase{"empty_file", "", 0, {}, "%:問題が不正です0:致命的なエラーです（単元がありません（<< で始まる行がありません））"},
        BlankCase{"only_blank_lines", "\r\n  \r\n\t\r\n", 0, {}, "%:問題が不正です0:致命的なエラーです（単元がありません（<< で始まる行がありません））"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BlankLines, AreNeverSavedAndTheSavedSetReadsBackTheSame) {
    test::ScratchDir dir;
    test::writeBytes(dir.file("a.ine"), test::cp932("\r\n<<一\r\nx<1\r\n>>\r\n \t\r\n<<二\r\nx<2\r\n>>\r\n\r\n"));
    test::RecordingSink sink;
    CoursewareState s;
    ASSERT_EQ(readQuestionSetFile(s, dir.file("a.ine")), ReadStatus::ok);
    ASSERT_TRUE(parseQuestionSet(s, sink));
    ASSERT_EQ(writeQuestionSetFile(s, dir.file("b.ine")).status, WriteStatus::ok);
    EXPECT_EQ(test::readBytes(dir.file("b.ine")), test::cp932("<<一\r\nx<1\r\n>>\r\n<<二\r\nx<2\r\n>>\r\n"));

    CoursewareState back;
    ASSERT_EQ(readQuestionSetFile(back, dir.file("b.ine")), ReadStatus::ok);
    ASSERT_TRUE(parseQuestionSet(back, sink));
    EXPECT_EQ(back.unitTitles(), s.unitTitles());
    EXPECT_EQ(back.unitQuestions(), s.unitQuestions());
    EXPECT_EQ(back.unitQuestionCount(), s.unitQuestionCount());
}

TEST(BlankLines, AnUnwritableCharacterIsNamedByItsLineInTheEditor) {
    test::ScratchDir dir;
    CoursewareState s;
    s.setText({"", "<<単元", "x<1", ">>", "", "<<絵😀", "x<2", ">>"});
    const WriteResult r = writeQuestionSetFile(s, dir.file("a.ine"));
    EXPECT_EQ(r.status, WriteStatus::unencodable);
    EXPECT_EQ(r.badLine, 6);
}

}  // namespace
}  // namespace talvoren
