// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Judges each step of a practice question for the mastery: a step that
// brings the answer one step nearer (the shortest plan from its line is one
// shorter than before) is right; one that does not, a refused step and a
// hint that names or sets up the step, and a mistake in a line the pupil
// writes, are wrong. It listens to the worksheet in place of the hint coach
// and passes every event on to it.

#include <functional>
#include <string>

#include "courseware/practice.h"
#include "solving/control.h"
#include "solving/hints.h"
#include "solving/worksheet.h"
#include "solving/worksheet_listener.h"

namespace talvoren {

class PracticeSteps : public WorksheetListener {
public:
    PracticeSteps(Worksheet& worksheet, WorksheetListener& passOn, PracticeSession& session);
    ~PracticeSteps() override;
    PracticeSteps(const PracticeSteps&) = delete;
    PracticeSteps& operator=(const PracticeSteps&) = delete;

    void pageCleared() override { passOn_.pageCleared(); }
    void questionSetUp() override;
    void stepExecuted() override;
    void lineTakenBack() override;
    void stepCancelled() override { passOn_.stepCancelled(); }
    void solvedShown() override { passOn_.solvedShown(); }
    void stepRefused() override { passOn_.stepRefused(); }
    void lineEntryOpened() override { passOn_.lineEntryOpened(); }
    // 計算も自分で: a written line's mistake is a wrong step.
    void lineJudged(const LineVerdict& verdict) override;

    // Runs a click on the control `name`, judging what it did: execute
    // without a new line is a refused step, a hint of level 2 or 3 gives the
    // step away.
    void aroundClick(Control control, const HintCoach& coach, const std::function<void()>& click);
    // The key H asks for the same hints as the button and counts the same;
    // true when the coach took the key.
    bool hintKey(HintCoach& coach, char32_t key);
    // Questions put on the page while practising, made or not: the unit
    // dialog's OK puts the unit's own one there, which ends practice.
    int questionsSetUp() const { return questionsSetUp_; }

private:
    int remainingFrom(int line) const;
    // A hint of level 2 or 3 just given names or sets up the step.
    void judgeHint(const HintCoach& coach, int levelBefore);

    Worksheet& worksheet_;
    WorksheetListener& passOn_;
    PracticeSession& session_;
    int remaining_ = 0;  // steps of the shortest plan from the newest line
    int questionsSetUp_ = 0;
};

// 次の問題 while practising: at once on a solved page, else after the
// pupil agrees to leave the question unsolved.
bool goOnToNextQuestion(const Worksheet& worksheet);

}  // namespace talvoren
