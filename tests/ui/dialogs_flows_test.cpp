// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs in the running program: the frame with its real dialogs, the
// file dialogs answered by the tests, the other modal dialogs answered when
// they open.
#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTextBrowser>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

#include "dialogs_support.h"
#include "frame_support.h"
#include "ui/control_panel.h"
#include "ui/file_dialogs.h"
#include "ui/frm_dump.h"
#include "ui/frm_edit_ques.h"
#include "ui/frm_kiroku.h"
#include "ui/frm_mondai.h"
#include "ui/frm_page.h"
#include "ui/frm_print_s.h"
#include "ui/frm_version.h"
#include "ui/help_viewer.h"
#include "ui/line_image.h"
#include "ui/program_dialogs.h"
#include "ui/teacher_printing.h"

namespace talvoren::ui {
namespace {

using test::AnswerWhenOpen;
using test::menuEntry;
using test::whileModal;

const std::vector<std::string> firstSet = test::joinUnits(
    {test::unitLines("一次不等式", {"2x+1<5", "x-4>2"}), test::unitLines("負の数", {"-x>4", "-2x<6"})});

// The frame in a scratch working directory holding firstSet as Question.ine.
class ProgramFrame : public ::testing::Test {
protected:
    void SetUp() override {
        test::writeQuestionSet(dir.file("Question.ine"), firstSet);
        previousDir_ = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(dir.dir()));
        auto programDialogs = std::make_unique<ProgramDialogs>();
        dialogs = programDialogs.get();
        FrameOptions options;
        options.screen = QSize(1024, 768);
        options.messages = &sink;
        options.dialogs = std::move(programDialogs);
        frame = std::make_unique<TfrmMain>(std::move(options));
        frame->show();
        QApplication::processEvents();
        ASSERT_TRUE(frame->started());
        flows().openDialog = [this](QWidget*, const std::string&) { return nextPath(); };
        flows().saveDialog = [this](QWidget*, const std::string&) { return nextPath(); };
    }
    void TearDown() override {
        frame.reset();
        QDir::setCurrent(previousDir_);
    }

    QtFlowWindows& flows() { return dialogs->qtFlowWindows(test::FrameInside::programState(*frame)); }
    std::optional<std::string> nextPath() {
        if (paths.empty()) return std::nullopt;
        auto path = paths.front();
        paths.erase(paths.begin());
        return path;
    }
    std::string pageCaption() const { return frame->pageWindow()->windowTitle().toStdString(); }
    std::string line1() const { return frame->core().lines[1].caption; }

    test::ScratchDir dir;
    test::RecordingSink sink;
    ProgramDialogs* dialogs = nullptr;
    std::unique_ptr<TfrmMain> frame;
    // The answers of the coming file dialogs; nullopt cancels.
    std::vector<std::optional<std::string>> paths;

private:
    QString previousDir_;
};

TEST_F(ProgramFrame, OpeningAnInvalidFileKeepsTheSetInForce) {
    test::writeBytes(dir.file("bad.ine"), "<<A\r\n>>\r\n");
    paths = {dir.file("bad.ine")};
    menuEntry(*frame, "mnuOpen")->trigger();
    EXPECT_EQ(sink.shown, (std::vector<std::string>{dir.file("bad.ine") +
                                                    ":2行目:問題が不正です（この単元には問題がありません）"}));
    EXPECT_EQ(frame->courseware().questionSetText(), firstSet);
    EXPECT_EQ(frame->courseware().unitTitles()[2], "負の数");
    EXPECT_EQ(pageCaption(), "一次不等式");
    EXPECT_EQ(frame->worksheet().state().lineCount, 1) << "the question stays on the page";
}

TEST_F(ProgramFrame, OpeningAFileThatIsNotShiftJisIsReportedNotFatal) {
    test::writeBytes(dir.file("utf8.ine"), "<<\xE5\x8D\x98\r\nx<1\r\n>>\r\n\x81");
    paths = {dir.file("utf8.ine")};
    menuEntry(*frame, "mnuOpen")->trigger();
    EXPECT_EQ(sink.shown, (std::vector<std::string>{dir.file("utf8.ine") + "：シフトJISのテキストではありません"}));
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->courseware().questionSetText(), firstSet);
}

