// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The operations a pupil can choose for a line: the number the buttons and
// keys pass, the operation code the executor acts on, and the words the
// description line gets.

#include <string_view>

namespace talvoren {

class Worksheet;

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
    int number;             // passed by the buttons and keys
    char opCode;
    std::string_view text;  // appended to the description line
};

namespace op {
inline constexpr int multiply = 0;
inline constexpr int divide = 1;
inline constexpr int add = 2;
inline constexpr int subtract = 3;
inline constexpr int collect = 5;
inline constexpr int transpose = 6;
inline constexpr int removeBrackets = 7;
}  // namespace op

// The operation with that number, or nullptr (4 and anything else).
const Operation* operationFor(int number);

// The operation of that code, or nullptr for OpCode::none.
const Operation* operationOf(OpCode code);

// Whether the worksheet's first line holds a bracket; false while no line is
// selected.
bool hasBrackets(const Worksheet& ws);

}  // namespace talvoren
