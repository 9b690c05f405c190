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

struct Action {
    std::function<bool(const ControlTargets&)> enabled;  // empty: always enabled
    std::function<void(const ControlTargets&)> click;
};

using Table = std::map<Control, Action>;

Action always(std::function<void(Worksheet&)> handler) {
    return {{}, [handler = std::move(handler)](const ControlTargets& t) { handler(t.worksheet); }};
}

Action padKeyOf(std::string text) {
    return always([text = std::move(text)](Worksheet& ws) { padKey(ws, text); });
}

void addSolvingControls(Table& t) {
    for (int n = 1; n <= maxLineButtons; ++n)
        t[Control::lineButton(n)] = {
            [n](const ControlTargets& c) { return c.worksheet.lineButtonEnabled(n); },
            [n](const ControlTargets& c) { c.worksheet.selectLine(n); }};
    // A line image takes clicks wherever the page shows one.
    for (int n = 1; n <= lastLabelledLine; ++n)
        t[Control::lineImage(n)] = always([n](Worksheet& ws) { ws.selectLine(n); });

    for (OpCode code : {OpCode::multiply, OpCode::divide, OpCode::add, OpCode::subtract, OpCode::removeBrackets})
        t[Control::operation(code)] = always([code](Worksheet& ws) { operationButtonClick(ws, code); });
    t[Control::operation(OpCode::collect)] = always(chooseCollect);
    t[Control::operation(OpCode::transpose)] = always(chooseTranspose);

    for (int digit = 0; digit <= 9; ++digit) t[Control::digit(digit)] = padKeyOf(std::to_string(digit));
    t[Control::of(ControlKind::decimalPoint)] = padKeyOf(std::string(padText::point));
    t[Control::of(ControlKind::fraction)] = padKeyOf(std::string(padText::fraction));
    t[Control::of(ControlKind::clear)] = padKeyOf(std::string(padText::clear));
    t[Control::of(ControlKind::minus)] = always(minusKey);
    t[Control::of(ControlKind::letter)] = always(letterKey);
    // The relation keys, shown while the pupil writes a line.
    const std::string_view relations[] = {padText::less, padText::greater, padText::lessEqual, padText::greaterEqual};
    for (int r = 0; r < 4; ++r) t[{ControlKind::relation, r}] = padKeyOf(std::string(relations[r]));

    t[Control::of(ControlKind::execute)] = {[](const ControlTargets& c) { return c.worksheet.jikkouEnabled(); },
                                            [](const ControlTargets& c) { c.worksheet.execute(); }};
    t[Control::of(ControlKind::correct)] = always([](Worksheet& ws) { ws.correct(); });
    t[Control::of(ControlKind::hint)] = {[](const ControlTargets& c) { return c.coach.hintEnabled(); },
                                         [](const ControlTargets& c) { c.coach.giveHint(); }};
}

void addSequencingControls(Table& t) {
    t[Control::of(ControlKind::next)] = {{}, [](const ControlTargets& c) { c.sequencing.nextQuestion(); }};
    // The answer box and its image move on to the next question, as 次の問題 does.
    for (ControlKind kind : {ControlKind::answerBox, ControlKind::answerImage})
        t[Control::of(kind)] = {[](const ControlTargets& c) { return c.answerBoxShown && c.answerBoxShown(); },
                                [](const ControlTargets& c) { c.sequencing.nextQuestion(); }};
    t[Control::of(ControlKind::chooseUnit)] = {{}, [](const ControlTargets& c) { c.sequencing.chooseUnit(); }};
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

bool Controls::enabled(Control control) const {
    const auto it = table().find(control);
    return it != table().end() && (!it->second.enabled || it->second.enabled(targets_));
}

void Controls::click(Control control) const {
    if (enabled(control)) table().at(control).click(targets_);
}

}  // namespace talvoren
