// SPDX-License-Identifier: GPL-3.0-or-later
// A lesson logged through play, then the teacher's overview of it.

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/driver.h"

namespace fs = std::filesystem;

namespace talvoren::driver {
namespace {

TEST(DriverClass, LessonOfTwoPupilsAsTheTeacherSeesIt) {
    std::string pattern = (fs::temp_directory_path() / "talvoren-lesson-XXXXXX").string();
    ASSERT_TRUE(mkdtemp(pattern.data()));
    const fs::path root = pattern;
    const fs::path folder = root / "records";
    const fs::path home = fs::current_path();
    fs::current_path(root);
    const std::string common = "records " + folder.string() + "\nselfwrite on\n";
    const struct {
        const char* pupil;
        const char* lesson;
    } pupils[] = {
        // Solves, after writing the relation unturned once.
        {"佐藤", "clock 100\nquestion -2x<4\npress btnShiki1\npress btnWaru\npress btnMinus\npress btn2\n"
                 "press btnJikkou\nclock 130\nwrite x<-2\nclock 150\nwrite x>-2\n"},
        // Busy without a step forward since the start: stuck.
        {"鈴木", "clock 100\nquestion -2x<4\npress btnHint\n"
                 "clock 230\npress btnShiki1\npress btnWaru\npress btnMinus\npress btn2\npress btnJikkou\n"
                 "write x<-2\n"},
    };
    for (const auto& p : pupils) {
        std::ofstream(root / "lesson.play") << common << "pupil " << p.pupil << '\n' << p.lesson;
        std::ostringstream out, err;
        ASSERT_EQ(cmdPlay({(root / "lesson.play").string()}, out, err), 0) << err.str();
    }
    fs::current_path(home);
    std::ostringstream out, err;
    ASSERT_EQ(cmdClass({folder.string(), "240"}, out, err), 0);
    EXPECT_EQ(out.str(),
              "pupil 佐藤 | solved: 1 | steps: 1/1 | hints: 0 | mistakes: noflip=1 | seconds: 50 | flags: -\n"
              "pupil 鈴木 | solved: 0 | steps: 0/0 | hints: 1 | mistakes: noflip=1 | seconds: 120 | flags: stuck\n"
              "question Question.ine 1.1: -2x<4 | pupils: 2 | solved: 1 | common: noflip=2 | example: x<-2\n"
              "logs: 2; events: 8; skipped: 0\n");
    EXPECT_EQ(err.str(), "");
    fs::remove_all(root);
}

}  // namespace
}  // namespace talvoren::driver
