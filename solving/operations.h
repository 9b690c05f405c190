// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The operations a pupil can choose for a line: the code the buttons and
// keys pass and the executor acts on, and the words the description line
// gets.

#include <string_view>

#include "core/cells.h"

namespace talvoren {

// The operation codes; the value is the code the stack listing and the
// driver's state line show.
enum class OpCode : char {
    multiply = '*',
    divide = '/',
    add = '+',
    subtract = '-',
    collect = 'S',
    transpose = 'I',
    removeBrackets = 'K',
    none = '?',  // after a correction
};

struct Operation {
    OpCode code;
    std::string_view text;  // appended to the description line
};

// The operation of that code, or nullptr for OpCode::none.
const Operation* operationOf(OpCode code);

// ×, ÷, ＋ and － take the pad's number; 整理, 移項 and かっこ take none.
bool needsNumber(OpCode code);

// × and ÷: both sides scaled by the pad's number.
bool scalesBothSides(OpCode code);

// Whether a step turns the relation round: multiplying or dividing both
// sides by a negative number.
bool turnsRelationRound(OpCode code, const ExprCell& number);

}  // namespace talvoren
