// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/input_pad.h"

#include <string>

#include "solving/worksheet.h"

namespace talvoren {

namespace {

bool contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

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
        minusKey(ws);
    } else if (key == U'B' || key == U'b') {
        padKey(ws, padText::fraction);
    } else if (key == static_cast<unsigned char>(ws.core().unknownLetter)) {
        letterKey(ws);
    }
}

}  // namespace

namespace {

// While the pupil writes a line, the pad and the keys type into its entry.
void keyIntoEntry(Worksheet& ws, std::string_view text) {
    if (text == padText::clear)
        ws.setEntryText("");
    else
        ws.entryAppend(text);
    ws.focusDefaultButton();
}

// The characters of the line grammar, in ASCII or full width.
bool writesLine(char32_t key) {
    const std::u32string_view accepted = U"0123456789+-/.()<>=＋－−（）／．＜＞＝≦≧";
    if (accepted.find(key) != std::u32string_view::npos) return true;
    if (key >= U'０' && key <= U'９') return true;
    return (key >= U'a' && key <= U'z') || (key >= U'A' && key <= U'Z') || (key >= U'ａ' && key <= U'ｚ');
}

std::string utf8Of(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

}  // namespace

void padKey(Worksheet& ws, std::string_view text) {
    if (ws.state().step == StepState::Writing) return keyIntoEntry(ws, text);
    if (!padOpen(ws.state().step)) return;
    const std::string letter(1, ws.core().unknownLetter);
    // At most one "分の", one letter and one decimal point in the number.
    for (std::string_view once : {padText::fraction, std::string_view(letter), padText::point})
        if (text == once && contains(ws.panel(), once)) return;

    if (text == padText::clear)
        ws.padClear();
    else if (text == padText::minus)
        ws.padMinus(padText::minus);
    else
        ws.padAppend(text);
    ws.focusDefaultButton();
}

void minusKey(Worksheet& ws) {
    if (ws.state().step == StepState::Writing) return keyIntoEntry(ws, padText::minus);
    if (ws.panel().empty())
        padKey(ws, padText::minus);
    else
        ws.showMessage("－の位置が間違っています");
}

void letterKey(Worksheet& ws) { padKey(ws, std::string(1, ws.core().unknownLetter)); }

void chooseCollect(Worksheet& ws) { collectOrTranspose(ws, OpCode::collect, "かっこをはずしてから整理してください"); }

void chooseTranspose(Worksheet& ws) { collectOrTranspose(ws, OpCode::transpose, "かっこをはずしてから移項してください"); }

void operationButtonClick(Worksheet& ws, OpCode code) {
    // While a line is written, ＋ and － type their signs.
    if (ws.state().step == StepState::Writing) {
        if (code == OpCode::add) keyIntoEntry(ws, "+");
        if (code == OpCode::subtract) keyIntoEntry(ws, padText::minus);
        return;
    }
    if (code == OpCode::collect)
        chooseCollect(ws);
    else if (code == OpCode::transpose)
        chooseTranspose(ws);
    else
        ws.chooseOperation(code);
}

void keyTyped(Worksheet& ws, char32_t key) {
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
    case StepState::Writing:
        if (writesLine(key)) keyIntoEntry(ws, utf8Of(key));
        break;
    }
    ws.focusDefaultButton();
}

KeyAction keyPressed(Worksheet& ws, KeyCode key, bool shiftHeld) {
    if ((shiftHeld || key == KeyCode::shift) && ws.state().step == StepState::Idle) {
        ws.selectLine(ws.state().lineCount);  // the newest line
        return KeyAction::none;
    }
    if (key == KeyCode::enter && ws.state().solvedFlag) return KeyAction::nextQuestion;
    switch (key) {
    case KeyCode::enter: ws.execute(); break;
    case KeyCode::escape: ws.correct(); break;
    case KeyCode::deleteKey: padKey(ws, padText::clear); break;
    case KeyCode::backspace:
        // Takes back the entry's last character (a whole UTF-8 character).
        if (ws.state().step == StepState::Writing && !ws.entryText().empty()) {
            std::string text = ws.entryText();
            while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80) text.pop_back();
            if (!text.empty()) text.pop_back();
            ws.setEntryText(text);
        }
        break;
    default: break;
    }
    ws.focusDefaultButton();
    return KeyAction::none;
}

}  // namespace talvoren
