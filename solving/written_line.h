// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A line the pupil writes (計算も自分で): the text typed on the keyboard or
// the pad, read with the question parser into cells. The pupil may use
// full-width forms (２ｘ＋３＜５, ≦, ≧) and may write a line without the
// letter (0<2, the way to 解なし and 解は無数にある); the letter, when there is
// one, must be the question's.

#include <optional>
#include <string>
#include <string_view>

#include "core/cells.h"

namespace talvoren {

// The text with full-width digits, letters, signs and relations turned into
// the question grammar's ASCII (≦ → <=, ≧ → >=, － and − → -).
std::string asciiLineText(std::string_view text);

struct WrittenLine {
    std::optional<ExprLine> line;  // nothing: the text is not a line
    std::string reason;            // why it is not, as the pupil is told
};

// Reads the pupil's text as a line in the question's letter.
WrittenLine readWrittenLine(std::string_view text, char letter);

// A line as the pupil would write it, which readWrittenLine reads back to
// the same cells ("2x-3<5", "1/2x>=-1", "-2(x-3)<4").
std::string writtenTextOf(const ExprLine& line);
// One term's text as a side lists it ("2x", "-3", "1/2").
std::string termText(const ExprCell& cell);

}  // namespace talvoren
