// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/input_pad.h"

#include <string>

#include "solving/operations.h"
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

void collectOrTranspose(Worksheet& ws, int number, std::string_view bracketMessage) {
    if (hasBrackets(ws)) {
        ws.showMessage(bracketMessage);
        return;
    }
    ws.chooseOperation(number);
    ws.setJikkouEnabled(true);
}

// The operation a character key chooses while one line is selected.
int operationOfKey(char32_t key) {
    switch (key) {
    case U'*': return op::multiply;
    case U'/': return op::divide;
    case U'+': return op::add;
    case U'-': return op::subtract;
    case U'S': case U's': return op::collect;
    case U'I': case U'i': return op::transpose;
    case U'K': case U'k': return op::removeBrackets;
    default: return -1;
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
    } else if (key == static_cast<unsigned char>(ws.core.unknownLetter)) {
        btnMojiClick(ws);
    }
}

}  // namespace

void padKey(Worksheet& ws, std::string_view text) {
    if (ws.selectState != 2) return;
    const std::string& d = ws.description();
    const std::string letter(1, ws.core.unknownLetter);
    // At most one "分の", one letter and one decimal point.
    for (std::string_view once : {padText::fraction, std::string_view(letter), padText::point})
        if (text == once && contains(d, once)) return;

    if (text == padText::clear) {
        ws.setDescription(withoutEntry(d, ws.panel()));
        ws.setPanel("");
    } else if (text == padText::minus) {
        ws.setPanel(std::string(padText::minus));
        ws.appendDescription("(-");
    } else {
        ws.setPanel(ws.panel() + std::string(text));
        ws.appendDescription(text);
        ws.stepState = 3;
        ws.setJikkouEnabled(true);
    }
    ws.focusDefaultButton();
}

void btnMinusClick(Worksheet& ws) {
    if (ws.panel().empty())
        padKey(ws, padText::minus);
    else
        ws.showMessage("－の位置が間違っています");
}

void btnMojiClick(Worksheet& ws) { padKey(ws, std::string(1, ws.core.unknownLetter)); }

void btnSeiriClick(Worksheet& ws) { collectOrTranspose(ws, op::collect, "かっこをはずしてから整理してください"); }

void btnIkouClick(Worksheet& ws) { collectOrTranspose(ws, op::transpose, "かっこをはずしてから移項してください"); }

void operationButtonClick(Worksheet& ws, int number) {
    if (number == op::collect)
        btnSeiriClick(ws);
    else if (number == op::transpose)
        btnIkouClick(ws);
    else
        ws.chooseOperation(number);
}

void FormKeyPress(Worksheet& ws, char32_t key) {
    switch (ws.selectState) {
    case 0:
        if (key >= U'1' && key <= U'9') ws.selectLine(static_cast<int>(key - U'0'));
        if (key == U'0') ws.selectLine(10);
        break;
    case 1:
        if (const int number = operationOfKey(key); number >= 0) operationButtonClick(ws, number);
        break;
    case 2: keyWhileTyping(ws, key); break;
    default: break;  // a second line is selected: the keys take nothing
    }
    ws.focusDefaultButton();
}

KeyAction FormKeyDown(Worksheet& ws, KeyCode key, bool shiftHeld) {
    if ((shiftHeld || key == KeyCode::shift) && ws.selectState == 0) {
        ws.selectLine(ws.lineCount);  // the newest line
        return KeyAction::none;
    }
    if (key == KeyCode::enter && ws.solvedFlag) return KeyAction::nextQuestion;
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
