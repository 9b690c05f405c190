// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TfrmMain, the main frame: the control panel on the left, the worked page
// as the only window of its document area, the main menu, the blink timer
// and the program's state. It sizes itself to the screen, shows a greeting
// while it starts, loads the question set when it is first shown, and sees
// every key before the control that has the focus.

#include <QMainWindow>
#include <QPixmap>
#include <memory>
#include <string>

#include "core/cells.h"
#include "courseware/controls.h"
#include "courseware/file_flows.h"
#include "courseware/question_set.h"
#include "courseware/records.h"
#include "courseware/sequencing.h"
#include "solving/hints.h"
#include "solving/worksheet.h"
#include "ui/dialogs.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QTimer;

namespace talvoren::ui {

class ControlPanel;
class QtMessageSink;
class QtPage;
class TfrmGreet;
class TfrmPage;
class TfrmSentaku;

struct FrameOptions {
    QSize screen;                      // empty: the primary screen's size
    MessageSink* messages = nullptr;   // nullptr: real message boxes
    std::unique_ptr<Dialogs> dialogs;  // nullptr: makeDialogs()
    std::string questionSetPath;       // "": Question.ine in the working directory
    std::string openAtStart;           // "": none; else opened after start-up as 開く does
    std::string installedQuestionSet;  // loaded when the working directory has no Question.ine
};

class TfrmMain : public QMainWindow {
public:
    explicit TfrmMain(FrameOptions options = {});
    ~TfrmMain() override;

    // ---- the program's state --------------------------------------------
private:
    std::unique_ptr<QtMessageSink> ownMessages_;

public:
    MessageSink& messages;
    CoreState core;
    CoursewareState courseware;
    PracticeRecords records;
    std::unique_ptr<QtPage> page;
    std::unique_ptr<Worksheet> worksheet;
    std::unique_ptr<HintCoach> coach;
    std::unique_ptr<Dialogs> dialogs;
    std::unique_ptr<Sequencing> sequencing;
    std::unique_ptr<FileFlows> fileFlows;

    // ---- windows and controls -------------------------------------------
    QSize screenSize;
    ControlPanel* pnlMain;
    QMdiArea* mdiArea;
    QMdiSubWindow* pageWindow;
    TfrmPage* frmPage;
    TfrmSentaku* frmSentaku;
    TfrmGreet* frmGreet = nullptr;
    QTimer* timBlink;
    QLabel* lblStatus;  // the status line under the frame
    QPixmap imgNextQ;
    QPixmap imgNextR;

    QAction* mnuOpen;
    QAction* mnuSave;
    QAction* mnuPrint;
    QAction* mnuPrintSheetUnit;  // 問題プリントを印刷 → この単元
    QAction* mnuPrintSheetAll;   //                   → すべての単元
    QAction* mnuPrintKeyUnit;    // 解答を印刷 → この単元
    QAction* mnuPrintKeyAll;     //            → すべての単元
    QAction* mnuEnd;
    QAction* mnuEditCWare;
    QAction* mnuShowRecord;
    QAction* mnuDispStack;
    QAction* KN1;
    QAction* mnuTangen;
    QAction* mnuHint;
    QAction* mnuUsage;
    QAction* mnuPoint;
    QAction* mnuVersion;

    // ---- handlers --------------------------------------------------------
    void FormShow();
    void btnKirokuClick();
    void focusDefaultButton();
    // The fatal message, then the frame closes once the running handler
    // has returned, which ends the program.
    void fatalError(const std::string& text);
    // The worksheet's report of a solved question, for the records.
    void questionSolved();

    // Whether the question set was loaded at start-up.
    bool started() const { return started_; }
    // The controls by their names, as the pupil clicks them.
    const Controls& controls() const { return *controls_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void createForms();
    void buildMenu();
    void nameCurrentUnitEntries();
    void wirePanel();
    bool handleKey(QKeyEvent* event);

    std::string questionSetPathOption_;
    std::string openAtStart_;
    std::string installedQuestionSet_;
    bool shown_ = false;
    bool started_ = false;
    std::unique_ptr<Controls> controls_;
    std::unique_ptr<UnitDialog> noUnitDialog_;
    std::unique_ptr<FlowWindows> noFlowWindows_;
};

}  // namespace talvoren::ui
