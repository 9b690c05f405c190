// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/control.h"

#include <algorithm>
#include <map>

#include "solving/line_labels.h"
#include "solving/page_layout.h"

namespace talvoren {

namespace {

constexpr std::pair<OpCode, const char*> operationButtons[] = {
    {OpCode::multiply, "btnKake"}, {OpCode::divide, "btnWaru"},  {OpCode::add, "btnTasu"},
    {OpCode::subtract, "btnHiku"}, {OpCode::collect, "btnSeiri"}, {OpCode::transpose, "btnIkou"},
    {OpCode::removeBrackets, "btnKakko"},
};
constexpr const char* relationKeys[] = {"btnLess", "btnGreater", "btnLessEqual", "btnGreaterEqual"};

const std::map<std::string, Control, std::less<>>& byName() {
    static const auto table = [] {
        std::map<std::string, Control, std::less<>> t;
        for (int n = 1; n <= maxLineButtons; ++n) t["btnShiki" + std::to_string(n)] = Control::lineButton(n);
        for (int n = 1; n <= lastLabelledLine; ++n) t["Image" + std::to_string(n)] = Control::lineImage(n);
        for (const auto& [code, name] : operationButtons) t[name] = Control::operation(code);
        for (int d = 0; d <= 9; ++d) t["btn" + std::to_string(d)] = Control::digit(d);
        for (int r = 0; r < 4; ++r) t[relationKeys[r]] = {ControlKind::relation, r};
        const std::pair<const char*, ControlKind> single[] = {
            {"btnDecimal", ControlKind::decimalPoint}, {"btnBunsu", ControlKind::fraction},
            {"btnClear", ControlKind::clear},          {"btnMinus", ControlKind::minus},
            {"btnMoji", ControlKind::letter},          {"btnJikkou", ControlKind::execute},
            {"btnTeisei", ControlKind::correct},       {"btnHint", ControlKind::hint},
            {"btnNext", ControlKind::next},            {"grbKai", ControlKind::answerBox},
            {"Image16", ControlKind::answerImage},     {"BitBtn1", ControlKind::chooseUnit},
        };
        for (const auto& [name, kind] : single) t[name] = Control::of(kind);
        return t;
    }();
    return table;
}

}  // namespace

std::string controlName(Control c) {
    for (const auto& [name, control] : byName())
        if (control == c) return name;
    return {};
}

std::optional<Control> controlNamed(std::string_view name) {
    const auto it = byName().find(name);
    if (it == byName().end()) return std::nullopt;
    return it->second;
}

const std::vector<Control>& allControls() {
    static const std::vector<Control> all = [] {
        std::vector<Control> v;
        for (const auto& entry : byName()) v.push_back(entry.second);
        return v;
    }();
    return all;
}

}  // namespace talvoren