TEST_F(ProgramFrame, OpeningNeverDiscardsUnsavedEdits) {
    // Yes to saving, then the save dialog cancelled: the open stops there.
    const auto edited = test::joinUnits({firstSet, test::unitLines("追加", {"x+2<3"})});
    test::FrameInside::courseware(*frame).setText(edited);  // as the editor leaves an accepted edit
    test::FrameInside::courseware(*frame).setSaved(false);
    test::writeQuestionSet(dir.file("other.ine"), test::unitLines("別", {"x<1"}));
    paths = {dir.file("other.ine"), std::nullopt};
    sink.answers = {Answer::yes};
    menuEntry(*frame, "mnuOpen")->trigger();
    EXPECT_EQ(sink.shown, (std::vector<std::string>{"[確認] ファイルを保存しますか"}));
    EXPECT_FALSE(frame->courseware().questionSetSaved());
    EXPECT_EQ(frame->courseware().questionSetText(), edited);
    EXPECT_EQ(pageCaption(), "一次不等式");
}

TEST_F(ProgramFrame, OpeningAValidFileOffersItsUnits) {
    test::writeQuestionSet(dir.file("other.ine"),
                           test::joinUnits({test::unitLines("かっこ", {"2(x+1)<8"}),
                                            test::unitLines("分数", {"x/2<1", "x/3>2"})}));
    paths = {dir.file("other.ine")};
    whileModal<TfrmMondai>(
        [](TfrmMondai& d) {
            EXPECT_EQ(d.lstTangen->count(), 2);
            d.lstTangen->setCurrentRow(1);
            d.markQuestion(2);
            d.btnOK->click();
        },
        [&] { menuEntry(*frame, "mnuOpen")->trigger(); });
    EXPECT_EQ(pageCaption(), "分数");
    EXPECT_EQ(line1(), "（2） 次の不等式を解きなさい");
    EXPECT_TRUE(frame->courseware().questionSetSaved());
}

TEST_F(ProgramFrame, UnitButtonSetsUpTheMarkedQuestion) {
    whileModal<TfrmMondai>(
        [](TfrmMondai& d) {
            d.lstTangen->setCurrentRow(1);
            d.btnShiki[2]->click();
            d.btnOK->click();
        },
        [&] { frame->pnlMain()->BitBtn1->click(); });
    EXPECT_EQ(frame->courseware().currentUnit(), 2);
    EXPECT_EQ(pageCaption(), "負の数");
    EXPECT_EQ(line1(), "（2） 次の不等式を解きなさい");
}

TEST_F(ProgramFrame, CancelledUnitDialogKeepsTheQuestionAndItsLetter) {
    whileModal<TfrmMondai>([](TfrmMondai& d) { d.btnCancel->click(); },
                           [&] { frame->pnlMain()->BitBtn1->click(); });
    EXPECT_EQ(pageCaption(), "一次不等式");
    EXPECT_EQ(frame->core().unknownLetter, 'x');
    EXPECT_EQ(frame->worksheet().state().lineCount, 1);
}

void typeSet(TfrmEditQues& editor, const std::vector<std::string>& lines) {
    editor.memQues->setPlainText(memoText(lines));
}

TEST_F(ProgramFrame, EditedSetIsCheckedAcceptedAndOffered) {
    const auto edited = test::joinUnits({test::unitLines("新しい単元", {"3x<9"})});
    AnswerWhenOpen<TfrmMondai> unitDialog([](TfrmMondai& d) { d.btnOK->click(); });
    whileModal<TfrmEditQues>(
        [&](TfrmEditQues& e) {
            typeSet(e, edited);
            e.btnCompile->click();
            EXPECT_EQ(e.edtResult->text(), QStringLiteral("☆☆☆　構文チェック成功　☆☆☆"));
            e.btnOk->click();
        },
        [&] { menuEntry(*frame, "mnuEditCWare")->trigger(); });
    EXPECT_TRUE(unitDialog.answered());
    EXPECT_EQ(frame->courseware().questionSetText(), edited);
    EXPECT_EQ(pageCaption(), "新しい単元");
    EXPECT_FALSE(frame->courseware().questionSetSaved());
}

