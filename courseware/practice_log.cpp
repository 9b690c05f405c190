// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/practice_log.h"

#include <unistd.h>

#include <array>
#include <chrono>
#include <filesystem>
#include <utility>

namespace talvoren {

std::int64_t epochNow() {
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

std::string machineName() {
    std::array<char, 256> name{};
    if (::gethostname(name.data(), name.size() - 1) != 0 || name[0] == '\0') return "unknown";
    return name.data();
}

std::string unwritableFolderMessage(const std::string& folder, const std::string& reason) {
    return "記録フォルダ「" + folder + "」に書き込めません（" + reason +
           "）。練習はこのまま続けられますが、今日の記録は残りません。先生に知らせてください";
}

PracticeLog::PracticeLog(Worksheet& ws, HintCoach& coach, const CoursewareState& s, MessageSink& messages)
    : ws_(ws), coach_(coach), s_(s), messages_(messages), machine_(machineName()) {
    ws_.setListener(this);
}

PracticeLog::~PracticeLog() { ws_.setListener(&coach_); }

std::optional<int> PracticeLog::remainingFrom(int line) const {
    const Plan plan = planWithPlanner(ws_.core(), ws_.state().lineCount, line, ws_.state().lineCapacity);
    if (!plan.found()) return std::nullopt;
    return plan.length();
}

ClassEvent PracticeLog::event(EventKind kind) {
    ClassEvent e;
    e.time = clock_();
    e.pupil = pupil_;
    e.machine = machine_;
    e.set = std::filesystem::path(s_.questionSetPath()).filename().string();
    e.unit = unit_;
    e.question = question_;
    e.questionText = questionText_;
    e.line = ws_.state().lineCount;
    e.kind = kind;
    return e;
}

void PracticeLog::write(ClassEvent e) {
    e.sinceLast = lastTime_ ? std::max<std::int64_t>(0, e.time - *lastTime_) : 0;
    lastTime_ = e.time;
    std::string error;
    if (appendClassEvent(folder_, e, error)) return;
    if (std::exchange(failureSaid_, true)) return;  // said once; practice goes on
    messages_.showMessage(unwritableFolderMessage(folder_, error));
}

void PracticeLog::flushStart() {
    if (!pendingStart_) return;
    unit_ = s_.currentUnit();
    question_ = madeOnPage_ ? 0 : s_.unitPosition()[static_cast<std::size_t>(unit_)];
    questionText_ = madeOnPage_ ? *madeOnPage_
                                : s_.unitQuestions()[static_cast<std::size_t>(unit_)][static_cast<std::size_t>(question_)];
    ClassEvent e = event(EventKind::start);
    e.time = *std::exchange(pendingStart_, std::nullopt);
    e.line = 1;
    e.shortest = shortest_.value_or(0);
    write(std::move(e));
}

void PracticeLog::actionDone() {
    if (!active()) return;
    flushStart();
    if (coach_.hintsUsed() <= hintsSeen_) return;
    hintsSeen_ = coach_.hintsUsed();
    ClassEvent e = event(EventKind::hint);
    e.code = std::to_string(coach_.level());
    e.text = coach_.hintLine();
    write(std::move(e));
}

void PracticeLog::masteryTraced(const Mastery& mastery, const SkillSet& skills) {
    if (!active()) return;
    for (std::size_t i = 0; i < skillNames.size(); ++i) {
        if (!skills.test(i)) continue;
        ClassEvent e = event(EventKind::mastery);
        e.code = skillNames[i];
        e.text = mastery.valueText(static_cast<Skill>(i));
        write(std::move(e));
    }
}

void PracticeLog::pageCleared() {
    coach_.pageCleared();
    if (!active()) return;
    actionDone();
    hintsSeen_ = 0;
}

void PracticeLog::questionSetUp() {
    coach_.questionSetUp();
    madeOnPage_ = std::exchange(madeNext_, std::nullopt);
    if (!active()) return;
    actionDone();
    hintsSeen_ = 0;
    pendingStart_ = clock_();
    shortest_ = remainingFrom(1);
    remaining_ = shortest_;
}

void PracticeLog::stepExecuted() {
    coach_.stepExecuted();
    if (!active()) return;
    actionDone();
    const WorksheetState& page = ws_.state();
    const std::optional<int> remaining = remainingFrom(page.lineCount);
    const bool nearer = remaining && (!remaining_ || *remaining < *remaining_);
    remaining_ = remaining;
    ClassEvent e = event(nearer ? EventKind::step : EventKind::detour);
    e.operation = std::string(1, static_cast<char>(page.opCode));
    e.number = page.enteredText;
    write(std::move(e));
}

void PracticeLog::stepRefused() {
    coach_.stepRefused();
    if (!active()) return;
    actionDone();
    ClassEvent e = event(EventKind::refused);
    if (ws_.state().opCode != OpCode::none) e.operation = std::string(1, static_cast<char>(ws_.state().opCode));
    e.number = ws_.state().enteredText;
    e.text = std::exchange(lastMessage_, "");
    write(std::move(e));
}

void PracticeLog::lineTakenBack() {
    coach_.lineTakenBack();
    if (!active()) return;
    remaining_ = remainingFrom(ws_.state().lineCount);
}

void PracticeLog::solvedShown() {
    coach_.solvedShown();
    if (!active()) return;
    actionDone();
    ClassEvent e = event(EventKind::solved);
    e.steps = ws_.state().lineCount - 1;
    e.shortest = shortest_.value_or(0);
    write(std::move(e));
}

void PracticeLog::lineEntryOpened() { coach_.lineEntryOpened(); }

void PracticeLog::lineJudged(const LineVerdict& verdict) {
    const std::string written = ws_.entryText();  // before the coach may change the entry
    coach_.lineJudged(verdict);
    if (!active()) return;
    actionDone();
    ClassEvent e = event(EventKind::verdict);
    e.line = ws_.entryLine();
    switch (verdict.kind) {
    case VerdictKind::right: e.code = "right"; break;
    case VerdictKind::unreadable: e.code = "unreadable"; break;
    case VerdictKind::mistake: e.code = "mistake:" + std::string(mistakeCodeName(verdict.code)); break;
    case VerdictKind::shown: e.code = "shown:" + std::string(mistakeCodeName(verdict.code)); break;
    }
    e.text = written;
    write(std::move(e));
}

}  // namespace talvoren
