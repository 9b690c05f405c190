// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader shows and a voice says for a line of the page: its
// plain text with its label (②式 2x＜8, 【答】x＜4), and the kana of its
// sentence followed by the line.

#include <string>

#include "core/cells.h"

namespace talvoren {

// The line image n's text: label and line, as a screen reader names it.
std::string lineImageText(int n, const ExprLine& line, bool hasDecimalPoint);

// The kana said when line n is drawn: its sentence, then the line itself
// ("こたえ" before the answer line).
std::string spokenLine(int n, const ExprLine& line, bool hasDecimalPoint);

}  // namespace talvoren
