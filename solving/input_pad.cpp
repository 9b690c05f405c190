// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/input_pad.h"

#include <string>

#include "solving/worksheet.h"

namespace talvoren {

namespace {

bool contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// "CL": removes the number being typed from the description line. A negative
// entry was written as "(-" and the number, so everything from the "(" goes.
std::string withoutEntry(const std::string& description, const std::string& panel) {
    if (const auto open = description.find('('); open != std::string::npos) return description.substr(0, open);
    if (!panel.empty())
        if (const auto at = description.find(panel); at != std::string::npos) return description.substr(0, at);
    return description;
}

void collectOrTranspose(Worksheet& ws, OpCode code, std::string_view bracketMessage) {
    if (ws.firstLineHasBrackets()) {
        ws.showMessage(bracketMessage);
        return;
    }
    ws.chooseOperationEnablingJikkou(code);
}

// The operation a character key chooses while one line is selected.
OpCode operationOfKey(char32_t key) {
    switch (key) {
    case U'*': return OpCode::multiply;
    case U'/': return OpCode::divide;
    case U'+': return OpCode::add;
    case U'-': return OpCode::subtract;
    case U'S': case U's': return OpCode::collect;
    case U'I': case U'i': return OpCode::transpose;
    case U'K': case U'k': return OpCode::removeBrackets;
    default: return OpCode::none;
    }
}

void keyWhileTyping(Worksheet& ws, char32_t key) {
    if (key >= U'0' && key <= U'9') {
        padKey(ws, std::string(1, static_cast<char>(key)));
    } else if (key == U'.') {
        padKey(ws, padText::point);
    } else if (key == U'-') {
        btnMinusClick(ws);
    } else if (key == U'B' || key == U'b') {
        padKey(ws, padText::fraction);
    } else if (key == static_cast<unsigned char>(ws.core().unknownLetter)) {
        btnMojiClick(ws);
    }
}

}  // namespace

void padKey(Worksheet& ws, std::string_view text) {
    if (!padOpen(ws.state().step)) return;
    const std::string& d = ws.description();
    const std::string letter(1, ws.core().unknownLetter);
    // At most one "分の", one letter and one decimal point.
    for (std::string_view once : {padText::fraction, std::string_view(letter), padText::point})
        if (text == once && contains(d, once)) return;

    if (text == padText::clear)
        ws.padClear(withoutEntry(d, ws.panel()));
    else if (text == padText::minus)
        ws.padMinus(padText::minus);
    else
        ws.padAppend(text);
    ws.focusDefaultButton();
}

void btnMinusClick(Worksheet& ws) {
    if (ws.panel().empty())
        padKey(ws, padText::minus);
    else
        ws.showMessage("－の位置が間違っています");
}

void btnMojiClick(Worksheet& ws) { padKey(ws, std::string(1, ws.core().unknownLetter)); }

void btnSeiriClick(Worksheet& ws) { collectOrTranspose(ws, OpCode::collect, "かっこをはずしてから整理してください"); }

void btnIkouClick(Worksheet& ws) { collectOrTranspose(ws, OpCode::transpose, "かっこをはずしてから移項してください"); }

void operationButtonClick(Worksheet& ws, OpCode code) {
    if (code == OpCode::collect)
        btnSeiriClick(ws);
    else if (code == OpCode::transpose)
        btnIkouClick(ws);
    else
        ws.chooseOperation(code);
}

void FormKeyPress(Worksheet& ws, char32_t key) {
    switch (ws.state().step) {
    case StepState::Idle:
        if (key >= U'1' && key <= U'9') ws.selectLine(static_cast<int>(key - U'0'));
        if (key == U'0') ws.selectLine(10);
        break;
    case StepState::LineChosen:
        if (const OpCode code = operationOfKey(key); code != OpCode::none) operationButtonClick(ws, code);
        break;
    case StepState::OpChosen:
    case StepState::Typing: keyWhileTyping(ws, key); break;
    case StepState::SecondChosen: break;  // the keys take nothing
    }
    ws.focusDefaultButton();
}

KeyAction FormKeyDown(Worksheet& ws, KeyCode key, bool shiftHeld) {
    if ((shiftHeld || key == KeyCode::shift) && ws.state().step == StepState::Idle) {
        ws.selectLine(ws.state().lineCount);  // the newest line
        return KeyAction::none;
    }
    if (key == KeyCode::enter && ws.state().solvedFlag) return KeyAction::nextQuestion;
    switch (key) {
    case KeyCode::enter: ws.btnJikkouClick(); break;
    case KeyCode::escape: ws.btnTeiseiClick(); break;
    case KeyCode::deleteKey: padKey(ws, padText::clear); break;
    default: break;
    }
    ws.focusDefaultButton();
    return KeyAction::none;
}

}  // namespace talvoren
