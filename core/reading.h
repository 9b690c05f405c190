// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Kana readings for speech and screen readers. A line is read from its cells
// (numbers in Japanese, the letter by its name, fractions denominator first,
// relations as 小なり/大なり), any other text the tutor shows from the table
// of fixed readings, so that no kanji is ever left for a speech engine to
// guess.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/cells.h"

namespace talvoren {

// A whole number in kana: 12 → じゅうに, 300 → さんびゃく.
std::string numberReading(std::uint64_t value);
// A digit string with an optional decimal part ("0.5" → れいてんご); digits
// beyond what the big units cover are read one by one.
std::string digitsReading(std::string_view digits);
// The name of a letter of the question (x → エックス).
std::string letterReading(char letter);

// A line as drawn (decimals written as decimals when the question has a
// decimal point), in words separated by one space.
std::string lineReading(const ExprLine& line, bool hasDecimalPoint);
// The same line as plain text, as a screen reader shows it: 2x−3＜5.
std::string lineText(const ExprLine& line, bool hasDecimalPoint);

// Any text the tutor shows (a sentence, a hint, a message, a line's text).
std::string textReading(std::string_view text);

// The table of readings of the system's fixed words and phrases, longest
// first where one begins another.
struct FixedReading {
    std::string_view text;
    std::string_view kana;
};
std::span<const FixedReading> fixedReadings();

}  // namespace talvoren
