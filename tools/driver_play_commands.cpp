// SPDX-License-Identifier: GPL-3.0-or-later
// The solving commands of `play`: screen, reply, char, key, dump and
// state.

#include <charconv>
#include <iostream>
#include <sstream>

#include "solving/input_pad.h"
#include "solving/page_layout.h"
#include "solving/stack_listing.h"
#include "tools/driver_play_session.h"

namespace talvoren::driver {

namespace {

// The first character of a UTF-8 text.
char32_t firstCharacter(const std::string& text) {
    if (text.empty()) return 0;
    const auto lead = static_cast<unsigned char>(text[0]);
    const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (length == 1 || static_cast<int>(text.size()) < length) return lead;
    char32_t c = lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) c = (c << 6) | (static_cast<unsigned char>(text[static_cast<std::size_t>(i)]) & 0x3F);
    return c;
}

void screen(PlaySession& s, const std::string& argument) {
    int width = 0;
    const auto [end, ec] = std::from_chars(argument.data(), argument.data() + argument.size(), width);
    if (ec != std::errc() || end != argument.data() + argument.size()) {
        std::cerr << "play: screen width expected, not " << argument << '\n';
        return;
    }
    const PageLayoutChoice layout = pageLayoutForScreen(width);
    if (layout.warnResolution) s.sink.showMessage(std::string(lowResolutionMessage));
    s.worksheet.setLineCapacity(layout.lineCapacity);
}

void reply(PlaySession& s, const std::string& argument) {
    std::istringstream words(argument);
    for (std::string word; words >> word;) s.replies.push(word);
}

void key(PlaySession& s, const std::string& name) {
    static const std::map<std::string, KeyCode> keys = {
        {"Enter", KeyCode::enter}, {"Escape", KeyCode::escape},
        {"Delete", KeyCode::deleteKey}, {"Shift", KeyCode::shift},
    };
    const auto it = keys.find(name);
    if (it == keys.end()) {
        std::cerr << "play: no key named " << name << '\n';
        return;
    }
    if (keyPressed(s.worksheet, it->second, it->second == KeyCode::shift) == KeyAction::nextQuestion &&
        s.nextQuestion)
        s.nextQuestion();
}

void dump(PlaySession& s, const std::string&) {
    for (const std::string& entry : stackListing(s.core, s.worksheet.state().lineCount)) s.out << "dump: " << entry << '\n';
}

void state(PlaySession& s, const std::string&) {
    const WorksheetState& ws = s.worksheet.state();
    const StateNumbers step = stateNumbers(ws.step);
    s.out << "state: lineCount=" << ws.lineCount << " selectState=" << step.selectState
          << " stepState=" << step.stepState << " opCode=" << static_cast<char>(ws.opCode)
          << " answerKind=" << answerKindNumber(ws.answerKind) << " solvedFlag=" << (ws.solvedFlag ? 1 : 0)
          << " firstLine=" << ws.firstLine << " secondLine=" << ws.secondLine << '\n';
}

void selfwrite(PlaySession& s, const std::string& argument) {
    if (argument != "on" && argument != "off") {
        std::cerr << "play: selfwrite on or off, not " << argument << '\n';
        return;
    }
    s.worksheet.setSelfWrite(argument == "on");
}

// Types the text into the open line entry and presses Enter.
void write(PlaySession& s, const std::string& text) {
    if (s.worksheet.entryLine() == 0) {
        s.out << "error: no line to write\n";
        return;
    }
    s.worksheet.setEntryText(text);
    keyPressed(s.worksheet, KeyCode::enter, false);
}

}  // namespace

PlayCommands solvingPlayCommands() {
    return {
        {"screen", screen},
        {"reply", reply},
        {"char",
         [](PlaySession& s, const std::string& c) {
             const char32_t key = firstCharacter(c);
             if (!(s.hintKey ? s.hintKey(key) : s.coach.hintKey(key))) keyTyped(s.worksheet, key);
         }},
        {"key", key},
        {"dump", dump},
        {"state", state},
        {"selfwrite", selfwrite},
        {"write", write},
        {"try", tryOnPage},
    };
}

}  // namespace talvoren::driver
