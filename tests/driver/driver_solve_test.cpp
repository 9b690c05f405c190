// SPDX-License-Identifier: GPL-3.0-or-later
// The driver's solve and solve-file, and every plan of the benchmark's
// question file carried out through play: the lines play draws are the
// planned ones and the question ends solved.

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "tools/driver.h"

namespace talvoren::driver {
namespace {

namespace fs = std::filesystem;

struct SolveCase {
    const char* name;
    Args args;
    std::string transcript;
};

class Solve : public ::testing::TestWithParam<SolveCase> {};

TEST_P(Solve, PrintsThePlan) {
    std::ostringstream out, err;
    EXPECT_EQ(runDriver(GetParam().args, out, err), 0) << err.str();
    EXPECT_EQ(out.str(), GetParam().transcript);
}

INSTANTIATE_TEST_SUITE_P(
    Driver, Solve,
    ::testing::Values(
        SolveCase{"SubtractThenDivide", {"solve", "2x+3<5"},
                  "result: true\nsteps: 2\n"
                  "step 2: ①式の両辺から3をひくと | 2x1 0<1 2/1\n"
                  "step 3: ②式の両辺を2で割ると | 1x1 0<2 1/1\n"
                  "answer: 1x1 0<2 1/1\n"
                  "script: press btnShiki1; press btnHiku; press btn3; press btnJikkou; "
                  "press btnShiki2; press btnWaru; press btn2; press btnJikkou\n"},
        SolveCase{"InfinitelyMany", {"solve", "x+3>x-1"},
                  "result: true\nsteps: 1\n"
                  "step 2: ①式の両辺からxをひくと | 3/1 0>1 -1/1\n"
                  "answer: 解は無数にある\n"
                  "script: press btnShiki1; press btnHiku; press btnMoji; reply musu; press btnJikkou\n"},
        SolveCase{"NoSolution", {"solve", "2(x+1)<2x+1"},
                  "result: true\nsteps: 2\n"
                  "step 2: ①式のかっこをはずすと | 2x1 2/1 0<1 2x1 1/1\n"
                  "step 3: ②式の両辺から2xをひくと | 2/1 0<1 1/1\n"
                  "answer: 解なし\n"
                  "script: press btnShiki1; press btnKakko; press btnJikkou; press btnShiki2; "
                  "press btnHiku; press btn2; press btnMoji; reply kainashi; press btnJikkou\n"},
        SolveCase{"AlreadySolved", {"solve", "x<3"},
                  "result: true\nsteps: 0\nanswer: 1x1 0<1 3/1\nscript:\n"},
        SolveCase{"ParserMessagesFirst", {"solve", "2 x<4"},
                  "box[警告]: 空白があります -> ok\nresult: true\nsteps: 1\n"
                  "step 2: ①式の両辺を2で割ると | 1x1 0<2 2/1\n"
                  "answer: 1x1 0<2 2/1\n"
                  "script: press btnShiki1; press btnWaru; press btn2; press btnJikkou\n"},
        SolveCase{"Refused", {"solve", "x=1"}, "message: ＝の位置が不正です\nresult: false\n"},
        SolveCase{"NoPlanFitsThePage", {"solve", "3(x-2)+4>5x-(x+1)", "4"},
                  "result: true\nsteps: none\nanswer: none\nscript:\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Solve, WrongCommandLines) {
    for (const Args& args : {Args{"solve"}, Args{"solve", "x<1", "many"}, Args{"solve", "x<1", "14", "more"},
                             Args{"solve-file"}, Args{"solve-file", "/nonexistent/file"}}) {
        std::ostringstream out, err;
        EXPECT_EQ(runDriver(args, out, err), 2) << args.size();
        EXPECT_NE(err.str().find("usage:"), std::string::npos);
    }
}

// A folder of its own for the files a test writes, removed afterwards.
class Scratch {
public:
    Scratch() {
        // A memory file system where there is one: play's record file is
        // written safely (flushed to disk) after every solved question.
        const fs::path shm = "/dev/shm";
        const fs::path base = fs::is_directory(shm) ? shm : fs::temp_directory_path();
        std::string pattern = (base / "talvoren-solve-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary directory");
        dir_ = pattern;
    }
    ~Scratch() { fs::remove_all(dir_); }
    fs::path write(const std::string& name, const std::string& text) const {
        std::ofstream(dir_ / name, std::ios::binary) << text;
        return dir_ / name;
    }
    const fs::path& dir() const { return dir_; }

private:
    fs::path dir_;
};

TEST(SolveFile, OneLinePerQuestionAndTheTotals) {
    Scratch scratch;
    const fs::path file = scratch.write("questions.txt", "x<3\n\nx=1\r\n2x+3<5\n3(x-2)+4>5x-(x+1)\n");
    std::ostringstream out, err;
    ASSERT_EQ(runDriver({"solve-file", file.string(), "4"}, out, err), 0) << err.str();
    const std::string text = out.str();
    const std::string expectedStart =
        "x<3 -> 1x1 0<1 3/1 in 0\n"
        "x=1 -> refused\n"
        "2x+3<5 -> 1x1 0<2 1/1 in 2\n"
        "3(x-2)+4>5x-(x+1) -> none in -\n"
        "solved: 2 of 4; steps: 2; planning: ";
    EXPECT_EQ(text.substr(0, expectedStart.size()), expectedStart);
    EXPECT_TRUE(text.ends_with(" us\n")) << text;
}

std::vector<std::string> questionsOf(const fs::path& file) {
    std::ifstream in(file);
    std::vector<std::string> questions;
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) questions.push_back(line);
    return questions;
}

// What play prints for the plan's lines and its answer.
std::vector<std::string> expectedPlayLines(const Plan& plan) {
    std::vector<std::string> lines;
    for (const PlanStep& step : plan.steps)
        lines.push_back("line " + std::to_string(step.newLine) + ": " + step.drawn.caption + " | " +
                        lineCellsText(step.drawn));
    if (plan.answer == AnswerKind::solved) lines.push_back("answerline: " + lineCellsText(plan.answerLine));
    if (plan.answer == AnswerKind::noSolution) lines.push_back("answertext: 【答】解なし");
    if (plan.answer == AnswerKind::infinitelyMany) lines.push_back("answertext: 【答】解は無数にある");
    lines.push_back("solved");
    return lines;
}

TEST(SolveFile, EveryPlanOfTheBenchmarkQuestionsReplaysThroughPlay) {
    const fs::path file = fs::path(TALVOREN_SOURCE_DIR) / "bench/planner_questions.txt";
    const std::vector<std::string> questions = questionsOf(file);
    ASSERT_EQ(questions.size(), 1000u);
    Scratch scratch;
    const fs::path home = fs::current_path();
    fs::current_path(scratch.dir());  // play writes its record file here
    int replayed = 0;
    for (const std::string& question : questions) {
        SCOPED_TRACE(question);
        const std::optional<Plan> plan =
            planQuestion(question, defaultLineCapacity, nullptr, {PlanBudget{}.maxNodes, std::chrono::seconds(30)});
        ASSERT_TRUE(plan && plan->found());
        if (plan->steps.empty()) continue;
        std::string script = "question " + question + "\n";
        for (const std::string& command : playScript(*plan)) script += command + "\n";
        std::ostringstream out, err;
        ASSERT_EQ(cmdPlay({scratch.write("plan.play", script).string()}, out, err), 0) << err.str();
        // Each expected line appears in order; nothing is refused on the way.
        const std::string transcript = out.str();
        std::size_t at = 0;
        for (const std::string& line : expectedPlayLines(*plan)) {
            const std::size_t found = transcript.find(line + "\n", at);
            ASSERT_NE(found, std::string::npos) << "missing: " << line << "\n" << transcript;
            at = found + line.size();
        }
        EXPECT_EQ(transcript.find("message:"), std::string::npos) << transcript;
        ++replayed;
    }
    fs::current_path(home);
    EXPECT_GT(replayed, 900);
}

// Rows "QUESTION | SET | TRY VERDICT ..." whose sets SymPy gave
// (numberline_sympy.py): each question's plan is played and tried.
TEST(NumberLine, AgreesWithSymPyAndEveryTryGetsItsVerdict) {
    std::ifstream in(fs::path(TALVOREN_TEST_DIR) / "driver/numberline_questions.txt");
    Scratch scratch;
    const fs::path home = fs::current_path();
    fs::current_path(scratch.dir());
    int rows = 0;
    for (std::string row; std::getline(in, row); ++rows) {
        std::vector<std::string> fields;
        for (std::size_t at = 0, bar; at != std::string::npos; at = bar == std::string::npos ? bar : bar + 3) {
            bar = row.find(" | ", at);
            fields.push_back(row.substr(at, bar == std::string::npos ? bar : bar - at));
        }
        SCOPED_TRACE(row);
        ASSERT_GE(fields.size(), 4u);
        const std::optional<Plan> plan = planQuestion(fields[0]);
        ASSERT_TRUE(plan && plan->found());
        std::string script = "question " + fields[0] + "\n";
        for (const std::string& command : playScript(*plan)) script += command + "\n";
        std::string expected = "numberline: " + fields[1] + "\n";
        for (std::size_t k = 2; k < fields.size(); ++k) {
            const std::size_t space = fields[k].rfind(' ');
            script += "try " + fields[k].substr(0, space) + "\n";
            expected += fields[k].substr(space + 1) + "\n";
        }
        std::ostringstream out, err;
        ASSERT_EQ(cmdPlay({scratch.write("try.play", script).string()}, out, err), 0);
        // The numberline line and the verdicts of the try lines, in order.
        std::istringstream transcript(out.str());
        std::string got;
        for (std::string line; std::getline(transcript, line);) {
            if (line.starts_with("numberline: ")) got += line + "\n";
            if (line.starts_with("try: ")) got += line.substr(line.rfind(' ') + 1) + "\n";
        }
        EXPECT_EQ(got, expected) << out.str();
    }
    fs::current_path(home);
    EXPECT_EQ(rows, 1000);
}

}  // namespace
}  // namespace talvoren::driver
