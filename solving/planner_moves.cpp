// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/planner_moves.h"

#include <algorithm>
#include <cstdlib>

#include "core/transform.h"
#include "solving/planner_ratio.h"

namespace talvoren {

namespace {

using planning::Ratio;

constexpr std::int64_t largestPadPart = 9999;  // four digits a part

int operationRank(OpCode opCode) {
    switch (opCode) {
    case OpCode::removeBrackets: return 0;
    case OpCode::transpose: return 1;
    case OpCode::collect: return 2;
    case OpCode::subtract:
    case OpCode::add: return 3;
    case OpCode::divide: return 4;
    case OpCode::multiply: return 5;
    case OpCode::none: break;
    }
    return 6;
}

bool isValue(CellKind k, char letter) {
    return k == CellKind::constant || k == CellKind::bar || k == letterKind(letter);
}

// The line's values, gathered once.
struct LineValues {
    std::vector<Ratio> letterCoefficients;
    std::vector<ExprCell> takeAway;  // value cells that are not bracket factors
    Ratio letters[2];
    Ratio constants[2];
    Ratio denominatorLcm{1, 1, true};
};

LineValues valuesOf(const ExprLine& line, char letter) {
    LineValues v;
    int side = 0;
    std::int64_t lcmDen = 1;
    for (int i = 0; i < line.cellCount; ++i) {
        const ExprCell& c = line.cells[static_cast<std::size_t>(i)];
        if (isRelation(c.kind)) {
            side = 1;
            continue;
        }
        if (!isValue(c.kind, letter) || c.den <= 0) continue;
        const bool factor = i + 1 < line.cellCount &&
                            isOpeningBracket(line.cells[static_cast<std::size_t>(i + 1)].kind);
        if (!factor && c.kind != CellKind::bar) v.takeAway.push_back(c);
        if (lcmDen <= largestPadPart) lcmDen = std::lcm(lcmDen, static_cast<std::int64_t>(c.den));
        const Ratio value = Ratio::of(c);
        if (c.kind == letterKind(letter)) {
            v.letterCoefficients.push_back(value);
            v.letters[side] = v.letters[side] + value;
        } else if (!factor) {
            v.constants[side] = v.constants[side] + value;
        }
    }
    v.denominatorLcm = {lcmDen, 1, true};
    return v;
}

bool fitsPad(const Ratio& r) {
    return r.known && r.den <= largestPadPart && r.num >= -largestPadPart && r.num <= largestPadPart;
}

ExprCell cellOf(const Ratio& r, CellKind k) {
    return {static_cast<std::int32_t>(r.den), static_cast<std::int32_t>(r.num), k};
}

std::vector<PlanMove>::iterator findMove(std::vector<PlanMove>& moves, const PlanMove& move) {
    return std::find_if(moves.begin(), moves.end(),
                        [&](const PlanMove& m) { return m.opCode == move.opCode && m.term == move.term; });
}

void addMove(std::vector<PlanMove>& moves, const PlanMove& move) {
    if (findMove(moves, move) == moves.end()) moves.push_back(move);
}

// Subtract a positive term, add the size of a negative one.
void addTakeAway(std::vector<PlanMove>& moves, const Ratio& value, CellKind k) {
    if (!value.known || value.num == 0) return;
    const Ratio size = value.num < 0 ? -value : value;
    if (!fitsPad(size)) return;
    addMove(moves, {value.num < 0 ? OpCode::add : OpCode::subtract, cellOf(size, k)});
}

// A large divisor of n (n > 9999) that the pad can type: n over the least
// cofactor at or above n / 9999, looked for among a few; 1 when none is found.
std::int64_t typableDivisor(std::int64_t n) {
    constexpr std::int64_t tries = 64;
    const std::int64_t least = (n + largestPadPart - 1) / largestPadPart;
    for (std::int64_t e = std::max<std::int64_t>(least, 2); e < least + tries; ++e)
        if (n % e == 0) return n / e > 1 ? n / e : 1;
    return 1;
}

void addScalings(std::vector<PlanMove>& moves, const Ratio& c) {
    if (!c.known || c.num == 0 || c.is(1)) return;
    if (fitsPad(c)) {
        // A fraction is never a divisor: ÷2/3 is taught as ×3/2.
        const bool fraction = c.den != 1;
        const Ratio divisorAsFactor = Ratio::make(c.den, c.num);
        if (fraction)
            addMove(moves, {OpCode::multiply, cellOf(divisorAsFactor, CellKind::constant)});
        else
            addMove(moves, {OpCode::divide, cellOf(c, CellKind::constant)});
        addMove(moves, {OpCode::multiply, cellOf(c, CellKind::constant)});
        return;
    }
    // A factor too long for the pad is taken in parts: a divisor of its
    // numerator and of its denominator that the pad can type.
    const std::int64_t size = c.num < 0 ? -c.num : c.num;
    const std::int64_t sign = c.num < 0 ? -1 : 1;
    if (const std::int64_t d = typableDivisor(size); d > 1)
        addMove(moves, {OpCode::divide, cellOf({sign * d, 1, true}, CellKind::constant)});
    if (const std::int64_t d = typableDivisor(c.den); d > 1)
        addMove(moves, {OpCode::multiply, cellOf({sign * d, 1, true}, CellKind::constant)});
}

}  // namespace

int preferenceRank(const PlanMove& move) {
    const bool fraction = move.term.den != 1;
    const bool reverses = scalesBothSides(move.opCode) && move.term.num < 0;
    return (fraction ? 100 : 0) + (reverses ? 10 : 0) + operationRank(move.opCode);
}

std::vector<PlanMove> movesFrom(const ExprLine& line, char letter) {
    std::vector<PlanMove> moves;
    if (hasBracketsInLine(line)) {
        moves.push_back({OpCode::removeBrackets, ZERO});
    } else {
        moves.push_back({OpCode::transpose, ZERO});
        moves.push_back({OpCode::collect, ZERO});
    }
    const LineValues v = valuesOf(line, letter);
    const CellKind letterTerm = letterKind(letter);

    for (const ExprCell& t : v.takeAway) addTakeAway(moves, Ratio::of(t), t.kind == CellKind::bar ? CellKind::constant : t.kind);
    for (int side = 0; side < 2; ++side) {
        addTakeAway(moves, v.constants[side], CellKind::constant);
        addTakeAway(moves, v.letters[side], letterTerm);
    }

    std::vector<Ratio> factors = v.letterCoefficients;
    factors.push_back(v.letters[0]);
    factors.push_back(v.letters[1]);
    factors.push_back(v.letters[0] - v.letters[1]);
    factors.push_back({1, 1, true});
    factors.push_back(v.denominatorLcm);
    for (const Ratio& c : factors) {
        addScalings(moves, c);
        addScalings(moves, -c);
    }

    std::vector<std::pair<int, PlanMove>> ranked;
    ranked.reserve(moves.size());
    for (const PlanMove& m : moves) ranked.emplace_back(preferenceRank(m), m);
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < moves.size(); ++i) moves[i] = ranked[i].second;

