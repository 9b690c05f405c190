// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/teacher_prints.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "solving/line_labels.h"
#include "ui/fonts.h"
#include "ui/line_drawing.h"

namespace talvoren::ui {

namespace {

constexpr double layoutDpi = 96.0;
// A page line image of the 1024 layout: the lines keep its proportions and
// its shrink-to-fit.
constexpr QSize lineLayout(419, 75);
// The answer key's number line, right of the answer in its row.
constexpr int keyNumberLineLeft = 232;
constexpr int keyNumberLineTop = 14;

// Question sheet: each question drawn a little larger than on the screen,
// with at least this much room to work under it; the questions of a page
// share its height evenly.
constexpr double sheetLineWidth = 560.0;
constexpr double leastWorkRoom = 140.0;

// Answer key: two columns of lines.
constexpr int keyColumns = 2;
constexpr double keyColumnGap = 24.0;
constexpr double keyQuestionGap = 18.0;

constexpr double titleHeight = 56.0;
constexpr int titlePixels = 24;
constexpr int notePixels = 16;

QString qs(const std::string& text) { return QString::fromStdString(text); }

LineDrawing pageLine(int number, const ExprLine& line, const QuestionAnalysis& q, bool signReversed) {
    LineDrawing drawing;
    drawing.number = number;
    drawing.caption = line.caption;
    drawing.typeset = true;
    drawing.line = line;
    drawing.flags.hasDecimalPoint = q.hasDecimalPoint;
    drawing.flags.signReversed = signReversed;
    drawing.unknownLetter = q.letter;
    drawing.label = std::string(lineLabel(number));
    return drawing;
}

// A question the parser refuses: its header and its text, in red.
void paintRefused(QPainter& painter, const QRectF& rect, const QuestionAnalysis& q) {
    painter.save();
    painter.setFont(pixelFont(faceGothic, holderPixelSize(FontHolder::fntKnj)));
    painter.setPen(Qt::black);
    painter.drawText(rect.topLeft() + QPointF(0, 16), qs(questionHeader(q.number)));
    painter.setPen(Qt::red);
    painter.drawText(rect.topLeft() + QPointF(0, 48), qs(q.text) + QStringLiteral("（正しくない問題です）"));
    painter.restore();
}

void paintTitle(QPainter& painter, const QRectF& rect, const QString& title, const QString& note) {
    painter.save();
    painter.setPen(Qt::black);
    painter.setFont(pixelFont(faceGothic, titlePixels, true));
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop, title);
    painter.setFont(pixelFont(faceGothic, notePixels));
    painter.drawText(rect, Qt::AlignRight | Qt::AlignTop, note);
    painter.drawLine(QLineF(rect.left(), rect.bottom() - 12, rect.right(), rect.bottom() - 12));
    painter.restore();
}

// Draws onto the printer's pages, turning the flow's page numbers into new pages.
class Sheets {
public:
    explicit Sheets(QPrinter& printer) : printer_(printer) {}

