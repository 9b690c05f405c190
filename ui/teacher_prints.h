// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The teacher's printouts, drawn with the tutor's own typesetter straight
// onto the printer (vector text at the printer's resolution):
//
// - the question sheet: per unit its title and lines for 組, 番 and 名前,
//   then each question as line ① of the page shows it (header and
//   expression), all at one type size, packed down the page by height with
//   working space under each in proportion to its shortest solution;
// - the answer key: per unit, for each question the planner's shortest
//   solution, every line with its sentence and label as the worked page
//   draws them (a turned relation in red), then the answer after 【答】.
//
// Each unit starts a new page; a question is never split across pages.
// Everything is laid out in layout pixels of 96 per inch on the printable
// area, so that the type is as large on paper as on a 96-dpi screen.

#include <QRectF>
#include <string>
#include <vector>

#include "courseware/question_analysis.h"

class QPainter;
class QPrinter;

namespace talvoren::ui {

struct PrintUnit {
    std::string title;
    std::vector<QuestionAnalysis> questions;
};

// The units of the set to print: the current one, or every listed unit.
std::vector<PrintUnit> printUnits(const CoursewareState& set, bool everyUnit);

enum class TeacherPrint { questionSheet, answerKey };

// Where the answer key draws an answer's number line: right of the answer in
// its row, clear of it; or, when the answer leaves it too little of the row,
// in a row of its own under the answer. In layout pixels of a key line.
struct KeyNumberLinePlace {
    bool ownRow = false;
    int left = 0;
};
KeyNumberLinePlace keyNumberLinePlace(const QuestionAnalysis& q);

// Prints on an already configured printer (A4 is asked for). False when the
// job could not be started or a page not added.
bool printTeacherSheets(QPrinter& printer, TeacherPrint what, const std::vector<PrintUnit>& units);

// Where blocks go on the pages: one block after another down a column, in
// as many columns as the page has; a block that does not fit the rest of
// the column goes to the next column or page. Sizes in layout pixels.
class PageFlow {
public:
    PageFlow(QSizeF page, int columns, double columnGap);

    struct Place {
        int page;
        QRectF rect;
    };
    // The place of the next block of the given height.
    Place take(double height);
    // The next block starts a new page (a unit's first page).
    void breakPage();
    // A band across the whole width at the top of a fresh page (a unit's
    // title); the columns start under it.
    Place header(double height);
    double columnWidth() const { return columnWidth_; }
    double pageHeight() const { return pageSize_.height(); }
    int page() const { return page_; }

private:
    QSizeF pageSize_;
    int columns_;
    double columnGap_;
    double columnWidth_;
    int page_ = 0;
    int column_ = 0;
    double top_ = 0.0;
    double pageTop_ = 0.0;  // where the columns of this page start
    bool fresh_ = true;     // nothing placed on this page yet
};

}  // namespace talvoren::ui
