// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's printouts: where the blocks go on the pages, and real print
// jobs into PDF files read back with poppler (pdftotext, pdftoppm, pdfinfo).
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include "dialogs_support.h"
#include "ui/line_drawing.h"
#include "ui/teacher_printing.h"
#include "ui/sheet_packing.h"
#include "ui/teacher_prints.h"

namespace talvoren::ui {
namespace {

// ---- the flow of blocks ---------------------------------------------------

struct FlowCase {
    const char* name;
    int columns;
    std::vector<double> heights;
    std::vector<int> pages, columnsTaken;
    friend void PrintTo(const FlowCase& c, std::ostream* os) { *os << c.name; }
};

class PageFlowTable : public ::testing::TestWithParam<FlowCase> {};

TEST_P(PageFlowTable, PlacesEachBlockWholeInTheFirstColumnWithRoom) {
    const FlowCase& c = GetParam();
    PageFlow flow(QSizeF(700, 1000), c.columns, 20);
    flow.header(100);
    for (std::size_t i = 0; i < c.heights.size(); ++i) {
        const PageFlow::Place place = flow.take(c.heights[i]);
        EXPECT_EQ(place.page, c.pages[i]) << "block " << i;
        EXPECT_EQ(qRound(place.rect.left() / (flow.columnWidth() + 20)), c.columnsTaken[i]) << "block " << i;
        if (c.heights[i] <= 1000) {
            EXPECT_LE(place.rect.bottom(), 1000) << "block " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, PageFlowTable,
    ::testing::Values(FlowCase{"one_column_fills_then_turns", 1, {400, 400, 400, 400}, {0, 0, 1, 1}, {0, 0, 0, 0}},
                      FlowCase{"two_columns_fill_in_order", 2, {500, 500, 500, 500}, {0, 0, 1, 1}, {0, 1, 0, 0}},
                      FlowCase{"a_small_block_keeps_the_column", 2, {800, 100, 200}, {0, 0, 0}, {0, 0, 1}},
                      FlowCase{"too_tall_stands_alone", 1, {1200, 100}, {0, 1}, {0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PageFlow, AHeaderStartsAFreshPageAndTheColumnsStartUnderIt) {
    PageFlow flow(QSizeF(700, 1000), 2, 20);
    EXPECT_EQ(flow.header(100).page, 0) << "the first page is fresh";
    EXPECT_EQ(flow.take(850).rect.top(), 100);
    EXPECT_EQ(flow.take(850).rect.top(), 100) << "the second column also starts under the header";
    EXPECT_EQ(flow.take(850).rect.top(), 0) << "a following page has no header";
    const PageFlow::Place next = flow.header(100);
    EXPECT_EQ(next.page, 2);
    EXPECT_EQ(next.rect.width(), 700);
}

// ---- the question sheet's packing -----------------------------------------

TEST(SheetPacking, QuestionsShareAPageByHeightAndWorkRoomFollowsTheSolution) {
    struct Row {
        const char* name;
        std::vector<int> steps;
        std::vector<int> pages;  // expected page of each question
    };
    const SheetRoom room{900, 1000, 30};
    const std::vector<Row> rows = {
        {"six one-step questions on one page", {1, 1, 1, 1, 1, 1}, {0, 0, 0, 0, 0, 0}},
        {"long solutions run onto a second page", {6, 6, 6, 6, 6}, {0, 0, 0, 1, 1}},
        {"one question taller than the page stands alone", {40, 1}, {0, 1}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<SheetQuestion> questions;
        for (int steps : row.steps) questions.push_back({70, steps});
        const std::vector<SheetPlace> places = packSheet(questions, room);
        ASSERT_EQ(places.size(), row.steps.size());
        for (std::size_t i = 0; i < places.size(); ++i) {
            EXPECT_EQ(places[i].page, row.pages[i]) << i;
            EXPECT_GE(places[i].workHeight, leastWorkHeight(row.steps[i], 30)) << i;
            const double bottom = places[i].top + places[i].lineHeight + places[i].workHeight;
            if (places[i].top > 0) {
                EXPECT_LE(bottom, places[i].page == 0 ? 900 : 1000) << i;
            }
            if (i > 0 && places[i].page == places[i - 1].page) {
                EXPECT_DOUBLE_EQ(places[i].top, places[i - 1].top + 70 + places[i - 1].workHeight) << i;
            }
        }
    }
    // On one page the room is shared in proportion to the solutions' lengths.
    const std::vector<SheetPlace> mixed = packSheet({{70, 1}, {70, 3}}, room);
    EXPECT_DOUBLE_EQ(mixed[1].workHeight / mixed[0].workHeight, leastWorkHeight(3, 30) / leastWorkHeight(1, 30));
}

// ---- real print jobs ------------------------------------------------------

QString run(const QString& tool, const QStringList& args) {
    const QString path = QStandardPaths::findExecutable(tool);
    if (path.isEmpty()) return {};
    QProcess process;
    process.start(path, args);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of a PDF, its pages separated by form feeds.
QString pdfText(const QString& pdf) { return run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}); }

int pdfPages(const QString& pdf) {
    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    const qsizetype at = info.indexOf(QStringLiteral("Pages:"));
    return at < 0 ? 0 : info.mid(at + 6).section(QLatin1Char('\n'), 0, 0).trimmed().toInt();
}

// Page `page` (from 1) rendered in colour at `dpi` dots per inch.
QImage renderPage(const QString& pdf, int page, int dpi) {
    const QString prefix = pdf + QStringLiteral("-p%1").arg(page);
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
                                     QString::number(page), QStringLiteral("-l"), QString::number(page),
                                     QStringLiteral("-singlefile"), pdf, prefix});
    return QImage(prefix + QStringLiteral(".ppm"));
}

int pixelsWhere(const QImage& image, const std::function<bool(QColor)>& test) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (test(image.pixelColor(x, y))) ++count;
    return count;
}

bool isRed(QColor c) { return c.red() > 180 && c.green() < 120 && c.blue() < 120; }

struct TeacherPdf : ::testing::Test {
    test::DialogSession session;
    test::ScratchDir scratch;
    QString pdf = QString::fromStdString(scratch.file("teacher.pdf"));
    TeacherPrinting printing{session.sink};
    QString dialogTitle;

    void SetUp() override {
        ASSERT_TRUE(session.load(test::joinUnits(
            {test::unitLines("一次不等式の基本", {"x+3<5", "2x<6", "3x>=12", "4x>-8", "x+5<=1"}),
             test::unitLines("負の数でかける・わる", {"-2x<6", "5-2x<1"}),
             test::unitLines("解なし・解は無数にある", {"2(x+1)<2x+1", "x+3>x-1", "2x+y<1"})})));
        printing.runPrintDialog = [this](QPrinter& printer, QWidget*, const QString& title) {
            dialogTitle = title;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        };
    }
    bool print(TeacherPrint what, int unit, bool everyUnit) {
        session.s.chooseUnit(unit, session.s.unitPosition()[unit]);
        return printing.print(nullptr, what, session.s, everyUnit);
    }
};

TEST_F(TeacherPdf, QuestionSheetOfTheCurrentUnitIsNumberedAsOnThePageOnA4) {
    ASSERT_TRUE(print(TeacherPrint::questionSheet, 1, false));
    EXPECT_EQ(dialogTitle, QStringLiteral("問題プリントを印刷"));
    const QString text = pdfText(pdf);
    ASSERT_FALSE(text.isEmpty()) << "pdftotext (poppler-utils) reads the printout";
    EXPECT_TRUE(text.contains(QStringLiteral("一次不等式の基本")));
    for (int n = 1; n <= 5; ++n)
        EXPECT_TRUE(text.contains(QStringLiteral("（%1） 次の不等式を解きなさい").arg(n))) << n;
    EXPECT_FALSE(text.contains(QStringLiteral("負の数"))) << "only the current unit";
    EXPECT_TRUE(text.contains(QStringLiteral("＜"))) << "the relation as the typesetter draws it";
    EXPECT_EQ(pdfPages(pdf), 1) << "five short questions and their working space share one page";
    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();
}

TEST_F(TeacherPdf, EveryUnitStartsItsOwnPageAndARefusedQuestionIsShownAsSuch) {
    ASSERT_TRUE(print(TeacherPrint::questionSheet, 1, true));
    const QStringList pages = pdfText(pdf).split(QLatin1Char('\f'));
    ASSERT_GE(pages.size(), 3);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("一次不等式の基本")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("負の数でかける・わる")));
    EXPECT_TRUE(pages[2].contains(QStringLiteral("解なし・解は無数にある")));
    EXPECT_TRUE(pages[2].contains(QStringLiteral("2x+y<1（正しくない問題です）")));
}

TEST_F(TeacherPdf, QuestionSheetLeavesRoomToWorkUnderEachQuestion) {
    ASSERT_TRUE(print(TeacherPrint::questionSheet, 1, false));
    const QImage page = renderPage(pdf, 1, 40);
    ASSERT_FALSE(page.isNull()) << "pdftoppm renders the printout";
    // Rows with ink come in bands; between two questions lies a blank band
    // of at least 3 cm.
    int longestBlank = 0, blank = 0;
    for (int y = page.height() / 8; y < page.height() * 3 / 4; ++y) {
        bool ink = false;
        for (int x = 0; x < page.width() && !ink; ++x) ink = qGray(page.pixel(x, y)) < 160;
        blank = ink ? 0 : blank + 1;
        longestBlank = std::max(longestBlank, blank);
    }
    EXPECT_GE(longestBlank * 2.54 / 40, 3.0);
}

TEST_F(TeacherPdf, AnswerKeyShowsEveryLineOfTheShortestSolutionAndTheAnswer) {
    ASSERT_TRUE(print(TeacherPrint::answerKey, 2, false));
    EXPECT_EQ(dialogTitle, QStringLiteral("解答を印刷"));
    const QString text = pdfText(pdf);
    ASSERT_FALSE(text.isEmpty()) << "pdftotext (poppler-utils) reads the printout";
    EXPECT_TRUE(text.contains(QStringLiteral("解答")));
    EXPECT_TRUE(text.contains(QStringLiteral("負の数でかける・わる")));
    EXPECT_TRUE(text.contains(QStringLiteral("（1） 次の不等式を解きなさい")));
    EXPECT_TRUE(text.contains(QStringLiteral("①式の両辺を-2で割ると"))) << "-2x<6 in one step";
    EXPECT_TRUE(text.contains(QStringLiteral("①式の両辺から5をひくと"))) << "5-2x<1, first step";
    EXPECT_TRUE(text.contains(QStringLiteral("②式の両辺を-2で割ると"))) << "5-2x<1, second step";
    EXPECT_EQ(text.count(QStringLiteral("【答】")), 2);
    EXPECT_EQ(text.count(QStringLiteral("②")), 2 + 1) << "the labels, and the sentence that names line ②";

    const QImage page = renderPage(pdf, 1, 100);
    ASSERT_FALSE(page.isNull()) << "pdftoppm renders the printout";
    EXPECT_GT(pixelsWhere(page, isRed), 10) << "a relation turned by a negative divisor is red";
}

TEST_F(TeacherPdf, AnswerKeyOfSpecialAnswersNamesThemAfterTheMark) {
    ASSERT_TRUE(print(TeacherPrint::answerKey, 3, false));
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("【答】解なし")));
    EXPECT_TRUE(text.contains(QStringLiteral("【答】解は無数にある")));
    EXPECT_TRUE(text.contains(QStringLiteral("2x+y<1（正しくない問題です）")));
    EXPECT_EQ(text.count(QStringLiteral("解なし")), 3) << "the unit title, the answer and its empty number line";
    const QImage page = renderPage(pdf, 1, 100);
    ASSERT_FALSE(page.isNull());
    EXPECT_EQ(pixelsWhere(page, isRed) > 10, true) << "the refused question is red";

