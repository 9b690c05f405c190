// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls a pupil clicks, by what they do. Their names (btnJikkou,
// btnShiki3, Image16, ...) are the windows' and the driver scripts': they
// are met only where a name comes in or goes out.

#include <compare>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "solving/operations.h"

namespace talvoren {

enum class ControlKind {
    lineButton,     // the line's button, lines 1..12
    lineImage,      // the line's image on the page, lines 1..14
    operation,      // an operation button: ×, ÷, ＋, －, 整理, 移項, かっこ
    digit,          // a pad digit 0..9
    decimalPoint,
    fraction,       // 分の
    clear,          // CL
    minus,
    letter,         // the question's letter
    relation,       // ＜ ＞ ≦ ≧ while a line is written, 0..3 in that order
    execute,        // 実行
    correct,        // 訂正
    hint,           // ヒント
    next,           // 次の問題
    answerBox,      // the answer box and its image
    answerImage,
    chooseUnit,     // 単元選択
};

struct Control {
    ControlKind kind;
    int index = 0;  // the line, the digit, the relation; for an operation its OpCode
    friend auto operator<=>(const Control&, const Control&) = default;

    static Control lineButton(int n) { return {ControlKind::lineButton, n}; }
    static Control lineImage(int n) { return {ControlKind::lineImage, n}; }
    static Control operation(OpCode code) { return {ControlKind::operation, static_cast<int>(code)}; }
    static Control digit(int d) { return {ControlKind::digit, d}; }
    static Control of(ControlKind kind) { return {kind, 0}; }
};

// The control's name on the windows and in the driver's scripts.
std::string controlName(Control c);
// The control of that name; nothing for a name that is no control's.
std::optional<Control> controlNamed(std::string_view name);
// Every control, in the order of their names.
const std::vector<Control>& allControls();

}  // namespace talvoren