    bool moveTo(int page) {
        while (current_ < page) {
            if (!printer_.newPage()) return false;
            ++current_;
        }
        return true;
    }

private:
    QPrinter& printer_;
    int current_ = 0;
};

double lineHeight(double width) { return lineDrawingHeight(width, lineLayout); }

bool printQuestionSheet(QPainter& painter, Sheets& sheets, PageFlow& flow, const std::vector<PrintUnit>& units) {
    const double width = std::min(sheetLineWidth, flow.columnWidth());
    const double height = lineHeight(width);
    const double room = flow.pageHeight() - titleHeight;
    const double block = room / std::max(1, static_cast<int>(room / (height + leastWorkRoom)));
    for (const PrintUnit& unit : units) {
        const PageFlow::Place title = flow.header(titleHeight);
        if (!sheets.moveTo(title.page)) return false;
        paintTitle(painter, title.rect, qs(unit.title), QStringLiteral("　　組　　番　名前　　　　　　　　　　　　"));
        for (const QuestionAnalysis& q : unit.questions) {
            const PageFlow::Place place = flow.take(block);
            if (!sheets.moveTo(place.page)) return false;
            const QRectF line(place.rect.topLeft(), QSizeF(width, height));
            if (!q.accepted) {
                paintRefused(painter, line, q);
                continue;
            }
            LineDrawing drawing = pageLine(1, q.question, q, false);
            drawing.label.clear();  // the header numbers the question
            paintLineDrawing(painter, line, lineLayout, drawing);
        }
    }
    return true;
}

// The answer after 【答】, as the answer image shows it.
LineDrawing answerDrawing(const QuestionAnalysis& q) {
    LineDrawing drawing;
    drawing.number = answerImage;
    drawing.unknownLetter = q.letter;
    drawing.flags.hasDecimalPoint = q.hasDecimalPoint;
    switch (q.answer) {
    case AnswerKind::solved:
        drawing.typeset = true;
        drawing.line = q.answerLine;
        break;
    case AnswerKind::noSolution: drawing.plainText = std::string(answerMark) + noSolutionText; break;
    case AnswerKind::infinitelyMany: drawing.plainText = std::string(answerMark) + infinitelyManyText; break;
    case AnswerKind::none: drawing.plainText = std::string(answerMark) + "（ページに収まる解き方がありません）"; break;
    }
    // The number line takes the right of the answer's row.
    if (const auto set = solutionSetOf(q.answer, q.answerLine))
        drawing.numberLine = NumberLineFigure{*set, std::nullopt, keyNumberLineTop, keyNumberLineLeft, ""};
    return drawing;
}

bool printAnswerKey(QPainter& painter, Sheets& sheets, PageFlow& flow, const std::vector<PrintUnit>& units) {
    const double width = flow.columnWidth();
    const double height = lineHeight(width);
    for (const PrintUnit& unit : units) {
        const PageFlow::Place title = flow.header(titleHeight);
        if (!sheets.moveTo(title.page)) return false;
        paintTitle(painter, title.rect, QStringLiteral("解答　") + qs(unit.title),
                   QStringLiteral("最短の解き方（赤い不等号：向きが変わる）"));
        for (const QuestionAnalysis& q : unit.questions) {
            const int lines = q.accepted ? 2 + q.stepCount() : 1;
            const PageFlow::Place place = flow.take(lines * height + keyQuestionGap);
            if (!sheets.moveTo(place.page)) return false;
            QRectF line(place.rect.topLeft(), QSizeF(width, height));
            if (!q.accepted) {
                paintRefused(painter, line, q);
                continue;
            }
            paintLineDrawing(painter, line, lineLayout, pageLine(1, q.question, q, false));
            for (int i = 0; i < q.stepCount(); ++i) {
                line.translate(0, height);
                const WorkedLine& step = q.steps[static_cast<std::size_t>(i)];
                paintLineDrawing(painter, line, lineLayout, pageLine(i + 2, step.line, q, step.signReversed));
            }
            line.translate(0, height);
            paintLineDrawing(painter, line, lineLayout, answerDrawing(q));
        }
    }
    return true;
}

}  // namespace

std::vector<PrintUnit> printUnits(const CoursewareState& set, bool everyUnit) {
    std::vector<PrintUnit> units;
    const int first = everyUnit ? 1 : set.currentUnit;
    const int last = everyUnit ? listedUnitCount(set) : set.currentUnit;
    for (int u = first; u <= last; ++u) units.push_back({set.unitTitles[u], analyseUnit(set, u)});
    return units;
}

PageFlow::PageFlow(QSizeF page, int columns, double columnGap)
    : pageSize_(page), columns_(columns), columnGap_(columnGap),
      columnWidth_((page.width() - (columns - 1) * columnGap) / columns) {}

void PageFlow::breakPage() {
    if (fresh_) return;
    ++page_;
    column_ = 0;
    top_ = pageTop_ = 0.0;
    fresh_ = true;
}

PageFlow::Place PageFlow::header(double height) {
    breakPage();
    fresh_ = false;
    top_ = pageTop_ = height;
    return {page_, QRectF(0, 0, pageSize_.width(), height)};
}

PageFlow::Place PageFlow::take(double height) {
    if (top_ + height > pageSize_.height() && top_ > pageTop_) {
        if (column_ + 1 < columns_) {
            ++column_;
        } else {
            ++page_;
            column_ = 0;
            pageTop_ = 0.0;
        }
        top_ = pageTop_;
    }
    const Place place{page_, QRectF(column_ * (columnWidth_ + columnGap_), top_, columnWidth_, height)};
    top_ += height;
    fresh_ = false;
    return place;
}

bool printTeacherSheets(QPrinter& printer, TeacherPrint what, const std::vector<PrintUnit>& units) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // Layout pixels of 96 per inch, whatever the printer's resolution.
    const double scale = printer.resolution() / layoutDpi;
    painter.scale(scale, scale);
    const QRect printable = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSizeF page(printable.width() / scale, printable.height() / scale);

    Sheets sheets(printer);
    bool printed = false;
    if (what == TeacherPrint::questionSheet) {
        PageFlow flow(page, 1, 0.0);
        printed = printQuestionSheet(painter, sheets, flow, units);
    } else {
        PageFlow flow(page, keyColumns, keyColumnGap);
        printed = printAnswerKey(painter, sheets, flow, units);
    }
    return painter.end() && printed;
}

}  // namespace talvoren::ui
