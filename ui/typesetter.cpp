// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/typesetter.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "core/sjis.h"
#include "solving/judge.h"

namespace talvoren::ui {

namespace {

// The three text rows: 0 numerators, 1 the middle line, 2 denominators.
int rowTop(int S, int row) { return S * row + S + 3; }
int fractionBarY(int S) { return S + 27; }
// A decimal point is pulled into the italic overhang of the digit before
// it and adds only a few pixels to the line, so that the digit after it
// stands as close as two digits do ("0.2", never "0. 2").
constexpr int pointPull = 3;
constexpr int pointAdvance = 3;

std::string digits(std::int64_t value) { return std::to_string(value); }

// The coefficient written before a letter: nothing for 0, 1 and -1.
std::string coefficientUpper(const ExprCell& cell) {
    if (cell.num == 0 || (cell.den == 1 && std::abs(static_cast<std::int64_t>(cell.num)) == 1))
        return "";
    return fractionTexts(cell.den, cell.num).first;
}

// UTF-8 text split into its characters.
std::vector<std::string> characters(const std::string& text) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t len = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        len = std::min(len, text.size() - i);
        out.push_back(text.substr(i, len));
        i += len;
    }
    return out;
}

// A fraction group opened by a vertical-bar factor: its terms are gathered
// into one numerator text drawn over the factor's denominator.
struct FractionGroup {
    bool open = false;
    std::int64_t gnum = 0;
    std::int32_t gden = 1;
    std::string numerator;
    std::string denominator;

    bool keepsBrackets() const { return std::abs(gnum) != 1 || gden == 1; }
};

}  // namespace

int typesetScaleOriginY() { return fractionBarY(pointSizeOf(holderPixelSize(FontHolder::fntNum))); }

int textLength(const std::string& text) {
    const auto bytes = sjis::byteLength(text);
    return static_cast<int>(bytes ? *bytes : text.size());
}

bool isRelationText(const std::string& text) {
    return std::string_view("<>ﾋﾖ＜＞≧≦").find(text) != std::string_view::npos;
}

std::string decimalText(std::int32_t den, std::int32_t num) {
    if (num == 0 || den == 1 || den <= 0) return "";
    const std::int64_t magnitude = std::abs(static_cast<std::int64_t>(num));
    const std::int64_t q = magnitude / den;
    std::int64_t r = magnitude % den;
    std::string places;
    while (r > 0 && r < 32768 && places.size() < 4) {
        r *= 10;
        places += static_cast<char>('0' + r / den);
        r %= den;
    }
    if (r != 0) return "";
    return places.empty() ? digits(q) : digits(q) + "." + places;
}

std::pair<std::string, std::string> fractionTexts(std::int32_t den, std::int32_t num) {
    std::string upper = digits(std::abs(static_cast<std::int64_t>(num)));
    std::string lower = (den != 1 && num != 0) ? digits(den) : "";
    return {upper, lower};
}

void Typesetter::drawRowText(int x, int row, const std::string& text) {
    const int y = rowTop(surface_.pointSize(), row);
    if (!surface_.bookmanFace()) {
        surface_.drawText(x, y, text);
        return;
    }
    int left = x;
    for (const std::string& ch : characters(text)) {
        if (ch == ".") {
            surface_.drawText(left - pointPull, y, ch);
            left += pointAdvance;
            continue;
        }
        surface_.drawText(left, y, ch);
        left += bookmanPitch;
    }
}

int Typesetter::drawCell(const std::string& upper, const std::string& lower, int column) {
    if (upper.empty()) return 0;
    const int S = surface_.pointSize();
    const int x = column * S - pulledLeft_;
    if (flags_.closeSpacing) pulledLeft_ += S - closedGap;
    if (lower.empty()) {
        if (isRelationText(upper) && flags_.signReversed) surface_.setColor(red);
        drawRowText(x, 1, upper);
        surface_.setColor(black);
        return textLength(upper) + 1;
    }
    int e = std::max(textLength(upper), textLength(lower));
    e += e % 2;
    surface_.drawHorizontalLine(x + 2, x + 2 + S * e, fractionBarY(S));
    drawRowText(x + 4 * (e - textLength(upper)), 0, upper);
    drawRowText(x + 4 * (e - textLength(lower)), 2, lower);
    return e + 1;
}

