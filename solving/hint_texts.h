// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every sentence the hint line and the status line say, in one table. A text
// may hold fields in braces that are filled in when it is said:
//   {L} the line's label (②), {N} the number as typed on the pad (-3, 3分の2),
//   {X} the unknown's letter, {A} {R} {B} the two numbers of a relation
//   between numbers and its sign, {S} {M} {H} the counts of the status line.

#include <map>
#include <string>
#include <string_view>

namespace talvoren {

enum class HintText {
    // Level 1: where to look and what kind of step.
    whereBrackets, whereTranspose, whereCollect, whereMultiply, whereDivide,
    whereAdd, whereAddTerm, whereSubtract, whereSubtractTerm,
    // Level 2: the exact step.
    stepBrackets, stepTranspose, stepCollect, stepMultiply, stepDivide, stepAdd, stepSubtract,
    // Said with every hint whose step multiplies or divides by a negative number.
    whyMultiplyNegative, whyDivideNegative,
    // Level 3: the step is set up on the panel.
    setUp,
    // A line that is already an answer.
    numbersCompare, numbersTrue, numbersFalse, numbersSetUp,
    answerShape, answerShapeStep, answerShapeSetUp,
    // No way to an answer fits on the rest of the page.
    noPlan,
    // After a step by a negative number.
    turnedByMultiplying, turnedByDividing,
    // The status line of a solved question.
    statusSolved, statusSolvedShortest, statusHintsUsed,
};

using HintFields = std::map<char, std::string>;

// The text with its fields filled in; a field not given stays as written.
std::string hintText(HintText which, const HintFields& fields = {});

}  // namespace talvoren
