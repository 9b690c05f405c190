// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's analysis table: filled by a check that passes, one row per
// question in order; emptied by a change or a failed check.
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include "dialogs_support.h"
#include "ui/analysis_table.h"
#include "ui/frm_edit_ques.h"

namespace talvoren::ui {
namespace {

struct EditorAnalysis : ::testing::Test {
    test::DialogSession session;
    TfrmEditQues editor{session.s, session.core};

    void SetUp() override {
        ASSERT_TRUE(session.load(test::joinUnits({test::unitLines("単元１", {"x+1<2", "2(x+1)<8"}),
                                                  test::unitLines("単元２", {"3x+2<x+8"})})));
        editor.show();
    }
    QString cell(int row, int column) const { return editor.tblAnalysis->item(row, column)->text(); }
};

TEST_F(EditorAnalysis, IsEmptyUntilACheckPasses) {
    EXPECT_EQ(editor.tblAnalysis->rowCount(), 0);
    editor.btnCompile->click();
    ASSERT_EQ(editor.tblAnalysis->rowCount(), 3);
    EXPECT_EQ(cell(0, AnalysisTable::colUnit), QStringLiteral("1"));
    EXPECT_EQ(cell(1, AnalysisTable::colNumber), QStringLiteral("（2）"));
    EXPECT_EQ(cell(2, AnalysisTable::colUnit), QStringLiteral("2"));
    EXPECT_EQ(cell(2, AnalysisTable::colNumber), QStringLiteral("（1）"));
    EXPECT_EQ(editor.tblAnalysis->item(2, AnalysisTable::colUnit)->toolTip(), QStringLiteral("単元２"));
    EXPECT_EQ(cell(1, AnalysisTable::colSkills), QStringLiteral("かっこ"));
    EXPECT_EQ(cell(2, AnalysisTable::colSkills), QStringLiteral("両辺に文字"));
    EXPECT_EQ(editor.tblAnalysis->item(0, AnalysisTable::colQuestion)->toolTip(), QStringLiteral("x+1<2"));
    EXPECT_FALSE(editor.tblAnalysis->item(0, AnalysisTable::colQuestion)->data(Qt::DecorationRole).isNull())
        << "the question is typeset";
}

TEST_F(EditorAnalysis, AChangeOrAFailedCheckEmptiesIt) {
    editor.btnCompile->click();
    editor.memQues->moveCursor(QTextCursor::End);
    editor.memQues->insertPlainText(QStringLiteral("\n<<単元３\n2x+3y<1\n>>"));
    EXPECT_EQ(editor.tblAnalysis->rowCount(), 0) << "a changed text is not what was analysed";
    editor.btnCompile->click();
    EXPECT_EQ(editor.tblAnalysis->rowCount(), 0);
}

TEST(TypesetPicture, HoldsTheLineCutToItsInk) {
    QuestionAnalysis plain = analyseQuestion(1, 1, "2x<4");
    QuestionAnalysis fraction = analyseQuestion(1, 1, "1/2x<4");
    const QImage one = typesetPicture(plain.question, false, 'x');
    const QImage stacked = typesetPicture(fraction.question, false, 'x');
    EXPECT_LT(one.height(), stacked.height()) << "a fraction takes three rows";
    EXPECT_LT(one.height(), 40);
    const QImage sharp = typesetPicture(plain.question, false, 'x', 2.0);
    EXPECT_NEAR(sharp.width(), 2 * one.width(), 2);
    const QImage small = typesetPicture(plain.question, false, 'x', 1.0, 0.7);
    EXPECT_NEAR(small.width(), 0.7 * one.width(), 3) << "drawn smaller, not cut";
    EXPECT_NEAR(small.deviceIndependentSize().width(), small.width(), 1) << "shown at its own size";
}

}  // namespace
}  // namespace talvoren::ui

namespace talvoren::ui {
namespace {

// At 1024 x 768 the questions and their analysis stand side by side; on a
// narrow window the analysis goes under the questions.
TEST_F(EditorAnalysis, SideBySideWhenWideAboveEachOtherWhenNarrow) {
    editor.resize(1000, 680);
    QApplication::processEvents();
    EXPECT_GE(editor.tblAnalysis->width(), 400) << "half the window";
    EXPECT_GT(editor.tblAnalysis->mapTo(&editor, QPoint(0, 0)).x(), editor.memQues->mapTo(&editor, QPoint(0, 0)).x());
    editor.resize(640, 420);
    QApplication::processEvents();
    EXPECT_GT(editor.tblAnalysis->mapTo(&editor, QPoint(0, 0)).y(),
              editor.memQues->mapTo(&editor, QPoint(0, 0)).y() + editor.memQues->height() - 1);
}

}  // namespace
}  // namespace talvoren::ui
