// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main frame's way to the teacher and pupil dialogs: one virtual
// function per dialog or request. The frame calls these from its menu
// entries and buttons; the defaults show nothing, so the frame works before
// the dialogs exist. The dialogs reach the program's state through the
// frame's public members (TfrmMain in ui/frm_main.h).
//
// makeDialogs() is defined in ui/dialogs_factory.cpp, which belongs to the
// dialogs: it returns the implementation the program runs with.

#include <memory>

namespace talvoren {
class FlowWindows;
class UnitDialog;
}  // namespace talvoren

namespace talvoren::ui {

class TfrmMain;

// The forms that program entry creates after the frame, in this order.
enum class FormName { TfrmDelete, TfrmPrintS, TfrmSentaku, TfrmDump, TfrmKiroku, TfrmMath, TfrmMondai,
                      TfrmVersion, TfrmEditQues };

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Program entry names the forms one by one in the order above (the
    // frame makes TfrmSentaku itself); an implementation may make each then
    // or, to keep start-up short, at its first use. All stay hidden.
    virtual void createForm(FormName, TfrmMain&) {}

    virtual void mnuPrintClick(TfrmMain&) {}       // 印刷(&P): TfrmPrintS, modal
    // 印刷プレビュー(&V): the worked page as 印刷 prints it, in a preview window.
    virtual void mnuPrintPreviewClick(TfrmMain&) {}
    // 問題プリントを印刷 and 解答を印刷: the current unit's or every unit's
    // questions, or their shortest solutions, through the print dialog.
    virtual void mnuPrintSheetClick(TfrmMain&, bool /*everyUnit*/) {}
    virtual void mnuPrintKeyClick(TfrmMain&, bool /*everyUnit*/) {}
    virtual void mnuShowRecordClick(TfrmMain&) {}  // 練習の記録(&R) and btnKiroku: TfrmKiroku
    virtual void mnuDispStackClick(TfrmMain&) {}   // スタック(&S): TfrmDump, modal
    virtual void mnuVersionClick(TfrmMain&) {}     // バージョン情報(&A): TfrmVersion, modal
    // The help document at a context (helpContents, helpPoint, helpFrame).
    virtual void showHelp(TfrmMain&, int /*context*/) {}

    // The Qt sides of the courseware's seams: the open, save and editor
    // dialogs of the file flows, and the unit selection dialog TfrmMondai.
    // nullptr: the entry does nothing yet.
    virtual FlowWindows* flowWindows(TfrmMain&) { return nullptr; }
    virtual UnitDialog* unitDialog(TfrmMain&) { return nullptr; }
};

std::unique_ptr<Dialogs> makeDialogs();

}  // namespace talvoren::ui
