// SPDX-License-Identifier: GPL-3.0-or-later
// Two copies of the program solving in one folder: two processes, each a
// `play` that solves the same question 100 times, must together count 200
// solutions in the record file (the file is locked from reading to writing).

#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "courseware/ini_file.h"
#include "courseware/records.h"
#include "tools/driver.h"

namespace fs = std::filesystem;

namespace talvoren::driver {
namespace {

constexpr int solvesPerProcess = 100;

pid_t startSolving(const fs::path& script) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::ostringstream out, err;
        ::_exit(cmdPlay({script.string()}, out, err));
    }
    return pid;
}

TEST(RecordLock, TwoProcessesInOneFolderCountEverySolution) {
    const fs::path home = fs::current_path();
    std::string pattern = (fs::temp_directory_path() / "talvoren-lock-XXXXXX").string();
    ASSERT_TRUE(mkdtemp(pattern.data()));
    const fs::path dir = pattern;
    {
        std::ofstream script(dir / "solve.play");
        for (int i = 0; i < solvesPerProcess; ++i)
            script << "question 2x<4\npress btnShiki1\npress btnWaru\npress btn2\npress btnJikkou\n";
    }
    fs::current_path(dir);
    const pid_t first = startSolving(dir / "solve.play");
    const pid_t second = startSolving(dir / "solve.play");
    int firstStatus = -1, secondStatus = -1;
    ::waitpid(first, &firstStatus, 0);
    ::waitpid(second, &secondStatus, 0);
    fs::current_path(home);

    EXPECT_EQ(firstStatus, 0);
    EXPECT_EQ(secondStatus, 0);
    ReadStatus status;
    const IniFile records = IniFile::load((dir / "kessavir.rec").string(), status, recordFileReadLimit);
    EXPECT_EQ(status, ReadStatus::ok);
    EXPECT_EQ(records.readString("test", "1", ""), std::to_string(2 * solvesPerProcess));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2)
        << "only the script and the record file are left";
    fs::remove_all(dir);
}

}  // namespace
}  // namespace talvoren::driver
