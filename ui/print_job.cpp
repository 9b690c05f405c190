// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/print_job.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "ui/fonts.h"

namespace talvoren::ui {

namespace {

constexpr int marginPitch = 32;   // device pixels per blank of the margin
constexpr int headingTop = 100;
constexpr int headingBand = 240;  // below the heading: two lines of 14-point type
constexpr int pictureGap = 2;     // layout pixels between two pictures
constexpr int screenSize = 2;     // the size at which the print keeps the screen's layout
constexpr int headingPoints = 14;

int firstPictureTop() { return headingTop + headingBand; }

}  // namespace

PrintPlan planPrint(const std::vector<QSize>& pictures, int margin, int size, QSize printable) {
    const int left = margin * marginPitch;
    PrintPlan plan;
    plan.heading = QPoint(left, headingTop);
    if (pictures.empty()) return plan;

    const int widest = std::max_element(pictures.begin(), pictures.end(), [](QSize a, QSize b) {
                           return a.width() < b.width();
                       })->width();
    const double printedWidest =
        std::max(1.0, std::round(std::min(widest, widestPrintedLine) * double(screenSize + 1) / (size + 1)));
    const double narrowing = printedWidest / widest;
    const double scale = std::max(1, printable.width() - left) / printedWidest;

    int top = firstPictureTop();
    int page = 0;
    for (const QSize& picture : pictures) {
        const QSize layout(std::max(1, int(std::round(picture.width() * narrowing))), picture.height());
        const int height = int(std::round(layout.height() * scale));
        if (top + height > printable.height() && top > firstPictureTop()) {
            ++page;
            top = firstPictureTop();
        }
        plan.layouts.push_back(layout);
        plan.pictures.emplace_back(left, top, int(std::round(layout.width() * scale)), height);
        plan.pages.push_back(page);
        top += int(std::round((layout.height() + pictureGap) * scale));
    }
    return plan;
}

bool printWorkedPage(QPrinter& printer, const PrintablePage& page, int margin, int size) {
    std::vector<const PrintedLine*> pictures;
    for (const PrintedLine& line : page.lines) pictures.push_back(&line);
    if (page.answer) pictures.push_back(&*page.answer);
    std::vector<QSize> sizes;
    for (const PrintedLine* picture : pictures) sizes.push_back(picture->layout);

    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QSize printable = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    const PrintPlan plan = planPrint(sizes, margin, size, printable);

    QFont headingFont(facePGothic);
    headingFont.setPointSize(headingPoints);
    painter.setFont(headingFont);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(headingFont, &printer);
    painter.drawText(plan.heading + QPoint(0, metrics.ascent()), page.heading);

    int currentPage = 0;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        if (plan.pages[i] != currentPage) {
            if (!printer.newPage()) return false;
            currentPage = plan.pages[i];
        }
        paintLineDrawing(painter, plan.pictures[i], plan.layouts[i], pictures[i]->drawing);
    }
    return painter.end();
}

}  // namespace talvoren::ui
