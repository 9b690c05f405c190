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

namespace talvoren::ui {
namespace {

constexpr QSize pageLine(419, 75);

TEST(PrintPlan, DefaultsPlaceTheHeadingAndEachLineAsTheScreenShowsIt) {
    const PrintPlan plan = planPrint({pageLine, pageLine, pageLine}, 4, 2, 100000);
    EXPECT_EQ(plan.heading, QPoint(128, 100));
    ASSERT_EQ(plan.pictures.size(), 3u);
    EXPECT_EQ(plan.pictures[0], QRect(128, 220, 1257, 225));
    EXPECT_EQ(plan.pictures[1].top(), 220 + 231);
    EXPECT_EQ(plan.pictures[2].top(), 220 + 2 * 231);
}

struct PlanCase {
    const char* name;
    int margin, size;
    int left, firstTop, width, height;
};

class PrintPlanTable : public ::testing::TestWithParam<PlanCase> {};

TEST_P(PrintPlanTable, MarginAndSizeScaleTheFirstPicture) {
    const PlanCase& c = GetParam();
    const PrintPlan plan = planPrint({pageLine}, c.margin, c.size, 100000);
    EXPECT_EQ(plan.heading, QPoint(c.left, 100));
    EXPECT_EQ(plan.pictures.at(0), QRect(c.left, c.firstTop, c.width, c.height));
}

INSTANTIATE_TEST_SUITE_P(Table, PrintPlanTable,
                         ::testing::Values(PlanCase{"defaults", 4, 2, 128, 220, 1257, 225},
                                           PlanCase{"noMargin", 0, 2, 0, 220, 1257, 225},
                                           PlanCase{"smallest", 10, 1, 320, 180, 838, 150},
                                           PlanCase{"sixTimes", 0, 5, 0, 340, 2514, 450}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PrintPlan, APictureThatWouldRunOffThePageStartsTheNextPage) {
    // The fourth line ends at 913 + 225 = 1138; the fifth would end at 1369.
    const PrintPlan plan = planPrint({pageLine, pageLine, pageLine, pageLine, pageLine}, 4, 2, 1200);
    EXPECT_EQ(plan.pages, (std::vector<int>{0, 0, 0, 0, 1}));
    EXPECT_EQ(plan.pictures[3].top(), 913);
    EXPECT_EQ(plan.pictures[4].top(), 220);
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

// A line picture: white, with a black block where the expression would be.
QImage linePicture() {
    QImage image(pageLine, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(QRect(20, 20, 380, 40), Qt::black);
    return image;
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

struct PdfPrintFixture : PrintDialogFixture {
    test::ScratchDir scratch;
    QString pdf = QString::fromStdString(scratch.file("page.pdf"));
    static constexpr int dpi = 60;  // a tenth of the print job's device pixels

    void SetUp() override {
        dialog.printer().setOutputFormat(QPrinter::PdfFormat);
        dialog.printer().setOutputFileName(pdf);
        page.heading = QStringLiteral("一次不等式の基本");
        page.lines = {linePicture(), linePicture()};
    }
    // A rectangle of device pixels on the rendering, inside the printable area.
    QRect onRendering(const QRect& device) {
        const QPoint origin = dialog.printer().pageLayout().paintRectPixels(printResolution).topLeft();
        const QRect shifted = device.translated(origin);
        return QRect(shifted.left() * dpi / printResolution, shifted.top() * dpi / printResolution,
                     shifted.width() * dpi / printResolution, shifted.height() * dpi / printResolution);
    }
    QImage printAndRender() {
        EXPECT_TRUE(dialog.btnStartClick());
        EXPECT_TRUE(sink.shown.empty());
        const QImage rendered = renderFirstPage(pdf, dpi);
        EXPECT_FALSE(rendered.isNull()) << "pdftoppm (poppler-utils) renders the printed page";
        return rendered;
    }
};

TEST_F(PdfPrintFixture, PageHoldsTheHeadingAndEveryLinePicture) {
    const QImage rendered = printAndRender();
    ASSERT_FALSE(rendered.isNull());
    EXPECT_GT(darkShare(rendered, onRendering(QRect(128, 100, 900, 100))), 0.02) << "heading";
    // The black block of each line, enlarged three times, inset by a margin.
    for (int i = 0; i < 2; ++i) {
        const int top = 220 + i * 231;
        EXPECT_GT(darkShare(rendered, onRendering(QRect(128 + 70, top + 70, 1000, 90))), 0.95) << i;
        EXPECT_LT(darkShare(rendered, onRendering(QRect(128 + 70, top + 5, 1000, 40))), 0.05) << i;
    }
    // Nothing below the last line while the question is unsolved.
    EXPECT_LT(darkShare(rendered, onRendering(QRect(0, 220 + 2 * 231, 2000, 600))), 0.001);
}

TEST_F(PdfPrintFixture, SolvedPageEndsWithTheAnswerPicture) {
    page.answer = QImage(272, 76, QImage::Format_RGB32);
    page.answer.fill(Qt::black);
    const QImage rendered = printAndRender();
    ASSERT_FALSE(rendered.isNull());
    EXPECT_GT(darkShare(rendered, onRendering(QRect(160, 220 + 2 * 231 + 20, 700, 180))), 0.95);
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
    EXPECT_GT(darkShare(rendered, onRendering(QRect(128 + 70, 220 + 70, 1000, 90))), 0.95);
}

TEST_F(PdfPrintFixture, AJobThatCannotStartIsReported) {
    dialog.printer().setOutputFileName(QString::fromStdString(scratch.file("no/such/dir/page.pdf")));
    EXPECT_FALSE(dialog.btnStartClick());
    EXPECT_EQ(sink.shown, (std::vector<std::string>{"印刷できませんでした。プリンタの設定を確かめてください"}));
}

}  // namespace
}  // namespace talvoren::ui
