// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/worksheet.h"

#include <algorithm>
#include <utility>

#include "core/entry_parser.h"
#include "core/question_parser.h"
#include "solving/executor.h"
#include "solving/judge.h"
#include "solving/line_labels.h"
#include "solving/operations.h"

namespace talvoren {

namespace {

ExprLine& lineAt(CoreState& core, int n) { return core.lines[static_cast<std::size_t>(n)]; }

bool needsNumber(char opCode) {
    return opCode == '*' || opCode == '/' || opCode == '+' || opCode == '-';
}

}  // namespace

Worksheet::Worksheet(CoreState& coreState, Page& thePage, int capacity) : core(coreState), page(thePage) {
    lineCapacity = capacity;
}

Worksheet::Worksheet(CoreState& coreState, Page& thePage, const PageState& state)
    : WorksheetState(state.worksheet), core(coreState), page(thePage), shown_(state.shown) {}

Worksheet::Worksheet(CoreState& coreState, Page& thePage, const Worksheet& other)
    : WorksheetState(other), core(coreState), page(thePage), shown_(other.shown_) {}

PageState Worksheet::pageState() const { return {core.tables(), *this, shown_}; }

void Worksheet::restore(const PageState& state) {
    core.restore(state.tables);
    static_cast<WorksheetState&>(*this) = state.worksheet;
    shown_ = state.shown;
}

void Worksheet::copyStateFrom(const Worksheet& other) {
    static_cast<WorksheetState&>(*this) = other;
    shown_ = other.shown_;
}

// ---- the page model ------------------------------------------------------

bool Worksheet::lineButtonEnabled(int n) const {
    return lineButton(n) && shown_.lineButtonEnabled[static_cast<std::size_t>(n)];
}

void Worksheet::setDescription(std::string text) {
    shown_.description = std::move(text);
    page.showDescription(shown_.description);
}

void Worksheet::appendDescription(std::string_view text) { setDescription(shown_.description + std::string(text)); }

void Worksheet::setPanel(std::string text) {
    shown_.panel = std::move(text);
    page.showPanel(shown_.panel);
}

void Worksheet::setJikkouEnabled(bool on) {
    shown_.jikkouEnabled = on;
    page.setJikkouEnabled(on);
}

void Worksheet::setNextEnabled(bool on) {
    shown_.nextEnabled = on;
    page.setNextEnabled(on);
}

void Worksheet::setLineButtonEnabled(int n, bool on) {
    if (!lineButton(n)) return;
    shown_.lineButtonEnabled[static_cast<std::size_t>(n)] = on;
    page.setLineButtonEnabled(n, on);
}

void Worksheet::setBlinkTimer(bool on) {
    shown_.blinkTimerOn = on;
    page.setBlinkTimer(on);
}

void Worksheet::setListener(WorksheetListener* listener) { listener_ = listener; }

WorksheetListener& Worksheet::listener() {
    static WorksheetListener nobody;
    return listener_ ? *listener_ : nobody;
}

void Worksheet::showMessage(std::string_view text) { core.messages.showMessage(std::string(text)); }

bool Worksheet::lineButton(int n) const { return n >= 1 && n <= std::min(maxLineButtons, lineCapacity); }

void Worksheet::focusDefaultButton() {
    if (shown_.jikkouEnabled)
        page.focusButton(FocusTarget::jikkou);
    else if (shown_.nextEnabled)
        page.focusButton(FocusTarget::next);
}

// ---- steps ---------------------------------------------------------------

void Worksheet::selectLine(int n) {
    // Line 0 is the scratch line, never a line of the page.
    if (solvedFlag || n < 1 || n > lineCount) return;
    if (stepState != 0 && stepState != 2) {
        showMessage(wrongOperationMessage);
        return;
    }
    if (stepState == 0) setDescription("");
    if (selectState == 0) {
        firstLine = n;
        selectState = 1;
    } else if (selectState == 2) {
        secondLine = n;
        selectState = 3;
    }
    stepState = 1;
    appendDescription(std::string(lineLabel(n)) + "式");
    selectionMade = true;
}

void Worksheet::chooseOperation(int k) {
    const Operation* operation = operationFor(k);
    if (!operation) return;
    if (selectState != 1) {
        showMessage(wrongOperationMessage);
        return;
    }
    opCode = operation->opCode;
    setJikkouEnabled(true);
    appendDescription(operation->text);
    selectState = 2;
    stepState = 2;
    focusDefaultButton();
}

// The execute checks that need no executor; true when the step is refused.
bool Worksheet::executeRefused() {
    const bool noOperation = selectState == 0 || selectState == 1;
    const bool missingNumber = selectState == 2 && shown_.panel.empty() && needsNumber(opCode);
    const bool lineAsFactor = selectState == 3 && (opCode == '*' || opCode == '/') && stepState == 1;
    if (noOperation || missingNumber || lineAsFactor) {
        showMessage(wrongOperationMessage);
        return true;
    }
    // The page has no slot left for another line.
    if (lineCount >= lineCapacity) {
        showMessage("これ以上式を書けません");
        return true;
    }
    return false;
}

void Worksheet::btnJikkouClick() {
    selectionMade = false;
    page.unmarkAllLines();
    enteredText = shown_.panel;
    const ExprCell term = parseEntry(core, enteredText);
    if (term.den == 0) return;  // the entry parser has said why; the pupil may type on
    enteredTerm = term;
    // A negative number was written as "(-" and the number: close it, once.
    if (shown_.description.find('(') != std::string::npos && !shown_.description.ends_with(')'))
        appendDescription(")");
    if (executeRefused()) return;

    ++lineCount;
    if (!applyOperation(*this, opCode)) {
        resetStep();
        --lineCount;
        return;
    }
    setLineButtonEnabled(lineCount, true);
    listener().stepExecuted();

    concludeJudgement(*this, judgeLine(*this, lineCount));
    if (answerKind >= 1) {
        showSolved();
        page.questionSolved();
    } else if (lineCount >= lineCapacity) {
        showMessage("残念ですが" + std::to_string(lineCapacity - 1) + "回の操作では解けませんでした");
    }

    selectState = 0;
    stepState = 0;
    setJikkouEnabled(false);
    focusDefaultButton();
}

void Worksheet::btnTeiseiClick() {
    if (!solvedFlag) resetStep();
}

void Worksheet::takeBackLastLine() {
    setDescription("");
    page.clearLineImage(lineCount);
    lineAt(core, lineCount).cellCount = 0;  // the caption stays
    setLineButtonEnabled(lineCount, false);
    page.lineTakenBack(lineCount);
    --lineCount;
    listener().lineTakenBack();
}

void Worksheet::resetStep() {
    page.unmarkAllLines();
    selectionMade = false;
    // Line 1, the question, is never taken back.
    if ((stepState == 0 || shown_.description.empty()) && lineCount > 1) takeBackLastLine();
    setDescription("");
    stepState = 0;
    selectState = 0;
    firstLine = 0;
    secondLine = 0;
    opCode = '?';
    setJikkouEnabled(false);
    setPanel("");
}

// ---- questions -----------------------------------------------------------

void Worksheet::clearPage() {
    // Every slot of the table is emptied, so that no line of an earlier,
    // larger page survives above lineCount.
    for (int n = 1; n < answerLineIndex; ++n) {
        lineAt(core, n).cellCount = 0;
        lineAt(core, n).caption.clear();
    }
    for (int n = 1; n <= lineCapacity; ++n) {
        page.clearLineImage(n);
        setLineButtonEnabled(n, false);
    }
    page.clearLineImage(answerLineIndex);
    core.answerLine().cellCount = 0;

    answerKind = 0;
    lineCount = 0;
    firstLine = 0;
    secondLine = 0;
    selectState = 0;
    stepState = 0;
    page.hideAnswerBox();
    setDescription("");
    setPanel("");  // a number typed before moving on must not reach the next question
    setJikkouEnabled(false);
    setNextEnabled(true);
    listener().pageCleared();
}

bool Worksheet::setUpQuestion(int number, const std::string& text) {
    if (!parseQuestion(core, 1, text)) return false;
    lineCount = 1;
    drawLine(1);
    ExprLine& question = lineAt(core, 1);
    question.caption = questionHeader(number);
    page.drawCaption(1, question.caption);
    page.setLetterKeyCaption(core.unknownLetter);
    setDescription("式を指定してください");
    setLineButtonEnabled(1, true);
    listener().questionSetUp();
    return true;
}

bool Worksheet::startQuestionSet(const std::string& firstQuestion) {
    clearPage();
    if (!setUpQuestion(1, firstQuestion)) return false;
    setBlinkTimer(false);
    solvedFlag = false;
    if (judgeLine(*this, 1) == judged::solved) showSolved();
    return true;
}

void Worksheet::drawLine(int n) {
    if (n < 0 || n >= lineTableSize || !page.hasLineImage(n)) {
        showMessage(std::to_string(n) + "box not fond");
        return;
    }
    const ExprLine line = lineAt(core, n);
    if (!page.typeset(n, 0, line, core.hasDecimalPoint, signReversed)) {
        page.clearLineImage(n);
        page.drawCaption(n, line.caption);
        page.typeset(n, 1, line, core.hasDecimalPoint, signReversed);
    }
    if (n != answerLineIndex) page.drawLineLabel(n, std::string(lineLabel(n)));
}

void Worksheet::showSolved() {
    page.placeAnswerBox(lineCount);
    setDescription("解が出ました");
    setBlinkTimer(true);
    solvedFlag = true;
    setNextEnabled(true);
    page.focusButton(FocusTarget::next);
    listener().solvedShown();
}

void Worksheet::writeAnswerText(const std::string& text) { page.writeAnswerText(text); }

}  // namespace talvoren
