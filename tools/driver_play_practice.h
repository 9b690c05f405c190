// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `practice U SEED` in play: もっと練習 on unit U of the loaded set. Each made
// question prints "question: TEXT" as it is put on the page; a solved one
// prints "mastery: SKILL P" per skill of the unit after the command's other
// lines, and the mastery is kept in the record file.

#include <memory>
#include <string>

#include "courseware/mastery.h"
#include "courseware/practice.h"
#include "courseware/practice_log.h"
#include "courseware/practice_steps.h"
#include "courseware/question_set.h"
#include "tools/driver_play_session.h"

namespace talvoren::driver {

class PlayPractice {
public:
    PlayPractice(PlaySession& session, const CoursewareState& set);
    ~PlayPractice();

    // Starts practice with the mastery kept in the record file at recordPath;
    // an error line when the argument names no unit with questions.
    void start(const std::string& argument, const std::string& recordPath);
    bool active() const { return session_ != nullptr; }

    void nextQuestion();
    void questionSolved();
    // Around a click while practising: a refused step and a giving-away hint count as wrong.
    void clicked(Control control, const std::function<void()>& click);
    // The pupil's log, told the mastery after each solved question.
    void setLog(PracticeLog& log) { log_ = &log; }
    // The hint key while practising; true when it asked for a hint.
    bool hintKey(char32_t key) { return steps_->hintKey(play_.coach, key); }

private:
    PlaySession& play_;
    const CoursewareState& set_;
    std::string recordPath_;
    Mastery mastery_;
    std::unique_ptr<PracticeSession> session_;
    std::unique_ptr<PracticeSteps> steps_;
    int number_ = 0;  // questions put on the page
    PracticeLog* log_ = nullptr;
};

}  // namespace talvoren::driver
