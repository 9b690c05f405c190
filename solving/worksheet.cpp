// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/worksheet.h"

#include <algorithm>
#include <utility>

#include "core/entry_parser.h"
#include "core/question_parser.h"
#include "core/transform.h"
#include "solving/executor.h"
#include "solving/line_labels.h"
#include "solving/written_line.h"
#include "solving/solution_set.h"

namespace talvoren {

StateNumbers stateNumbers(StepState s) {
    switch (s) {
    case StepState::Idle: return {0, 0};
    case StepState::LineChosen: return {1, 1};
    case StepState::OpChosen: return {2, 2};
    case StepState::Typing: return {2, 3};
    case StepState::SecondChosen: return {3, 1};
    case StepState::Writing: return {4, 0};
    }
    return {0, 0};
}

int answerKindNumber(AnswerKind kind) {
    switch (kind) {
    case AnswerKind::none: return 0;
    case AnswerKind::solved: return 1;
    case AnswerKind::infinitelyMany: return 3;
    case AnswerKind::noSolution: return 4;
    }
    return 0;
}

Worksheet::Worksheet(CoreState& coreState, Page& thePage, int capacity) : core_(coreState), page_(thePage) {
    state_.lineCapacity = capacity;
}

Worksheet::Worksheet(CoreState& coreState, Page& thePage, const PageState& state)
    : core_(coreState), page_(thePage), state_(state.worksheet), shown_(state.shown) {}

Worksheet::Worksheet(CoreState& coreState, Page& thePage, const Worksheet& other)
    : core_(coreState), page_(thePage), state_(other.state_), shown_(other.shown_) {}

PageState Worksheet::pageState() const { return {core_.tables(), state_, shown_}; }

void Worksheet::restore(const PageState& state) {
    core_.restore(state.tables);
    state_ = state.worksheet;
    shown_ = state.shown;
}

void Worksheet::copyStateFrom(const Worksheet& other) {
    state_ = other.state_;
    shown_ = other.shown_;
}

void Worksheet::setLineCapacity(int capacity) { state_.lineCapacity = capacity; }

// ---- the page model ------------------------------------------------------

bool Worksheet::lineButtonEnabled(int n) const {
    return lineButton(n) && shown_.lineButtonEnabled[static_cast<std::size_t>(n)];
}

void Worksheet::setDescription(std::string text) {
    shown_.description = std::move(text);
    page_.showDescription(shown_.description);
}

void Worksheet::appendDescription(std::string_view text) { setDescription(shown_.description + std::string(text)); }

void Worksheet::setPanel(std::string text) {
    if (text.empty()) state_.padEntry = {};  // the entry is what the display shows
    shown_.panel = std::move(text);
    page_.showPanel(shown_.panel);
}

void Worksheet::setJikkouEnabled(bool on) {
    shown_.jikkouEnabled = on;
    page_.setJikkouEnabled(on);
}

void Worksheet::setLineButtonEnabled(int n, bool on) {
    if (!lineButton(n)) return;
    shown_.lineButtonEnabled[static_cast<std::size_t>(n)] = on;
    page_.setLineButtonEnabled(n, on);
}

void Worksheet::setBlinkTimer(bool on) {
    shown_.blinkTimerOn = on;
    page_.setBlinkTimer(on);
}

void Worksheet::setListener(WorksheetListener* listener) { listener_ = listener; }

void Worksheet::setSolvedReport(std::function<void()> report) { solvedReport_ = std::move(report); }

WorksheetListener& Worksheet::listener() {
    static WorksheetListener nobody;
    return listener_ ? *listener_ : nobody;
}

void Worksheet::showMessage(std::string_view text) { core_.messages.showMessage(std::string(text)); }

void Worksheet::showNotices() { talvoren::showNotices(core_.messages, core_.notices); }

bool Worksheet::lineButton(int n) const { return n >= 1 && n <= std::min(maxLineButtons, state_.lineCapacity); }

void Worksheet::focusDefaultButton() {
    // 次の問題 is always enabled: the focus goes to it when 実行 is not.
    page_.focusButton(shown_.jikkouEnabled ? FocusTarget::jikkou : FocusTarget::next);
}

// ---- steps ---------------------------------------------------------------

void Worksheet::selectLine(int n) {
    // Line 0 is the scratch line, never a line of the page.
    if (state_.solvedFlag || n < 1 || n > state_.lineCount) return;
    if (state_.step != StepState::Idle && state_.step != StepState::OpChosen) {
        showMessage(wrongOperationMessage);
        return;
    }
    if (state_.step == StepState::Idle) {
        setDescription("");
        state_.firstLine = n;
        state_.step = StepState::LineChosen;
    } else {
        state_.secondLine = n;
        state_.step = StepState::SecondChosen;
    }
    appendDescription(std::string(lineLabel(n)) + "式");
    state_.selectionMade = true;
}

void Worksheet::chooseOperation(OpCode code) {
    const Operation* operation = operationOf(code);
    if (!operation) return;
    if (state_.step != StepState::LineChosen) {
        showMessage(wrongOperationMessage);
        return;
    }
    state_.opCode = operation->code;
    setJikkouEnabled(true);
    appendDescription(operation->text);
    state_.step = StepState::OpChosen;
    focusDefaultButton();
}

void Worksheet::padAppend(std::string_view text) {
    if (!state_.padEntry.from) state_.padEntry.from = shown_.description.size();
    setPanel(shown_.panel + std::string(text));
    // A negative number stands in its brackets while it is typed: "(-3)".
    if (const std::string& d = shown_.description; state_.padEntry.negative)
        setDescription(d.substr(0, d.size() - 1) + std::string(text) + ")");
    else
        appendDescription(text);
    state_.step = StepState::Typing;
    setJikkouEnabled(true);
}

void Worksheet::padMinus(std::string_view minus) {
    const std::size_t from = shown_.description.size();
    setPanel(std::string(minus));
    state_.padEntry = {from, true};
    appendDescription("(" + std::string(minus) + ")");
}

void Worksheet::padClear() {
    if (state_.padEntry.from) setDescription(shown_.description.substr(0, *state_.padEntry.from));
    setPanel("");
}

void Worksheet::chooseOperationEnablingJikkou(OpCode code) {
    chooseOperation(code);
    setJikkouEnabled(true);
}

bool Worksheet::firstLineHasBrackets() const {
    // Line 0 is the scratch line of checks and previews, not a page line.
    const int n = state_.firstLine;
    if (n < 1 || n >= answerLineIndex) return false;
    return hasBracketsInLine(line(n));
}

// The execute checks that need no executor; true when the step is refused.
bool Worksheet::executeRefused() {
    const StepState step = state_.step;
    const bool noOperation = step == StepState::Idle || step == StepState::LineChosen;
    const bool missingNumber = padOpen(step) && shown_.panel.empty() && needsNumber(state_.opCode);
    const bool lineAsFactor = step == StepState::SecondChosen && scalesBothSides(state_.opCode);
    if (noOperation || missingNumber || lineAsFactor) {
        showMessage(wrongOperationMessage);
        return true;
    }
    // The page has no slot left for another line.
    if (state_.lineCount >= state_.lineCapacity) {
        showMessage("これ以上式を書けません");
        return true;
    }
    return false;
}

StepContext Worksheet::stepContext() const {
    return {state_.opCode,          state_.firstLine,  state_.secondLine,
            state_.step == StepState::SecondChosen, state_.enteredTerm, state_.enteredText,
            state_.lineCount};
}

std::optional<bool> Worksheet::executeStep() {
    setPanel("");
    const StepResult result = applyOperation(core_, stepContext());
    showNotices();
    if (!result.refusal.empty()) showMessage(result.refusal);
    const bool takenBack = result.confirmation && core_.messages.ask(confirmationCaption, *result.confirmation,
                                                                     Buttons::yesNo, Icon::question) == Answer::yes;
    if (takenBack) clearLine(core_, state_.lineCount);  // a refused step has left its slot empty already
    if (!result.accepted() || takenBack) {
        state_.signReversed = false;  // the reset after a refusal acts as the correction
        return std::nullopt;
    }
    if (result.confirmation) lineAt(state_.lineCount).caption = *result.sentence;
    return result.signReversed;
}

void Worksheet::execute() {
    if (state_.step == StepState::Writing) {
        submitWrittenLine();
        return;
    }
    state_.selectionMade = false;
    page_.unmarkAllLines();
    state_.enteredText = shown_.panel;
    const ExprCell term = parseEntry(core_, state_.enteredText);
    showNotices();
    if (term.den == 0) return;  // the entry parser has said why; the pupil may type on
    state_.enteredTerm = term;
    if (executeRefused()) {
        listener().stepRefused();
        return;
    }

    ++state_.lineCount;
    const std::optional<bool> signReversed = executeStep();
    if (!signReversed) {
        resetStep();
        --state_.lineCount;
        listener().stepRefused();
        return;
    }
    if (selfWrite_)
        openLineEntry(*signReversed);
    else
        completeStep(*signReversed);
}

void Worksheet::completeStep(bool signReversed) {
    const int target = state_.lineCount;
    page_.drawCaption(target, lineAt(target).caption);
    state_.signReversed = signReversed;  // the relation is drawn red
    drawLine(target);
    state_.firstLine = 0;
    state_.signReversed = false;
    setLineButtonEnabled(state_.lineCount, true);
    listener().stepExecuted();

    concludeJudgement(judged(state_.lineCount));
    if (state_.answerKind != AnswerKind::none) {
        showSolved();
        if (solvedReport_) solvedReport_();
    } else if (state_.lineCount >= state_.lineCapacity) {
        showMessage("残念ですが" + std::to_string(state_.lineCapacity - 1) + "回の操作では解けませんでした");
        setDescription("［訂正］で式を消して、やりなおしましょう");  // no line is left for a step
    } else {
        // The step is done: the line now asks for the next one, not for it.
        setDescription(std::string(nextStepPrompt));
    }

    state_.step = StepState::Idle;
    setJikkouEnabled(false);
    focusDefaultButton();
}

// ---- 計算も自分で ------------------------------------------------------------

namespace {

// After this many mistakes on one line the tutor draws it.
constexpr int mistakesBeforeShown = 2;
constexpr std::string_view shownSentence = "正しい式を書いておきます。自分の式とくらべてみましょう。";

}  // namespace

void Worksheet::openLineEntry(bool signReversed) {
    const int target = state_.lineCount;
    LineEntry entry{target, {}, signReversed, 0, shown_.description};
    entry.step.operation = state_.opCode;
    entry.step.source = line(state_.firstLine);
    entry.step.twoLines = state_.step == StepState::SecondChosen;
    if (entry.step.twoLines) entry.step.second = line(state_.secondLine);
    entry.step.number = state_.enteredTerm;
    entry.step.right = line(target);
    entry_ = std::move(entry);
    // The new line is not on the page until it is written.
    lineAt(target).cellCount = 0;
    --state_.lineCount;
    state_.step = StepState::Writing;
    entryText_.clear();
    page_.drawCaption(target, entry_->step.right.caption);
    page_.openLineEntry(target);
    listener().lineEntryOpened();
    setDescription(std::string(lineLabel(target)) + "式を書いて、［実行］を押しましょう");
    setJikkouEnabled(true);
    focusDefaultButton();
}

void Worksheet::setEntryText(std::string text) {
    if (!entry_) return;
    entryText_ = std::move(text);
    page_.showLineEntryText(entryText_);
}

void Worksheet::entryAppend(std::string_view text) { setEntryText(entryText_ + std::string(text)); }

void Worksheet::submitWrittenLine() {
    if (!entry_) {
        resetStep();
        return;
    }
    const WrittenLine written = readWrittenLine(entryText_, core_.unknownLetter);
    if (!written.line) {
        listener().lineJudged({VerdictKind::unreadable, MistakeCode::other, written.reason});
        return;
    }
    const Diagnosis diagnosis = diagnoseWrittenLine(entry_->step, *written.line);
    if (diagnosis.right) {
        ++tally_.right;
        listener().lineJudged({VerdictKind::right, MistakeCode::other, ""});
        finishWriting();
        return;
    }
    ++tally_.mistakes[static_cast<std::size_t>(diagnosis.code)];
    ++entry_->mistakes;
    listener().lineJudged({VerdictKind::mistake, diagnosis.code, std::string(mistakeMessage(diagnosis.code))});
    if (entry_->mistakes < mistakesBeforeShown) return;
    ++tally_.shown;
    listener().lineJudged({VerdictKind::shown, diagnosis.code, std::string(shownSentence)});
    finishWriting();
}

void Worksheet::closeLineEntry() {
    if (!entry_) return;
    entry_.reset();
    entryText_.clear();
    page_.closeLineEntry();
}

void Worksheet::finishWriting() {
    const LineEntry entry = *entry_;
    closeLineEntry();
    ++tally_.lines;
    ++state_.lineCount;
    lineAt(entry.target) = entry.step.right;
    page_.clearLineImage(entry.target);
    setDescription(entry.description);
    completeStep(entry.signReversed);
}

bool Worksheet::askSpecialAnswer(AnswerKind right, std::string_view wrongChoiceHint) {
    for (;;) {
        const AnswerKind choice = page_.chooseSpecialAnswer();
        if (choice == AnswerKind::none) return false;
        if (choice == right) return true;
        if (choice == AnswerKind::noSolution || choice == AnswerKind::infinitelyMany) showMessage(wrongChoiceHint);
    }
}

AnswerKind Worksheet::judged(int n) {
    const AnswerKind verdict = judgeLine(core_, state_.lineCount, n);
    showNotices();
    if (verdict == AnswerKind::solved) core_.answerLine() = lineAt(n);
    return verdict;
}

void Worksheet::concludeJudgement(AnswerKind verdict) {
    // A closed dialog leaves the step unsolved, whatever an earlier step left.
    state_.answerKind = AnswerKind::none;
    switch (verdict) {
    case AnswerKind::solved:
        state_.answerKind = AnswerKind::solved;
        setDescription("解が出ました");
        drawLine(answerLineIndex);
        break;
    case AnswerKind::noSolution:
        if (askSpecialAnswer(AnswerKind::noSolution, "解が無数？？もう一度考えてみましょう")) {
            writeAnswerText(std::string(answerMark) + noSolutionText);
            state_.answerKind = AnswerKind::noSolution;
        }
        break;
    case AnswerKind::infinitelyMany:
        if (askSpecialAnswer(AnswerKind::infinitelyMany, "解なし？？もう一度考えてみましょう")) {
            writeAnswerText(std::string(answerMark) + infinitelyManyText);
            state_.answerKind = AnswerKind::infinitelyMany;
        }
        break;
    case AnswerKind::none: break;
    }
}

void Worksheet::correct() {
    if (state_.solvedFlag) return;
    const bool stepUnderWay = state_.step != StepState::Idle;
    resetStep();
    if (stepUnderWay) listener().stepCancelled();
}

void Worksheet::setCorrectionEnabled(bool on) {
    shown_.correctionEnabled = on;
    page_.setCorrectionEnabled(on);
}

void Worksheet::takeBackLastLine() {
    const int last = state_.lineCount;
    setDescription("");
    page_.clearLineImage(last);
    lineAt(last).cellCount = 0;  // the caption stays
    setLineButtonEnabled(last, false);
    page_.lineTakenBack(last);
    --state_.lineCount;
    listener().lineTakenBack();
}

void Worksheet::resetStep() {
    // 訂正 on an open entry cancels the step, its sentence too; no line is taken back.
    const bool writing = state_.step == StepState::Writing;
    if (writing && entry_) {
        page_.clearLineImage(entry_->target);
        lineAt(entry_->target).caption.clear();
    }
    closeLineEntry();
    page_.unmarkAllLines();
    state_.selectionMade = false;
    // Line 1, the question, is never taken back.
    if (!writing && state_.step == StepState::Idle && state_.lineCount > 1)
        takeBackLastLine();
    // What is left is the start of a step.
    setDescription(state_.lineCount >= 1 ? std::string(nextStepPrompt) : "");
    state_.step = StepState::Idle;
    state_.firstLine = 0;
    state_.secondLine = 0;
    state_.opCode = OpCode::none;
    setJikkouEnabled(false);
    setPanel("");
}

// ---- questions -----------------------------------------------------------

void Worksheet::clearPage() {
    // Every slot of the table is emptied, so that no line of an earlier,
    // larger page survives above lineCount.
    for (int n = 1; n < answerLineIndex; ++n) {
        lineAt(n).cellCount = 0;
        lineAt(n).caption.clear();
    }
    for (int n = 1; n <= state_.lineCapacity; ++n) {
        page_.clearLineImage(n);
        setLineButtonEnabled(n, false);
    }
    page_.clearLineImage(answerLineIndex);
    core_.answerLine().cellCount = 0;

    state_.answerKind = AnswerKind::none;
    state_.lineCount = 0;
    state_.firstLine = 0;
    state_.secondLine = 0;
    state_.step = StepState::Idle;
    page_.hideAnswerBox();
    closeLineEntry();
    tally_ = {};
    setDescription("");
    setPanel("");  // a number typed before moving on must not reach the next question
    setJikkouEnabled(false);
    listener().pageCleared();
}

bool Worksheet::setUpQuestion(int number, const std::string& text) {
    const bool accepted = parseQuestion(core_, 1, text);
    showNotices();
    if (!accepted) return false;
    state_.lineCount = 1;
    drawLine(1);
    ExprLine& question = lineAt(1);
    question.caption = questionHeader(number);
    page_.drawCaption(1, question.caption);
    page_.setLetterKeyCaption(core_.unknownLetter);
    setDescription(std::string(nextStepPrompt));
    setLineButtonEnabled(1, true);
    listener().questionSetUp();
    return true;
}

bool Worksheet::startQuestionSet(const std::string& firstQuestion) {
    clearPage();
    if (!setUpQuestion(1, firstQuestion)) return false;
    clearSolved();
    if (judged(1) == AnswerKind::solved) showSolved();
    return true;
}

void Worksheet::drawLine(int n) {
    if (n < 0 || n >= lineTableSize || !page_.hasLineImage(n)) {
        showMessage(std::to_string(n) + "box not fond");
        return;
    }
    const ExprLine drawn = lineAt(n);
    if (!page_.typeset(n, TypesetMode::full, drawn, core_.hasDecimalPoint, state_.signReversed)) {
        page_.clearLineImage(n);
        page_.drawCaption(n, drawn.caption);
        page_.typeset(n, TypesetMode::small, drawn, core_.hasDecimalPoint, state_.signReversed);
    }
    if (n != answerLineIndex) page_.drawLineLabel(n, std::string(lineLabel(n)));
}

void Worksheet::showSolved() {
    page_.placeAnswerBox(state_.lineCount);
    setDescription("解が出ました");
    setBlinkTimer(true);
    state_.solvedFlag = true;
    setCorrectionEnabled(false);  // the answer stands; 訂正 has nothing to take back
    if (const auto set = solutionSetOnPage(state_, core_)) page_.showSolutionSet(*set);
    page_.focusButton(FocusTarget::next);
    listener().solvedShown();
}

void Worksheet::clearSolved() {
    setBlinkTimer(false);
    state_.solvedFlag = false;
    setCorrectionEnabled(true);
}

void Worksheet::writeAnswerText(const std::string& text) { page_.writeAnswerText(text); }

}  // namespace talvoren
