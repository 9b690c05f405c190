// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A lower bound on the number of steps from a line to an answer, from the
// line's shape and its sums alone. It never overestimates, so a search that
// cuts a line whose bound does not fit its remaining steps still finds the
// shortest plan.

#include "core/cells.h"

namespace talvoren::planning {

// No plan reaches an answer: the unknown's coefficient has a prime factor
// that no number of the pad can cancel.
inline constexpr int unreachable = 1000;

// For a line that is not an answer: at least 1.
int stepsAtLeast(const ExprLine& line, char unknownLetter);

}  // namespace talvoren::planning
