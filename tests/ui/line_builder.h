// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lines written cell by cell for the tests in the stack listing's notation:
// c(2, 1, 'x') is 2x, c(1, 3, '/') is 1/3, k('<') the relation <.

#include <initializer_list>

#include "core/cells.h"

namespace talvoren::testing {

inline ExprCell c(std::int32_t num, std::int32_t den, CellKind kind) { return ExprCell{den, num, kind}; }
inline ExprCell c(std::int32_t num, std::int32_t den, char kind) {
    return c(num, den, kindOfByte(static_cast<std::uint8_t>(kind)));
}
inline ExprCell k(CellKind kind) { return ExprCell{1, 0, kind}; }  // relations, brackets
inline ExprCell k(char kind) { return k(kindOfByte(static_cast<std::uint8_t>(kind))); }

inline ExprLine lineOf(std::initializer_list<ExprCell> cells) {
    ExprLine line;
    for (const ExprCell& cell : cells) line.cells[line.cellCount++] = cell;
    return line;
}

}  // namespace talvoren::testing
