// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The teacher and pupil dialogs of the program, behind the frame's Dialogs
// interface: unit selection, practice records and their deletion, the
// question-set editor and the file dialogs, printing, the stack listing,
// help and the version dialog. Each form is created once, when it is first
// used (program entry only names them in its order: making them all at
// start would double the start-up's work for windows most runs never open),
// owned by the frame as a child window, and shown modally at each use.

#include <memory>

#include "ui/dialogs.h"

namespace talvoren::ui {

class HelpViewer;
class QtFlowWindows;
class TfrmDelete;
class TfrmDump;
class TfrmEditQues;
class TfrmKiroku;
class TfrmMondai;
class TfrmPrintS;
class TfrmVersion;
class TeacherPrinting;
struct PrintablePage;

class ProgramDialogs : public Dialogs {
public:
    ProgramDialogs();
    ~ProgramDialogs() override;

    void mnuPrintClick(const ProgramState& state) override;
    void mnuPrintPreviewClick(const ProgramState& state) override;
    void mnuPrintSheetClick(const ProgramState& state, bool everyUnit) override;
    void mnuPrintKeyClick(const ProgramState& state, bool everyUnit) override;
    void mnuShowRecordClick(const ProgramState& state) override;
    void mnuDispStackClick(const ProgramState& state) override;
    void mnuVersionClick(const ProgramState& state) override;
    void showHelp(const ProgramState& state, int context) override;

    FlowWindows* flowWindows(const ProgramState& state) override;
    UnitDialog* unitDialog(const ProgramState& state) override;

    TfrmDelete& frmDelete(const ProgramState& state);
    TfrmPrintS& frmPrintS(const ProgramState& state);
    TfrmDump& frmDump(const ProgramState& state);
    TfrmKiroku& frmKiroku(const ProgramState& state);
    TfrmMondai& frmMondai(const ProgramState& state);
    TfrmVersion& frmVersion(const ProgramState& state);
    TfrmEditQues& frmEditQues(const ProgramState& state);
    QtFlowWindows& qtFlowWindows(const ProgramState& state);
    HelpViewer& helpViewer(const ProgramState& state);
    TeacherPrinting& teacherPrinting(const ProgramState& state);

private:
    // The forms are children of the frame, which deletes them.
    TfrmDelete* delete_ = nullptr;
    TfrmPrintS* printS_ = nullptr;
    TfrmDump* dump_ = nullptr;
    TfrmKiroku* kiroku_ = nullptr;
    TfrmMondai* mondai_ = nullptr;
    TfrmVersion* version_ = nullptr;
    HelpViewer* help_ = nullptr;
    std::unique_ptr<QtFlowWindows> flowWindows_;
    std::unique_ptr<UnitDialog> unitDialog_;  // makes TfrmMondai when first shown
    std::unique_ptr<TeacherPrinting> teacherPrinting_;
};

// The worked page as it stands, for the print job.
PrintablePage printablePage(const ProgramState& state);

}  // namespace talvoren::ui
