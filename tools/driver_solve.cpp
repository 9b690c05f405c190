// SPDX-License-Identifier: GPL-3.0-or-later
// The driver's planning commands: solve and solve-file.

#include <charconv>
#include <chrono>
#include <fstream>

#include "courseware/question_analysis.h"
#include "solving/planner.h"
#include "tools/driver.h"
#include "tools/driver_transcript.h"

namespace talvoren::driver {

namespace {

// The page's capacity: the optional last word, 14 by default; 0 when wrong.
int capacityOf(const Args& args, std::size_t position) {
    if (args.size() <= position) return defaultLineCapacity;
    int capacity = 0;
    const std::string& word = args[position];
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), capacity);
    if (ec != std::errc() || end != word.data() + word.size() || capacity < 2) return 0;
    return capacity;
}

}  // namespace

std::string planAnswerText(const Plan& plan) {
    switch (plan.answer) {
    case AnswerKind::solved: return lineCellsText(plan.answerLine);
    case AnswerKind::noSolution: return noSolutionText;
    case AnswerKind::infinitelyMany: return infinitelyManyText;
    case AnswerKind::none: break;
    }
    return "none";
}

std::vector<std::string> playScript(const Plan& plan) {
    std::vector<std::string> script;
    if (!plan.found()) return script;
    for (const PlanStep& step : plan.steps) {
        for (const Control& control : step.presses) {
            const bool lastPress = &step == &plan.steps.back() && &control == &step.presses.back();
            if (lastPress && plan.answer == AnswerKind::noSolution) script.push_back("reply kainashi");
            if (lastPress && plan.answer == AnswerKind::infinitelyMany) script.push_back("reply musu");
            script.push_back("press " + controlName(control));
        }
    }
    return script;
}

int cmdSolve(const Args& args, std::ostream& out, std::ostream&) {
    if (args.empty() || args.size() > 2) return 2;
    const int capacity = capacityOf(args, 1);
    if (capacity == 0) return 2;
    ReplyQueue replies;
    TranscriptSink sink(out, replies);
    const std::optional<Plan> plan = planQuestion(args[0], capacity, &sink);
    out << "result: " << (plan ? "true" : "false") << '\n';
    if (!plan) return 0;
    if (plan->found())
        out << "steps: " << plan->length() << '\n';
    else
        out << "steps: none\n";
    for (const PlanStep& step : plan->steps)
        out << "step " << step.newLine << ": " << step.drawn.caption << " | "
            << lineCellsText(step.drawn) << '\n';
    out << "answer: " << planAnswerText(*plan) << '\n';
    out << "script:";
    const std::vector<std::string> script = playScript(*plan);
    for (std::size_t i = 0; i < script.size(); ++i) out << (i == 0 ? " " : "; ") << script[i];
    out << '\n';
    return 0;
}

int cmdSolveFile(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args.size() > 2) return 2;
    const int capacity = capacityOf(args, 1);
    if (capacity == 0) return 2;
    std::ifstream file(args[0]);
    if (!file) {
        err << "solve-file: cannot read " << args[0] << '\n';
        return 2;
    }
    long questions = 0;
    long solved = 0;
    long steps = 0;
    std::chrono::nanoseconds planning{0};
    for (std::string text; std::getline(file, text);) {
        if (!text.empty() && text.back() == '\r') text.pop_back();
        if (text.empty()) continue;
        ++questions;
        const auto start = std::chrono::steady_clock::now();
        const std::optional<Plan> plan = planQuestion(text, capacity);
        planning += std::chrono::steady_clock::now() - start;
        out << text << " -> ";
        if (!plan) {
            out << "refused\n";
        } else if (!plan->found()) {
            out << "none in -\n";
        } else {
            ++solved;
            steps += plan->length();
            out << planAnswerText(*plan) << " in " << plan->length() << '\n';
        }
    }
    out << "solved: " << solved << " of " << questions << "; steps: " << steps
        << "; planning: " << std::chrono::duration_cast<std::chrono::microseconds>(planning).count()
        << " us\n";
    return 0;
}

}  // namespace talvoren::driver
