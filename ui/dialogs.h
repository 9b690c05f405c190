// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main frame's way to the teacher and pupil dialogs: one virtual
// function per dialog or request. The frame calls these from its menu
// entries and buttons; the defaults show nothing, so the frame works before
// the dialogs exist. The dialogs get the program's state, which the frame
// owns, as an argument (ProgramState).
//
// makeDialogs() is defined in ui/dialogs_factory.cpp, which belongs to the
// dialogs: it returns the implementation the program runs with.

#include <functional>
#include <memory>
#include <string>

namespace talvoren {
class FlowWindows;
class MessageSink;
class PracticeRecords;
class UnitDialog;
class Worksheet;
class CoursewareState;
struct CoreState;
}  // namespace talvoren

namespace talvoren::ui {

class QtPage;
class TfrmMain;

// What the dialogs work on: the program's state, which the frame owns and
// hands to them; the frame is their parent window.
struct ProgramState {
    TfrmMain& frame;
    MessageSink& messages;
    CoreState& core;
    CoursewareState& courseware;
    PracticeRecords& records;
    const Worksheet& worksheet;
    const QtPage& page;
    std::function<std::string()> masteryRecordPath;  // where the pupil's mastery is kept
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual void mnuPrintClick(const ProgramState&) {}       // 印刷(&P): TfrmPrintS, modal
    // 印刷プレビュー(&V): the worked page as 印刷 prints it, in a preview window.
    virtual void mnuPrintPreviewClick(const ProgramState&) {}
    // 問題プリントを印刷 and 解答を印刷: the current unit's or every unit's
    // questions, or their shortest solutions, through the print dialog.
    virtual void mnuPrintSheetClick(const ProgramState&, bool /*everyUnit*/) {}
    virtual void mnuPrintKeyClick(const ProgramState&, bool /*everyUnit*/) {}
    virtual void mnuShowRecordClick(const ProgramState&) {}  // 練習の記録(&R) and btnKiroku: TfrmKiroku
    virtual void mnuDispStackClick(const ProgramState&) {}   // スタック(&S): TfrmDump, modal
    virtual void mnuVersionClick(const ProgramState&) {}     // バージョン情報(&A): TfrmVersion, modal
    // The help document at a context (helpContents, helpPoint, helpFrame).
    virtual void showHelp(const ProgramState&, int /*context*/) {}

    // The Qt sides of the courseware's seams: the open, save and editor
    // dialogs of the file flows, and the unit selection dialog TfrmMondai.
    // nullptr: the entry does nothing yet.
    virtual FlowWindows* flowWindows(const ProgramState&) { return nullptr; }
    virtual UnitDialog* unitDialog(const ProgramState&) { return nullptr; }
};

std::unique_ptr<Dialogs> makeDialogs();

}  // namespace talvoren::ui