    // A line with fractions is first cleared of its denominators (×their
    // least common multiple) whenever a plan that starts so is as short.
    if (!v.denominatorLcm.is(1)) {
        const PlanMove clearing{OpCode::multiply, cellOf(v.denominatorLcm, CellKind::constant)};
        if (const auto it = findMove(moves, clearing); it != moves.end()) std::rotate(moves.begin(), it, it + 1);
    }
    return moves;
}

bool padCanType(const ExprCell& term) {
    const Ratio r = Ratio::of(term);
    return fitsPad(r) && r.num == term.num && r.den == term.den;
}

std::string padTextOf(const ExprCell& term) {
    std::string text = term.num < 0 ? "-" : "";
    const std::int64_t size = std::abs(static_cast<std::int64_t>(term.num));
    const bool letterTerm = term.kind != CellKind::constant;
    if (term.den != 1)
        text += std::to_string(term.den) + "分の" + std::to_string(size);
    else if (!letterTerm || size != 1)
        text += std::to_string(size);
    if (letterTerm) text += static_cast<char>(kindByte(term.kind));
    return text;
}

std::vector<Control> padPressesOf(const ExprCell& term) {
    std::vector<Control> presses;
    const auto digits = [&](std::int64_t value) {
        for (char d : std::to_string(value)) presses.push_back(Control::digit(d - '0'));
    };
    if (term.num < 0) presses.push_back(Control::of(ControlKind::minus));
    const std::int64_t size = std::abs(static_cast<std::int64_t>(term.num));
    const bool letterTerm = term.kind != CellKind::constant;
    if (term.den != 1) {
        digits(term.den);
        presses.push_back(Control::of(ControlKind::fraction));
        digits(size);
    } else if (!letterTerm || size != 1) {
        digits(size);
    }
    if (letterTerm) presses.push_back(Control::of(ControlKind::letter));
    return presses;
}

}  // namespace talvoren
