// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Judging whether a line is an answer, and concluding a step from it: the
// solution goes to the answer box; for the two special answers the pupil
// names the kind of answer in the special-solution dialog.

#include <cstdint>

#include "core/cells.h"

namespace talvoren {

class Worksheet;

namespace judged {
inline constexpr int notAnswer = 0;
inline constexpr int solved = 1;          // the letter alone (coefficient 1), a relation, a number
inline constexpr int noSolution = 2;      // two numbers in a false relation
inline constexpr int infinitelyMany = 3;  // two numbers in a true relation
}  // namespace judged

// Judges line n; writes answerLine when the line is solved.
int judgeLine(Worksheet& ws, int n);

// Whether x stands in the relation k to y (two constant cells).
bool relationHolds(CoreState& core, std::uint8_t k, const ExprCell& x, const ExprCell& y);

// Acts on a judgement after a step and sets answerKind: draws the answer
// line, or asks the special-solution dialog until the right kind is named or
// the dialog is closed.
void concludeJudgement(Worksheet& ws, int judgement);

}  // namespace talvoren
