// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/file_io.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include "support.h"

namespace talvoren {
namespace {

using test::FailingCalls;

constexpr ReadLimit limit{1 << 20, 100};

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
                      FailureCase{"at_close", FailingCalls::Point::close, 0},
                      FailureCase{"at_rename", FailingCalls::Point::rename, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// The process dies between writing the new file and renaming it over the
// old one: the old file is whole, and the next save removes the leftover.
class DyingAtRename : public FileSystemCalls {
public:
    int rename(const char*, const char*) override {
        ::raise(SIGKILL);
        return -1;
    }
};

TEST(ReplaceFile, ACrashBeforeTheRenameKeepsTheOldFileAndTheNextSaveClearsUp) {
    test::ScratchDir dir;
    const std::string path = dir.file("a.ine");
    test::writeBytes(path, "old");
    const pid_t child = ::fork();
    if (child == 0) {
        DyingAtRename dying;
        std::string error;
        replaceFile(path, "new", error, dying);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    EXPECT_EQ(test::readBytes(path), "old");
    const std::string prefix = "a.ine.tmp." + std::to_string(child) + ".";
    const auto entries0 = dir.entries();
    const auto leftover = std::find_if(entries0.begin(), entries0.end(),
                                       [&](const std::string& name) { return name.starts_with(prefix); });
    ASSERT_NE(leftover, entries0.end());
    EXPECT_EQ(test::readBytes(dir.file(*leftover)), "new");

    // Names that only look like temporary files stay, and never stop a save.
    const std::vector<std::string> strangers = {"a.ine.tmp.notes", "a.ine.tmp.99999999999999999999.1",
                                                "a.ine.tmp.0.1"};
    for (const std::string& name : strangers) test::writeBytes(dir.file(name), "not a temporary file");
    std::string error;
    ASSERT_TRUE(replaceFile(path, "newer", error));
    EXPECT_EQ(test::readBytes(path), "newer");
    auto entries = dir.entries();
    std::sort(entries.begin(), entries.end());
    std::vector<std::string> expected = strangers;
    expected.push_back("a.ine");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(entries, expected);
}

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
    EXPECT_EQ(readCp932File(dir.file("bad.ine"), text, limit), ReadStatus::notCp932);
    EXPECT_EQ(text, "unchanged");
    EXPECT_EQ(readCp932File(dir.file("none.ine"), text, limit), ReadStatus::missing);
    EXPECT_EQ(readCp932File(dir.dir(), text, limit), ReadStatus::unreadable);
}

struct BoundCase {
    const char* name;
    std::string bytes;
    ReadStatus status;
};

class ReadBounds : public ::testing::TestWithParam<BoundCase> {};

TEST_P(ReadBounds, RefusesAFileBeyondEitherBound) {
    test::ScratchDir dir;
    test::writeBytes(dir.file("a.txt"), GetParam().bytes);
    std::string text = "unchanged";
    EXPECT_EQ(readCp932File(dir.file("a.txt"), text, limit), GetParam().status);
    if (GetParam().status != ReadStatus::ok) {
        EXPECT_EQ(text, "unchanged");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, ReadBounds,
    ::testing::Values(BoundCase{"bytes_at_the_bound", std::string(1 << 20, 'x'), ReadStatus::ok},
                      BoundCase{"one_byte_more", std::string((1 << 20) + 1, 'x'), ReadStatus::tooLarge},
                      BoundCase{"lines_at_the_bound", std::string(100, '\n'), ReadStatus::ok},
                      BoundCase{"crlf_counts_once", test::repeat("a\r\n", 100), ReadStatus::ok},
                      BoundCase{"last_line_without_break", std::string(99, '\n') + "x", ReadStatus::ok},
                      BoundCase{"one_line_more", std::string(100, '\n') + "x", ReadStatus::tooLarge},
                      BoundCase{"lone_breaks_each_count", std::string(101, '\r'), ReadStatus::tooLarge}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadWholeFile, RefusesAHugeFileWithoutReadingIt) {
    test::ScratchDir dir;
    const std::string path = dir.file("huge.ine");
    test::writeBytes(path, "");
    std::filesystem::resize_file(path, std::uintmax_t{50} << 20);  // sparse: nothing to read
    std::string bytes = "unchanged";
    EXPECT_EQ(readWholeFile(path, bytes, 1 << 20), ReadStatus::tooLarge);
    EXPECT_EQ(bytes, "unchanged");
}

}  // namespace
}  // namespace talvoren
