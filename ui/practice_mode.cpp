// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/practice_mode.h"

#include <QMainWindow>
#include <chrono>

#include "courseware/mastery_store.h"
#include "ui/skill_bars.h"

namespace talvoren::ui {

PracticeMode::PracticeMode(QMainWindow& frame, Worksheet& worksheet, HintCoach& coach, const CoursewareState& set)
    : worksheet_(worksheet), coach_(coach), set_(set) {
    dock_ = new QDockWidget(QStringLiteral("もっと練習：習熟度"), &frame);
    dock_->setObjectName(QStringLiteral("practiceDock"));
    dock_->setFeatures(QDockWidget::NoDockWidgetFeatures);
    bars_ = new SkillBars(dock_);
    dock_->setWidget(bars_);
    frame.addDockWidget(Qt::RightDockWidgetArea, dock_);
    dock_->hide();
}

PracticeMode::~PracticeMode() = default;

void PracticeMode::start(int unit, const std::string& recordPath) {
    steps_.reset();
    recordPath_ = recordPath;
    mastery_ = loadMastery(recordPath_);
    // A new run of questions each time the pupil starts.
    const auto seed = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    session_ = std::make_unique<PracticeSession>(practiceTopics(analyseUnit(set_, unit)), seed, mastery_);
    // In front of whoever follows the page now (the pupil's log, else the hints).
    WorksheetListener* inPlace = worksheet_.listenerInPlace();
    steps_ = std::make_unique<PracticeSteps>(worksheet_, inPlace ? *inPlace : coach_, *session_);
    number_ = 0;
    bars_->showMastery(mastery_, session_->skills());
    dock_->show();
    nextQuestion();
}

void PracticeMode::stop() {
    steps_.reset();
    session_.reset();
    dock_->hide();
}

void PracticeMode::nextQuestion() {
    const std::optional<MadeQuestion> q = session_->next();
    worksheet_.clearSolved();
    worksheet_.clearPage();
    if (!q) {
        worksheet_.showMessage("この単元の練習問題を作れませんでした。単元選択からほかの単元を選んでください");
        return stop();
    }
    worksheet_.setUpQuestion(++number_, q->text);
}

bool PracticeMode::click(const std::string& name, const Controls& controls) {
    if (!active() || !controls.enabled(name)) return false;
    if (name == "BitBtn1") {
        stop();  // the unit dialog takes the pupil back to the unit's own questions
        return false;
    }
    if (name == "btnNext") {
        if (goOnToNextQuestion(worksheet_)) nextQuestion();
        return true;
    }
    steps_->aroundClick(name, coach_, [&] { controls.click(name); });
    return true;
}

void PracticeMode::questionSolved() {
    const QuestionOutcome outcome = session_->questionSolved();
    bars_->showMastery(mastery_, session_->skills());
    std::string error;
    if (!saveMastery(recordPath_, mastery_, error)) worksheet_.showMessage(error);
    for (Skill s : outcome.newlyMastered)
        worksheet_.showMessage("★「" + std::string(skillName(s)) + "」が身につきました。よくがんばりましたね！");
    for (Skill s : outcome.stillNotMastered) worksheet_.showMessage(notYetMasteredText(s));
}

}  // namespace talvoren::ui
