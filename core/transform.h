// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Line transformations: each reads a source line of `lines` and writes its
// result into the target line. A transformation that meets a number that does
// not fit in 32 bits, or a result longer than 30 cells, reports it and leaves
// the target line empty.

#include <string>

#include "core/cells.h"

namespace talvoren {

enum class Refusal {
    none,
    overflow,           // 数が大きすぎて計算できません
    tooLong,            // 式が長すぎます
    relationsDiffer,    // 不等号の向きが違う式はたせません (adding two lines)
    relationsSame,      // 不等号の向きが同じ式はひけません (subtracting two lines)
};

// The message text of a refusal ("" for none).
std::string refusalMessage(Refusal r);

struct TransformResult {
    bool value = true;  // transposeTerms: a term moved; removeBrackets: brackets found
    Refusal refusal = Refusal::none;
    bool refused() const { return refusal != Refusal::none; }
};

bool hasBracketsInLine(const ExprLine& line);  // a cell of kind ( { ] or ｢

TransformResult collectTerms(ExprTables& s, int n, int target);
TransformResult addToBothSides(ExprTables& s, int n, char op, const ExprCell& c, int target);
// A zero divisor (which callers refuse first) shows the division box once
// and writes nothing; the result's value is then false.
TransformResult scaleBothSides(ExprTables& s, int n, char op, const ExprCell& c, int target);
TransformResult transposeTerms(ExprTables& s, int n, int target);
TransformResult removeBrackets(ExprTables& s, int n, int target);
// Two lines combine only when their relations allow it (adding: the same
// direction; subtracting: opposite ones); the sum is strict if either is.
TransformResult addLines(ExprTables& s, int a, int b, int target);
TransformResult subtractLines(ExprTables& s, int a, int b, int target);

}  // namespace talvoren
