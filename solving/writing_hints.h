// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the tutor says while the pupil writes a line (計算も自分で): the
// hint levels on the line being written, and the count of written lines in
// the status line of a solved question.

#include <string>

#include "solving/line_diagnosis.h"

namespace talvoren {

// The hint of a level (1..3) on the step being written, given as typed on
// the pad (the number's text): 1 what happens to each term, 2 the new terms
// one by one, 3 the whole line (which the caller puts into the entry).
std::string writingHint(const WrittenStep& step, const std::string& numberText, int level);

// 「4回の式のうち3回正しく書けました（向きの変え忘れ1回）」; "" when no line
// was written.
std::string writingStatus(const WritingTally& tally);

}  // namespace talvoren
