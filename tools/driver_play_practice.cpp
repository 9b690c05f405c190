// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/driver_play_practice.h"

#include <sstream>

#include "courseware/mastery_store.h"

namespace talvoren::driver {

PlayPractice::PlayPractice(PlaySession& session, const CoursewareState& set) : play_(session), set_(set) {}

PlayPractice::~PlayPractice() = default;

void PlayPractice::start(const std::string& argument, const std::string& recordPath) {
    std::istringstream words(argument);
    int unit = 0;
    std::uint64_t seed = 0;
    if (!(words >> unit >> seed) || unit < 1 || unit > set_.unitCount() || set_.unitQuestionCount()[unit] < 1) {
        play_.out << "error: practice needs a unit of the set and a seed\n";
        return;
    }
    steps_.reset();
    recordPath_ = recordPath;
    mastery_ = loadMastery(recordPath_);
    session_ = std::make_unique<PracticeSession>(practiceTopics(analyseUnit(set_, unit)), seed, mastery_);
    // In front of whoever follows the page now (the pupil's log, else the hints).
    WorksheetListener* inPlace = play_.worksheet.listenerInPlace();
    steps_ = std::make_unique<PracticeSteps>(play_.worksheet, inPlace ? *inPlace : play_.coach, *session_);
    number_ = 0;
    nextQuestion();
}

void PlayPractice::nextQuestion() {
    const std::optional<MadeQuestion> q = session_->next();
    play_.worksheet.clearSolved();
    play_.worksheet.clearPage();
    if (!q) {
        play_.out << "error: no question could be made\n";
        return;
    }
    play_.out << "question: " << q->text << '\n';
    if (log_) log_->madeQuestionNext(q->text);
    play_.worksheet.setUpQuestion(++number_, q->text);
}

void PlayPractice::questionSolved() {
    const QuestionOutcome outcome = session_->questionSolved();
    for (std::size_t i = 0; i < skillNames.size(); ++i)
        if (session_->skills().test(i))
            play_.trailing.push_back("mastery: " + std::string(skillNames[i]) + ' ' +
                                     masteryText(mastery_.of(static_cast<Skill>(i))));
    if (log_ && session_->current()) log_->masteryTraced(mastery_, session_->current()->skills);
    for (Skill s : outcome.stillNotMastered) play_.worksheet.showMessage(notYetMasteredText(s));
    std::string error;
    if (!saveMastery(recordPath_, mastery_, error)) play_.worksheet.showMessage(error);
}

void PlayPractice::clicked(Control control, const std::function<void()>& click) {
    if (control.kind == ControlKind::chooseUnit) {
        // OK in the unit dialog puts the unit's own question on the page: practice ends there.
        const int setUps = steps_->questionsSetUp();
        click();
        if (steps_->questionsSetUp() != setUps) {
            steps_.reset();
            session_.reset();
        }
        return;
    }
    if (control.kind != ControlKind::next) return steps_->aroundClick(control, play_.coach, click);
    if (goOnToNextQuestion(play_.worksheet)) nextQuestion();
}

}  // namespace talvoren::driver
