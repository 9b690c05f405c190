// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/solution_set.h"

#include "solving/worksheet.h"

namespace talvoren {

namespace {

std::int64_t floorOf(const Ratio& r) {
    const std::int64_t q = r.num / r.den;
    return (r.num % r.den != 0 && r.num < 0) ? q - 1 : q;
}

std::int64_t ceilOf(const Ratio& r) {
    const std::int64_t q = r.num / r.den;
    return (r.num % r.den != 0 && r.num > 0) ? q + 1 : q;
}

std::optional<SetKind> kindOfRelation(CellKind relation) {
    switch (relation) {
    case CellKind::less: return SetKind::less;
    case CellKind::lessEqual: return SetKind::lessEqual;
    case CellKind::greater: return SetKind::greater;
    case CellKind::greaterEqual: return SetKind::greaterEqual;
    default: return std::nullopt;
    }
}

}  // namespace

int compareRatios(const Ratio& a, const Ratio& b) {
    const __int128 left = static_cast<__int128>(a.num) * b.den;
    const __int128 right = static_cast<__int128>(b.num) * a.den;
    return left < right ? -1 : left > right ? 1 : 0;
}

bool SolutionSet::contains(const Ratio& x) const {
    if (kind == SetKind::none || !x.known) return false;
    if (kind == SetKind::all) return true;
    const int v = compareRatios(x, end);
    switch (kind) {
    case SetKind::less: return v < 0;
    case SetKind::lessEqual: return v <= 0;
    case SetKind::greater: return v > 0;
    case SetKind::greaterEqual: return v >= 0;
    default: return false;
    }
}

std::optional<SolutionSet> solutionSetOf(AnswerKind answer, const ExprLine& answerLine) {
    if (answer == AnswerKind::noSolution) return SolutionSet{SetKind::none, {}};
    if (answer == AnswerKind::infinitelyMany) return SolutionSet{SetKind::all, {}};
    if (answerLine.cellCount != 3) return std::nullopt;
    const ExprCell& letter = answerLine.cells[0];
    const ExprCell& number = answerLine.cells[2];
    const std::optional<SetKind> relation = kindOfRelation(answerLine.cells[1].kind);
    if (!relation || !isLetter(letter.kind) || letter.num != 1 || letter.den != 1 ||
        number.kind != CellKind::constant)
        return std::nullopt;
    const Ratio end = Ratio::of(number);
    if (!end.known) return std::nullopt;
    return SolutionSet{*relation, end};
}

std::optional<SolutionSet> solutionSetOnPage(const WorksheetState& state, const ExprTables& tables) {
    if (!state.solvedFlag) return std::nullopt;
    // A question solved as it stands keeps answerKind none; its answer line is the judged line 1.
    return solutionSetOf(state.answerKind, tables.answerLine());
}

std::string ratioText(const Ratio& value) {
    if (value.den == 1) return std::to_string(value.num);
    return std::to_string(value.num) + "/" + std::to_string(value.den);
}

std::string solutionSetText(const SolutionSet& set) {
    switch (set.kind) {
    case SetKind::none: return "none";
    case SetKind::all: return "all";
    case SetKind::less: return "lt " + ratioText(set.end);
    case SetKind::lessEqual: return "le " + ratioText(set.end);
    case SetKind::greater: return "gt " + ratioText(set.end);
    case SetKind::greaterEqual: return "ge " + ratioText(set.end);
    }
    return "none";
}

SuggestedValues suggestedValues(const SolutionSet& set) {
    // Whole numbers a step away from the end: simple to work out by hand,
    // and never the end itself, whose verdict depends on ≦ or <.
    const Ratio zero = Ratio::make(0, 1);
    if (set.kind == SetKind::all) return {zero, std::nullopt};
    if (set.kind == SetKind::none) return {std::nullopt, zero};
    const Ratio below = Ratio::make(floorOf(set.end) - 1, 1);
    const Ratio above = Ratio::make(ceilOf(set.end) + 1, 1);
    // Zero is the easiest number to put in: offer it where it lies clear of the end.
    const bool zeroClear = compareRatios(zero, set.end) != 0;
    const Ratio& left = zeroClear && compareRatios(zero, set.end) < 0 ? zero : below;
    const Ratio& right = zeroClear && compareRatios(zero, set.end) > 0 ? zero : above;
    if (set.runsLeft()) return {left, right};
    return {right, left};
}

}  // namespace talvoren
