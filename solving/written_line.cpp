// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/written_line.h"

#include <array>
#include <utility>

#include "core/question_parser.h"
#include "solving/silent_session.h"

namespace talvoren {

namespace {

// The parser's code for a question without a letter; a written line may
// have none.
constexpr int noLetterError = 87;

struct Replacement {
    std::string_view from;
    std::string_view to;
};

constexpr std::array<Replacement, 18> fullWidthForms = {{
    {"≦", "<="}, {"≧", ">="}, {"≤", "<="}, {"≥", ">="}, {"＜", "<"}, {"＞", ">"},
    {"＝", "="}, {"＋", "+"}, {"－", "-"}, {"−", "-"}, {"ー", "-"}, {"（", "("},
    {"）", ")"}, {"／", "/"}, {"．", "."}, {"　", " "}, {"×", "*"}, {"＊", "*"},
}};

// One UTF-8 character's length from its lead byte.
std::size_t characterLength(unsigned char lead) {
    return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

// ０..９, ａ..ｚ and Ａ..Ｚ are U+FF10.., U+FF41.. and U+FF21..: EF BC 90.. /
// EF BD 81.. / EF BC A1.. in UTF-8.
std::optional<char> fullWidthAlnum(std::string_view c) {
    if (c.size() != 3 || static_cast<unsigned char>(c[0]) != 0xEF) return std::nullopt;
    const auto b1 = static_cast<unsigned char>(c[1]);
    const auto b2 = static_cast<unsigned char>(c[2]);
    if (b1 == 0xBC && b2 >= 0x90 && b2 <= 0x99) return static_cast<char>('0' + (b2 - 0x90));
    if (b1 == 0xBC && b2 >= 0xA1 && b2 <= 0xBA) return static_cast<char>('A' + (b2 - 0xA1));
    if (b1 == 0xBD && b2 >= 0x81 && b2 <= 0x9A) return static_cast<char>('a' + (b2 - 0x81));
    return std::nullopt;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The pad writes a fraction denominator first (3分の2); the line grammar
// numerator first (2/3).
std::string fractionsNumeratorFirst(std::string text) {
    constexpr std::string_view mark = "分の";
    for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + 1)) {
        std::size_t begin = at;
        while (begin > 0 && isDigit(text[begin - 1])) --begin;
        std::size_t end = at + mark.size();
        while (end < text.size() && isDigit(text[end])) ++end;
        const std::string den = text.substr(begin, at - begin);
        const std::string num = text.substr(at + mark.size(), end - at - mark.size());
        if (den.empty() || num.empty()) continue;
        text.replace(begin, end - begin, num + "/" + den);
        at = begin;
    }
    return text;
}

char lowered(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string asciiLineText(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = std::min(characterLength(static_cast<unsigned char>(text[i])), text.size() - i);
        const std::string_view c = text.substr(i, length);
        i += length;
        if (const auto alnum = fullWidthAlnum(c)) {
            out += *alnum;
            continue;
        }
        bool replaced = false;
        for (const Replacement& r : fullWidthForms) {
            if (c == r.from) {
                out += r.to;
                replaced = true;
                break;
            }
        }
        if (!replaced) out += c;
    }
    return fractionsNumeratorFirst(out);
}

WrittenLine readWrittenLine(std::string_view text, char letter) {
    // Blanks are the pupil's spacing, never part of the line; the letter may
    // be typed in either case.
    std::string ascii;
    for (char c : asciiLineText(text)) {
        if (c == ' ' || c == '*') continue;
        ascii += lowered(c) == lowered(letter) ? letter : c;
    }
    if (ascii.empty()) return {std::nullopt, "式を書いてから［実行］を押しましょう"};

    const ScratchQuestion read = parseScratchLine(ascii);
    const bool letterless = !read.accepted && read.parseError == noLetterError;
    if (read.unknownLetter != '@' && read.unknownLetter != letter)
        return {std::nullopt, std::string("文字は") + letter + "を使いましょう"};
    if (!read.accepted && !letterless) {
        std::string reason = "式として読めません";
        if (!read.notices.empty()) reason += "（" + read.notices.front().text + "）";
        return {std::nullopt, reason};
    }
    int relations = 0;
    for (int i = 0; i < read.line.cellCount; ++i)
        if (isRelation(read.line.cells[static_cast<std::size_t>(i)].kind)) ++relations;
    if (relations != 1) return {std::nullopt, "不等号を一つだけ書きましょう"};
    return {read.line, ""};
}

std::string termText(const ExprCell& cell) {
    const bool letter = isLetter(cell.kind);
    std::string text;
    if (cell.num < 0) text += '-';
    const long long magnitude = cell.num < 0 ? -static_cast<long long>(cell.num) : cell.num;
    const bool unit = magnitude == 1 && cell.den == 1;
    if (!(letter && unit)) {
        text += std::to_string(magnitude);
        if (cell.den != 1) text += "/" + std::to_string(cell.den);
    }
    if (letter) text += letterOf(cell.kind);
    return text;
}

std::string writtenTextOf(const ExprLine& line) {
    std::string text;
    bool termStart = true;  // no "+" before the first term of a side or a group
    for (int i = 0; i < line.cellCount; ++i) {
        const ExprCell& c = line.cells[static_cast<std::size_t>(i)];
        if (isRelation(c.kind)) {
            text += c.kind == CellKind::less      ? "<"
                    : c.kind == CellKind::greater ? ">"
                    : c.kind == CellKind::lessEqual ? "<="
                                                : ">=";
            termStart = true;
        } else if (isOpeningBracket(c.kind)) {
            // A group without a factor after a term is added, not multiplied.
            const bool factored = i > 0 && (line.cells[static_cast<std::size_t>(i - 1)].kind == CellKind::constant ||
                                            line.cells[static_cast<std::size_t>(i - 1)].kind == CellKind::bar);
            if (!termStart && !factored) text += '+';
            text += '(';
            termStart = true;
        } else if (isClosingBracket(c.kind)) {
            text += ')';
            termStart = false;
        } else {
            if (!termStart && c.num >= 0) text += '+';
            text += termText(c);
            termStart = false;
        }
    }
    return text;
}

}  // namespace talvoren
