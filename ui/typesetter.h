// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The typesetter: one line of a worked solution drawn onto a surface on a
// grid of columns. Terms and numbers in the italic number font, one
// character every 14 pixels; fractions stacked over a bar; relation signs as
// full-width characters in the relation font, red while the step turned the
// relation round. Column c starts at c × S, S being the point size of the
// font on the surface (14 for the 19-pixel holders).

#include <string>
#include <utility>

#include "core/cells.h"
#include "solving/page.h"
#include "ui/surface.h"

namespace talvoren::ui {

inline constexpr int answerImage = answerLineIndex;  // Image16
inline constexpr int bookmanPitch = 14;
// A line fits when its final column counter stays below this.
inline constexpr int fitColumns = 30;
// Second drawing of a line that did not fit: small type, as 9 points to 14.
inline constexpr double smallTypeScale = 9.0 / 14.0;

struct TypesetFlags {
    bool hasDecimalPoint = false;
    bool signReversed = false;
    // The whole line drawn shrunk by this factor about its left edge (on top
    // of small type), so that a line wider than its image still fits.
    double shrink = 1.0;
    // A long line closes up the column of space after each element to a
    // narrow gap before it is shrunk; the column counter is unchanged.
    bool closeSpacing = false;
};

// The gap left after an element on a line with closed-up spacing.
inline constexpr int closedGap = 4;

// Small type and shrinking scale about this height: the fraction bar, so
// that the line stays centred on the rows of full-sized type.
int typesetScaleOriginY();

class Typesetter {
public:
    // unknownLetter, the letter of the line's question, is read by the
    // bracket-group rule; the typesetter follows the letter of every letter
    // cell it draws with a copy of its own.
    Typesetter(Surface& surface, TypesetFlags flags, char unknownLetter)
        : surface_(surface), flags_(flags), unknownLetter_(unknownLetter) {}

    // Draws the line (n 16: the answer image, after 【答】); mode 1 is the
    // second drawing of a line that did not fit. True when it fitted.
    bool typeset(int n, TypesetMode mode, const ExprLine& line);

    // One element at a column: a single text, or upper over lower as a
    // fraction. Returns its width in columns (0 when nothing was drawn).
    int drawCell(const std::string& upper, const std::string& lower, int column);
    // A text on row 0, 1 or 2.
    void drawRowText(int x, int row, const std::string& text);

    // The column counter after the last typeset().
    int finalColumn() const { return finalColumn_; }

private:
    void drawSign(const ExprCell& cell, CellKind previousKind, int& column);
    void drawNumber(const ExprCell& cell, CellKind nextKind, int& column);
    void drawLetter(const ExprCell& cell, int& column);
    void drawRelation(CellKind relation, int& column);

    Surface& surface_;
    TypesetFlags flags_;
    char unknownLetter_;
    int finalColumn_ = 1;
    // Pixels the closed-up spacing has taken out before the next element.
    int pulledLeft_ = 0;
};

// Text of a value as a terminating decimal of at most four places ("0.75"),
// or "" when it has none or is an integer.
std::string decimalText(std::int32_t den, std::int32_t num);
// Digits of |num| over the digits of den; lower is "" for an integer or zero.
std::pair<std::string, std::string> fractionTexts(std::int32_t den, std::int32_t num);
bool isRelationText(const std::string& text);
// Width of a text in columns of the layout: its length in code-page-932 bytes.
int textLength(const std::string& text);

}  // namespace talvoren::ui
