#include "courseware/file_io.h"

#include <gtest/gtest.h>

#include "support.h"

namespace talvoren {
namespace {

using test::FailingCalls;

struct SplitCase {
    const char* name;
    std::string text;
    std::vector<std::string> lines;
};

class SplitLines : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLines, EndsLinesAtEveryKindOfBreak) {
    EXPECT_EQ(splitLines(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Breaks, SplitLines,
    ::testing::Values(
        SplitCase{"crlf", "a\r\nb\r\n", {"a", "b"}},
        SplitCase{"lone_lf", "a\nb\n", {"a", "b"}},
        SplitCase{"lone_cr", "a\rb\r", {"a", "b"}},
        SplitCase{"mixed", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        SplitCase{"no_final_break", "a\r\nb", {"a", "b"}},
        SplitCase{"empty_lines_kept", "a\r\n\r\n\nb\r\n", {"a", "", "", "b"}},
        SplitCase{"lf_cr_is_two_breaks", "a\n\rb", {"a", "", "b"}},
        SplitCase{"only_a_break", "\r\n", {""}},
        SplitCase{"empty", "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReplaceFile, CreatesAndReplacesAFile) {
    test::ScratchDir dir;
    const std::string path = dir.file("a.txt");
    std::string error;
    ASSERT_TRUE(replaceFile(path, "first", error));
    ASSERT_TRUE(replaceFile(path, "second", error));
    EXPECT_EQ(test::readBytes(path), "second");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"a.txt"});
}

struct FailureCase {
    const char* name;
    FailingCalls::Point point;
    std::size_t writeLimit;
};

class ReplaceFileFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ReplaceFileFailure, KeepsTheOldFileWholeAndLeavesNoTemporary) {
    test::ScratchDir dir;
    const std::string path = dir.file("kessavir.rec");
    const std::string old = "[単元]\r\n1=3\r\n";
    test::writeBytes(path, old);
    FailingCalls calls(GetParam().point, GetParam().writeLimit);
    std::string error;
    EXPECT_FALSE(replaceFile(path, std::string(4096, 'x'), error, calls));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(test::readBytes(path), old);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"kessavir.rec"});
}

INSTANTIATE_TEST_SUITE_P(
    Points, ReplaceFileFailure,
    ::testing::Values(FailureCase{"no_byte_written", FailingCalls::Point::write, 0},
                      FailureCase{"midway_through_writing", FailingCalls::Point::write, 1000},
                      FailureCase{"at_flush", FailingCalls::Point::fsync, 0},
                      FailureCase{"at_rename", FailingCalls::Point::rename, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReplaceFile, ReportsAFolderThatDoesNotExist) {
    test::ScratchDir dir;
    std::string error;
    EXPECT_FALSE(replaceFile(dir.file("missing/a.txt"), "x", error));
    EXPECT_FALSE(error.empty());
}

TEST(ReadCp932File, RefusesBytesThatAreNotCodePage932) {
    test::ScratchDir dir;
    std::string text = "unchanged";
    test::writeBytes(dir.file("bad.ine"), "<<\x82\r\n");  // a lead byte without its trail
    EXPECT_EQ(readCp932File(dir.file("bad.ine"), text), ReadStatus::notCp932);
    EXPECT_EQ(text, "unchanged");
    EXPECT_EQ(readCp932File(dir.file("none.ine"), text), ReadStatus::missing);
    EXPECT_EQ(readCp932File(dir.dir(), text), ReadStatus::unreadable);
}

}  // namespace
}  // namespace talvoren
