// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TfrmMain, the main frame: the control panel on the left, the worked page
// as the only window of its document area, the main menu, the blink timer
// and the program's state. It sizes itself to the screen, shows a greeting
// while it starts, loads the question set when it is first shown, and sees
// every key before the control that has the focus.

#include <QMainWindow>
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
class QMenu;
class QMdiArea;
class QMdiSubWindow;
class QTimer;

namespace talvoren {
class PracticeLog;
}
namespace talvoren::test {
struct FrameInside;
}

namespace talvoren::ui {

class ControlPanel;
class QtMessageSink;
class QtPage;
class ReadAloud;
class TrialFlow;
class TfrmGreet;
class TfrmPage;
class TfrmSentaku;
class PracticeMode;

struct FrameOptions {
    QSize screen;                      // empty: the primary screen's size
    MessageSink* messages = nullptr;   // nullptr: real message boxes
    std::unique_ptr<Dialogs> dialogs;  // nullptr: makeDialogs()
    std::string questionSetPath;       // "": Question.ine in the working directory
    std::string openAtStart;           // "": none; else opened after start-up as 開く does
    std::string installedQuestionSet;  // loaded when the working directory has no Question.ine
    std::string recordsFolder = {};    // "": no class records; else each event goes to the pupil's log there
    std::string pupil = {};            // "": the pupil chooses or adds a name at start
};

class TfrmMain : public QMainWindow {
public:
    explicit TfrmMain(FrameOptions options = {});
    ~TfrmMain() override;

    // ---- the program's state, to read ------------------------------------
    // The frame owns it; the dialogs get it as arguments (ProgramState).
    const Worksheet& worksheet() const { return *worksheet_; }
    const CoreState& core() const { return core_; }
    const CoursewareState& courseware() const { return courseware_; }
    const PracticeRecords& records() const { return records_; }

    // ---- windows and controls -------------------------------------------
    // The forms and widgets are the frame's own: the page seam gets the ones
    // it shows the worksheet in when it is made, tests and dialogs read them
    // here.
    QSize screenSize() const { return screenSize_; }
    ControlPanel* pnlMain() const { return pnlMain_; }
    TfrmPage* frmPage() const { return frmPage_; }
    QMdiSubWindow* pageWindow() const { return pageWindow_; }
    TfrmSentaku* frmSentaku();  // made when first asked for
    TfrmGreet* frmGreet() const { return frmGreet_; }
    QTimer* timBlink() const { return timBlink_; }

    // ---- handlers --------------------------------------------------------
    void FormShow();
    void btnKirokuClick();
    // もっと練習 on a unit of the set (from the menu, the unit dialog or the
    // offer after the unit's last question).
    void startPractice(int unit);
    void focusDefaultButton();
    // The fatal message, then the frame closes once the running handler
    // has returned, which ends the program.
    void fatalError(const std::string& text);

    // Whether the question set was loaded at start-up.
    bool started() const { return started_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend struct test::FrameInside;  // tests and benchmarks that set a page up directly

    std::unique_ptr<QtMessageSink> ownMessages_;
    MessageSink& messages_;
    CoreState core_;
    CoursewareState courseware_;
    PracticeRecords records_;
    std::unique_ptr<QtPage> page_;
    std::unique_ptr<Worksheet> worksheet_;
    // The handlers' owners: reached through the frame's controls only.
    std::unique_ptr<HintCoach> coach_;
    std::unique_ptr<Dialogs> dialogs_;
    std::unique_ptr<Sequencing> sequencing_;
    std::unique_ptr<FileFlows> fileFlows_;
    std::unique_ptr<TrialFlow> trialFlow_;  // 確かめ

    // What the dialogs work on, handed to them at each call.
    std::unique_ptr<ProgramState> programState_;

    void FormCreate();
    void makeHandlers();  // the sequencing, controls and file flows, with their dialogs
    void buildMenu();
    void nameCurrentUnitEntries();
    void wirePanel();
    bool handleKey(QKeyEvent* event);

    QSize screenSize_;
    ControlPanel* pnlMain_;
    QMdiArea* mdiArea_;
    QMdiSubWindow* pageWindow_;
    TfrmPage* frmPage_;
    TfrmSentaku* frmSentaku_ = nullptr;
    TfrmGreet* frmGreet_ = nullptr;
    QTimer* timBlink_;
    QLabel* lblStatus_;  // the status line under the frame
    ReadAloud* readAloud_;

    QAction* mnuOpen_;
    QAction* mnuSave_;
    QAction* mnuPrint_;
    QAction* mnuPrintSheetUnit_;  // 問題プリントを印刷 → この単元
    QAction* mnuPrintSheetAll_;   //                   → すべての単元
    QAction* mnuPrintKeyUnit_;    // 解答を印刷 → この単元
    QAction* mnuPrintKeyAll_;     //            → すべての単元
    QAction* mnuEnd_;
    QAction* mnuEditCWare_;
    QAction* mnuShowRecord_;
    QAction* mnuDispStack_;
    QAction* KN1_;
    QAction* mnuTangen_;
    QAction* mnuHint_;
    QAction* mnuUsage_;
    QAction* mnuPoint_;
    QAction* mnuVersion_;
    QMenu* changeMenu_ = nullptr;  // 問題変更

    std::string questionSetPathOption_;
    std::string openAtStart_;
    std::string installedQuestionSet_;
    bool shown_ = false;
    bool started_ = false;
    std::unique_ptr<Controls> controls_;
    std::unique_ptr<PracticeMode> practice_;
    // A click by name: もっと練習 takes it first while it runs.
    void click(Control control);
    std::unique_ptr<UnitDialog> noUnitDialog_;
    std::unique_ptr<FlowWindows> noFlowWindows_;

    // Class records (frm_main_class.cpp): who is practising, their log, and
    // 記録 → クラスの記録. Nothing of it exists without a records folder.
    void startPupilLog(const std::string& folder, std::string pupil);
    std::string choosePupil(const std::string& folder);
    std::unique_ptr<PracticeLog> practiceLog_;
    // The file the pupil's mastery is kept in (PracticeLog::masteryRecordPath).
    std::string masteryRecordPath() const;
};

}  // namespace talvoren::ui
