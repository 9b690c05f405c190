// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// もっと練習 in the frame: made questions on the current unit's skills, the
// skill bars in a dock beside the page, mastery kept in the record file.
// While it runs, 次の問題 brings the next made question. Once the last
// question of a unit is solved, the dock offers もっと練習 for that unit.

#include <QDockWidget>
#include <memory>

#include "courseware/controls.h"
#include "courseware/practice.h"
#include "courseware/practice_log.h"
#include "courseware/practice_steps.h"
#include "courseware/question_set.h"
#include "solving/hints.h"
#include "solving/worksheet.h"

class QLabel;
class QMainWindow;
class QPushButton;

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
    // The offer after the unit's last question, with the unit's bars; taken
    // back by the next click on the page's controls.
    void offer(int unit, const std::string& recordPath);
    // The offer goes when the set it was made for may change (開く, 編集).
    void withdrawOffer();
    bool offered() const { return offeredUnit_ != 0; }
    QPushButton* offerButton() const { return btnOffer_; }

    // A click while practising; false when the controls should take it as usual.
    bool click(Control control, const Controls& controls);
    void questionSolved();
    // The hint key while practising; true when it asked for a hint.
    bool hintKey(char32_t key);
    SkillBars* bars() const { return bars_; }
    // The pupil's log in a records folder, told the mastery after each solved question.
    void setLog(PracticeLog* log) { log_ = log; }

private:
    void nextQuestion();

    Worksheet& worksheet_;
    HintCoach& coach_;
    const CoursewareState& set_;
    QDockWidget* dock_;
    SkillBars* bars_;
    QLabel* lblOffer_;
    QPushButton* btnOffer_;
    int offeredUnit_ = 0;
    int starts_ = 0;  // practices started, so that a click can tell one started during it
    std::string recordPath_;
    Mastery mastery_;
    std::unique_ptr<PracticeSession> session_;
    std::unique_ptr<PracticeSteps> steps_;
    int number_ = 0;
    PracticeLog* log_ = nullptr;
};

}  // namespace talvoren::ui
