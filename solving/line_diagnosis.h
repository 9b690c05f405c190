// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Judging a line the pupil wrote for a step (計算も自分で). The tutor's own
// line is the right one; a small library of the wrong lines pupils are known
// to write for each operation (the relation not turned, a transposed term
// that kept its sign, a bracket's factor not multiplied into every term, ...)
// names the mistake. Lines are compared term by term in any order, values as
// exact fractions; whether two lines have the same solutions is decided
// exactly from their solution sets.

#include <array>
#include <string>
#include <string_view>

#include "core/cells.h"
#include "solving/operations.h"

namespace talvoren {

// The mistakes, in the order in which they are looked for.
enum class MistakeCode {
    form,        // the same solutions, but not this step's line (a step skipped, sides swapped)
    noflip,      // the relation not turned after × or ÷ by a negative number
    flip,        // the relation turned where the step does not turn it
    transpose,   // a term moved to the other side kept its sign
    distribute,  // a bracket's factor not multiplied into every term (or its sign)
    partial,     // the operation done to some terms or one side only
    unlike,      // a letter term and a number combined into one term
    arith,       // the right shape, a value wrong
    other,
};
inline constexpr int mistakeCodeCount = 9;

// The code's name in transcripts and record files ("noflip").
std::string_view mistakeCodeName(MistakeCode code);
// The sentence the hint line answers a mistake with.
std::string_view mistakeMessage(MistakeCode code);
// A few words for counts (向きの変え忘れ).
std::string_view mistakeShortName(MistakeCode code);

// The step whose result the pupil wrote.
struct WrittenStep {
    OpCode operation = OpCode::none;
    ExprLine source;          // the line the step was taken on
    ExprLine second;          // the other line of a two-line step
    bool twoLines = false;
    ExprCell number = ZERO;   // the pad's number
    ExprLine right;           // the tutor's own line
};

struct Diagnosis {
    bool right = false;
    MistakeCode code = MistakeCode::other;  // when not right
};

Diagnosis diagnoseWrittenLine(const WrittenStep& step, const ExprLine& written);

// What the tutor answers a written line with.
enum class VerdictKind {
    right,       // drawn as the tutor's own line
    mistake,     // named; the entry stays open
    shown,       // the second mistake: the tutor draws its own line
    unreadable,  // not a line at all; not counted as a mistake
};
struct LineVerdict {
    VerdictKind kind = VerdictKind::right;
    MistakeCode code = MistakeCode::other;  // of a mistake
    std::string text;                       // the hint line's sentence
};

// The pupil's written lines on one question.
struct WritingTally {
    int lines = 0;  // steps completed by writing their line
    int right = 0;  // lines the pupil wrote right
    int shown = 0;  // lines the tutor drew after two mistakes
    std::array<int, mistakeCodeCount> mistakes{};
};

}  // namespace talvoren
