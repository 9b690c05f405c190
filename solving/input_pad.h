// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The input pad and the keyboard: the rules the pad keys, the operation
// buttons and the main window's key handlers follow. The pad composes text
// only; the number is parsed when the step is executed.
//
// The description line is UTF-8 and is searched by character, so a label
// such as ② never matches a letter key.

#include <string_view>

#include "solving/operations.h"

namespace talvoren {

class Worksheet;

namespace padText {
inline constexpr std::string_view clear = "CL";
inline constexpr std::string_view minus = "-";
inline constexpr std::string_view point = ".";
inline constexpr std::string_view fraction = "分の";
// The relation keys, shown while the pupil writes a line (計算も自分で).
inline constexpr std::string_view less = "<";
inline constexpr std::string_view greater = ">";
inline constexpr std::string_view lessEqual = "<=";
inline constexpr std::string_view greaterEqual = ">=";
}  // namespace padText

// One pad key's text ("0".."9", "-", ".", "分の", the letter, "CL").
void padKey(Worksheet& ws, std::string_view text);

// Button handlers.
void minusKey(Worksheet& ws);   // a minus only as the panel's first character
void letterKey(Worksheet& ws);    // the letter key
void chooseCollect(Worksheet& ws);   // collect, refused while the line has brackets
void chooseTranspose(Worksheet& ws);    // transpose, refused while the line has brackets
// An operation button (整理 and 移項 take the bracket check).
void operationButtonClick(Worksheet& ws, OpCode code);

// Keyboard handlers of the main window.
enum class KeyCode { enter, escape, deleteKey, shift, backspace, other };
// What a key-down leaves to the main window: while a solved question is on
// show, Enter is the next-question button's.
enum class KeyAction { none, nextQuestion };
void keyTyped(Worksheet& ws, char32_t key);
KeyAction keyPressed(Worksheet& ws, KeyCode key, bool shiftHeld);

}  // namespace talvoren
