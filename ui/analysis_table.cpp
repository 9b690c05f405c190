// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/analysis_table.h"

#include <QHeaderView>
#include <algorithm>

#include "ui/fonts.h"
#include "ui/qt_surface.h"
#include "ui/typesetter.h"

namespace talvoren::ui {

namespace {

constexpr int scratchWidth = 1000;  // wider than any line the parser accepts
constexpr int lineImageHeight = 75;
constexpr int pictureMargin = 3;    // white kept around the ink
// The table shows its lines smaller than the page, so that the question,
// its answer, the steps and the skills fit the editor's width together.
constexpr qreal tablePictureScale = 0.7;

// The rows of the image that hold ink, so that a line without fractions
// takes one row of the table's height and a fraction three.
std::pair<int, int> inkRows(const QImage& image) {
    int top = image.height(), bottom = -1;
    const QRgb paper = qRgb(255, 255, 255);
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (row[x] != paper) {
                top = std::min(top, y);
                bottom = y;
                break;
            }
    }
    return {top, bottom};
}

QTableWidgetItem* textItem(const QString& text, Qt::Alignment alignment = Qt::AlignCenter) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QTableWidgetItem* pictureItem(const QImage& picture, const QString& toolTip) {
    auto* item = new QTableWidgetItem;
    item->setData(Qt::DecorationRole, QPixmap::fromImage(picture));
    // Each picture sets its own row's height and column's width.
    item->setData(Qt::SizeHintRole, picture.deviceIndependentSize().toSize() + QSize(8, 2));
    item->setToolTip(toolTip);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

QImage typesetPicture(const ExprLine& line, bool hasDecimalPoint, char letter, qreal devicePixelRatio,
                      qreal scale) {
    // The surface draws in layout pixels, so a higher density draws the line
    // in finer type. A smaller picture is drawn at twice its density and
    // then halved, which keeps its strokes smooth.
    const qreal supersample = scale < 1.0 ? 2.0 : 1.0;
    const qreal drawingRatio = devicePixelRatio * scale * supersample;
    QImage scratch(QSize(scratchWidth, lineImageHeight) * drawingRatio, QImage::Format_RGB32);
    scratch.setDevicePixelRatio(drawingRatio);
    scratch.fill(Qt::white);
    int width = 0;
    {
        QtSurface surface(scratch);
        Typesetter typesetter(surface, {hasDecimalPoint, false}, letter);
        typesetter.typeset(1, TypesetMode::full, line);
        width = typesetter.finalColumn() * surface.pointSize();
    }
    const int deviceWidth = static_cast<int>(width * drawingRatio);
    auto [top, bottom] = inkRows(scratch.copy(0, 0, deviceWidth, scratch.height()));
    if (bottom < top) return {};
    const int margin = static_cast<int>(pictureMargin * drawingRatio);
    top = std::max(0, top - margin);
    bottom = std::min(scratch.height() - 1, bottom + margin);
    QImage picture = scratch.copy(0, top, deviceWidth, bottom - top + 1);
    if (supersample != 1.0)
        picture = picture.scaled((QSizeF(picture.size()) / supersample).toSize(), Qt::IgnoreAspectRatio,
                                 Qt::SmoothTransformation);
    picture.setDevicePixelRatio(devicePixelRatio);
    return picture;
}

QString answerCellText(const QuestionAnalysis& analysis) {
    switch (analysis.answer) {
    case AnswerKind::solved: return {};
    case AnswerKind::noSolution: return QString::fromUtf8(noSolutionText);
    case AnswerKind::infinitelyMany: return QString::fromUtf8(infinitelyManyText);
    case AnswerKind::none: break;
    }
    return QStringLiteral("—");
}

QString stepsCellText(const QuestionAnalysis& analysis) {
    return analysis.answer == AnswerKind::none ? QStringLiteral("—") : QString::number(analysis.stepCount());
}

QString skillsCellText(const QuestionAnalysis& analysis) {
    QStringList names;
    for (const std::string& skill : analysis.skills()) names.append(QString::fromStdString(skill));
    return names.join(QStringLiteral("、"));
}

// "最短の解き方が640×480の画面（8行）", from the narrowest page's figures.
QString narrowestPageText() {
    const PageSize& narrowest = pageSizes.front();
    return QStringLiteral("最短の解き方が%1×%2の画面（%3行）")
        .arg(narrowest.screenWidth)
        .arg(narrowest.screenWidth * 3 / 4)
        .arg(narrowest.lineCapacity);
}

QString fitsCellText(const QuestionAnalysis& analysis) {
    return analysis.fitsNarrowestPage() ? QString() : QStringLiteral("×");
}

AnalysisTable::AnalysisTable(QWidget* parent) : QTableWidget(0, columnCount, parent) {
    setHorizontalHeaderLabels({QStringLiteral("単元"), QStringLiteral("番号"), QStringLiteral("問題"),
                               QStringLiteral("答え"), QStringLiteral("手数"), QStringLiteral("スキル"),
                               QString::number(pageSizes.front().screenWidth)});
    horizontalHeaderItem(colFits)->setToolTip(QStringLiteral("×：") + narrowestPageText() + QStringLiteral("に収まらない"));
    horizontalHeaderItem(colSteps)->setToolTip(QStringLiteral("最短の手数"));
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setWordWrap(false);
    horizontalHeader()->setStretchLastSection(false);
}

void AnalysisTable::clearAnalyses() { setRowCount(0); }

void AnalysisTable::showAnalyses(const std::vector<QuestionAnalysis>& analyses, const CoursewareState& set) {
    setRowCount(0);
    setRowCount(static_cast<int>(analyses.size()));
    const qreal ratio = devicePixelRatioF();
    QSize largest;
    const auto picture = [&](const ExprLine& line, const QuestionAnalysis& a) {
        QImage image = typesetPicture(line, a.hasDecimalPoint, a.letter, ratio, tablePictureScale);
        largest = largest.expandedTo(image.deviceIndependentSize().toSize());
        return image;
    };
    int row = 0;
    for (const QuestionAnalysis& a : analyses) {
        const QString title = QString::fromStdString(set.unitTitles()[a.unit]);
        QTableWidgetItem* unit = textItem(QString::number(a.unit));
        unit->setToolTip(title);
        setItem(row, colUnit, unit);
        setItem(row, colNumber, textItem(QStringLiteral("（%1）").arg(a.number)));
        setItem(row, colQuestion, pictureItem(picture(a.question, a),
                                              QString::fromStdString(a.text)));
        if (a.answer == AnswerKind::solved)
            setItem(row, colAnswer, pictureItem(picture(a.answerLine, a),
                                                QString::fromStdString(answerText(a))));
        else
            setItem(row, colAnswer, textItem(answerCellText(a)));
        setItem(row, colSteps, textItem(stepsCellText(a)));
        setItem(row, colSkills, textItem(skillsCellText(a), Qt::AlignLeft | Qt::AlignVCenter));
        QTableWidgetItem* fits = textItem(fitsCellText(a));
        if (!a.fitsNarrowestPage()) {
            fits->setForeground(Qt::red);
            fits->setToolTip(narrowestPageText() + QStringLiteral("に収まりません"));
        }
        setItem(row, colFits, fits);
        ++row;
    }
    setIconSize(largest);
    resizeColumnsToContents();
    resizeRowsToContents();
}

}  // namespace talvoren::ui
