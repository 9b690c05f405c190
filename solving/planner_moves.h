// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The steps the planner tries from a line, in the order it prefers them, and
// how the pad types a step's number.

#include <string>
#include <vector>

#include "core/cells.h"
#include "solving/control.h"
#include "solving/operations.h"

namespace talvoren {

struct PlanMove {
    OpCode opCode = OpCode::none;
    ExprCell term = ZERO;  // the pad's number (ZERO for S, I and K)
};

// Where a step stands in the planner's preference: integer pad entries before
// fractions, steps that keep the relation before those that turn it round,
// then かっこ, 移項, 整理, subtract/add, divide, multiply.
int preferenceRank(const PlanMove& move);

// The moves worth trying from a line, best preferred first:
// - かっこ when the line has brackets, 整理 and 移項 when it has none;
// - ÷c and ×c for c among the letter coefficients, each side's total letter
//   coefficient, the left total minus the right one, their negations, -1, and
//   the least common multiple of the denominators and its negation;
// - taking away each value cell (bracket factors excepted) and each side's
//   total constant and letter term: subtract it when positive, add its size
//   when negative.
// A fraction c is never a divisor: ×(1/c) stands for ÷c. On a line with
// fractions, × the least common multiple of the denominators comes first.
// Only numbers the pad can type are offered.
std::vector<PlanMove> movesFrom(const ExprLine& line, char unknownLetter);

// Whether the pad can type the cell: at most four digits a part.
bool padCanType(const ExprCell& term);

// The number as the pad shows it: "3", "-12", "2分の3", "x", "-x", "2分の3x".
std::string padTextOf(const ExprCell& term);

// The pad keys that type it: minus, digits, 分の, the letter.
std::vector<Control> padPressesOf(const ExprCell& term);

}  // namespace talvoren
