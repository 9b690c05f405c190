// SPDX-License-Identifier: GPL-3.0-or-later
// The question-set editor: the memo holds the text one line per line, the
// check shows its verdict, and a changed text is accepted only after a pass.
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextLayout>
#include <gtest/gtest.h>

#include "dialogs_support.h"
#include "ui/frm_edit_ques.h"

namespace talvoren::ui {
namespace {

using test::items;

struct Editor : ::testing::Test {
    test::DialogSession session;
    TfrmEditQues editor{session.s, session.core};

    void SetUp() override {
        session.s.setPath("/home/sensei/Question.ine");
        ASSERT_TRUE(session.load(test::joinUnits({test::unitLines("単元１", {"x+1<2"}),
                                                  test::unitLines("単元２", {"2x<4"}),
                                                  test::unitLines("単元３", {"-x>3"})})));
        editor.show();
    }
    void type(const QString& text) { editor.memQues->insertPlainText(text); }
    void replaceText(const std::vector<std::string>& lines) { editor.memQues->setPlainText(memoText(lines)); }
};

TEST_F(Editor, ShowsTheTextAndThePathInItsCaption) {
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("問題の編集：/home/sensei/Question.ine"));
    EXPECT_EQ(memoLines(editor.memQues->toPlainText()), session.s.questionSetText());
    EXPECT_TRUE(editor.edtResult->text().isEmpty());
    editor.setEditorCaption("/tmp/new.ine");
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("問題の編集：/tmp/new.ine"));
}

TEST_F(Editor, UnchangedTextIsAcceptedAtOnce) {
    editor.btnOk->click();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(editor.result(), QDialog::Accepted);
    EXPECT_TRUE(session.s.questionSetSaved());
}

TEST_F(Editor, ChangedTextNeedsAPassingCheckBeforeOk) {
    editor.memQues->moveCursor(QTextCursor::End);
    type(QStringLiteral("\n<<単元４\nx<5\n>>"));
    EXPECT_EQ(session.s.questionSetText().size(), 12u) << "every change goes into the text";

    editor.btnOk->click();
    EXPECT_EQ(session.sink.shown, (std::vector<std::string>{"エラーチェックしてください"}));
    EXPECT_TRUE(editor.isVisible());

    editor.btnCompile->click();
    EXPECT_EQ(editor.edtTangen->text(), QStringLiteral("4"));
    editor.btnOk->click();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_FALSE(session.s.questionSetSaved());
}

TEST_F(Editor, RestoringTheMinimisedDialogKeepsTheEdit) {
    type(QStringLiteral(" "));
    editor.setWindowState(Qt::WindowMinimized);
    editor.setWindowState(Qt::WindowNoState);  // the window system shows it again
    editor.btnOk->click();
    EXPECT_EQ(session.sink.shown, (std::vector<std::string>{"エラーチェックしてください"}));
    EXPECT_TRUE(editor.isVisible()) << "the edit still needs a check";
}

TEST_F(Editor, AChangeAfterThePassWithdrawsIt) {
    type(QStringLiteral(" "));
    editor.btnCompile->click();
    editor.memQues->moveCursor(QTextCursor::End);
    type(QStringLiteral("\n"));
    EXPECT_TRUE(editor.edtResult->text().isEmpty()) << "the fields are emptied by any change";
    editor.btnOk->click();
    EXPECT_TRUE(editor.isVisible());
}

struct VerdictCase {
    const char* name;
    std::vector<std::string> lines;
    const char* tangen;
    const char* result;
    const char* erTangen;
    QStringList erQues;
};

class EditorVerdict : public Editor, public ::testing::WithParamInterface<VerdictCase> {};

