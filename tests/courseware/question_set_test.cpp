// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/question_set.h"

#include <gtest/gtest.h>

#include "support.h"

namespace talvoren {
namespace {

std::vector<std::string> readThrough(const std::string& bytes, ReadStatus& status) {
    test::ScratchDir dir;
    test::writeBytes(dir.file("set.ine"), bytes);
    CoursewareState s;
    status = readQuestionSetFile(s, dir.file("set.ine"));
    EXPECT_EQ(s.questionSetPath(), dir.file("set.ine"));
    return s.questionSetText();
}

TEST(ReadQuestionSetFile, DecodesCodePage932AndEveryLineBreak) {
    ReadStatus status;
    EXPECT_EQ(readThrough(test::cp932("<<単元１\r\nx<1\rx>2\n>>\r\n"), status),
              (std::vector<std::string>{"<<単元１", "x<1", "x>2", ">>"}));
    EXPECT_EQ(status, ReadStatus::ok);
    // Trail bytes that look like brackets or letters stay inside their characters.
    EXPECT_EQ(readThrough(test::cp932("<<ゾーンア\r\n"), status),
              std::vector<std::string>{"<<ゾーンア"});
}

TEST(ReadQuestionSetFile, RefusesAFileThatIsNotCodePage932AndKeepsTheText) {
    test::ScratchDir dir;
    test::writeBytes(dir.file("utf8.ine"), "<<単元\r\n");  // UTF-8, not code page 932
    CoursewareState s;
    s.setText({"<<old"});
    EXPECT_EQ(readQuestionSetFile(s, dir.file("utf8.ine")), ReadStatus::notCp932);
    EXPECT_EQ(s.questionSetText(), std::vector<std::string>{"<<old"});
    EXPECT_EQ(s.questionSetPath(), dir.file("utf8.ine"));
    EXPECT_EQ(readQuestionSetFile(s, dir.file("none.ine")), ReadStatus::missing);
}

TEST(FailureTexts, NameTheFileAndTheErrorCode) {
    EXPECT_EQ(fatalErrorText("問題が不正です", 0), "問題が不正です0:致命的なエラーです");
    EXPECT_EQ(fatalErrorText(readFailureText("/q/a.ine", ReadStatus::missing), 87),
              "/q/a.ine:FileNot Exists87:致命的なエラーです");
    EXPECT_EQ(readFailureText("/q/a.ine", ReadStatus::unreadable), "/q/a.ine:File Can't Load");
    EXPECT_EQ(readFailureText("/q/a.ine", ReadStatus::notCp932), "/q/a.ine:File Can't Load");
    EXPECT_EQ(fatalErrorText(refusedSetText("/q/a.ine", 5), 0), "/q/a.ine:5行目:問題が不正です0:致命的なエラーです");
    EXPECT_EQ(refusedSetText("/q/a.ine", 0), "/q/a.ine:問題が不正です");
}

struct ParseCase {
    const char* name;
    std::vector<std::string> text;
    bool ok;
    std::vector<std::string> messages;
    bool everyUnitClosed = true;
};

std::vector<std::string> unit(const std::string& title, int questions) {
    std::vector<std::string> lines{"<<" + title};
    for (int q = 1; q <= questions; ++q) lines.push_back("x<" + std::to_string(q));
    lines.push_back(">>");
    return lines;
}

std::vector<std::string> units(int count, int questions = 1) {
    std::vector<std::string> lines;
    for (int u = 1; u <= count; ++u) {
        const auto more = unit("U" + std::to_string(u), questions);
        lines.insert(lines.end(), more.begin(), more.end());
    }
    return lines;
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class ParseQuestionSet : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseQuestionSet, AcceptsOnlyWellFormedUnits) {
    CoursewareState s;
    s.setText(GetParam().text);
    test::RecordingSink sink;
    const QuestionSetParse parse = parseQuestionSetText(s, sink);
    EXPECT_EQ(parse.ok, GetParam().ok);
    EXPECT_EQ(sink.shown, GetParam().messages);
    if (parse.ok) {
        EXPECT_EQ(parse.everyUnitClosed, GetParam().everyUnitClosed);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, ParseQuestionSet,
    ::testing::Values(
        ParseCase{"one_unit", unit("単元１", 3), true, {}},
        ParseCase{"ten_units_of_seven", units(10, 7), true, {}},
        ParseCase{"no_lines", {}, false, {}},
        ParseCase{"eleven_units", units(11), false, {"項目が多すぎます"}},
        ParseCase{"eight_questions", unit("A", 8), false, {"問題は7問以下です"}},
        ParseCase{"empty_line", {"<<A", "x<1", "", ">>"}, false,
                  {"3行目が空の行です。単元の中（<<から>>まで）には空の行を置けません"}},
        ParseCase{"blank_lines_between_units", std::vector<std::string>{"", " "} + unit("A", 1) + std::vector<std::string>{"\t"} +
                      unit("B", 1) + std::vector<std::string>{""},
                  true, {}},
        ParseCase{"only_blank_lines", {"", " ", "\t"}, false, {}},
        ParseCase{"empty_line_after_seven", {"<<A", "x<1", "x<2", "x<3", "x<4", "x<5", "x<6", "x<7", ""},
                  false, {"問題は7問以下です"}},
        ParseCase{"unit_without_questions", {"<<A", ">>"}, false, {}},
        ParseCase{"end_without_unit", {">>"}, false, {}},
        ParseCase{"start_after_questions_without_end", {"<<A", "x<1", "<<B", "x<2", ">>"}, false, {}},
        ParseCase{"end_with_trailing_blank_is_a_question", {"<<A", "x<1", ">> "}, true, {}, false},
        ParseCase{"last_unit_without_end", unit("A", 1) + std::vector<std::string>{"<<B", "x<2"},
                  true, {}, false},
        ParseCase{"start_after_start", {"<<A", "<<B", "x<1", ">>"}, true, {}, false},
        // Lines outside a unit never count as its questions.
        ParseCase{"question_before_first_unit", std::vector<std::string>{"x<9"} + unit("A", 1),
                  false, {}},
        ParseCase{"question_after_an_end", unit("A", 2) + std::vector<std::string>{"x<9"} + unit("B", 1),
                  false, {}},
        ParseCase{"question_after_last_end", unit("A", 2) + std::vector<std::string>{"x<9"}, false, {}},
        ParseCase{"only_questions", {"x<1", "x<2"}, false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParseQuestionSet, BuildsTheUnitTables) {
    CoursewareState s;
    s.setText({"<<単元１", "x<1", "2x>4", "3x<=9", ">>", "<< 題 ", "x>1", ">>"});
    test::RecordingSink sink;
    ASSERT_TRUE(parseQuestionSet(s, sink));
    EXPECT_EQ(s.unitCount(), 2);
    EXPECT_EQ(s.unitTitles()[1], "単元１");
    EXPECT_EQ(s.unitTitles()[2], " 題 ");  // spaces are part of the title
    EXPECT_EQ(s.unitQuestionCount()[1], 3);
    EXPECT_EQ(s.unitQuestions()[1][3], "3x<=9");
    EXPECT_EQ(s.unitQuestionCount()[2], 1);
    EXPECT_EQ(listedUnitCount(s), 2);
}

TEST(ParseQuestionSet, OpeningFewerUnitsForgetsTheOldOnes) {
    CoursewareState s;
    test::RecordingSink sink;
    s.setText(units(10));
    ASSERT_TRUE(parseQuestionSet(s, sink));
    s.setText(units(3));
    ASSERT_TRUE(parseQuestionSet(s, sink));
    EXPECT_EQ(listedUnitCount(s), 3);
    EXPECT_EQ(s.unitQuestionCount()[4], 0);
}

TEST(ParseQuestionSet, AnEmptyTitleEndsTheListedUnits) {
    CoursewareState s;
    test::RecordingSink sink;
    s.setText(unit("A", 1) + unit("", 1) + unit("C", 1));
    ASSERT_TRUE(parseQuestionSet(s, sink));
    EXPECT_EQ(s.unitCount(), 3);
    EXPECT_EQ(listedUnitCount(s), 1);
}

TEST(WriteQuestionSetFile, GoldenSetReadAndWrittenBackIsByteIdentical) {
    for (const std::string& path :
         {test::golden("question_set.ine"), std::string(TALVOREN_SOURCE_DIR) + "/data/Question.ine"}) {
        CoursewareState s;
        ASSERT_EQ(readQuestionSetFile(s, path), ReadStatus::ok) << path;
        test::RecordingSink sink;
        EXPECT_TRUE(parseQuestionSet(s, sink)) << path;
        test::ScratchDir dir;
        ASSERT_EQ(writeQuestionSetFile(s, dir.file("copy.ine")).status, WriteStatus::ok);
        EXPECT_EQ(test::readBytes(dir.file("copy.ine")), test::readBytes(path)) << path;
    }
}

TEST(WriteQuestionSetFile, EndsEveryLineWithCrLf) {
    test::ScratchDir dir;
    test::writeBytes(dir.file("lf.ine"), test::cp932("<<単元\nx<1\r>>"));
    CoursewareState s;
    readQuestionSetFile(s, dir.file("lf.ine"));
    ASSERT_EQ(writeQuestionSetFile(s, dir.file("lf.ine")).status, WriteStatus::ok);
    EXPECT_EQ(test::readBytes(dir.file("lf.ine")), test::cp932("<<単元\r\nx<1\r\n>>\r\n"));
}

TEST(WriteQuestionSetFile, ReportsALineWithoutACodePage932FormAndWritesNothing) {
    test::ScratchDir dir;
    CoursewareState s;
    s.setText({"<<単元", "x<1", "<<絵😀", ">>"});
    const WriteResult r = writeQuestionSetFile(s, dir.file("a.ine"));
    EXPECT_EQ(r.status, WriteStatus::unencodable);
    EXPECT_EQ(r.badLine, 3);
    EXPECT_EQ(writeFailureText("/a.ine", r),
              "3行目の「😀」はシフトJISで書けない文字のため、ファイルを保存できませんでした：/a.ine");
    EXPECT_TRUE(dir.entries().empty());
}

TEST(WriteQuestionSetFile, AFailedWriteKeepsThePreviousFile) {
    test::ScratchDir dir;
    const std::string old = test::cp932("<<前の単元\r\nx<1\r\n>>\r\n");
    test::writeBytes(dir.file("a.ine"), old);
    CoursewareState s;
    s.setText(units(10, 7));
    test::FailingCalls calls(test::FailingCalls::Point::write, 20);
    const WriteResult r = writeQuestionSetFile(s, dir.file("a.ine"), calls);
    EXPECT_EQ(r.status, WriteStatus::failed);
    EXPECT_EQ(writeFailureText("/a.ine", r), "ファイルを保存できませんでした：/a.ine（No space left on device）");
    EXPECT_EQ(test::readBytes(dir.file("a.ine")), old);
}

TEST(BackupQuestionSet, RestoreBringsBackTextUnitPositionsAndTables) {
    CoursewareState s;
    test::RecordingSink sink;
    s.setText(units(3, 2));
    ASSERT_TRUE(parseQuestionSet(s, sink));
    s.chooseUnit(2, 2);
    s.backUp();

    s.setText({"<<other", "x<5"});
    parseQuestionSet(s, sink);
    s.startAtFirstUnit();
    s.restore(sink);

    EXPECT_EQ(s.questionSetText(), units(3, 2));
    EXPECT_EQ(s.currentUnit(), 2);
    EXPECT_EQ(s.unitPosition()[2], 2);
    EXPECT_EQ(s.unitTitles()[1], "U1");
    EXPECT_EQ(s.unitQuestionCount()[1], 2);
}

}  // namespace
}  // namespace talvoren
