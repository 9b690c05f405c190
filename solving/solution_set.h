// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The solution set of a solved question as a value: what the number line
// draws, what 確かめ compares with, and what the driver prints.

#include <optional>
#include <string>

#include "core/cells.h"
#include "solving/judge.h"
#include "solving/planner_ratio.h"

namespace talvoren {

using planning::Ratio;

enum class SetKind {
    none,          // 解なし
    all,           // 解は無数にある
    less,          // x < end
    lessEqual,     // x ≦ end
    greater,       // x > end
    greaterEqual,  // x ≧ end
};

struct SolutionSet {
    SetKind kind = SetKind::none;
    Ratio end;  // meaningful for the four relations only

    bool hasEnd() const { return kind != SetKind::none && kind != SetKind::all; }
    bool endIncluded() const { return kind == SetKind::lessEqual || kind == SetKind::greaterEqual; }
    bool runsLeft() const { return kind == SetKind::less || kind == SetKind::lessEqual; }
    bool contains(const Ratio& x) const;
};

// The set an answer names: the special answers, or the answer line
// "letter relation number"; nothing when the line is not of that shape.
std::optional<SolutionSet> solutionSetOf(AnswerKind answer, const ExprLine& answerLine);

// -1, 0 or 1 by exact value (both values known).
int compareRatios(const Ratio& a, const Ratio& b);

struct WorksheetState;
// The set the solved page shows; nothing while the page is not solved.
std::optional<SolutionSet> solutionSetOnPage(const WorksheetState& state, const ExprTables& tables);

// "lt 1/2", "ge -3", "none", "all".
std::string solutionSetText(const SolutionSet& set);
// An exact fraction as "n/d", or "n" for a whole number.
std::string ratioText(const Ratio& value);

// Two whole numbers the tutor offers to try: one in the set and one outside
// it (missing where the set has no such number).
struct SuggestedValues {
    std::optional<Ratio> inside;
    std::optional<Ratio> outside;
};
SuggestedValues suggestedValues(const SolutionSet& set);

}  // namespace talvoren
