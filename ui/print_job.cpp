#include "ui/print_job.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include "ui/fonts.h"

namespace talvoren::ui {

namespace {

constexpr int marginPitch = 32;   // device pixels per blank of the margin
constexpr int headingTop = 100;
constexpr int headingBand = 40;   // per step of enlargement, below the heading
constexpr int pictureGap = 2;     // picture pixels between two pictures

int firstPictureTop(int scale) { return scale * headingBand + headingTop; }

}  // namespace

PrintPlan planPrint(const std::vector<QSize>& pictures, int margin, int size, int pageHeight) {
    const int left = margin * marginPitch;
    const int scale = size + 1;
    PrintPlan plan;
    plan.heading = QPoint(left, headingTop);
    int top = firstPictureTop(scale);
    int page = 0;
    for (const QSize& picture : pictures) {
        const int height = picture.height() * scale;
        if (top + height > pageHeight && top > firstPictureTop(scale)) {
            ++page;
            top = firstPictureTop(scale);
        }
        plan.pictures.emplace_back(left, top, picture.width() * scale, height);
        plan.pages.push_back(page);
        top += (picture.height() + pictureGap) * scale;
    }
    return plan;
}

bool printWorkedPage(QPrinter& printer, const PrintablePage& page, int margin, int size) {
    std::vector<const QImage*> pictures;
    for (const QImage& line : page.lines) pictures.push_back(&line);
    if (!page.answer.isNull()) pictures.push_back(&page.answer);
    std::vector<QSize> sizes;
    for (const QImage* picture : pictures) sizes.push_back(picture->size());

    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const int pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    const PrintPlan plan = planPrint(sizes, margin, size, pageHeight);

    const QFont headingFont = [] {
        QFont font(facePGothic);
        font.setPointSize(14);
        return font;
    }();
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
        painter.drawImage(plan.pictures[i], *pictures[i]);
    }
    return painter.end();
}

}  // namespace talvoren::ui
