// SPDX-License-Identifier: GPL-3.0-or-later
// The print dialog: the layout in device pixels, the sample, and a real
// print job into a PDF file whose page is rendered and looked at.
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QToolButton>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

#include "dialogs_support.h"
#include "ui/frm_print_s.h"
#include "ui/print_job.h"
#include "ui/up_down.h"
#include "line_builder.h"

namespace talvoren::ui {
namespace {

constexpr QSize pageLine(419, 75);
constexpr QSize answerLine(272, 76);
// An A4 sheet's printable area at 600 dpi, less margins of about 6 mm.
constexpr QSize a4Printable(4670, 6720);

TEST(PrintPlan, DefaultsFillThePrintableWidthInTheScreensLayout) {
    const PrintPlan plan = planPrint({pageLine, pageLine, answerLine}, 4, 2, a4Printable);
    EXPECT_EQ(plan.heading, QPoint(128, 100));
    ASSERT_EQ(plan.pictures.size(), 3u);
    EXPECT_EQ(plan.layouts[0], pageLine) << "size 2 keeps the screen's layout";
    const double scale = (4670.0 - 128) / 419;
    EXPECT_EQ(plan.pictures[0], QRect(128, 340, 4542, qRound(75 * scale)));
    EXPECT_EQ(plan.pictures[1].top(), 340 + qRound(77 * scale));
    // The answer keeps its proportion to the lines.
    EXPECT_EQ(plan.layouts[2], answerLine);
    EXPECT_EQ(plan.pictures[2].width(), qRound(272 * scale));
}

struct PlanCase {
    const char* name;
    QSize line;
    int margin, size;
    int layoutWidth;
    friend void PrintTo(const PlanCase& c, std::ostream* os) { *os << c.name; }
};

class PrintPlanTable : public ::testing::TestWithParam<PlanCase> {};

TEST_P(PrintPlanTable, LinesFillTheWidthRightOfTheMargin) {
    const PlanCase& c = GetParam();
    const PrintPlan plan = planPrint({c.line, c.line}, c.margin, c.size, a4Printable);
    EXPECT_EQ(plan.heading, QPoint(c.margin * 32, 100));
    EXPECT_EQ(plan.layouts.at(0).width(), c.layoutWidth);
    EXPECT_EQ(plan.pictures.at(0).left(), c.margin * 32);
    EXPECT_NEAR(plan.pictures.at(0).right() + 1, a4Printable.width(), 1);
    // The caption font's 16 layout pixels print at least 3 mm tall.
    const double scale = double(plan.pictures[0].width()) / c.layoutWidth;
    EXPECT_GE(16 * scale / printResolution * 25.4, 3.0);
}

INSTANTIATE_TEST_SUITE_P(Table, PrintPlanTable,
                         ::testing::Values(PlanCase{"defaults", pageLine, 4, 2, 419},
                                           PlanCase{"noMargin", pageLine, 0, 2, 419},
                                           PlanCase{"smallestType", pageLine, 10, 1, 629},
                                           PlanCase{"largestType", pageLine, 0, 5, 210},
                                           PlanCase{"narrowScreen", QSize(227, 75), 4, 2, 227},
                                           PlanCase{"wideScreenLayoutCapped", QSize(590, 75), 4, 2, 419},
                                           PlanCase{"wideScreenSmallestType", QSize(1827, 75), 4, 1, 629}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PrintPlan, APictureThatWouldRunOffThePageStartsTheNextPage) {
    const std::vector<QSize> lines(9, pageLine);
    const PrintPlan plan = planPrint(lines, 4, 2, a4Printable);
    const int perPage = (a4Printable.height() - 340 + qRound(2 * 4542.0 / 419)) / qRound(77 * 4542.0 / 419);
    ASSERT_GT(perPage, 3);
    ASSERT_LT(perPage, 9);
    EXPECT_EQ(plan.pages[perPage - 1], 0);
    EXPECT_EQ(plan.pages[perPage], 1);
    EXPECT_EQ(plan.pictures[perPage].top(), 340);
    for (const QRect& r : plan.pictures) EXPECT_LE(r.bottom(), a4Printable.height());
}

struct PrintDialogFixture : ::testing::Test {
    test::RecordingSink sink;
    PrintablePage page;
    TfrmPrintS dialog{sink, [this] { return page; }};
};

TEST_F(PrintDialogFixture, SampleShowsTheMarginAndSize) {
    dialog.show();
    EXPECT_EQ(dialog.edtLMargin->text(), QStringLiteral("4"));
    EXPECT_EQ(dialog.edtSize->text(), QStringLiteral("2"));
    EXPECT_EQ(dialog.edtSample->text(), QStringLiteral("    ax+by=c"));
    EXPECT_EQ(dialog.edtSample->font().pointSize(), 18);

    dialog.updSize->upButton()->click();
    EXPECT_EQ(dialog.edtSize->text(), QStringLiteral("3"));
    EXPECT_EQ(dialog.edtSample->font().pointSize(), 22);

    dialog.updLMargin->downButton()->click();
    EXPECT_EQ(dialog.edtSample->text(), QStringLiteral("   ax+by=c"));
}

TEST_F(PrintDialogFixture, UpDownsStopAtTheirEnds) {
    for (int i = 0; i < 12; ++i) dialog.updLMargin->upButton()->click();
    for (int i = 0; i < 8; ++i) dialog.updSize->downButton()->click();
    EXPECT_EQ(dialog.margin(), 10);
    EXPECT_EQ(dialog.size(), 1);
    EXPECT_EQ(dialog.samplePointSize(), 14);
}

TEST_F(PrintDialogFixture, KeepsMarginAndSizeBetweenShowings) {
    dialog.show();
    dialog.updSize->upButton()->click();
    dialog.btnCancel->click();
    EXPECT_FALSE(dialog.isVisible());
    dialog.show();
    EXPECT_EQ(dialog.size(), 3);
}

TEST_F(PrintDialogFixture, PrinterSetUpRunsThePrintDialogOnThePrinterUsed) {
    QPrinter* seen = nullptr;
    dialog.runPrintDialog = [&](QPrinter& printer, QWidget*) {
        seen = &printer;
        return true;
    };
    dialog.btnSettei->click();
    EXPECT_EQ(seen, &dialog.printer());
}

// A typeset line as the page keeps it: 2x+1＜5 with its caption and label.
PrintedLine printedLine(int n) {
    using talvoren::testing::c;
    using talvoren::testing::k;
    PrintedLine line{LineDrawing{n}, n == answerImage ? answerLine : pageLine};
    line.drawing.caption = n == 1 ? "次の不等式を解きなさい" : "";
    line.drawing.typeset = true;
    line.drawing.line = talvoren::testing::lineOf({c(2, 1, 'x'), c(1, 1, '/'), k('<'), c(5, 1, '/')});
    line.drawing.label = n == 1 ? "①" : "②";
    return line;
}

// The first page of a PDF rendered at `dpi` dots per inch (poppler's pdftoppm).
QImage renderFirstPage(const QString& pdf, int dpi) {
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty()) return {};
    const QString prefix = pdf + QStringLiteral("-page");
    QProcess::execute(pdftoppm, {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"),
                                 QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                 QStringLiteral("1"), QStringLiteral("-singlefile"), pdf, prefix});
    return QImage(prefix + QStringLiteral(".pgm"));
}

// Share of dark pixels (below mid-grey) in a rectangle of the rendering.
double darkShare(const QImage& page, const QRect& area) {
    int dark = 0, all = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x, ++all)
            if (qGray(page.pixel(x, y)) < 128) ++dark;
    return all ? double(dark) / all : 0.0;
}

// Rows and columns of a rectangle of the rendering that hold ink.
QRect inkBounds(const QImage& page, const QRect& area) {
    QRect ink;
    const QRect inside = area & page.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (qGray(page.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
    return ink;
}

struct PdfPrintFixture : PrintDialogFixture {
    test::ScratchDir scratch;
    QString pdf = QString::fromStdString(scratch.file("page.pdf"));
    int dpi = 60;  // a tenth of the print job's device pixels

    void SetUp() override {
        dialog.printer().setOutputFormat(QPrinter::PdfFormat);
        dialog.printer().setOutputFileName(pdf);
        dialog.printer().setPageSize(QPageSize(QPageSize::A4));
        page.heading = QStringLiteral("一次不等式の基本");
        page.lines = {printedLine(1), printedLine(2)};
    }
    QRect printable() { return dialog.printer().pageLayout().paintRectPixels(printResolution); }
    // A rectangle of device pixels on the rendering, inside the printable area.
    QRect onRendering(const QRect& device) {
        const QRect shifted = device.translated(printable().topLeft());
        return QRect(shifted.left() * dpi / printResolution, shifted.top() * dpi / printResolution,
                     shifted.width() * dpi / printResolution, shifted.height() * dpi / printResolution);
    }
    PrintPlan plan() {
        std::vector<QSize> sizes;
        for (const PrintedLine& l : page.lines) sizes.push_back(l.layout);
        if (page.answer) sizes.push_back(page.answer->layout);
        return planPrint(sizes, dialog.margin(), dialog.size(), printable().size());
    }
    QImage printAndRender() {
        EXPECT_TRUE(dialog.btnStartClick());
        EXPECT_TRUE(sink.shown.empty());
        const QImage rendered = renderFirstPage(pdf, dpi);
        EXPECT_FALSE(rendered.isNull()) << "pdftoppm (poppler-utils) renders the printed page";
        return rendered;
    }
};

TEST_F(PdfPrintFixture, PageHoldsTheHeadingAndEveryLineAcrossTheWidth) {
    const QImage rendered = printAndRender();
    ASSERT_FALSE(rendered.isNull());
    EXPECT_GT(darkShare(rendered, onRendering(QRect(128, 100, 900, 100))), 0.02) << "heading";
    const PrintPlan p = plan();
    for (int i = 0; i < 2; ++i) {
        const QRect picture = p.pictures[i];
        // The expression at the left, the label in the last tenth of the width.
        EXPECT_GT(darkShare(rendered, onRendering(picture.adjusted(0, picture.height() / 3, -picture.width() / 2, 0))),
                  0.01)
            << i;
        const QRect labelColumn = picture.adjusted(picture.width() * 9 / 10, 0, 0, 0);
        EXPECT_GT(darkShare(rendered, onRendering(labelColumn)), 0.005) << i;
    }
    // Nothing below the last line while the question is unsolved.
    const int end = p.pictures[1].bottom() + 20;
    EXPECT_LT(darkShare(rendered, onRendering(QRect(0, end, printable().width(), 600))), 0.001);
}

TEST_F(PdfPrintFixture, PreviewPaintsThePageAsPrintingDoesWithTheDialogsSettings) {
    dialog.updSize->upButton()->click();
    QPrinter* previewed = nullptr;
    dialog.runPreviewDialog = [&](QPrinter& printer, QWidget*, const TfrmPrintS::PreviewPainter& paint) {
        previewed = &printer;
        paint(printer);  // the preview window's first drawing, here into the PDF
    };
    dialog.showPreview(nullptr);
    EXPECT_EQ(previewed, &dialog.printer()) << "the printer 印刷開始 uses";
    EXPECT_TRUE(sink.shown.empty());
    const QImage rendered = renderFirstPage(pdf, dpi);
    ASSERT_FALSE(rendered.isNull());
    EXPECT_GT(darkShare(rendered, onRendering(QRect(128, 100, 900, 100))), 0.02) << "heading";
    const QRect first = plan().pictures[0];
    EXPECT_EQ(plan().layouts[0].width(), qRound(419 * 3.0 / 4)) << "size 3 lays the lines out narrower";
    EXPECT_GT(darkShare(rendered, onRendering(first.adjusted(0, first.height() / 3, -first.width() / 2, 0))), 0.01);
}

TEST_F(PdfPrintFixture, CaptionPrintsAtLeastThreeMillimetresTallAndLabelsWhole) {
    dpi = 300;
    const QImage rendered = printAndRender();
    ASSERT_FALSE(rendered.isNull());
    const QRect picture = plan().pictures[0];
    const double pixelsPerLayout = picture.width() / 419.0;
    // The caption takes the top band of the line (16 layout pixels).
    const QRect caption = inkBounds(rendered, onRendering(QRect(picture.left(), picture.top(), picture.width() / 2,
                                                                 int(17 * pixelsPerLayout))));
    ASSERT_FALSE(caption.isEmpty());
    EXPECT_GE(caption.height() * 25.4 / dpi, 3.0) << caption.height() << " pixels at " << dpi << " dpi";
    // The circled label: a whole ring, as tall as it is wide, inside the page.
    const QRect label = inkBounds(rendered, onRendering(picture.adjusted(picture.width() * 9 / 10, 0, 0, 0)));
    ASSERT_FALSE(label.isEmpty());
    EXPECT_NEAR(label.width(), label.height(), label.height() / 6);
    EXPECT_LT(label.right(), onRendering(picture).right());
}

TEST_F(PdfPrintFixture, SolvedPageEndsWithTheAnswer) {
    page.answer = printedLine(answerImage);
    const QImage rendered = printAndRender();
    ASSERT_FALSE(rendered.isNull());
    const QRect answer = plan().pictures.at(2);
    EXPECT_GT(darkShare(rendered, onRendering(answer.adjusted(0, answer.height() / 4, 0, 0))), 0.02);
}

TEST_F(PdfPrintFixture, PrintsWithoutAWritableWorkingDirectory) {
    // A working directory that no longer exists takes no file, even for root.
    const auto previous = std::filesystem::current_path();
    test::ScratchDir gone;
    std::filesystem::current_path(gone.dir());
    std::filesystem::remove(gone.dir());
    const QImage rendered = printAndRender();
    std::filesystem::current_path(previous);
    ASSERT_FALSE(rendered.isNull());
    EXPECT_GT(darkShare(rendered, onRendering(plan().pictures[0])), 0.005);
}

TEST_F(PdfPrintFixture, AJobThatCannotStartIsReported) {
    dialog.printer().setOutputFileName(QString::fromStdString(scratch.file("no/such/dir/page.pdf")));
    EXPECT_FALSE(dialog.btnStartClick());
    EXPECT_EQ(sink.shown, (std::vector<std::string>{"印刷できませんでした。プリンタの設定を確かめてください"}));
}

}  // namespace
}  // namespace talvoren::ui
