// SPDX-License-Identifier: GPL-3.0-or-later
// Following the hints alone: on random questions, ヒント pressed three times
// and then 実行, again and again, solves each question in exactly the
// planner's number of steps.

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <regex>
#include <sstream>

#include "solving/planner.h"
#include "solving/random_questions.h"
#include "tools/driver_player.h"

namespace fs = std::filesystem;

namespace {

// Runs the test in a temporary working directory (a play writes the record file there).
class InTemporaryDirectory {
public:
    InTemporaryDirectory() : home_(fs::current_path()) {
        std::string pattern = (fs::temp_directory_path() / "talvoren-hints-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary directory");
        dir_ = pattern;
        fs::current_path(dir_);
    }
    ~InTemporaryDirectory() {
        fs::current_path(home_);
        fs::remove_all(dir_);
    }

private:
    fs::path home_;
    fs::path dir_;
};

TEST(FollowingHints, SolvesRandomQuestionsInThePlannersNumberOfSteps) {
    InTemporaryDirectory inTemporaryDirectory;
    talvoren::test::QuestionGenerator generator(20261208);
    const std::regex stateLine("state: lineCount=([0-9]+) .* answerKind=([0-9]+) solvedFlag=([01])");
    int planned = 0;
    for (int q = 0; q < 200; ++q) {
        const std::string text = generator.next().text;
        SCOPED_TRACE(text);
        const std::optional<talvoren::Plan> plan = talvoren::planQuestion(text);
        ASSERT_TRUE(plan.has_value());
        if (!plan->found() || plan->steps.empty()) continue;
        ++planned;
        std::ostringstream out;
        talvoren::driver::Player player(out, "");
        player.runLine("question " + text);
        for (int step = 1; step <= plan->length(); ++step) {
            for (int press = 0; press < 3; ++press) player.runLine("press btnHint");
            if (step == plan->length() && plan->answer == talvoren::AnswerKind::noSolution) player.runLine("reply kainashi");
            if (step == plan->length() && plan->answer == talvoren::AnswerKind::infinitelyMany) player.runLine("reply musu");
            player.runLine("press btnJikkou");
        }
        player.runLine("state");
        const std::string transcript = out.str();
        std::smatch state;
        ASSERT_TRUE(std::regex_search(transcript, state, stateLine)) << transcript;
        EXPECT_EQ(state[3], "1") << transcript;
        EXPECT_EQ(std::stoi(state[1]), plan->length() + 1) << transcript;
        EXPECT_EQ(transcript.find("message:"), std::string::npos) << transcript;
        EXPECT_NE(transcript.find("status: " + std::to_string(plan->length()) + "回の操作で解けました（最短は" +
                                  std::to_string(plan->length()) + "回）"),
                  std::string::npos)
            << transcript;
    }
    EXPECT_GT(planned, 150) << "most random questions have a plan";
}

}  // namespace