TEST_F(ProgramFrame, CancelledEditPutsBackTheSet) {
    whileModal<TfrmEditQues>(
        [&](TfrmEditQues& e) {
            typeSet(e, {"<<壊れた", "x<"});
            e.btnCompile->click();
            e.btnCancel->click();
        },
        [&] { menuEntry(*frame, "mnuEditCWare")->trigger(); });
    EXPECT_EQ(frame->courseware().questionSetText(), firstSet);
    EXPECT_EQ(frame->courseware().unitTitles()[1], "一次不等式");
    EXPECT_TRUE(frame->courseware().questionSetSaved());
}

TEST_F(ProgramFrame, SavingNamesTheEditorAfterTheNewFile) {
    paths = {dir.file("saved.ine")};
    menuEntry(*frame, "mnuSave")->trigger();
    EXPECT_EQ(test::readBytes(dir.file("saved.ine")), test::readBytes(dir.file("Question.ine")));
    EXPECT_EQ(dialogs->frmEditQues(test::FrameInside::programState(*frame)).windowTitle().toStdString(), "問題の編集：" + dir.file("saved.ine"));
}

struct CloseCase {
    const char* name;
    Answer answer;
    bool saveDialogConfirms;
    bool closes;
    bool written;
};

class CloseQuery : public ProgramFrame, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseQuery, ThreeAnswers) {
    const CloseCase& c = GetParam();
    test::FrameInside::courseware(*frame).setSaved(false);
    sink.answers = {c.answer};
    if (c.saveDialogConfirms) paths = {dir.file("kept.ine")};
    EXPECT_EQ(frame->close(), c.closes);
    EXPECT_EQ(sink.shown, (std::vector<std::string>{"[確認] ファイルを保存しますか？"}));
    EXPECT_EQ(std::filesystem::exists(dir.file("kept.ine")), c.written);
}

