// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hints on the pupil's own work, the notice of a turned relation and the
// status line of a solved question.
//
// A hint plans from every line on the page and takes the line whose
// remaining way to an answer is shortest (the newest line on a tie). Each
// press of ヒント goes one level further: 1 where to look and what kind of
// step, 2 the exact step, 3 the step set up on the panel as the pupil would
// set it up, so that only 実行 is left. A step executed, a line taken back or
// a new question starts again at level 1.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "solving/planner.h"
#include "solving/worksheet_listener.h"

namespace talvoren {

class Worksheet;

// Plans from line `line` of a page whose newest line is lineCount, on a page
// of `capacity` lines (the planner's planFromLine; tests give their own).
using LinePlanner = std::function<Plan(const CoreState& page, int lineCount, int line, int capacity)>;

// The tutor's own planner.
Plan planWithPlanner(const CoreState& page, int lineCount, int line, int capacity);

// The line a hint is about and the shortest plan from it.
struct HintPlan {
    int line = 0;
    Plan plan;
};

// What one press of ヒント gives.
struct Hint {
    std::string text;
    std::optional<PlanStep> setUp;  // level 3: the step to set up (line, opCode, padText)
};

// The line to hint on: the shortest plan that fits the rest of the page,
// the newest line on a tie; nothing when no line has one.
std::optional<HintPlan> chooseHintLine(const Worksheet& ws, const LinePlanner& planner);

// The hint of a level (1..3) for a chosen plan; plan nothing: no way fits.
Hint hintFor(const Worksheet& ws, const std::optional<HintPlan>& plan, int level);

// The keys that type a pad text: digits, ".", "分の", "-", the letter.
std::vector<std::string> padKeysOf(const std::string& padText);

// The sentence of the hint line after a step that turned the relation
// round, "" after any other step.
std::string turnedRelationNotice(OpCode opCode, bool turned);

// The status line of a solved question; shortest is unknown when nothing.
std::string solvedStatus(int steps, std::optional<int> shortest, int hintsUsed);

inline constexpr int lastHintLevel = 3;

// Keeps the hint level, the hint line, the status line and the hint
// button's state for one worksheet, and shows them through its page.
class HintCoach : public WorksheetListener {
public:
    explicit HintCoach(Worksheet& ws, LinePlanner planner = planWithPlanner);
    ~HintCoach() override;
    HintCoach(const HintCoach&) = delete;
    HintCoach& operator=(const HintCoach&) = delete;

    // ヒント: the next level's hint, shown in the hint line.
    void giveHint();
    // The key H (either case) asks for a hint unless it is the question's
    // letter; true when the key was taken.
    bool hintKey(char32_t key);

    bool hintEnabled() const { return enabled_; }
    int level() const { return level_; }
    int hintsUsed() const { return hintsUsed_; }
    const std::string& hintLine() const { return hintLine_; }
    const std::string& statusLine() const { return statusLine_; }

    void pageCleared() override;
    void questionSetUp() override;
    void stepExecuted() override;
    void lineTakenBack() override;
    void stepCancelled() override;
    void solvedShown() override;
    void lineEntryOpened() override;
    void lineJudged(const LineVerdict& verdict) override;

private:
    void restartLevels();
    void writingHint();
    void setUpStep(const PlanStep& step);
    void showHint(std::string text);
    void showStatus(std::string text);
    void setEnabled(bool on);

    Worksheet& ws_;
    LinePlanner planner_;
    int level_ = 0;  // the level last shown; 0 before the first press
    int hintsUsed_ = 0;
    std::optional<std::optional<HintPlan>> chosen_;  // the plan the levels follow
    std::string hintLine_;
    std::string statusLine_;
    bool enabled_ = false;
    bool keepVerdict_ = false;  // the tutor drew a line after two mistakes: its sentence stays
};

}  // namespace talvoren
