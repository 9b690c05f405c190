// SPDX-License-Identifier: GPL-3.0-or-later
// The driver's report command: the check's lines, then one line per
// question of a set that passed, each agreeing with solve.

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

std::string run(const Args& args) {
    std::ostringstream out, err;
    EXPECT_EQ(runDriver(args, out, err), 0) << err.str();
    return out.str();
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string setFile(const std::string& text) {
    std::string pattern = (std::filesystem::temp_directory_path() / "talvoren-report-XXXXXX").string();
    const int fd = mkstemp(pattern.data());
    EXPECT_GE(fd, 0);
    ::close(fd);
    std::ofstream(pattern, std::ios::binary) << sjis::toCp932(text).value();
    return pattern;
}

TEST(DriverReport, AFailedCheckPrintsTheCheckAlone) {
    const std::string path = setFile("<<一\r\nx<1\r\n>>\r\n<<二\r\n2x+3y<1\r\n>>\r\n");
    EXPECT_EQ(run({"report", path}), run({"check", path}));
    std::filesystem::remove(path);
}

TEST(DriverReport, StartsWithTheCheckThenOneLinePerQuestionInOrder) {
    const std::string path = setFile("<<一\r\nx+3<5\r\n2 x<4\r\n>>\r\n<<二\r\n-x>4\r\n>>\r\n");
    const std::vector<std::string> lines = linesOf(run({"report", path}));
    ASSERT_EQ(lines.size(), 8u);
    // The blank's warning is the check's; the analysis shows nothing again.
    EXPECT_EQ(lines[0], "box[警告]: 空白があります -> ok");
    EXPECT_EQ(lines[1], "units: 2");
    EXPECT_TRUE(lines[5].starts_with("question 1.1: x+3<5 | answer: ")) << lines[5];
    EXPECT_TRUE(lines[6].starts_with("question 1.2: 2 x<4 | answer: ")) << lines[6];
    EXPECT_TRUE(lines[7].starts_with("question 2.1: -x>4 | answer: ")) << lines[7];
    std::filesystem::remove(path);
}

TEST(DriverReport, WantsExactlyOneFile) {
    std::ostringstream out, err;
    EXPECT_EQ(runDriver({"report"}, out, err), 2);
}

}  // namespace
}  // namespace talvoren::driver
