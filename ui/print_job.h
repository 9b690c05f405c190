#pragma once
// Printing the worked page: the unit title as a heading, then the picture of
// every line drawn so far, one under the other, enlarged and indented, and
// the answer picture when the question is solved. Everything is placed in
// the printer's device pixels; the pictures are the very images of the page,
// drawn straight from memory (nothing is written to disk).

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

class QPrinter;

namespace talvoren::ui {

// The worked page as the printer sees it.
struct PrintablePage {
    QString heading;              // the page window's caption (the unit title)
    std::vector<QImage> lines;    // lines 1..lineCount that have an image
    QImage answer;                // the answer image; null unless solved
};

// Resolution the print job asks of the printer: the proportions of the
// layout (a 75-pixel line printed 231 device pixels high at size 2) are
// those of a 600-dpi page printer.
inline constexpr int printResolution = 600;

struct PrintPlan {
    QPoint heading;                 // top-left of the heading's text
    std::vector<QRect> pictures;    // target rectangles, lines then answer
    std::vector<int> pages;         // page index (0-based) of each picture
};

// margin: blanks (characters of 32 device pixels); size 1..5 prints each
// picture size + 1 times enlarged. A picture that would run past pageHeight
// starts a new page at the first picture's top.
PrintPlan planPrint(const std::vector<QSize>& pictures, int margin, int size, int pageHeight);

// Prints the page on an already configured printer. False (nothing or only
// part printed) when the job could not be started or a page not added.
bool printWorkedPage(QPrinter& printer, const PrintablePage& page, int margin, int size);

}  // namespace talvoren::ui
