// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the number entry. The first byte chooses the question's
// letter (any of A..Z, a..z); every further byte is one key of the pad:
// a digit, the point, the minus, the letter, 分の, or (rarely) a stray
// character. Invariants: a refusal is the refusal cell after exactly one
// message (none for a lone "-"); an accepted number shows nothing, has a
// positive denominator and the constant or the letter as its kind; a
// leading minus negates an accepted number and refuses a refused one.

#include <string>

#include "core/entry_parser.h"
#include "fuzz_support.h"

namespace {

using namespace talvoren;
using fuzz::require;

char letterFor(std::uint8_t b) {
    const int n = b % 52;
    return static_cast<char>(n < 26 ? 'a' + n : 'A' + n - 26);
}

std::string padText(fuzz::FuzzBytes& in, char letter) {
    std::string text;
    while (!in.empty()) {
        const std::uint8_t b = in.byte();
        switch (b % 16) {
        case 10: text += '.'; break;
        case 11: text += '-'; break;
        case 12: text += letter; break;
        case 13: text += "分の"; break;
        case 14: text += static_cast<char>(' ' + b % 95); break;  // any printable ASCII
        case 15: text += b < 0x80 ? "分" : "の"; break;
        default: text += static_cast<char>('0' + b % 16); break;
        }
    }
    return text;
}

struct Parsed {
    ExprCell cell;
    std::size_t messages;
};

Parsed parse(char letter, const std::string& text) {
    fuzz::CountingSink sink;
    CoreState s(sink);
    s.unknownLetter = letter;
    const ExprCell cell = parseEntry(s, text);
    return {cell, s.notices.size()};
}

bool refused(const ExprCell& c) { return c.den == 0; }

void checkOne(char letter, const std::string& text, const Parsed& p) {
    if (refused(p.cell)) {
        require(p.cell.num == 0 && p.cell.kind == CellKind::constant);
        require(p.messages == (text == "-" ? 0u : 1u));
        return;
    }
    require(p.messages == 0);
    require(p.cell.den > 0);
    require(p.cell.kind == CellKind::constant || p.cell.kind == letterKind(letter));
    if (text.empty()) require(p.cell == ZERO);
    if (text == std::string(1, letter)) require(p.cell == (ExprCell{1, 1, letterKind(letter)}));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzBytes in(data, size);
    const char letter = letterFor(in.byte());
    const std::string text = padText(in, letter);
    const Parsed plain = parse(letter, text);
    checkOne(letter, text, plain);
    if (text.empty() || text.front() == '-') return 0;

    const std::string minusText = "-" + text;
    const Parsed minus = parse(letter, minusText);
    checkOne(letter, minusText, minus);
    require(refused(minus.cell) == refused(plain.cell));
    if (!refused(plain.cell)) {
        require(minus.cell.den == plain.cell.den && minus.cell.kind == plain.cell.kind);
        require(static_cast<std::int64_t>(minus.cell.num) == -static_cast<std::int64_t>(plain.cell.num));
    }
    return 0;
}
