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

    void createForm(FormName form, TfrmMain& frame) override;

    void mnuPrintClick(TfrmMain& frame) override;
    void mnuPrintPreviewClick(TfrmMain& frame) override;
    void mnuPrintSheetClick(TfrmMain& frame, bool everyUnit) override;
    void mnuPrintKeyClick(TfrmMain& frame, bool everyUnit) override;
    void mnuShowRecordClick(TfrmMain& frame) override;
    void mnuDispStackClick(TfrmMain& frame) override;
    void mnuVersionClick(TfrmMain& frame) override;
    void showHelp(TfrmMain& frame, int context) override;

    FlowWindows* flowWindows(TfrmMain& frame) override;
    UnitDialog* unitDialog(TfrmMain& frame) override;

    TfrmDelete& frmDelete(TfrmMain& frame);
    TfrmPrintS& frmPrintS(TfrmMain& frame);
    TfrmDump& frmDump(TfrmMain& frame);
    TfrmKiroku& frmKiroku(TfrmMain& frame);
    TfrmMondai& frmMondai(TfrmMain& frame);
    TfrmVersion& frmVersion(TfrmMain& frame);
    TfrmEditQues& frmEditQues(TfrmMain& frame);
    QtFlowWindows& qtFlowWindows(TfrmMain& frame);
    HelpViewer& helpViewer(TfrmMain& frame);
    TeacherPrinting& teacherPrinting(TfrmMain& frame);

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
PrintablePage printablePage(TfrmMain& frame);

}  // namespace talvoren::ui
