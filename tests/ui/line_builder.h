// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lines written cell by cell for the tests: c(2, 1, 'x') is 2x, rel('<').

#include <initializer_list>

#include "core/cells.h"

namespace talvoren::testing {

inline ExprCell c(std::int32_t num, std::int32_t den, std::uint8_t kind) { return ExprCell{den, num, kind}; }
inline ExprCell k(std::uint8_t kind) { return ExprCell{1, 0, kind}; }  // relations, brackets

inline ExprLine lineOf(std::initializer_list<ExprCell> cells) {
    ExprLine line;
    for (const ExprCell& cell : cells) line.cells[line.cellCount++] = cell;
    return line;
}

}  // namespace talvoren::testing
