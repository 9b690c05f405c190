// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/practice_steps.h"

#include "solving/planner.h"

namespace talvoren {

PracticeSteps::PracticeSteps(Worksheet& worksheet, WorksheetListener& passOn, PracticeSession& session)
    : worksheet_(worksheet), passOn_(passOn), session_(session) {
    worksheet_.setListener(this);
}

PracticeSteps::~PracticeSteps() { worksheet_.setListener(&passOn_); }

int PracticeSteps::remainingFrom(int line) const {
    const Plan plan = planFromLine(worksheet_, line);
    return plan.found() ? plan.length() : remaining_ + 1;
}

void PracticeSteps::questionSetUp() {
    remaining_ = remainingFrom(1);
    passOn_.questionSetUp();
}

void PracticeSteps::stepExecuted() {
    const int now = remainingFrom(worksheet_.state().lineCount);
    session_.stepTaken(now < remaining_);
    remaining_ = now;
    passOn_.stepExecuted();
}

void PracticeSteps::lineTakenBack() {
    remaining_ = remainingFrom(worksheet_.state().lineCount);
    passOn_.lineTakenBack();
}

void PracticeSteps::hintShown(int level) {
    if (level >= 2) session_.stepTaken(false);
}

}  // namespace talvoren
