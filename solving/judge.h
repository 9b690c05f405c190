// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Judging whether a line is an answer, and of which kind.

#include <cstdint>

#include "core/cells.h"

namespace talvoren {

// The kinds of answer: the judge's verdict on a line, the answer the pupil
// has given on the page, the answer a plan reaches.
enum class AnswerKind {
    none,            // not an answer (yet); no plan
    solved,          // the letter alone (coefficient 1), a relation, a number: answerLine
    noSolution,      // two numbers in a false relation: 解なし
    infinitelyMany,  // two numbers in a true relation: 解は無数にある
};

// The special answers' words, and what the answer image writes before an answer.
inline constexpr const char* noSolutionText = "解なし";
inline constexpr const char* infinitelyManyText = "解は無数にある";
inline constexpr const char* answerMark = "【答】";

// Judges line n of a page whose newest line is lineCount. The judge only
// judges: a caller that takes a solved line as the answer writes it there.
AnswerKind judgeLine(CoreState& core, int lineCount, int n);

// Whether x stands in the relation k to y (two constant cells).
bool relationHolds(CoreState& core, CellKind k, const ExprCell& x, const ExprCell& y);

}  // namespace talvoren
