// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A refused question told in one phrase for the teacher: the parser's reason
// and, where one character is to blame, which one it is.

#include <string>
#include <string_view>

namespace talvoren {

// "符号（+ や -）の後に項がありません（4文字目）"; `bytePosition` is the
// parser's 1-based code-page-932 byte, counted here in characters of the
// question as the teacher wrote it. 0 names no character.
std::string refusalDescription(std::string_view question, const std::string& reason,
                               int bytePosition);

}  // namespace talvoren
