// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The operation executor: carries out one step of the worksheet. It refuses
// what is not allowed with a message, or derives the new line into
// lines[lineCount] with the sentence that says what was done, and draws it.

#include "core/cells.h"

namespace talvoren {

class Worksheet;

// Works on firstLine, secondLine, enteredTerm and enteredText. True: the new
// line stands in lines[lineCount] with its caption and has been drawn.
// False: a message has been shown and lines[lineCount] is empty.
bool applyOperation(Worksheet& ws, char opCode);

// Whether a step turns the relation round: multiplying or dividing both
// sides by a negative number.
bool turnsRelationRound(char opCode, const ExprCell& number);

// Turns round the first relation cell of the line (< and >, ≦ and ≧).
void reverseRelation(ExprLine& line);

}  // namespace talvoren