void Typesetter::drawSign(const ExprCell& cell, CellKind previousKind, int& column) {
    if (cell.num > 0 && !suppressesPlus(previousKind)) column += drawCell("+", "", column);
    if (cell.num < 0) column += drawCell("-", "", column);
}

void Typesetter::drawNumber(const ExprCell& cell, CellKind nextKind, int& column) {
    const std::string decimal = flags_.hasDecimalPoint ? decimalText(cell.den, cell.num) : "";
    if (!decimal.empty()) {
        column += drawCell(decimal, "", column);
        return;
    }
    // A factor of one before a bracket shows as its sign alone.
    const bool unit = cell.den == 1 && (cell.num == 1 || cell.num == -1);
    if (unit && isOpeningBracket(nextKind)) return;
    const auto [upper, lower] = fractionTexts(cell.den, cell.num);
    column += drawCell(upper, lower, column);
}

void Typesetter::drawLetter(const ExprCell& cell, int& column) {
    const std::string letter(1, letterOf(cell.kind));
    const std::string decimal = flags_.hasDecimalPoint ? decimalText(cell.den, cell.num) : "";
    if (!decimal.empty()) {
        column += drawCell(decimal + letter, "", column);
        return;
    }
    if (!coefficientUpper(cell).empty()) {
        const auto [upper, lower] = fractionTexts(cell.den, cell.num);
        column += drawCell(upper, lower, column);
    }
    column += drawCell(letter, "", column);
}

void Typesetter::drawRelation(CellKind relation, int& column) {
    surface_.setFont(FontHolder::fntKnjMin);
    column += drawCell(relationSymbol(relation), "", column);
    surface_.setFont(FontHolder::fntNum);
}

bool Typesetter::typeset(int n, TypesetMode mode, const ExprLine& line) {
    int column = 1;
    pulledLeft_ = 0;
    CellKind previousKind = CellKind::roundOpen;
    FractionGroup group;

    const double scale = (mode == TypesetMode::small ? smallTypeScale : 1.0) * flags_.shrink;
    if (scale != 1.0) surface_.setScale(scale, typesetScaleOriginY());
    if (n == answerImage) {
        surface_.setFont(FontHolder::fntKnjMin);
        column += drawCell(answerMark, "", column);
    }
    surface_.setFont(FontHolder::fntNum);

    const int count = std::clamp(line.cellCount, 0, maxCells);
    for (int i = 0; i < count; ++i) {
        const ExprCell& cell = line.cells[i];
        const CellKind k = cell.kind;
        const CellKind nextKind = i + 1 < count ? line.cells[i + 1].kind : CellKind::constant;

        if (group.open) {
            if (isOpeningBracket(k)) {
                if (std::abs(group.gnum) == 1) group.numerator.clear();
                if (group.keepsBrackets()) group.numerator += bracketSymbol(k);
            } else if (isClosingBracket(k)) {
                if (group.keepsBrackets()) group.numerator += bracketSymbol(k) + " ";
                column += drawCell(group.numerator, group.gden == 1 ? "" : group.denominator, column);
                group.open = false;
            } else {
                std::string text = isLetter(k) ? coefficientUpper(cell) : fractionTexts(cell.den, cell.num).first;
                if (!isOpeningBracket(previousKind)) text = (cell.num > 0 ? "+" : "-") + text;
                group.numerator += text;
                if (k == letterKind(unknownLetter_)) group.numerator += letterOf(k);
            }
        } else if (isOpeningBracket(k) || isClosingBracket(k)) {
            column += drawCell(bracketSymbol(k), "", column);
        } else if (k == CellKind::constant) {
            drawSign(cell, previousKind, column);
            drawNumber(cell, nextKind, column);
        } else if (isRelation(k)) {
            drawRelation(k, column);
        } else if (k == CellKind::bar) {
            group = FractionGroup{true, cell.num, cell.den, digits(std::abs(static_cast<std::int64_t>(cell.num))),
                                  digits(cell.den)};
            drawSign(cell, previousKind, column);
        } else if (isLetter(k)) {
            unknownLetter_ = letterOf(k);
            drawSign(cell, previousKind, column);
            drawLetter(cell, column);
        }
        previousKind = k;
    }
    if (scale != 1.0) surface_.setScale(1.0, 0);
    finalColumn_ = column;
    return column < fitColumns;
}

}  // namespace talvoren::ui
