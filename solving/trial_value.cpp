// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/trial_value.h"

#include <vector>

namespace talvoren {

namespace {

// One side's running sums: the outermost first, one more for each open bracket.
struct Group {
    Ratio sum = Ratio::make(0, 1);
    Ratio factor = Ratio::make(1, 1);
};

bool isValueCell(CellKind k) { return k == CellKind::constant || k == CellKind::bar; }

// The side's value, or nothing when a bracket is unmatched or a value is unknown.
std::optional<Ratio> sideValue(const ExprLine& line, int from, int to, char letter, const Ratio& x) {
    std::vector<Group> groups(1);
    for (int i = from; i < to; ++i) {
        const ExprCell& cell = line.cells[static_cast<std::size_t>(i)];
        const bool factorOfBracket =
            isValueCell(cell.kind) && i + 1 < to && isOpeningBracket(line.cells[static_cast<std::size_t>(i + 1)].kind);
        if (factorOfBracket) continue;  // taken up by the bracket that follows
        if (isOpeningBracket(cell.kind)) {
            const ExprCell* before = i > from ? &line.cells[static_cast<std::size_t>(i - 1)] : nullptr;
            groups.push_back({Ratio::make(0, 1), before && isValueCell(before->kind) ? Ratio::of(*before) : Ratio::make(1, 1)});
        } else if (isClosingBracket(cell.kind)) {
            if (groups.size() < 2) return std::nullopt;
            const Group inner = groups.back();
            groups.pop_back();
            groups.back().sum = groups.back().sum + inner.factor * inner.sum;
        } else if (isValueCell(cell.kind)) {
            groups.back().sum = groups.back().sum + Ratio::of(cell);
        } else if (cell.kind == letterKind(letter)) {
            groups.back().sum = groups.back().sum + Ratio::of(cell) * x;
        } else {
            return std::nullopt;
        }
    }
    if (groups.size() != 1 || !groups.front().sum.known) return std::nullopt;
    return groups.front().sum;
}

bool holds(CellKind relation, int v) {
    switch (relation) {
    case CellKind::less: return v < 0;
    case CellKind::greater: return v > 0;
    case CellKind::lessEqual: return v <= 0;
    case CellKind::greaterEqual: return v >= 0;
    default: return false;
    }
}

}  // namespace

std::optional<TrialResult> tryValue(const ExprLine& line, char letter, const Ratio& value) {
    if (!value.known) return std::nullopt;
    int relationAt = -1;
    for (int i = 0; i < line.cellCount; ++i) {
        if (!isRelation(line.cells[static_cast<std::size_t>(i)].kind)) continue;
        if (relationAt >= 0) return std::nullopt;
        relationAt = i;
    }
    if (relationAt < 0) return std::nullopt;
    const std::optional<Ratio> left = sideValue(line, 0, relationAt, letter, value);
    const std::optional<Ratio> right = sideValue(line, relationAt + 1, line.cellCount, letter, value);
    if (!left || !right) return std::nullopt;
    const CellKind relation = line.cells[static_cast<std::size_t>(relationAt)].kind;
    return TrialResult{value, *left, relation, *right, holds(relation, compareRatios(*left, *right))};
}

std::string relationText(CellKind relation) {
    switch (relation) {
    case CellKind::less: return "<";
    case CellKind::greater: return ">";
    case CellKind::lessEqual: return "<=";
    case CellKind::greaterEqual: return ">=";
    default: return "?";
    }
}

std::string trialSentence(char letter, const TrialResult& trial) {
    const int v = compareRatios(trial.left, trial.right);
    const char* sign = v < 0 ? "＜" : v > 0 ? "＞" : "＝";
    return std::string(1, letter) + "=" + ratioText(trial.value) + " のとき 左辺 " + ratioText(trial.left) +
           " " + sign + " 右辺 " + ratioText(trial.right) +
           (trial.holds ? " ○（解に入っています）" : " ×（解に入っていません）");
}

}  // namespace talvoren
