// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cells, lines and exact rational arithmetic.
//
// A line of a worked solution is a flat run of cells in reading order: the
// left side's terms, one relation cell, the right side's terms; brackets are
// cells of their own. Every value is an exact fraction den/num of two signed
// 32-bit integers, denominator first. Arithmetic is done in 64 bits; a result
// that does not fit in 32 bits raises the state's sticky `overflow` flag and
// a cell that would be written past the 30th raises `lineFull`, so a
// transformation can refuse the step instead of producing a wrong line.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/messages.h"

namespace talvoren {

// What a cell is. A letter term's kind is its letter itself (letterKind('x')),
// so the enumerators are the other kinds. Each value is the code-page-932
// byte that stands for it in question text and in the stack listing; the
// reader and the listing cross between the two with kindOfByte and kindByte.
enum class CellKind : std::uint8_t {
    constant = '/',  // a number
    bar = '|',       // a constant written with a vertical bar
    less = '<', greater = '>',
    lessEqual = 0xCB, greaterEqual = 0xD6,  // ≦ (ﾋ), ≧ (ﾖ)
    roundOpen = '(', roundClose = ')',
    squareOpen = '[', squareClose = ']',
    braceOpen = '{', braceClose = '}',
    cornerOpen = 0xA2, cornerClose = 0xA3,  // ｢ ｣
};

constexpr CellKind letterKind(char letter) { return static_cast<CellKind>(letter); }
constexpr std::uint8_t kindByte(CellKind k) { return static_cast<std::uint8_t>(k); }
constexpr CellKind kindOfByte(std::uint8_t b) { return static_cast<CellKind>(b); }

struct ExprCell {
    std::int32_t den = 1;
    std::int32_t num = 0;
    CellKind kind = CellKind::constant;

    friend bool operator==(const ExprCell&, const ExprCell&) = default;
};

inline constexpr int maxCells = 30;
inline constexpr int lineTableSize = 17;
inline constexpr int answerLineIndex = 16;

struct ExprLine {
    std::array<ExprCell, maxCells> cells{};
    int cellCount = 0;
    std::string caption;  // UTF-8
};

inline constexpr ExprCell ZERO{1, 0, CellKind::constant};
inline constexpr ExprCell ONE{1, 1, CellKind::constant};

// The program-wide tables of the expression layer: a plain value, so that a
// copy of the page (a preview, a check, a planned step) can work on tables
// of its own.
struct ExprTables {
    std::array<ExprLine, lineTableSize> lines{};  // 0 scratch, 16 answerLine
    ExprLine expandList;
    ExprLine carryList;
    char unknownLetter = '@';
    int parseError = 0;
    bool hasDecimalPoint = false;
    // Why the last question was refused, in words a teacher reads, and the
    // code-page-932 byte (1-based) where reading stopped; 0 when no one byte
    // is to blame. Empty after an accepted question.
    std::string refusalReason;
    int refusalPosition = 0;

    // What the last operations have to say, in order, until the caller
    // shows them (showNotices) and clears the list.
    std::vector<Notice> notices;
    void note(std::string text) { notices.push_back({std::move(text), {}, Buttons::ok, Icon::none}); }

    // Sticky fault flags, cleared by clearFaults().
    bool overflow = false;
    bool lineFull = false;
    void clearFaults() { overflow = lineFull = false; }

    ExprLine& answerLine() { return lines[answerLineIndex]; }
    const ExprLine& answerLine() const { return lines[answerLineIndex]; }
};

// The tables together with the sink their messages go to, one instance per
// session.
struct CoreState : ExprTables {
    explicit CoreState(MessageSink& sink) : messages(sink) {}
    // A session of its own on a copy of the tables.
    CoreState(const ExprTables& tables, MessageSink& sink) : ExprTables(tables), messages(sink) {}
    CoreState(const CoreState&) = delete;
    CoreState& operator=(const CoreState&) = delete;

    MessageSink& messages;

    const ExprTables& tables() const { return *this; }
    // Puts a copy of other tables in place of these; the sink stays.
    void restore(const ExprTables& tables) { static_cast<ExprTables&>(*this) = tables; }
};

// Cell construction and tests.
ExprCell makeCell(std::int32_t num, std::int32_t den, CellKind kind);
bool isRelation(CellKind kind);
bool isLetter(CellKind kind);
char letterOf(CellKind kind);  // the letter of a letter kind, else '@'
bool isOpeningBracket(CellKind kind);  // ( [ { ｢
bool isClosingBracket(CellKind kind);  // ) ] } ｣
// How the page writes a relation (＜ ＞ ≦ ≧) and a bracket.
std::string relationSymbol(CellKind relation);
std::string bracketSymbol(CellKind bracket);
// A positive term after an opening bracket or a relation is written without "+".
bool suppressesPlus(CellKind previousKind);
bool cellsEqual(const ExprCell& a, const ExprCell& b);
ExprCell absCell(ExprTables& s, const ExprCell& c);

// Line primitives on lines[n].
void appendCell(ExprTables& s, int n, const ExprCell& c);  // refuses a 31st cell (lineFull)
ExprCell popCell(ExprTables& s, int n);                     // ZERO on an empty line
void clearLine(ExprTables& s, int n);
void pushExpand(ExprTables& s, const ExprCell& c);
void pushCarry(ExprTables& s, const ExprCell& c);
void clearExpand(ExprTables& s);
void clearCarry(ExprTables& s);

// Cell arithmetic; the result takes the first operand's kind.
std::int32_t gcd(ExprTables& s, std::int32_t a, std::int32_t b);
std::int32_t lcm(ExprTables& s, std::int32_t a, std::int32_t b);
ExprCell reduce(ExprTables& s, std::int32_t den, std::int32_t num, CellKind kind);
ExprCell addCells(ExprTables& s, const ExprCell& x, const ExprCell& y);
ExprCell multiplyCells(ExprTables& s, const ExprCell& x, const ExprCell& y);
ExprCell divideCells(ExprTables& s, const ExprCell& x, const ExprCell& y);
// -1, 0 or 1 by exact value (0 for equal values in any representation).
int compareCells(ExprTables& s, const ExprCell& x, const ExprCell& y);
ExprCell negated(ExprTables& s, const ExprCell& c);  // num negated, overflow-checked

// "num kind den" as the stack listing writes it, the kind byte decoded as
// Shift-JIS ("2x1", "-1/2", "0ﾖ0").
std::string cellText(const ExprCell& c);
std::string lineCellsText(const ExprLine& line);  // cells separated by one space

}  // namespace talvoren
