// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The answer on a number line (数直線): whole-number ticks around the end,
// ● where the end belongs to the set and ○ where it does not, the set drawn
// thick with an arrow off the side it runs to; 解なし leaves the line empty
// with the words over it, 解は無数にある draws it thick all along. A number
// tried with 確かめ is marked in another colour. Drawn onto a surface in
// layout pixels, so it is as sharp as the type at any zoom and on paper.

#include <optional>
#include <string>

#include "solving/solution_set.h"
#include "ui/surface.h"

namespace talvoren::ui {

// The band the figure takes, in layout pixels, under whatever is above it:
// the line, then two rows for the 確かめ sentence.
inline constexpr int numberLineBand = 48;
inline constexpr int trialRowHeight = 15;
inline constexpr int numberLineHeight = numberLineBand + 2 * trialRowHeight + 2;
// The colour of a tried number.
inline constexpr Rgb trialColor{0, 90, 220};

struct NumberLineFigure {
    SolutionSet set;
    std::optional<Ratio> trial;  // the number tried, marked on the line
    int top = 0;                 // the band's top in the image
    int left = 0;                // and its left edge
    std::string sentence;        // 確かめ's sentence, written under the line
};

// The whole numbers the ticks show: first, last and the step between labels.
struct TickRange {
    long long first = 0;
    long long last = 0;
    long long labelStep = 1;
};
TickRange tickRange(const NumberLineFigure& figure);

void drawNumberLineOn(Surface& surface, const NumberLineFigure& figure, int width);

}  // namespace talvoren::ui
