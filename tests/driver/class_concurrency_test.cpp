// SPDX-License-Identifier: GPL-3.0-or-later
// A class at work in one records folder: 40 processes, each a pupil solving
// 50 questions, append to their own logs at once while the teacher's
// overview reads the folder. Every event must be there exactly once.

#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "courseware/class_folder.h"
#include "tools/driver.h"

namespace fs = std::filesystem;

namespace talvoren::driver {
namespace {

constexpr int pupilCount = 40;
constexpr int questionsEach = 50;
constexpr int eventsPerQuestion = 3;  // start, step, solved

std::string pupilName(int p) { return "生徒" + std::to_string(p); }

// Each question is stamped with a clock of its own, so that every event of
// the class can be told apart.
void writeScript(const fs::path& script, const fs::path& folder, int p) {
    std::ofstream out(script);
    out << "records " << folder.string() << "\npupil " << pupilName(p) << '\n';
    for (int q = 0; q < questionsEach; ++q)
        out << "clock " << (p * 1000 + q) << "\nquestion 2x<" << (2 * q + 2)
            << "\npress btnShiki1\npress btnWaru\npress btn2\npress btnJikkou\n";
}

pid_t startPupil(const fs::path& workDir, const fs::path& script) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        fs::current_path(workDir);  // each machine has its own practice records
        std::ostringstream out, err;
        ::_exit(cmdPlay({script.string()}, out, err));
    }
    return pid;
}

TEST(ClassConcurrency, FortyPupilsWritingAtOnceLoseNoEventAndTheOverviewReadsMeanwhile) {
    std::string pattern = (fs::temp_directory_path() / "talvoren-class-XXXXXX").string();
    ASSERT_TRUE(mkdtemp(pattern.data()));
    const fs::path root = pattern;
    const fs::path folder = root / "records";
    std::vector<pid_t> pupils;
    for (int p = 0; p < pupilCount; ++p) {
        const fs::path work = root / ("pc" + std::to_string(p));
        fs::create_directories(work);
        writeScript(work / "lesson.play", folder, p);
        pupils.push_back(startPupil(work, work / "lesson.play"));
    }
    // The teacher's overview while they write: never a malformed line.
    int reads = 0;
    for (int alive = pupilCount; alive > 0; ++reads) {
        ClassFolder reading(folder.string());
        reading.refresh();
        for (const auto& [name, log] : reading.logs()) EXPECT_EQ(log.skipped, 0) << name;
        std::ostringstream out, err;
        EXPECT_EQ(cmdClass({folder.string()}, out, err), 0);
        alive = 0;
        for (pid_t& pid : pupils) {
            int status = 0;
            if (pid > 0 && ::waitpid(pid, &status, WNOHANG) == 0) {
                ++alive;
            } else if (pid > 0) {
                EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
                pid = 0;
            }
        }
        if (alive) ::usleep(20000);
    }
    EXPECT_GT(reads, 0);

    ClassFolder finished(folder.string());
    finished.refresh();
    ASSERT_EQ(finished.logs().size(), static_cast<std::size_t>(pupilCount));
    EXPECT_EQ(finished.skippedCount(), 0);
    for (int p = 0; p < pupilCount; ++p) {
        const PupilLog& log = finished.logs().at(pupilName(p));
        std::multiset<std::pair<std::int64_t, std::string>> seen;
        for (const ClassEvent& e : log.events) seen.emplace(e.time, std::string(eventKindName(e.kind)));
        std::multiset<std::pair<std::int64_t, std::string>> expected;
        for (int q = 0; q < questionsEach; ++q)
            for (const char* kind : {"start", "step", "solved"}) expected.emplace(p * 1000 + q, kind);
        EXPECT_EQ(seen, expected) << pupilName(p);
        EXPECT_EQ(log.events.size(), static_cast<std::size_t>(questionsEach * eventsPerQuestion));
    }
    fs::remove_all(root);
}

}  // namespace
}  // namespace talvoren::driver