TEST_P(EditorVerdict, ShowsTheVerdictFieldsOfTheCheck) {
    const VerdictCase& c = GetParam();
    replaceText(c.lines);
    editor.btnCompile->click();
    EXPECT_EQ(editor.edtTangen->text(), QString::fromUtf8(c.tangen));
    EXPECT_EQ(editor.edtResult->text(), QString::fromUtf8(c.result));
    EXPECT_EQ(editor.edtErTangen->text(), QString::fromUtf8(c.erTangen));
    EXPECT_EQ(items(*editor.lstErQues), c.erQues);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EditorVerdict,
    ::testing::Values(
        VerdictCase{"threeUnitsPass",
                    test::joinUnits({test::unitLines("A", {"x<1"}), test::unitLines("B", {"2x>3"}),
                                     test::unitLines("C", {"x+1<=2"})}),
                    "3", "☆☆☆　構文チェック成功　☆☆☆", "なし", {QStringLiteral("なし")}},
        VerdictCase{"faultInSecondUnit",
                    test::joinUnits({test::unitLines("A", {"x<1"}), test::unitLines("B", {"x<1", "2x+3y<1"}),
                                     test::unitLines("C", {"y<"})}),
                    "", "??? 誤りがあります ???", "B", {QStringLiteral("「B」6行目 2x+3y<1：文字が多すぎます：文字が2種類以上あります（使える文字は1つです）（5文字目）")}},
        VerdictCase{"unitWithoutItsEnd",
                    test::joinUnits({test::unitLines("A", {"x<1"}, false), test::unitLines("B", {"x<"})}),
                    "", "??? 問題に誤りがあります", "問題に誤りです",
                    {QStringLiteral("3行目：前の単元が >> で閉じられていません")}},
        VerdictCase{"lastUnitWithoutItsEnd",
                    test::joinUnits({test::unitLines("A", {"x<1"}), test::unitLines("B", {"2x+3y<1"}, false)}),
                    "", "??? 問題に誤りがあります", "問題に誤りです",
                    {QStringLiteral("4行目：この単元が >> で閉じられていません")}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Editor, AFailedCheckOfTheUnchangedTextSendsTheFocusToTheMemo) {
    // Loading accepts a last unit without ">>"; the check does not.
    ASSERT_TRUE(session.load(test::joinUnits({test::unitLines("A", {"x<1"}), test::unitLines("B", {"x<2"}, false)})));
    editor.hide();
    editor.show();
    editor.activateWindow();
    editor.btnCompile->setFocus();
    editor.btnCompile->click();
    EXPECT_EQ(editor.edtResult->text(), QStringLiteral("??? 問題に誤りがあります"));
    EXPECT_EQ(editor.focusWidget(), editor.memQues);
    editor.btnOk->click();
    EXPECT_FALSE(editor.isVisible()) << "an unchanged text is accepted, checked or not";
}

TEST_F(Editor, FaultyQuestionShowsTheParsersOwnMessage) {
    replaceText(test::joinUnits({test::unitLines("A", {"x<1"}), test::unitLines("B", {"x<1", "2x+3y<1"})}));
    editor.btnCompile->click();
    EXPECT_EQ(session.sink.shown, (std::vector<std::string>{"文字が多すぎます"}));
}

TEST_F(Editor, CheckPutsBackTheLetterOfThePage) {
    session.core.unknownLetter = 'a';
    replaceText(test::joinUnits({test::unitLines("A", {"x<1", "2y>3"})}));
    editor.btnCompile->click();
    EXPECT_EQ(session.core.unknownLetter, 'a');
}

TEST(MemoLines, LongLinesStayOneLineAndAFinalBreakAddsNone) {
    const std::string longQuestion(60, 'x');
    EXPECT_EQ(memoLines(memoText({"<<A", longQuestion, ">>"})), (std::vector<std::string>{"<<A", longQuestion, ">>"}));
    EXPECT_EQ(memoLines(QStringLiteral("<<A\nx<1\n>>\n")), (std::vector<std::string>{"<<A", "x<1", ">>"}));
    EXPECT_EQ(memoLines(QStringLiteral("<<A\n\n>>")), (std::vector<std::string>{"<<A", "", ">>"}));
    EXPECT_TRUE(memoLines(QString()).empty());
}

TEST_F(Editor, WrappedLongLineIsReadBackAsOneLine) {
    const std::string longTitle = "<<" + std::string(200, 'a');
    replaceText({longTitle, "x<1", ">>"});
    QCoreApplication::processEvents();
    const QTextBlock first = editor.memQues->document()->firstBlock();
    ASSERT_NE(first.layout(), nullptr);
    EXPECT_GT(first.layout()->lineCount(), 1) << "the long line wraps on the screen";
    EXPECT_EQ(session.s.questionSetText(), (std::vector<std::string>{longTitle, "x<1", ">>"}));
}

}  // namespace
}  // namespace talvoren::ui
