// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The teacher's overview of a class: per pupil the questions solved, steps
// against the shortest, hints, mistakes by kind, time at work and the flags
// that ask for the teacher (stuck, idle, leaning on hints, the same mistake
// again); per question the pupils who met it, how many solved it and the
// most common mistake with an example line. A refresh reads only what the
// logs gained and sums up again only the pupils whose logs changed.

#include <compare>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "courseware/class_folder.h"
#include "courseware/mastery.h"

namespace talvoren {

// No step forward on a question for this long: stuck. Nothing at all: idle.
inline constexpr std::int64_t stuckAfterSeconds = 120;
inline constexpr std::int64_t idleAfterSeconds = 120;
// A pupil whose last event is older than this has left: no flags.
inline constexpr std::int64_t lessonSeconds = 3600;
// Hints to the last level on this many questions running; the same mistake this many times running.
inline constexpr int hintQuestionsRunning = 3;
inline constexpr int sameMistakesRunning = 3;

// mastery: a skill still not mastered after questionsBeforeNudge questions
// of もっと練習; it stays until the skill is mastered, lesson or not.
enum class PupilFlag { stuck, idle, hints, repeat, mastery };
std::string_view pupilFlagName(PupilFlag flag);
// Why the teacher should look, in a sentence.
std::string_view pupilFlagReason(PupilFlag flag);
// The mastery flag's reason naming its skills: 「分数」「かっこ」を10問…
std::string notMasteredNote(const std::vector<Skill>& skills);

struct QuestionKey {
    std::string set;
    int unit = 0;
    int question = 0;
    std::string text;  // a set edited between lessons may hold another question there
    // Set, unit, question, text; spelled out, since not every library's
    // string has a three-way comparison.
    friend bool operator<(const QuestionKey& a, const QuestionKey& b) {
        return std::tie(a.set, a.unit, a.question, a.text) < std::tie(b.set, b.unit, b.question, b.text);
    }
    friend bool operator==(const QuestionKey&, const QuestionKey&) = default;
};

// One pupil's work on one question.
struct QuestionWork {
    std::string text;
    bool solved = false;
    std::map<std::string, int> mistakes;      // written-line mistakes by code
    std::map<std::string, std::string> examples;  // a written line of each code
};

struct PupilSummary {
    int solved = 0;
    int steps = 0;     // of the solved questions
    int shortest = 0;  // their shortest solutions, added up
    int hints = 0;
    std::map<std::string, int> mistakes;  // by code; "refused" for refused steps
    std::int64_t seconds = 0;  // at work: gaps longer than idleAfterSeconds count as that
    std::map<QuestionKey, QuestionWork> questions;
    // What the flags are worked out from.
    std::int64_t lastEvent = 0;
    std::int64_t lastForward = 0;  // a question started, a step nearer the answer, a line written right
    bool onQuestion = false;       // a question on the page, not yet solved
    bool hintsRunning = false;
    bool sameMistakeRunning = false;
    Mastery mastery;  // as the pupil's last もっと練習 left each skill

    std::vector<PupilFlag> flagsAt(std::int64_t now) const;
    // The skills behind the mastery flag, in the analysis's order.
    std::vector<Skill> skillsNotMastered() const;
};

PupilSummary summarisePupil(const std::vector<ClassEvent>& events);

struct QuestionSummary {
    QuestionKey key;
    std::string text;
    int pupils = 0;
    int solved = 0;
    std::string common;  // the most common mistake's code, "" when none
    int commonCount = 0;
    std::string example;
};

class ClassOverview {
public:
    explicit ClassOverview(std::string folder) : folder_(std::move(folder)) {}

    // Reads what the logs gained; returns the pupils whose summaries changed.
    std::vector<std::string> refresh();

    const std::map<std::string, PupilSummary>& pupils() const { return pupils_; }
    std::vector<QuestionSummary> questions() const;
    const ClassFolder& folder() const { return folder_; }

private:
    ClassFolder folder_;
    std::map<std::string, PupilSummary> pupils_;
};

}  // namespace talvoren
