// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 確かめ: a question's two sides worked out for a number put in for the
// unknown, in exact fractions, and whether the relation holds.

#include <cstdint>
#include <optional>
#include <string>

#include "core/cells.h"
#include "solving/solution_set.h"

namespace talvoren {

struct TrialResult {
    Ratio value;              // the number put in
    Ratio left;               // the left side's value
    CellKind relation{};  // the question's relation cell kind
    Ratio right;              // the right side's value
    bool holds = false;
};

// Works out line's sides for letter = value, bracket groups multiplied by the
// constant written before them as the bracket removal does. Nothing when the
// line is not one relation between two sides or a value grows beyond 64 bits.
std::optional<TrialResult> tryValue(const ExprLine& line, char letter, const Ratio& value);

// The relation as a question writes it: "<", ">", "<=", ">=".
std::string relationText(CellKind relation);

// The sentence written under the answer, e.g.
// "x=0 のとき 左辺 3 ＜ 右辺 5 ○（解に入っています）": the two values with
// the sign that stands between them, and the verdict.
std::string trialSentence(char letter, const TrialResult& trial);

}  // namespace talvoren
