// SPDX-License-Identifier: GPL-3.0-or-later
// The play scenarios: each tests/scenarios/NAME.play runs in a fresh
// temporary directory and its transcript must equal NAME.expected.
// TALVOREN_UPDATE_GOLDEN=1 rewrites the expected transcripts instead.

#include <gtest/gtest.h>

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/driver.h"

namespace fs = std::filesystem;

namespace {

const fs::path scenarioDir = fs::path(TALVOREN_TEST_DIR) / "scenarios";

std::vector<std::string> scenarioNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(scenarioDir))
        if (entry.path().extension() == ".play") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// A line diff of two transcripts ("-" expected only, "+" actual only).
std::string lineDiff(const std::string& expected, const std::string& actual) {
    const auto a = linesOf(expected), b = linesOf(actual);
    std::vector<std::vector<int>> common(a.size() + 1, std::vector<int>(b.size() + 1, 0));
    for (std::size_t i = a.size(); i-- > 0;)
        for (std::size_t j = b.size(); j-- > 0;)
            common[i][j] = a[i] == b[j] ? common[i + 1][j + 1] + 1 : std::max(common[i + 1][j], common[i][j + 1]);
    std::ostringstream diff;
    std::size_t i = 0, j = 0;
    while (i < a.size() || j < b.size()) {
        if (i < a.size() && j < b.size() && a[i] == b[j]) {
            diff << "  " << a[i++] << '\n';
            ++j;
        } else if (j < b.size() && (i == a.size() || common[i][j + 1] >= common[i + 1][j])) {
            diff << "+ " << b[j++] << '\n';
        } else {
            diff << "- " << a[i++] << '\n';
        }
    }
    return diff.str();
}

// Runs the play in a temporary working directory of its own.
std::string play(const fs::path& script) {
    const fs::path home = fs::current_path();
    std::string pattern = (fs::temp_directory_path() / "talvoren-play-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary directory");
    const fs::path workDir = pattern;
    fs::current_path(workDir);
    std::ostringstream out, err;
    const int status = talvoren::driver::cmdPlay({script.string()}, out, err);
    fs::current_path(home);
    fs::remove_all(workDir);
    EXPECT_EQ(status, 0) << err.str();
    // The records' dates come from the clock: compare their form only.
    static const std::regex date("[0-9]{4}年[0-9]{2}月[0-9]{2}日[0-9]{2}:[0-9]{2}");
    std::string transcript = std::regex_replace(out.str(), date, "YYYY年MM月DD日hh:mm");
    // A file found beside the script is named by its path there: print it relative.
    const std::string scriptFolder = scenarioDir.string() + "/";
    for (auto at = transcript.find(scriptFolder); at != std::string::npos; at = transcript.find(scriptFolder, at))
        transcript.erase(at, scriptFolder.size());
    return transcript;
}

class PlayScenario : public testing::TestWithParam<std::string> {};

TEST_P(PlayScenario, TranscriptMatchesGolden) {
    const fs::path script = scenarioDir / (GetParam() + ".play");
    const fs::path golden = scenarioDir / (GetParam() + ".expected");
    const std::string actual = play(script);
    const char* update = std::getenv("TALVOREN_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        std::ofstream(golden, std::ios::binary) << actual;
        return;
    }
    ASSERT_TRUE(fs::exists(golden)) << golden << " is missing; TALVOREN_UPDATE_GOLDEN=1 writes it";
    const std::string expected = readFile(golden);
    EXPECT_TRUE(expected == actual) << "transcript of " << script.filename().string()
                                    << " differs (- expected, + actual):\n"
                                    << lineDiff(expected, actual);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, PlayScenario, testing::ValuesIn(scenarioNames()),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
