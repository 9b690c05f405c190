// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/teacher_prints.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "solving/line_labels.h"
#include "ui/fonts.h"
#include "ui/line_drawing.h"
#include "ui/sheet_packing.h"

namespace talvoren::ui {

namespace {

constexpr double layoutDpi = 96.0;
// A page line image of the 1024 layout: the lines keep its proportions and
// its shrink-to-fit.
constexpr QSize lineLayout(419, 75);
// The answer key's number line: right of the answer in its row, at least
// this far in and this far clear of the answer, with at least this width to
// be read; else under the answer, after 【答】.
constexpr int keyNumberLineLeft = 232;
constexpr int keyNumberLineTop = 14;
constexpr int keyNumberLineGap = 16;
constexpr int keyNumberLineLeastWidth = 150;
constexpr int keyNumberLineUnderLeft = 60;

// Question sheet: the questions' type a little smaller than on the screen
// (about 13 points), and for each line a pupil writes at least this much
// room (a written line of about 7 mm).
constexpr double sheetTypeScale = 0.9;
constexpr double workPerStep = 28.0;
// The name band's lines to write on.
constexpr double nameRuleLength = 200.0;
constexpr double numberRuleLength = 40.0;

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

// The band at the top right of a pupil's sheet: 組 and 番 after a line to
// write the number on, then 名前 before a long line.
void paintNameBand(QPainter& painter, const QRectF& rect) {
    painter.save();
    painter.setPen(Qt::black);
    painter.setFont(pixelFont(faceGothic, notePixels));
    const QFontMetricsF metrics(painter.font());
    const double baseline = rect.top() + metrics.ascent() + 8;
    const double rule = baseline + 3;
    double right = rect.right();
    auto writeOn = [&](double length) {
        painter.drawLine(QLineF(right - length, rule, right, rule));
        right -= length;
    };
    auto label = [&](const QString& text) {
        const double width = metrics.horizontalAdvance(text);
        painter.drawText(QPointF(right - width - 4, baseline), text);
        right -= width + 12;
    };
    writeOn(nameRuleLength);
    label(QStringLiteral("名前"));
    label(QStringLiteral("番"));
    writeOn(numberRuleLength);
    label(QStringLiteral("組"));
    writeOn(numberRuleLength);
    painter.restore();
}

void paintSheetTitle(QPainter& painter, const QRectF& rect, const QString& title) {
    paintTitle(painter, rect, title, QString());
    paintNameBand(painter, rect);
}

bool printQuestionSheet(QPainter& painter, Sheets& sheets, QSizeF page, const std::vector<PrintUnit>& units) {
    // Every question at the sheet's one type size: a long one takes the
    // whole width rather than smaller type.
    const double width = page.width();
    const QSize layout(static_cast<int>(width / sheetTypeScale), lineDrawingLayoutHeight);
    const double height = lineDrawingHeight(width, layout);
    const SheetRoom room{page.height() - titleHeight, page.height(), workPerStep};
    int unitPage = 0;
    for (const PrintUnit& unit : units) {
        std::vector<SheetQuestion> questions;
        for (const QuestionAnalysis& q : unit.questions)
            questions.push_back({height, q.accepted && q.answer != AnswerKind::none ? q.stepCount() : 0});
        const std::vector<SheetPlace> places = packSheet(questions, room);
        if (!sheets.moveTo(unitPage)) return false;
        paintSheetTitle(painter, QRectF(0, 0, width, titleHeight), qs(unit.title));
        int lastPage = 0;
        for (std::size_t i = 0; i < places.size(); ++i) {
            const SheetPlace& place = places[i];
            const QuestionAnalysis& q = unit.questions[i];
            if (!sheets.moveTo(unitPage + place.page)) return false;
            lastPage = place.page;
            const double areaTop = place.page == 0 ? titleHeight : 0.0;
            const QRectF line(0, areaTop + place.top, width, place.lineHeight);
            if (!q.accepted) {
                paintRefused(painter, line, q);
                continue;
            }
            LineDrawing drawing = pageLine(1, q.question, q, false);
            drawing.label.clear();  // the header numbers the question
            paintLineDrawing(painter, line, layout, drawing);
        }
        unitPage += lastPage + 1;
    }
    return true;
}

std::optional<NumberLineFigure> keyNumberLine(const QuestionAnalysis& q, int left) {
    const auto set = solutionSetOf(q.answer, q.answerLine);
    if (!set) return std::nullopt;
    return NumberLineFigure{*set, std::nullopt, keyNumberLineTop, left, ""};
}

// The answer after 【答】, as the answer image shows it, with its number line
// beside it unless that stands in a row of its own.
LineDrawing answerDrawing(const QuestionAnalysis& q, const KeyNumberLinePlace& numberLine) {
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
    if (!numberLine.ownRow) drawing.numberLine = keyNumberLine(q, numberLine.left);
    return drawing;
}

// The row under a wide answer, with its number line alone.
LineDrawing numberLineRow(const QuestionAnalysis& q, const KeyNumberLinePlace& numberLine) {
    LineDrawing drawing(answerImage);
    drawing.numberLine = keyNumberLine(q, numberLine.left);
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
            const KeyNumberLinePlace numberLine = keyNumberLinePlace(q);
            const bool lineUnder = q.accepted && numberLine.ownRow;
            const int lines = q.accepted ? 2 + q.stepCount() + (lineUnder ? 1 : 0) : 1;
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
            paintLineDrawing(painter, line, lineLayout, answerDrawing(q, numberLine));
            if (lineUnder) {
                line.translate(0, height);
                paintLineDrawing(painter, line, lineLayout, numberLineRow(q, numberLine));
            }
        }
    }
    return true;
}

}  // namespace

KeyNumberLinePlace keyNumberLinePlace(const QuestionAnalysis& q) {
    if (q.answer != AnswerKind::solved) return {false, keyNumberLineLeft};
    TypesetFlags flags;
    flags.hasDecimalPoint = q.hasDecimalPoint;
    const double answerEdge = typesetRightEdge(answerImage, TypesetMode::full, q.answerLine, flags, q.letter);
    const int left = std::max(keyNumberLineLeft, static_cast<int>(std::ceil(answerEdge)) + keyNumberLineGap);
    if (lineLayout.width() - left < keyNumberLineLeastWidth) return {true, keyNumberLineUnderLeft};
    return {false, left};
}

std::vector<PrintUnit> printUnits(const CoursewareState& set, bool everyUnit) {
    std::vector<PrintUnit> units;
    const int first = everyUnit ? 1 : set.currentUnit();
    const int last = everyUnit ? listedUnitCount(set) : set.currentUnit();
    for (int u = first; u <= last; ++u) units.push_back({set.unitTitles()[u], analyseUnit(set, u)});
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
        printed = printQuestionSheet(painter, sheets, page, units);
    } else {
        PageFlow flow(page, keyColumns, keyColumnGap);
        printed = printAnswerKey(painter, sheets, flow, units);
    }
    return painter.end() && printed;
}

}  // namespace talvoren::ui
