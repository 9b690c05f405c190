// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/practice_mode.h"

#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QVBoxLayout>
#include <chrono>

#include "courseware/mastery_store.h"
#include "ui/skill_bars.h"

namespace talvoren::ui {

PracticeMode::PracticeMode(QMainWindow& frame, Worksheet& worksheet, HintCoach& coach, const CoursewareState& set)
    : worksheet_(worksheet), coach_(coach), set_(set) {
    dock_ = new QDockWidget(QStringLiteral("もっと練習：習熟度"), &frame);
    dock_->setObjectName(QStringLiteral("practiceDock"));
    dock_->setFeatures(QDockWidget::NoDockWidgetFeatures);
    auto* content = new QWidget(dock_);
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(4, 4, 4, 4);
    lblOffer_ = new QLabel(QString::fromUtf8(practiceOfferText), content);
    lblOffer_->setObjectName(QStringLiteral("lblPracticeOffer"));
    lblOffer_->setWordWrap(true);
    btnOffer_ = new QPushButton(QStringLiteral("もっと練習"), content);
    btnOffer_->setObjectName(QStringLiteral("btnPracticeOffer"));
    bars_ = new SkillBars(content);
    column->addWidget(lblOffer_);
    column->addWidget(btnOffer_);
    column->addWidget(bars_, 1);
    dock_->setWidget(content);
    lblOffer_->hide();
    btnOffer_->hide();
    QObject::connect(btnOffer_, &QPushButton::clicked, dock_, [this, &frame] {
        const int unit = offeredUnit_;
        start(unit, recordPath_);
        frame.setFocus();  // the keys go on working the page
    });
    frame.addDockWidget(Qt::RightDockWidgetArea, dock_);
    dock_->hide();
}

PracticeMode::~PracticeMode() = default;

void PracticeMode::offer(int unit, const std::string& recordPath) {
    recordPath_ = recordPath;
    offeredUnit_ = unit;
    bars_->showMastery(loadMastery(recordPath_), practiceSkills(practiceTopics(analyseUnit(set_, unit))));
    lblOffer_->show();
    btnOffer_->show();
    dock_->show();
}

void PracticeMode::withdrawOffer() {
    if (!offered()) return;
    offeredUnit_ = 0;
    lblOffer_->hide();
    btnOffer_->hide();
    if (!active()) dock_->hide();
}

void PracticeMode::start(int unit, const std::string& recordPath) {
    withdrawOffer();
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
    ++starts_;
    bars_->showMastery(mastery_, session_->skills());
    // A unit whose questions need none of the skills has no bars to show.
    dock_->setVisible(session_->skills().any());
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
    if (log_) log_->madeQuestionNext(q->text);
    worksheet_.setUpQuestion(++number_, q->text);
}

bool PracticeMode::click(Control control, const Controls& controls) {
    if (control.kind == ControlKind::next || control.kind == ControlKind::chooseUnit) withdrawOffer();
    if (!active() || !controls.enabled(control)) return false;
    if (control.kind == ControlKind::chooseUnit) {
        // OK in the unit dialog takes the pupil back to the unit's own
        // questions; cancel leaves the made question and its practice going,
        // and its もっと練習 has started practice afresh.
        const int starts = starts_;
        const int setUps = steps_->questionsSetUp();
        controls.click(control);
        if (starts_ == starts && steps_->questionsSetUp() != setUps) stop();
        return true;
    }
    if (control.kind == ControlKind::next) {
        if (goOnToNextQuestion(worksheet_)) nextQuestion();
        return true;
    }
    steps_->aroundClick(control, coach_, [&] { controls.click(control); });
    return true;
}

bool PracticeMode::hintKey(char32_t key) { return active() ? steps_->hintKey(coach_, key) : coach_.hintKey(key); }

void PracticeMode::questionSolved() {
    const QuestionOutcome outcome = session_->questionSolved();
    bars_->showMastery(mastery_, session_->skills());
    std::string error;
    if (!saveMastery(recordPath_, mastery_, error)) worksheet_.showMessage(error);
    if (log_ && session_->current()) log_->masteryTraced(mastery_, session_->current()->skills);
    for (Skill s : outcome.newlyMastered)
        worksheet_.showMessage("★「" + std::string(skillName(s)) + "」が身につきました。よくがんばりましたね！");
    for (Skill s : outcome.stillNotMastered) worksheet_.showMessage(notYetMasteredText(s));
}

}  // namespace talvoren::ui
