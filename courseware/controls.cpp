// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/controls.h"

#include <map>

#include "courseware/sequencing.h"
#include "solving/hints.h"
#include "solving/input_pad.h"
#include "solving/line_labels.h"
#include "solving/operations.h"
#include "solving/worksheet.h"

namespace talvoren {

namespace {

struct Control {
    std::function<bool(const ControlTargets&)> enabled;  // empty: always enabled
    std::function<void(const ControlTargets&)> click;
};

using Table = std::map<std::string, Control, std::less<>>;

Control always(std::function<void(Worksheet&)> handler) {
    return {{}, [handler = std::move(handler)](const ControlTargets& t) { handler(t.worksheet); }};
}

Control padKeyOf(std::string text) {
    return always([text = std::move(text)](Worksheet& ws) { padKey(ws, text); });
}

void addSolvingControls(Table& t) {
    for (int n = 1; n <= maxLineButtons; ++n)
        t["btnShiki" + std::to_string(n)] = {
            [n](const ControlTargets& c) { return c.worksheet.lineButtonEnabled(n); },
            [n](const ControlTargets& c) { c.worksheet.selectLine(n); }};
    // A line image takes clicks wherever the page shows one.
    for (int n = 1; n <= lastLabelledLine; ++n)
        t["Image" + std::to_string(n)] = always([n](Worksheet& ws) { ws.selectLine(n); });

    const std::pair<const char*, OpCode> operationButtons[] = {
        {"btnKake", OpCode::multiply}, {"btnWaru", OpCode::divide},       {"btnTasu", OpCode::add},
        {"btnHiku", OpCode::subtract}, {"btnKakko", OpCode::removeBrackets},
    };
    for (const auto& [name, code] : operationButtons)
        t[name] = always([code = code](Worksheet& ws) { operationButtonClick(ws, code); });
    t["btnSeiri"] = always(btnSeiriClick);
    t["btnIkou"] = always(btnIkouClick);

    for (char digit = '0'; digit <= '9'; ++digit) t[std::string("btn") + digit] = padKeyOf(std::string(1, digit));
    t["btnDecimal"] = padKeyOf(std::string(padText::point));
    t["btnBunsu"] = padKeyOf(std::string(padText::fraction));
    t["btnClear"] = padKeyOf(std::string(padText::clear));
    t["btnMinus"] = always(btnMinusClick);
    t["btnMoji"] = always(btnMojiClick);
    // The relation keys, shown while the pupil writes a line.
    t["btnLess"] = padKeyOf(std::string(padText::less));
    t["btnGreater"] = padKeyOf(std::string(padText::greater));
    t["btnLessEqual"] = padKeyOf(std::string(padText::lessEqual));
    t["btnGreaterEqual"] = padKeyOf(std::string(padText::greaterEqual));

    t["btnJikkou"] = {[](const ControlTargets& c) { return c.worksheet.jikkouEnabled(); },
                      [](const ControlTargets& c) { c.worksheet.btnJikkouClick(); }};
    t["btnTeisei"] = always([](Worksheet& ws) { ws.btnTeiseiClick(); });
    t["btnHint"] = {[](const ControlTargets& c) { return c.coach.hintEnabled(); },
                    [](const ControlTargets& c) { c.coach.btnHintClick(); }};
}

void addSequencingControls(Table& t) {
    t["btnNext"] = {{}, [](const ControlTargets& c) { c.sequencing.btnNextClick(); }};
    // The answer box and its image move on to the next question, as btnNext does.
    for (const char* name : {"grbKai", "Image16"})
        t[name] = {[](const ControlTargets& c) { return c.answerBoxShown && c.answerBoxShown(); },
                   [](const ControlTargets& c) { c.sequencing.btnNextClick(); }};
    t["BitBtn1"] = {{}, [](const ControlTargets& c) { c.sequencing.chooseUnit(); }};
}

const Table& table() {
    static const Table controls = [] {
        Table t;
        addSolvingControls(t);
        addSequencingControls(t);
        return t;
    }();
    return controls;
}

}  // namespace

std::vector<std::string> Controls::names() {
    std::vector<std::string> all;
    for (const auto& entry : table()) all.push_back(entry.first);
    return all;
}

bool Controls::exists(std::string_view name) { return table().contains(name); }

bool Controls::enabled(std::string_view name) const {
    const auto it = table().find(name);
    return it != table().end() && (!it->second.enabled || it->second.enabled(targets_));
}

bool Controls::click(std::string_view name) const {
    const auto it = table().find(name);
    if (it == table().end()) return false;
    if (!it->second.enabled || it->second.enabled(targets_)) it->second.click(targets_);
    return true;
}

}  // namespace talvoren
