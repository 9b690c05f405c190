// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printing the worked page: the unit title as a heading, then every line
// drawn so far, one under the other, and the answer when the question is
// solved. The lines are typeset again straight onto the printer (vector
// text at the printer's resolution, not the screen's bitmaps), filling the
// printable width to the right of the margin.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

#include "ui/line_drawing.h"

class QPrinter;

namespace talvoren::ui {

// A line as the page shows it, with the size of its image in layout pixels.
struct PrintedLine {
    LineDrawing drawing;
    QSize layout;
};

// The worked page as the printer sees it.
struct PrintablePage {
    QString heading;                    // the page window's caption (the unit title)
    std::vector<PrintedLine> lines;     // lines 1..lineCount that have an image
    std::optional<PrintedLine> answer;  // the answer image, when solved
};

// Resolution the print job asks of the printer; the heading and the margin
// are placed in its device pixels.
inline constexpr int printResolution = 600;

inline constexpr const char* printFailedText = "印刷できませんでした。プリンタの設定を確かめてください";
// The widest line the print lays out at size 2: that of the 1024 layout, so
// that a wide screen's lines still print with captions of a legible size.
inline constexpr int widestPrintedLine = 419;

struct PrintPlan {
    QPoint heading;                 // top-left of the heading's text
    std::vector<QSize> layouts;     // the layout each picture is typeset in
    std::vector<QRect> pictures;    // target rectangles, lines then answer
    std::vector<int> pages;         // page index (0-based) of each picture
};

// pictures: the layout sizes of the page's images, lines then answer.
// margin: blanks (characters of 32 device pixels). Every picture is drawn
// at one scale, the page's lines filling the printable width to the right of
// the margin; a larger size lays them out narrower, so that their type
// prints larger (size 2 keeps the screen's layout). A picture that would run
// past the printable height starts a new page at the first picture's top.
PrintPlan planPrint(const std::vector<QSize>& pictures, int margin, int size, QSize printable);

// Prints the page on an already configured printer. False (nothing or only
// part printed) when the job could not be started or a page not added.
bool printWorkedPage(QPrinter& printer, const PrintablePage& page, int margin, int size);

}  // namespace talvoren::ui
