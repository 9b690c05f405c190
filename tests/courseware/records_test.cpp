// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/records.h"

#include <gtest/gtest.h>

#include "support.h"

namespace talvoren {
namespace {

LocalClock fixedClock(LocalTime t) {
    return [t] { return t; };
}

CoursewareState setOf(std::vector<std::pair<std::string, int>> unitsAndCounts) {
    return test::setOfUnits(unitsAndCounts);
}

class Records : public ::testing::Test {
protected:
    test::ScratchDir dir;
    test::RecordingSink sink;
    PracticeRecords records{dir.dir(), sink, fixedClock({2026, 12, 7, 9, 5})};

    std::string file() const { return test::readBytes(records.path()); }
};

TEST(RecordDate, HasTwoDigitFieldsAndTheFullYear) {
    EXPECT_EQ(recordDate({2026, 12, 7, 9, 5}), "2026年12月07日09:05");
    EXPECT_EQ(recordDate({2027, 1, 31, 0, 0}), "2027年01月31日00:00");
    EXPECT_EQ(recordDate({2027, 1, 31, 23, 59}), "2027年01月31日23:59");
}

struct CountCase {
    const char* name;
    const char* text;
    std::optional<int> count;
};

class RecordCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(RecordCount, IsADecimalIntegerFrom0To9999) {
    EXPECT_EQ(parseRecordCount(GetParam().text), GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RecordCount,
    ::testing::Values(CountCase{"zero", "0", 0}, CountCase{"three", "3", 3},
                      CountCase{"leading_zeros", "007", 7}, CountCase{"largest", "9999", 9999},
                      CountCase{"too_large", "10000", std::nullopt},
                      CountCase{"hand_edited_huge", "99999999", std::nullopt},
                      CountCase{"beyond_32_bits", "2147483648", std::nullopt},
                      CountCase{"negative", "-1", std::nullopt},
                      CountCase{"plus_sign", "+1", std::nullopt},
                      CountCase{"hex", "0x10", std::nullopt},
                      CountCase{"letters", "abc", std::nullopt},
                      CountCase{"empty", "", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct MarkCase {
    const char* name;
    int count;
    std::string mark;
};

class SolvedMark : public ::testing::TestWithParam<MarkCase> {};

TEST_P(SolvedMark, IsOneStarForASolvedQuestionHoweverOften) {
    EXPECT_EQ(solvedMark(GetParam().count), GetParam().mark);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, SolvedMark,
    ::testing::Values(MarkCase{"never", 0, ""}, MarkCase{"once", 1, "★"},
                      MarkCase{"again", 2, "★"}, MarkCase{"many", 11, "★"}, MarkCase{"largest", 9999, "★"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Records, TheLargestCountsListAsOneStar) {
    std::vector<std::pair<std::string, int>> units;
    std::string file;
    for (int u = 1; u <= maxUnits; ++u) {
        units.emplace_back("単元" + std::to_string(u), maxUnitQuestions);
        file += "[単元" + std::to_string(u) + "]\r\n";
        for (int q = 1; q <= maxUnitQuestions; ++q) file += std::to_string(q) + "=9999\r\n";
    }
    const CoursewareState s = test::setOfUnits(units);
    test::writeBytes(records.path(), test::cp932(file));
    const auto lines = records.listing(s);
    ASSERT_EQ(lines.size(), 80u);
    EXPECT_EQ(lines[1], "  1★");
    EXPECT_EQ(lines[79], "  7★");
}

TEST_F(Records, FirstSolutionCreatesTheSectionWithCountAndDate) {
    const CoursewareState s = setOf({{"単元１", 3}});
    ASSERT_TRUE(records.recordSolved(s, 1, 2));
    EXPECT_EQ(file(), test::cp932("[単元１]\r\n2=1\r\nDATE=2026年12月07日09:05\r\n"));
    EXPECT_EQ(records.listing(s),
              (std::vector<std::string>{"単元１", "2026年12月07日09:05", "  1", "  2★", "  3"}));
    EXPECT_TRUE(sink.shown.empty());
}

TEST_F(Records, ThreeSolutionsOfOneQuestionAreCountedAndShowOneStar) {
    const CoursewareState s = setOf({{"単元１", 2}, {"単元２", 1}});
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(records.recordSolved(s, 1, 1));
    EXPECT_EQ(records.listing(s), (std::vector<std::string>{"単元１", "2026年12月07日09:05",
                                                            "  1★", "  2", "単元２", "  1"}));
    EXPECT_NE(file().find(test::cp932("1=3\r\n")), std::string::npos) << "the count is still kept";
    EXPECT_EQ(records.unitsWithRecords(s), std::vector<std::string>{"単元１"});
}

TEST_F(Records, TheFileMatchesTheGoldenRecordAfterSolves) {
    const CoursewareState s = setOf({{"単元１", 2}, {"Unit B", 3}});
    PracticeRecords later(dir.dir(), sink, fixedClock({2025, 1, 31, 23, 59}));
    ASSERT_TRUE(records.recordSolved(s, 1, 2));
    for (int i = 0; i < 12; ++i) ASSERT_TRUE(records.recordSolved(s, 1, 1));
    ASSERT_TRUE(later.recordSolved(s, 2, 3));
    // The golden file also holds a comment line, which a solve keeps.
    std::string golden = test::readBytes(test::golden("kessavir.rec"));
    const std::string comment = test::cp932("; a comment the tutor never writes\r\n");
    golden.erase(golden.find(comment), comment.size());
    EXPECT_EQ(file(), golden);
}

TEST_F(Records, TwoSetsSharingATitleShareOneSection) {
    const CoursewareState first = setOf({{"基本", 2}});
    const CoursewareState second = setOf({{"応用", 1}, {"基本", 3}});
    ASSERT_TRUE(records.recordSolved(first, 1, 2));
    ASSERT_TRUE(records.recordSolved(second, 2, 2));
    ASSERT_TRUE(records.recordSolved(second, 2, 3));
    EXPECT_EQ(records.listing(second), (std::vector<std::string>{"応用", "  1", "基本",
                                                                 "2026年12月07日09:05", "  1",
                                                                 "  2★", "  3★"}));
}

TEST_F(Records, ACountThatIsNotValidStartsAgainAndNeverGrowsPast9999) {
    const CoursewareState s = setOf({{"A", 3}});
    test::writeBytes(records.path(), "[A]\r\n1=99999999\r\n2=9999\r\n3=x\r\n");
    ASSERT_TRUE(records.recordSolved(s, 1, 1));
    ASSERT_TRUE(records.recordSolved(s, 1, 2));
    ASSERT_TRUE(records.recordSolved(s, 1, 3));
    ReadStatus status;
    const IniFile ini = IniFile::load(records.path(), status, recordFileReadLimit);
    EXPECT_EQ(ini.value("A", "1"), "1");
    EXPECT_EQ(ini.value("A", "2"), "9999");
    EXPECT_EQ(ini.value("A", "3"), "1");
}

TEST_F(Records, ListingReportsInvalidCountsOnceAndKeepsTheOtherUnits) {
    const CoursewareState s = setOf({{"A", 2}, {"B", 1}});
    test::writeBytes(records.path(), "[A]\r\n1=abc\r\n2=99999999\r\nDATE=d\r\n[B]\r\n1=2\r\n");
    EXPECT_EQ(records.listing(s),
              (std::vector<std::string>{"A", "d", "  1", "  2", "B", "  1★"}));
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0],
              "練習の記録に正しくない回数があります（0から9999の整数ではありません）：" +
                  records.path() + "\nA 1=abc\nA 2=99999999");
}

TEST_F(Records, ListsOnlyTheUnitsBeforeTheFirstEmptyTitle) {
    CoursewareState s = setOf({{"A", 1}, {"", 1}, {"C", 1}});
    ASSERT_TRUE(records.recordSolved(s, 3, 1));
    EXPECT_EQ(records.listing(s), (std::vector<std::string>{"A", "  1"}));
    EXPECT_TRUE(records.unitsWithRecords(s).empty());
}

TEST_F(Records, ErasingAUnitRemovesItsCountsAndDateOnly) {
    const CoursewareState s = setOf({{"A", 1}, {"B", 1}});
    ASSERT_TRUE(records.recordSolved(s, 1, 1));
    ASSERT_TRUE(records.recordSolved(s, 2, 1));
    ASSERT_TRUE(records.eraseUnit("A"));
    EXPECT_EQ(records.listing(s),
              (std::vector<std::string>{"A", "  1", "B", "2026年12月07日09:05", "  1★"}));
    EXPECT_EQ(records.unitsWithRecords(s), std::vector<std::string>{"B"});
}

TEST_F(Records, AFailedWriteIsReportedAndKeepsThePreviousFile) {
    const CoursewareState s = setOf({{"A", 1}, {"B", 1}});
    ASSERT_TRUE(records.recordSolved(s, 1, 1));
    ASSERT_TRUE(records.recordSolved(s, 2, 1));
    const std::string before = file();
    using Point = test::FailingCalls::Point;
    const std::pair<Point, const char*> failures[] = {{Point::write, "No space left on device"},
                                                      {Point::fsync, "Input/output error"},
                                                      {Point::close, "Input/output error"},
                                                      {Point::rename, "Invalid cross-device link"}};
    for (const auto& [point, reason] : failures) {
        test::FailingCalls calls(point, 5);
        PracticeRecords failing(dir.dir(), sink, fixedClock({2030, 1, 1, 0, 0}), calls);
        sink.shown.clear();
        EXPECT_FALSE(failing.recordSolved(s, 1, 1));
        EXPECT_EQ(sink.shown, std::vector<std::string>{"練習の記録を保存できませんでした：" + records.path() +
                                                       "（" + reason + "）"});
        EXPECT_EQ(file(), before);
        EXPECT_FALSE(failing.eraseUnit("A"));
        EXPECT_EQ(file(), before);
    }
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"kessavir.rec"});
}

TEST_F(Records, ARecordFileThatIsNotCodePage932IsNeverOverwritten) {
    const CoursewareState s = setOf({{"A", 1}});
    test::writeBytes(records.path(), "[A]\r\n1=\x82\r\n");
    EXPECT_FALSE(records.recordSolved(s, 1, 1));
    EXPECT_EQ(file(), "[A]\r\n1=\x82\r\n");
    EXPECT_EQ(records.listing(s), (std::vector<std::string>{"A", "  1"}));
    EXPECT_EQ(sink.shown, std::vector<std::string>(2, "練習の記録を読み込めませんでした：" +
                                                          records.path()));
}

TEST_F(Records, ARecordFileBeyondTheBoundsIsRefusedAndNeverWritten) {
    const CoursewareState s = setOf({{"A", 1}});
    const std::string lineFeeds(100001, '\n');
    test::writeBytes(records.path(), lineFeeds);
    EXPECT_FALSE(records.recordSolved(s, 1, 1));
    EXPECT_FALSE(records.eraseUnit("A"));
    EXPECT_EQ(file(), lineFeeds);
    EXPECT_EQ(sink.shown.front(), "練習の記録を読み込めませんでした：" + records.path() +
                                      "（ファイルが大きすぎます：4 MB、100000行まで）");
}

TEST(RecordDir, MovesToTheUserDataFolderOnlyForReadOnlyMedia) {
    EXPECT_EQ(chooseRecordDir("/cd/", false, "/x", "/home/p"), "/cd/");
    EXPECT_EQ(chooseRecordDir("/cd/", true, "/data/", "/home/p"), "/data/talvoren/");
    EXPECT_EQ(chooseRecordDir("/cd/", true, nullptr, "/home/p"), "/home/p/.local/share/talvoren/");
    EXPECT_EQ(chooseRecordDir("/cd/", true, "relative", "/home/p"),
              "/home/p/.local/share/talvoren/");
    EXPECT_EQ(chooseRecordDir("/cd/", true, "", "/home/p"), "/home/p/.local/share/talvoren/");
}

TEST(RecordDir, AWritableTemporaryFolderIsNotReadOnly) {
    test::ScratchDir dir;
    EXPECT_FALSE(isOnReadOnlyMedium(dir.dir()));
    EXPECT_EQ(recordDirFor(dir.dir()), dir.dir());
}

TEST(RecordDir, TheUserDataFolderIsCreatedOnTheFirstWrite) {
    test::ScratchDir dir;
    test::RecordingSink sink;
    PracticeRecords records(dir.dir() + "data/talvoren/", sink, fixedClock({2026, 1, 2, 3, 4}));
    const CoursewareState s = setOf({{"A", 1}});
    ASSERT_TRUE(records.recordSolved(s, 1, 1));
    EXPECT_EQ(test::readBytes(dir.file("data/talvoren/kessavir.rec")),
              "[A]\r\n1=1\r\nDATE=" + test::cp932("2026年01月02日03:04") + "\r\n");
}

}  // namespace
}  // namespace talvoren
