// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The operation executor: carries out one step. It refuses what is not
// allowed, saying why, or derives the new line with the sentence that says
// what was done. Showing the refusal or the question, and drawing the line,
// are the caller's.

#include <optional>
#include <string>

#include "core/cells.h"
#include "solving/operations.h"

namespace talvoren {

// What 実行 hands the executor.
struct StepContext {
    OpCode opCode = OpCode::none;
    int firstLine = 0;
    int secondLine = 0;          // the second line of a line-with-line step
    bool withSecondLine = false;  // the step was set up with a second line (SecondChosen)
    ExprCell enteredTerm = ZERO;  // the pad's number
    std::string enteredText;      // the pad's text, quoted in the sentence
    int target = 0;               // the new line's slot
};

struct StepResult {
    std::optional<std::string> sentence;  // nothing: refused
    bool signReversed = false;            // the relation was turned round
    // Refused: the message the pupil is shown, as the refusal's only words
    // ("" for none).
    std::string refusal;
    // Accepted, but the pupil is asked this yes/no question first; yes takes
    // the step back (移項 with nothing to move).
    std::optional<std::string> confirmation;
    bool accepted() const { return sentence.has_value(); }
};

inline constexpr const char* confirmationCaption = "確認";

// Accepted: the new line stands in lines[target] with the sentence as its
// caption. Refused: lines[target] is empty.
StepResult applyOperation(CoreState& core, const StepContext& step);

// Turns round the first relation cell of the line (< and >, ≦ and ≧).
void reverseRelation(ExprLine& line);

}  // namespace talvoren
