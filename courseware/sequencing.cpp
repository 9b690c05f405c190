// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/sequencing.h"

#include <sys/stat.h>

#include "courseware/question_screening.h"
#include "courseware/set_reading.h"

namespace talvoren {

namespace {

bool fileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

}  // namespace

void Sequencing::fixFolders(const std::string& path) {
    const std::string appDir = workingDirectory();
    s_.setFolders(appDir, recordDirFor(appDir));
    s_.setPath(path.empty() ? appDir + defaultQuestionSetName : path);
    records_.setRecordDir(s_.recordDir());
}

std::string missingSetText(const std::vector<std::string>& lookedAt) {
    std::string text = "問題ファイルが見つかりません。探した場所：";
    for (std::size_t i = 0; i < lookedAt.size(); ++i) text += (i ? "、" : "") + lookedAt[i];
    return text;
}

std::optional<std::string> Sequencing::startUp(const std::string& path, const std::string& installedSet) {
    fixFolders(path);
    std::string setPath = s_.questionSetPath();
    const int& parseError = worksheet_.core().parseError;
    LoadOutcome outcome = loadQuestionSet(setPath);
    std::vector<std::string> lookedAt{setPath};
    if (outcome == LoadOutcome::missing && path.empty() && !installedSet.empty()) {
        setPath = installedSet;
        lookedAt.push_back(setPath);
        outcome = loadQuestionSet(setPath);
    }
    switch (outcome) {
    case LoadOutcome::started: return std::nullopt;
    case LoadOutcome::startedFromUtf8:
        s_.setSaved(false);  // so that closing offers to save it as Shift-JIS
        return std::nullopt;
    case LoadOutcome::missing: return missingSetText(lookedAt);
    case LoadOutcome::invalid:
        return fatalErrorText(refusedSetText(setPath, refusedLine_), refusedCode_) + refusalNote_;
    case LoadOutcome::notCp932: return fatalErrorText(refusedSetText(setPath, 0), parseError);
    case LoadOutcome::unreadable:
        return fatalErrorText(readFailureText(setPath, ReadStatus::unreadable), parseError);
    case LoadOutcome::tooLarge:
        return fatalErrorText(readFailureText(setPath, ReadStatus::tooLarge), parseError);
    }
    return std::nullopt;
}

std::optional<std::string> Sequencing::startUpWithText(std::vector<std::string> text) {
    fixFolders("");
    s_.setText(std::move(text));
    if (!screenQuestionSet()) return fatalErrorText("問題が不正です", refusedCode_) + refusalNote_;
    if (startQuestionSet()) return std::nullopt;
    return fatalErrorText("問題が不正です", worksheet_.core().parseError);
}

LoadOutcome Sequencing::loadQuestionSet(const std::string& path) {
    if (!fileExists(path)) return LoadOutcome::missing;
    const SetReading reading = readQuestionSetForUse(s_, path, worksheet_.core().messages);
    switch (reading.status) {
    case ReadStatus::ok: break;
    case ReadStatus::notCp932: return LoadOutcome::notCp932;
    case ReadStatus::tooLarge: return LoadOutcome::tooLarge;
    case ReadStatus::missing:
    case ReadStatus::unreadable: return LoadOutcome::unreadable;
    }
    if (!screenQuestionSet()) return LoadOutcome::invalid;
    if (!startQuestionSet()) {
        // Every question read; what is left is a first unit without questions.
        refusedLine_ = s_.unitQuestionLine()[1][1];
        refusalNote_ = "（最初の単元に問題がありません）";
        refusedCode_ = worksheet_.core().parseError;
        return LoadOutcome::invalid;
    }
    return reading.fromUtf8 ? LoadOutcome::startedFromUtf8 : LoadOutcome::started;
}

bool Sequencing::screenQuestionSet() {
    const QuestionSetParse parse = parseQuestionSetText(s_, worksheet_.core().messages);
    if (!parse.ok) {
        refusedLine_ = parse.stopLine;
        refusalNote_ = "（" + parse.stopReason + "）";
        refusedCode_ = worksheet_.core().parseError;
        return false;
    }
    if (const auto refused = firstRefusedQuestion(s_)) {
        refusedLine_ = refused->line;
        refusalNote_ = refusedQuestionNote(*refused);
        refusedCode_ = refused->parseError;
        return false;
    }
    return true;
}

std::string Sequencing::invalidSetText(const std::string& path) const {
    return refusedSetText(path, refusedLine_) + refusalNote_;
}

bool Sequencing::startQuestionSet() {
    if (!worksheet_.startQuestionSet(s_.unitQuestions()[1][1])) return false;
    s_.startAtFirstUnit();
    showUnitTitle();
    return true;
}

void Sequencing::showUnitTitle() { worksheet_.page().setPageCaption(s_.unitTitles()[s_.currentUnit()]); }

bool Sequencing::setUpQuestion(int unit, int n) {
    return worksheet_.setUpQuestion(n, s_.unitQuestions()[unit][n]);
}

void Sequencing::chooseUnit() { changeUnit(); }

bool Sequencing::changeUnit() {
    const UnitPlace before = s_.place();
    if (!unitDialog_.showModal()) return false;
    const int n = s_.unitPosition()[s_.currentUnit()];
    if (n < 1 || n > s_.unitQuestionCount()[s_.currentUnit()]) {
        // A unit without questions (never closed by ">>") has nothing to set
        // up: refused as if cancelled, so records keep going to the page's unit.
        worksheet_.core().messages.showMessage(noQuestionsInUnitMessage);
        s_.returnTo(before);
        return false;
    }
    worksheet_.clearSolved();
    worksheet_.clearPage();
    setUpQuestion(s_.currentUnit(), n);
    showUnitTitle();
    return true;
}

bool Sequencing::advanceQuestion() {
    if (s_.advanceInUnit()) {
        worksheet_.clearPage();
        setUpQuestion(s_.currentUnit(), s_.unitPosition()[s_.currentUnit()]);
        showUnitTitle();
        return true;
    }
    return worksheet_.core().messages.ask("確認", "終了しました。単元を変えますか", Buttons::yesNo,
                                        Icon::question) == Answer::yes &&
           changeUnit();
}

void Sequencing::nextQuestion() {
    const bool goOn = worksheet_.state().answerKind != AnswerKind::none ||
                      worksheet_.core().messages.ask("確認", "まだ解が出ていませんが次の問題に進みますか",
                                                   Buttons::yesNo, Icon::question) == Answer::yes;
    // Staying put keeps the solved state on show: its answer, its blinking
    // and the refusal of corrections, so the question cannot be solved and
    // counted again.
    if (!goOn || !advanceQuestion()) return;
    worksheet_.clearSolved();
    worksheet_.page().showNextGlyph(0);
}

void Sequencing::blink() {
    worksheet_.page().showNextGlyph(blinkShowsSecond_ ? 1 : 0);
    blinkShowsSecond_ = !blinkShowsSecond_;
}

bool Sequencing::questionSolved() {
    return records_.recordSolved(s_, s_.currentUnit(), s_.unitPosition()[s_.currentUnit()], &worksheet_.writingTally());
}

}  // namespace talvoren
