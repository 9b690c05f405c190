// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cells.h"

#include <cstdlib>
#include <limits>
#include <numeric>

#include "core/sjis.h"

namespace talvoren {

namespace {

constexpr std::int64_t int32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t int32Max = std::numeric_limits<std::int32_t>::max();

bool fits32(std::int64_t v) { return v >= int32Min && v <= int32Max; }

// Greatest common divisor of |a| and |b|; 0 when either is 0. The operands
// come from 32-bit fields or their products, so their magnitudes stay far
// below the 64-bit limit.
std::int64_t gcd64(std::int64_t a, std::int64_t b) {
    if (a == 0 || b == 0) return 0;
    if (a == 1 || b == 1 || a == -1 || b == -1) return 1;  // integers: the usual case
    return std::gcd(a, b);
}

void appendTo(ExprTables& s, ExprLine& line, const ExprCell& c) {
    if (line.cellCount >= maxCells) {
        s.lineFull = true;  // never write past the 30th cell
        return;
    }
    line.cells[static_cast<std::size_t>(line.cellCount)] = c;
    ++line.cellCount;
}

// Reduces a 64-bit fraction and narrows it to a cell; raises the overflow flag
// when the reduced fraction still does not fit in 32 bits.
ExprCell reduceWide(ExprTables& s, std::int64_t den, std::int64_t num, CellKind kind) {
    const std::int64_t g = gcd64(den, num);
    if (g > 1) {
        den /= g;
        num /= g;
    }
    if (!fits32(den) || !fits32(num)) {
        s.overflow = true;
        return {1, 0, kind};
    }
    return {static_cast<std::int32_t>(den), static_cast<std::int32_t>(num), kind};
}

}  // namespace

ExprCell makeCell(std::int32_t num, std::int32_t den, CellKind k) { return {den, num, k}; }

bool isRelation(CellKind k) {
    return k == CellKind::less || k == CellKind::greater || k == CellKind::lessEqual ||
           k == CellKind::greaterEqual;
}

bool isLetter(CellKind k) {
    const std::uint8_t b = kindByte(k);
    return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
}

char letterOf(CellKind k) { return isLetter(k) ? static_cast<char>(kindByte(k)) : '@'; }

bool isOpeningBracket(CellKind k) {
    return k == CellKind::roundOpen || k == CellKind::squareOpen || k == CellKind::braceOpen ||
           k == CellKind::cornerOpen;
}

bool isClosingBracket(CellKind k) {
    return k == CellKind::roundClose || k == CellKind::squareClose || k == CellKind::braceClose ||
           k == CellKind::cornerClose;
}

std::string relationSymbol(CellKind relation) {
    switch (relation) {
    case CellKind::less: return "＜";
    case CellKind::greater: return "＞";
    case CellKind::lessEqual: return "≦";
    default: return "≧";
    }
}

std::string bracketSymbol(CellKind bracket) {
    switch (bracket) {
    case CellKind::cornerOpen: return "｢";
    case CellKind::cornerClose: return "｣";
    default: return std::string(1, static_cast<char>(kindByte(bracket)));
    }
}

bool suppressesPlus(CellKind previousKind) { return isOpeningBracket(previousKind) || isRelation(previousKind); }

bool cellsEqual(const ExprCell& a, const ExprCell& b) { return a == b; }

ExprCell absCell(ExprTables& s, const ExprCell& c) {
    if (c.num == int32Min || c.den == int32Min) {
        s.overflow = true;
        return c;
    }
    return {std::abs(c.den), std::abs(c.num), c.kind};
}

void appendCell(ExprTables& s, int n, const ExprCell& c) { appendTo(s, s.lines.at(n), c); }

ExprCell popCell(ExprTables& s, int n) {
    ExprLine& line = s.lines.at(n);
    if (line.cellCount <= 0) return ZERO;
    --line.cellCount;
    return line.cells[static_cast<std::size_t>(line.cellCount)];
}

void clearLine(ExprTables& s, int n) { s.lines.at(n).cellCount = 0; }
void pushExpand(ExprTables& s, const ExprCell& c) { appendTo(s, s.expandList, c); }
void pushCarry(ExprTables& s, const ExprCell& c) { appendTo(s, s.carryList, c); }
void clearExpand(ExprTables& s) { s.expandList.cellCount = 0; }
void clearCarry(ExprTables& s) { s.carryList.cellCount = 0; }

std::int32_t gcd(ExprTables& s, std::int32_t a, std::int32_t b) {
    const std::int64_t g = gcd64(a, b);
    if (!fits32(g)) {  // both operands are the most negative value
        s.overflow = true;
        return 1;
    }
    return static_cast<std::int32_t>(g);
}

std::int32_t lcm(ExprTables& s, std::int32_t a, std::int32_t b) {
    const std::int32_t g = gcd(s, a, b);
    if (g == 0) {
        s.note("x=" + std::to_string(a) + ",y=" + std::to_string(b) + "GCDが０です");
        return 0;
    }
    const std::int64_t l = static_cast<std::int64_t>(a) * b / g;
    if (!fits32(l)) {
        s.overflow = true;
        return 1;
    }
    return static_cast<std::int32_t>(l);
}

ExprCell reduce(ExprTables& s, std::int32_t den, std::int32_t num, CellKind k) {
    return reduceWide(s, den, num, k);
}

ExprCell addCells(ExprTables& s, const ExprCell& x, const ExprCell& y) {
    const std::int64_t l = lcm(s, x.den, y.den);
    if (l == 0) return {1, 0, x.kind};
    const std::int64_t num = x.num * (l / x.den) + y.num * (l / y.den);
    return reduceWide(s, l, num, x.kind);
}

ExprCell multiplyCells(ExprTables& s, const ExprCell& x, const ExprCell& y) {
    const ExprCell a = reduce(s, x.den, x.num, x.kind);
    const ExprCell b = reduce(s, y.den, y.num, y.kind);
    return reduceWide(s, static_cast<std::int64_t>(a.den) * b.den,
                      static_cast<std::int64_t>(a.num) * b.num, x.kind);
}

ExprCell divideCells(ExprTables& s, const ExprCell& x, const ExprCell& y) {
    if (y.num == 0) {
        s.notices.push_back({"0 で割ることはできません", "確認", Buttons::abortRetryIgnore, Icon::warning});
        return {1, 0, letterKind(s.unknownLetter)};
    }
    // The reciprocal carries the divisor's sign in its numerator.
    const std::int64_t den = std::abs(static_cast<std::int64_t>(y.num));
    const std::int64_t num = y.num < 0 ? -static_cast<std::int64_t>(y.den) : y.den;
    if (!fits32(den) || !fits32(num)) {
        s.overflow = true;
        return {1, 0, x.kind};
    }
    return multiplyCells(s, x, {static_cast<std::int32_t>(den), static_cast<std::int32_t>(num),
                                y.kind});
}

int compareCells(ExprTables& s, const ExprCell& x, const ExprCell& y) {
    if (cellsEqual(x, y)) return 0;
    if (x.den == 0 || y.den == 0) {
        lcm(s, x.den, y.den);  // shows the zero-denominator diagnostic
        return 0;
    }
    // Cross-multiplied in 64 bits: exact for any two 32-bit fractions.
    const std::int64_t diff = static_cast<std::int64_t>(x.num) * y.den -
                              static_cast<std::int64_t>(y.num) * x.den;
    const int denSign = (x.den < 0) != (y.den < 0) ? -1 : 1;
    if (diff == 0) return 0;
    return (diff > 0 ? 1 : -1) * denSign;
}

ExprCell negated(ExprTables& s, const ExprCell& c) {
    if (c.num == int32Min) {
        s.overflow = true;
        return c;
    }
    return {c.den, -c.num, c.kind};
}

namespace {

// The kind byte as the stack listing shows it: ASCII as itself, a single
// Shift-JIS byte (half-width katakana such as ﾋ, ﾖ, ｢, ｣) decoded.
std::string kindText(CellKind kind) {
    const std::uint8_t k = kindByte(kind);
    if (k >= 0x20 && k < 0x7F) return std::string(1, static_cast<char>(k));
    if (k >= 0xA1 && k <= 0xDF) {
        if (auto text = sjis::fromCp932(std::string(1, static_cast<char>(k)))) return *text;
    }
    return "?";
}

}  // namespace

std::string cellText(const ExprCell& c) {
    return std::to_string(c.num) + kindText(c.kind) + std::to_string(c.den);
}

std::string lineCellsText(const ExprLine& line) {
    std::string text;
    for (int i = 0; i < line.cellCount; ++i) {
        if (i > 0) text += ' ';
        text += cellText(line.cells[static_cast<std::size_t>(i)]);
    }
    return text;
}

}  // namespace talvoren