    ASSERT_TRUE(print(TeacherPrint::answerKey, 1, false));
    EXPECT_EQ(pixelsWhere(renderPage(pdf, 1, 100), isRed), 0) << "no relation turned round in the first unit";
}

// The answer key's number line stands right of the answer, clear of it, or
// in a row of its own under an answer too wide to leave it room.
TEST(AnswerKey, TheNumberLineNeverStandsOverTheAnswer) {
    test::DialogSession session;
    struct Case {
        const char* question;
        bool ownRow;
    };
    for (const auto& [question, ownRow] :
         {Case{"2x<4", false}, Case{"10x<-3", false}, Case{"16x<-153", true}, Case{"999x<-12345", true},
          Case{"x+3>x-1", false}}) {
        const QuestionAnalysis q = analyseQuestion(1, 1, question);
        const KeyNumberLinePlace place = keyNumberLinePlace(q);
        const double answerEdge = typesetRightEdge(answerImage, TypesetMode::full, q.answerLine, {}, q.letter);
        EXPECT_EQ(place.ownRow, ownRow) << question << ": the answer reaches " << answerEdge;
        if (!place.ownRow && q.answer == AnswerKind::solved) {
            EXPECT_GT(place.left, answerEdge) << question;
        }
    }
}

TEST_F(TeacherPdf, AFailedJobSaysSoAndACancelledDialogPrintsNothing) {
    printing.runPrintDialog = [](QPrinter& printer, QWidget*, const QString&) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QStringLiteral("/nonexistent/folder/key.pdf"));
        return true;
    };
    EXPECT_FALSE(print(TeacherPrint::answerKey, 1, false));
    EXPECT_EQ(session.sink.shown, (std::vector<std::string>{"印刷できませんでした。プリンタの設定を確かめてください"}));
    printing.runPrintDialog = [](QPrinter&, QWidget*, const QString&) { return false; };
    EXPECT_FALSE(print(TeacherPrint::answerKey, 1, false));
    EXPECT_EQ(session.sink.shown.size(), 1u) << "a cancelled dialog says nothing";
}

}  // namespace
}  // namespace talvoren::ui
