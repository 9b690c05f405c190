// SPDX-License-Identifier: GPL-3.0-or-later
// A lesson logged through play, then the teacher's overview of it.

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "courseware/class_log.h"
#include "courseware/mastery.h"
#include "courseware/mastery_store.h"
#include "courseware/records.h"
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

// もっと練習 leaning on hints to the last level: ten questions solved and
// 向きが変わる still not mastered, so the teacher sees the flag, and each
// made question under its own text as question 0.
TEST(DriverClass, ASkillNotMasteredAfterTenQuestionsIsFlagged) {
    std::string pattern = (fs::temp_directory_path() / "talvoren-practice-XXXXXX").string();
    ASSERT_TRUE(mkdtemp(pattern.data()));
    const fs::path root = pattern;
    const fs::path home = fs::current_path();
    fs::current_path(root);
    std::ofstream play(root / "practice.play");
    play << "records " << (root / "records").string() << "\npupil 田中\nclock 100\nset "
         << TALVOREN_TEST_DIR << "/scenarios/practice.ine\npractice 1 5\n";
    for (int q = 0; q < 10; ++q) play << "press btnHint\npress btnHint\npress btnHint\npress btnJikkou\npress btnNext\n";
    play.close();
    std::ostringstream out, err;
    ASSERT_EQ(cmdPlay({(root / "practice.play").string()}, out, err), 0) << err.str();
    EXPECT_NE(out.str().find(notYetMasteredText(Skill::reversal)), std::string::npos) << out.str();
    fs::current_path(home);
    // The mastery follows the pupil: it is kept in their own record in the
    // folder, and the machine's record file is left alone.
    const Mastery kept = loadMastery(pupilRecordPath((root / "records").string(), "田中"));
    EXPECT_NE(kept.valueText(Skill::reversal), Mastery().valueText(Skill::reversal));
    EXPECT_EQ(loadMastery((root / recordFileName).string()).valueText(Skill::reversal),
              Mastery().valueText(Skill::reversal));

    std::ostringstream overview, warnings;
    ASSERT_EQ(cmdClass({(root / "records").string(), "100000"}, overview, warnings), 0);
    EXPECT_NE(overview.str().find("pupil 田中 | solved: 10 | steps: 10/10 | hints: 30 | mistakes: - | seconds: 0 | "
                                  "flags: mastery\n"),
              std::string::npos)
        << overview.str();
    EXPECT_NE(overview.str().find("question practice.ine 1.0: -6x>54 | pupils: 1 | solved: 1 |"), std::string::npos)
        << overview.str();
    EXPECT_EQ(warnings.str(), "");
    fs::remove_all(root);
}

}  // namespace
}  // namespace talvoren::driver
