// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/practice_steps.h"

#include "solving/line_diagnosis.h"
#include "solving/planner.h"

namespace talvoren {

PracticeSteps::PracticeSteps(Worksheet& worksheet, WorksheetListener& passOn, PracticeSession& session)
    : worksheet_(worksheet), passOn_(passOn), session_(session) {
    worksheet_.setListener(this);
}

PracticeSteps::~PracticeSteps() { worksheet_.setListener(&passOn_); }

int PracticeSteps::remainingFrom(int line) const {
    // On the lines alone: in the middle of a step the page's own state still
    // holds the step's operation, which a replayed plan must not inherit.
    const WorksheetState& page = worksheet_.state();
    const Plan plan = planFromLine(worksheet_.core(), page.lineCount, line, page.lineCapacity);
    return plan.found() ? plan.length() : remaining_ + 1;
}

void PracticeSteps::questionSetUp() {
    ++questionsSetUp_;
    remaining_ = remainingFrom(1);
    passOn_.questionSetUp();
}

void PracticeSteps::stepExecuted() {
    const int now = remainingFrom(worksheet_.state().lineCount);
    session_.stepTaken(now < remaining_);
    remaining_ = now;
    passOn_.stepExecuted();
}

void PracticeSteps::lineJudged(const LineVerdict& verdict) {
    if (verdict.kind == VerdictKind::mistake) session_.stepTaken(false);
    passOn_.lineJudged(verdict);
}

void PracticeSteps::lineTakenBack() {
    remaining_ = remainingFrom(worksheet_.state().lineCount);
    passOn_.lineTakenBack();
}

void PracticeSteps::aroundClick(Control control, const HintCoach& coach,
                                const std::function<void()>& click) {
    const int lines = worksheet_.state().lineCount;
    const bool executable = worksheet_.jikkouEnabled();
    const int level = coach.level();
    click();
    if (control.kind == ControlKind::execute && executable && worksheet_.state().lineCount == lines &&
        worksheet_.state().answerKind == AnswerKind::none)
        session_.stepTaken(false);
    if (control.kind == ControlKind::hint) judgeHint(coach, level);
}

bool PracticeSteps::hintKey(HintCoach& coach, char32_t key) {
    const int level = coach.level();
    if (!coach.hintKey(key)) return false;
    judgeHint(coach, level);
    return true;
}

void PracticeSteps::judgeHint(const HintCoach& coach, int levelBefore) {
    if (coach.level() != levelBefore && coach.level() >= 2) session_.stepTaken(false);
}

bool goOnToNextQuestion(const Worksheet& worksheet) {
    return worksheet.state().answerKind != AnswerKind::none ||
           worksheet.core().messages.ask("確認", "まだ解が出ていませんが次の問題に進みますか", Buttons::yesNo,
                                         Icon::question) == Answer::yes;
}

}  // namespace talvoren
