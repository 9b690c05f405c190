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

// The value after "NAME: " up to the next " | " (or the end of the line).
std::string field(const std::string& line, const std::string& name) {
    const std::size_t start = line.find(name + ": ");
    if (start == std::string::npos) return "?";
    const std::size_t from = start + name.size() + 2;
    return line.substr(from, line.find(" | ", from) - from);
}

TEST(DriverReport, EveryQuestionOfTheDefaultSetAgreesWithSolve) {
    const std::vector<std::string> lines =
        linesOf(run({"report", std::string(TALVOREN_SOURCE_DIR) + "/data/Question.ine"}));
    ASSERT_EQ(lines.size(), 4u + 45u) << "the check's four lines, then the 45 questions";
    for (std::size_t i = 4; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const std::size_t colon = line.find(": ");
        const std::string text = line.substr(colon + 2, line.find(" | ") - colon - 2);
        std::string solveSteps, solveAnswer;
        for (const std::string& out : linesOf(run({"solve", text}))) {
            if (out.starts_with("steps: ")) solveSteps = out.substr(7);
            if (out.starts_with("answer: ")) solveAnswer = out.substr(8);
        }
        EXPECT_EQ(field(line, "answer"), solveAnswer) << line;
        EXPECT_EQ(field(line, "steps"), solveSteps) << line;
        EXPECT_NE(field(line, "answer"), "none") << "every question of the default set is solved: " << line;
        EXPECT_EQ(field(line, "fits"), "640 yes, 800 yes, 1024 yes") << line;
    }
}

TEST(DriverReport, NamesTheSkillsOfTypicalQuestions) {
    const std::string path = setFile("<<一\r\n-2x<6\r\n5(x-1)<2(x+4)\r\n0.3x+1.2<0.5x-0.4\r\n"
                                     "2(x+1)<2x+1\r\nx+3>x-1\r\n2/3x-1/2<1/6\r\n>>\r\n");
    const std::vector<std::string> lines = linesOf(run({"report", path}));
    ASSERT_EQ(lines.size(), 10u);
    const std::vector<std::string> skills = {"向きが変わる", "かっこ,両辺に文字", "小数,両辺に文字,向きが変わる",
                                             "かっこ,両辺に文字,解なし", "両辺に文字,解は無数にある", "分数"};
    for (std::size_t i = 0; i < skills.size(); ++i) EXPECT_EQ(field(lines[4 + i], "skills"), skills[i]) << lines[4 + i];
    EXPECT_EQ(field(lines[4], "answer"), "1x1 0>2 -3/1");
    std::filesystem::remove(path);
}

TEST(DriverReport, WantsExactlyOneFile) {
    std::ostringstream out, err;
    EXPECT_EQ(runDriver({"report"}, out, err), 2);
}

}  // namespace
}  // namespace talvoren::driver