INSTANTIATE_TEST_SUITE_P(Table, CloseQuery,
                         ::testing::Values(CloseCase{"yesAndSaved", Answer::yes, true, true, true},
                                           CloseCase{"yesButSaveCancelled", Answer::yes, false, false, false},
                                           CloseCase{"no", Answer::no, false, true, false},
                                           CloseCase{"cancel", Answer::cancel, false, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// Solves 2x+1<5 with keys: transpose, collect, divide by 2.
void solveFirstQuestion(TfrmMain& frame) {
    for (const char* keys : {"1I", "2S", "3/2"}) {
        for (const char* k = keys; *k; ++k) test::typeChar(frame, *k);
        test::pressKey(frame, Qt::Key_Return);
    }
}

TEST_F(ProgramFrame, RecordsAfterASolve) {
    solveFirstQuestion(*frame);
    ASSERT_TRUE(frame->worksheet().state().solvedFlag);
    whileModal<TfrmKiroku>(
        [](TfrmKiroku& k) {
            ASSERT_GE(k.lstTitle->count(), 4);
            EXPECT_EQ(k.lstTitle->item(0)->text(), QStringLiteral("一次不等式"));
            EXPECT_EQ(k.lstTitle->item(2)->text(), QStringLiteral("  1★"));
            k.btnClose->click();
        },
        [&] { frame->pnlMain()->btnKiroku->click(); });
}

TEST_F(ProgramFrame, StackListingOfTheQuestion) {
    whileModal<TfrmDump>(
        [](TfrmDump& d) {
            ASSERT_EQ(d.lstDump->count(), 6);
            EXPECT_EQ(d.lstDump->item(0)->text(), QStringLiteral("（1） 次の不等式を解きなさい"));
            EXPECT_EQ(d.lstDump->item(1)->text(), QStringLiteral("2x1  "));
            EXPECT_EQ(d.lstDump->item(5)->text(), QStringLiteral("--------------------①"));
            d.btnClose->click();
        },
        [&] { menuEntry(*frame, "mnuDispStack")->trigger(); });
}

TEST_F(ProgramFrame, PrintedPageHoldsTheUnitTitleAndEveryLine) {
    solveFirstQuestion(*frame);
    const PrintablePage page = printablePage(test::FrameInside::programState(*frame));
    EXPECT_EQ(page.heading, QStringLiteral("一次不等式"));
    ASSERT_EQ(page.lines.size(), 4u);
    EXPECT_EQ(page.lines[0].layout, frame->frmPage()->lineImage(1)->size());
    EXPECT_EQ(page.lines[0].drawing.caption, "（1） 次の不等式を解きなさい");
    EXPECT_EQ(page.lines[3].drawing.label, "④");
    EXPECT_TRUE(page.lines[3].drawing.typeset);
    ASSERT_TRUE(page.answer.has_value()) << "solved: the answer image follows";
    EXPECT_EQ(page.answer->drawing.number, 16);
    EXPECT_EQ(page.answer->layout, QSize(272, 156));  // the answer, then its number line

    const QString pdf = QString::fromStdString(dir.file("page.pdf"));
    whileModal<TfrmPrintS>(
        [&](TfrmPrintS& p) {
            p.printer().setOutputFormat(QPrinter::PdfFormat);
            p.printer().setOutputFileName(pdf);
            p.btnStart->click();
            EXPECT_TRUE(p.isVisible()) << "the dialog stays open after printing";
            p.btnCancel->click();
        },
        [&] { menuEntry(*frame, "mnuPrint")->trigger(); });
    EXPECT_GT(std::filesystem::file_size(pdf.toStdString()), 1000u);
    EXPECT_TRUE(sink.shown.empty());
}

TEST_F(ProgramFrame, TeacherPrintsTakeTheSetInForceAndItsCurrentUnit) {
    std::vector<QString> jobs;  // the print dialogs' titles
    const QString pdf = QString::fromStdString(dir.file("teacher.pdf"));
    dialogs->teacherPrinting(test::FrameInside::programState(*frame)).runPrintDialog = [&](QPrinter& printer, QWidget* parent, const QString& title) {
        EXPECT_EQ(parent, frame.get());
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        jobs.push_back(title);
        return true;
    };
    test::FrameInside::courseware(*frame).chooseUnit(2, 1);
    menuEntry(*frame, "mnuPrintKeyUnit")->trigger();
    const auto keySize = std::filesystem::file_size(pdf.toStdString());
    menuEntry(*frame, "mnuPrintSheetAll")->trigger();
    EXPECT_GT(std::filesystem::file_size(pdf.toStdString()), keySize / 2);
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(jobs, (std::vector<QString>{QStringLiteral("解答を印刷"), QStringLiteral("問題プリントを印刷")}));
    EXPECT_TRUE(sink.shown.empty());
}

TEST_F(ProgramFrame, HelpRequestsOpenTheirPlaces) {
    menuEntry(*frame, "mnuUsage")->trigger();
    HelpViewer& help = dialogs->helpViewer(test::FrameInside::programState(*frame));
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.browser()->source().fragment(), QStringLiteral("contents"));
    menuEntry(*frame, "mnuPoint")->trigger();
    EXPECT_EQ(help.browser()->source().fragment(), QStringLiteral("point"));
    test::pressKey(*frame, Qt::Key_F1);
    EXPECT_EQ(help.browser()->source().fragment(), QStringLiteral("frame"));
}

TEST_F(ProgramFrame, VersionDialogCloses) {
    whileModal<TfrmVersion>([](TfrmVersion& v) { v.btnClose->click(); }, [&] { menuEntry(*frame, "mnuVersion")->trigger(); });
    EXPECT_FALSE(dialogs->frmVersion(test::FrameInside::programState(*frame)).isVisible());
}

// Start-up makes none of the dialogs; each is made when it is first shown
// and kept for the next showing (so what it holds between showings stays).
TEST_F(ProgramFrame, EachDialogIsMadeAtItsFirstShowingAndKept) {
    struct Case {
        const char* name;
        std::function<qsizetype()> made;
        std::function<void()> showAndClose;
    };
    // The forms have no meta-object of their own: count them by their C++ type.
    const auto made = [this]<typename Form>(Form*) {
        const QList<QWidget*> children = frame->findChildren<QWidget*>();
        return qsizetype(std::count_if(children.begin(), children.end(),
                                       [](QWidget* w) { return dynamic_cast<Form*>(w) != nullptr; }));
    };
    const std::vector<Case> cases = {
        {"単元選択", [&] { return made((TfrmMondai*)nullptr); },
         [&] {
             whileModal<TfrmMondai>([](TfrmMondai& d) { d.btnCancel->click(); },
                                    [&] { frame->pnlMain()->BitBtn1->click(); });
         }},
        // The records dialog and its deletion dialog together.
        {"練習の記録", [&] { return made((TfrmKiroku*)nullptr) + made((TfrmDelete*)nullptr); },
         [&] {
             whileModal<TfrmKiroku>([](TfrmKiroku& k) { k.btnClose->click(); },
                                    [&] { frame->pnlMain()->btnKiroku->click(); });
         }},
        {"スタック", [&] { return made((TfrmDump*)nullptr); },
         [&] { whileModal<TfrmDump>([](TfrmDump& d) { d.btnClose->click(); }, [&] { menuEntry(*frame, "mnuDispStack")->trigger(); }); }},
        {"印刷", [&] { return made((TfrmPrintS*)nullptr); },
         [&] { whileModal<TfrmPrintS>([](TfrmPrintS& p) { p.btnCancel->click(); }, [&] { menuEntry(*frame, "mnuPrint")->trigger(); }); }},
        {"編集", [&] { return made((TfrmEditQues*)nullptr); },
         [&] {
             whileModal<TfrmEditQues>([](TfrmEditQues& e) { e.btnCancel->click(); },
                                      [&] { menuEntry(*frame, "mnuEditCWare")->trigger(); });
         }},
        {"バージョン情報", [&] { return made((TfrmVersion*)nullptr); },
         [&] { whileModal<TfrmVersion>([](TfrmVersion& v) { v.btnClose->click(); }, [&] { menuEntry(*frame, "mnuVersion")->trigger(); }); }},
        {"ヘルプ", [&] { return made((HelpViewer*)nullptr); }, [&] { menuEntry(*frame, "mnuUsage")->trigger(); }},
    };
    for (const Case& c : cases) EXPECT_EQ(c.made(), 0) << c.name << " at start";
    for (const Case& c : cases) {
        c.showAndClose();
        c.showAndClose();
    }
    for (const Case& c : cases) EXPECT_EQ(c.made(), c.name == cases[1].name ? 2 : 1) << c.name;
}

struct FileDialogCase {
    const char* name;
    bool save;
    const char* typed;  // nullptr: cancelled
    const char* chosen;
};

class FileDialog : public ::testing::TestWithParam<FileDialogCase> {};

TEST_P(FileDialog, OffersTheQuestionSetFilterAndGivesTheChosenPath) {
    const FileDialogCase& c = GetParam();
    test::ScratchDir dir;
    test::writeBytes(dir.file("Question.ine"), "");
    std::optional<std::string> chosen;
    whileModal<QFileDialog>(
        [&](QFileDialog& d) {
            EXPECT_EQ(d.nameFilters(), QStringList{questionSetFilter});
            EXPECT_EQ(d.selectedFiles().value(0).toStdString(), dir.file("Question.ine"));
            if (!c.typed) return d.reject();
            d.selectFile(QString::fromStdString(dir.file(c.typed)));
            static_cast<QDialog&>(d).accept();  // QFileDialog::accept, by its public base
        },
        [&] { chosen = (c.save ? runSaveDialog : runOpenDialog)(nullptr, dir.file("Question.ine")); });
    if (c.chosen)
        EXPECT_EQ(chosen, dir.file(c.chosen));
    else
        EXPECT_EQ(chosen, std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Table, FileDialog,
                         ::testing::Values(FileDialogCase{"open", false, "Question.ine", "Question.ine"},
                                           FileDialogCase{"openCancelled", false, nullptr, nullptr},
                                           FileDialogCase{"saveAddsTheSuffix", true, "kept", "kept.ine"},
                                           FileDialogCase{"saveCancelled", true, nullptr, nullptr}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace talvoren::ui
