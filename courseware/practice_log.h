// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes the pupil's practice to their log in the records folder: each
// question put on the page, each step (and whether it brought the answer
// nearer), each refusal, hint, written line and solution, one event a line.
// It listens to the worksheet in front of the hint coach, which hears every
// event first. Without a records folder and a pupil it writes nothing.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/messages.h"
#include "courseware/class_log.h"
#include "courseware/mastery.h"
#include "courseware/question_set.h"
#include "solving/hints.h"
#include "solving/worksheet.h"

namespace talvoren {

using EpochClock = std::function<std::int64_t()>;
std::int64_t epochNow();
// This machine's name as the system knows it.
std::string machineName();

std::string unwritableFolderMessage(const std::string& folder, const std::string& reason);

class PracticeLog : public WorksheetListener {
public:
    PracticeLog(Worksheet& ws, HintCoach& coach, const CoursewareState& s, MessageSink& messages);
    ~PracticeLog() override;
    PracticeLog(const PracticeLog&) = delete;
    PracticeLog& operator=(const PracticeLog&) = delete;

    void setFolder(std::string folder) { folder_ = std::move(folder); }
    void setPupil(std::string pupil) { pupil_ = std::move(pupil); }
    void setClock(EpochClock clock) { clock_ = std::move(clock); }
    void setMachine(std::string machine) { machine_ = std::move(machine); }
    bool active() const { return !folder_.empty() && !pupil_.empty(); }
    const std::string& pupil() const { return pupil_; }
    const std::string& folder() const { return folder_; }
    // Where the pupil's mastery is kept: their own record in the records
    // folder while one is set, else the working folder's record file.
    std::string masteryRecordPath(const std::string& workingRecord) const {
        return active() ? pupilRecordPath(folder_, pupil_) : workingRecord;
    }

    // The text of a message just shown (a refused step's reason).
    void messageShown(const std::string& text) { lastMessage_ = text; }
    // After each action of the pupil: logs a hint the coach gave and the
    // question put on the page, now that its unit and number are settled.
    void actionDone();
    // もっと練習: the mastery of these skills once a question of them is
    // solved, one event a skill, so that the class overview can tell the
    // teacher of a skill not mastered after many questions.
    void masteryTraced(const Mastery& mastery, const SkillSet& skills);
    // もっと練習: the next question set up is this made one, not a question
    // of the set; it is logged as question 0 of the unit.
    void madeQuestionNext(std::string text) { madeNext_ = std::move(text); }

    void pageCleared() override;
    void questionSetUp() override;
    void stepExecuted() override;
    void stepRefused() override;
    void lineTakenBack() override;
    void stepCancelled() override { coach_.stepCancelled(); }
    void solvedShown() override;
    void lineEntryOpened() override;
    void lineJudged(const LineVerdict& verdict) override;

private:
    ClassEvent event(EventKind kind);
    void write(ClassEvent event);
    void flushStart();
    std::optional<int> remainingFrom(int line) const;

    Worksheet& ws_;
    HintCoach& coach_;
    const CoursewareState& s_;
    MessageSink& messages_;
    std::string folder_;
    std::string pupil_;
    std::string machine_;
    EpochClock clock_ = epochNow;

    std::optional<std::int64_t> lastTime_;
    std::optional<std::int64_t> pendingStart_;  // when the question went on the page
    int unit_ = 0;
    int question_ = 0;
    std::string questionText_;
    std::optional<std::string> madeNext_;     // told before the made question is set up
    std::optional<std::string> madeOnPage_;   // the made question now on the page
    std::optional<int> shortest_;   // from the question as set
    std::optional<int> remaining_;  // from the newest line
    int hintsSeen_ = 0;
    std::string lastMessage_;
    bool failureSaid_ = false;
};

}  // namespace talvoren
