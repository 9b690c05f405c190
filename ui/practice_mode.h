// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// もっと練習 in the frame: made questions on the current unit's skills, the
// skill bars in a dock beside the page, mastery kept in the record file.
// While it runs, 次の問題 brings the next made question.

#include <QDockWidget>
#include <memory>

#include "courseware/controls.h"
#include "courseware/practice.h"
#include "courseware/practice_steps.h"
#include "courseware/question_set.h"
#include "solving/hints.h"
#include "solving/worksheet.h"

class QMainWindow;

namespace talvoren::ui {

class SkillBars;

class PracticeMode {
public:
    PracticeMode(QMainWindow& frame, Worksheet& worksheet, HintCoach& coach, const CoursewareState& set);
    ~PracticeMode();

    bool active() const { return session_ != nullptr; }
    // Starts on the unit with the mastery kept at recordPath.
    void start(int unit, const std::string& recordPath);
    void stop();

    // A click while practising; false when the controls should take it as usual.
    bool click(const std::string& name, const Controls& controls);
    void questionSolved();
    SkillBars* bars() const { return bars_; }

private:
    void nextQuestion();

    Worksheet& worksheet_;
    HintCoach& coach_;
    const CoursewareState& set_;
    QDockWidget* dock_;
    SkillBars* bars_;
    std::string recordPath_;
    Mastery mastery_;
    std::unique_ptr<PracticeSession> session_;
    std::unique_ptr<PracticeSteps> steps_;
    int number_ = 0;
};

}  // namespace talvoren::ui
