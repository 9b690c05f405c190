// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/program_dialogs.h"

#include <QMdiSubWindow>
#include <functional>

#include "solving/stack_listing.h"
#include "ui/file_dialogs.h"
#include "ui/frm_dump.h"
#include "ui/frm_edit_ques.h"
#include "ui/frm_kiroku.h"
#include "ui/frm_main.h"
#include "ui/frm_mondai.h"
#include "ui/frm_page.h"
#include "ui/frm_print_s.h"
#include "ui/frm_version.h"
#include "ui/help_viewer.h"
#include "ui/line_image.h"
#include "ui/print_job.h"
#include "ui/teacher_printing.h"
#include "ui/qt_page.h"
#include "ui/screen_fit.h"

namespace talvoren::ui {

PrintablePage printablePage(TfrmMain& frame) {
    PrintablePage page;
    page.heading = frame.pageWindow()->windowTitle();
    const auto printed = [&frame](int n, const LineImage& image) {
        return PrintedLine{frame.page->drawing(n), image.size()};
    };
    // Every line prints in its column's layout (a long line that spans its
    // row on screen too), shrunk as far as the paper needs: it is sharp there.
    const QSize column(frame.frmPage()->columnWidth(), lineImageHeight);
    for (int n = 1; n <= frame.worksheet->state().lineCount; ++n) {
        if (!frame.frmPage()->lineImage(n)) continue;
        PrintedLine line{frame.page->drawing(n), column};
        line.drawing.minimumScale = 0.0;
        page.lines.push_back(line);
    }
    if (frame.worksheet->state().solvedFlag) page.answer = printed(answerImage, *frame.frmPage()->Image16);
    return page;
}

namespace {

// Dialogs laid out for 1024 x 768 scroll on a smaller screen.
void fitToFrameScreen(QWidget& dialog, const TfrmMain& frame) { fitDialogToRoom(dialog, windowRoom(frame.screenSize())); }

// The unit dialog of the question sequencing, made when first shown.
class UnitDialogOnFirstUse : public UnitDialog {
public:
    explicit UnitDialogOnFirstUse(std::function<UnitDialog&()> dialog) : dialog_(std::move(dialog)) {}
    bool showModal() override { return dialog_().showModal(); }

private:
    std::function<UnitDialog&()> dialog_;
};

}  // namespace

ProgramDialogs::ProgramDialogs() = default;
ProgramDialogs::~ProgramDialogs() = default;

// Nothing is made here: each form is made at its first use.
void ProgramDialogs::createForm(FormName, TfrmMain&) {}

TfrmDelete& ProgramDialogs::frmDelete(TfrmMain& frame) {
    if (!delete_) delete_ = new TfrmDelete(frame.records, frame.courseware, frame.messages, &frame);
    return *delete_;
}

TfrmPrintS& ProgramDialogs::frmPrintS(TfrmMain& frame) {
    if (!printS_) printS_ = new TfrmPrintS(frame.messages, [&frame] { return printablePage(frame); }, &frame);
    return *printS_;
}

TfrmDump& ProgramDialogs::frmDump(TfrmMain& frame) {
    if (!dump_) {
        dump_ = new TfrmDump([&frame] { return stackListing(frame.core, frame.worksheet->state().lineCount); }, &frame);
        fitToFrameScreen(*dump_, frame);
    }
    return *dump_;
}

TfrmKiroku& ProgramDialogs::frmKiroku(TfrmMain& frame) {
    if (!kiroku_) {
        kiroku_ = new TfrmKiroku(frame.records, frame.courseware, frmDelete(frame), &frame);
        fitToFrameScreen(*kiroku_, frame);
    }
    return *kiroku_;
}

TfrmMondai& ProgramDialogs::frmMondai(TfrmMain& frame) {
    if (!mondai_) {
        mondai_ = new TfrmMondai(frame.courseware, frame.core, [this, &frame] { frmKiroku(frame).exec(); }, &frame);
        mondai_->fitRoom(windowRoom(frame.screenSize()));
        mondai_->onPractice = [&frame](int unit) { frame.startPractice(unit); };
        fitToFrameScreen(*mondai_, frame);
    }
    return *mondai_;
}

TfrmVersion& ProgramDialogs::frmVersion(TfrmMain& frame) {
    if (!version_) version_ = new TfrmVersion(&frame);
    return *version_;
}

TfrmEditQues& ProgramDialogs::frmEditQues(TfrmMain& frame) { return qtFlowWindows(frame).editor(); }

QtFlowWindows& ProgramDialogs::qtFlowWindows(TfrmMain& frame) {
    if (!flowWindows_) {
        const auto makeEditor = [&frame] {
            auto* editor = new TfrmEditQues(frame.courseware, frame.core, &frame);
            boundWindowToRoom(*editor, windowRoom(frame.screenSize()));  // laid out for any size
            return editor;
        };
        flowWindows_ = std::make_unique<QtFlowWindows>(&frame, makeEditor,
                                                       [&frame](const std::string& text) { frame.fatalError(text); });
    }
    return *flowWindows_;
}

HelpViewer& ProgramDialogs::helpViewer(TfrmMain& frame) {
    if (!help_) {
        help_ = new HelpViewer(&frame);
        boundWindowToRoom(*help_, windowRoom(frame.screenSize()));
    }
    return *help_;
}

void ProgramDialogs::mnuPrintClick(TfrmMain& frame) { frmPrintS(frame).exec(); }
void ProgramDialogs::mnuPrintPreviewClick(TfrmMain& frame) { frmPrintS(frame).showPreview(&frame); }
TeacherPrinting& ProgramDialogs::teacherPrinting(TfrmMain& frame) {
    if (!teacherPrinting_) teacherPrinting_ = std::make_unique<TeacherPrinting>(frame.messages);
    return *teacherPrinting_;
}

void ProgramDialogs::mnuPrintSheetClick(TfrmMain& frame, bool everyUnit) {
    teacherPrinting(frame).print(&frame, TeacherPrint::questionSheet, frame.courseware, everyUnit);
}

void ProgramDialogs::mnuPrintKeyClick(TfrmMain& frame, bool everyUnit) {
    teacherPrinting(frame).print(&frame, TeacherPrint::answerKey, frame.courseware, everyUnit);
}

void ProgramDialogs::mnuShowRecordClick(TfrmMain& frame) { frmKiroku(frame).exec(); }
void ProgramDialogs::mnuDispStackClick(TfrmMain& frame) { frmDump(frame).exec(); }
void ProgramDialogs::mnuVersionClick(TfrmMain& frame) { frmVersion(frame).exec(); }
void ProgramDialogs::showHelp(TfrmMain& frame, int context) { helpViewer(frame).showContext(context); }

FlowWindows* ProgramDialogs::flowWindows(TfrmMain& frame) { return &qtFlowWindows(frame); }
UnitDialog* ProgramDialogs::unitDialog(TfrmMain& frame) {
    if (!unitDialog_) unitDialog_ = std::make_unique<UnitDialogOnFirstUse>([this, &frame]() -> UnitDialog& {
        return frmMondai(frame);
    });
    return unitDialog_.get();
}

}  // namespace talvoren::ui
