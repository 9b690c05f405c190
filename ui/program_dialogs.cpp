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

PrintablePage printablePage(const ProgramState& state) {
    PrintablePage page;
    page.heading = state.frame.pageWindow()->windowTitle();
    const auto printed = [&state](int n, const LineImage& image) {
        return PrintedLine{state.page.drawing(n), image.size()};
    };
    // Every line prints in its column's layout (a long line that spans its
    // row on screen too), shrunk as far as the paper needs: it is sharp there.
    const QSize column(state.frame.frmPage()->columnWidth(), lineImageHeight);
    for (int n = 1; n <= state.worksheet.state().lineCount; ++n) {
        if (!state.frame.frmPage()->lineImage(n)) continue;
        PrintedLine line{state.page.drawing(n), column};
        line.drawing.minimumScale = 0.0;
        page.lines.push_back(line);
    }
    if (state.worksheet.state().solvedFlag) page.answer = printed(answerImage, *state.frame.frmPage()->Image16);
    return page;
}

namespace {

// Dialogs laid out for 1024 x 768 scroll on a smaller screen.
void fitToFrameScreen(QWidget& dialog, const ProgramState& state) { fitDialogToRoom(dialog, windowRoom(state.frame.screenSize())); }

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
TfrmDelete& ProgramDialogs::frmDelete(const ProgramState& state) {
    if (!delete_) delete_ = new TfrmDelete(state.records, state.courseware, state.messages, &state.frame);
    return *delete_;
}

TfrmPrintS& ProgramDialogs::frmPrintS(const ProgramState& state) {
    if (!printS_) printS_ = new TfrmPrintS(state.messages, [&state] { return printablePage(state); }, &state.frame);
    return *printS_;
}

TfrmDump& ProgramDialogs::frmDump(const ProgramState& state) {
    if (!dump_) {
        dump_ = new TfrmDump([&state] { return stackListing(state.core, state.worksheet.state().lineCount); }, &state.frame);
        fitToFrameScreen(*dump_, state);
    }
    return *dump_;
}

TfrmKiroku& ProgramDialogs::frmKiroku(const ProgramState& state) {
    if (!kiroku_) {
        kiroku_ = new TfrmKiroku(state.records, state.courseware, frmDelete(state), &state.frame);
        kiroku_->setMasteryPath(state.masteryRecordPath);
        fitToFrameScreen(*kiroku_, state);
    }
    return *kiroku_;
}

TfrmMondai& ProgramDialogs::frmMondai(const ProgramState& state) {
    if (!mondai_) {
        mondai_ = new TfrmMondai(state.courseware, state.core, [this, &state] { frmKiroku(state).exec(); }, &state.frame);
        mondai_->fitRoom(windowRoom(state.frame.screenSize()));
        mondai_->onPractice = [&state](int unit) { state.frame.startPractice(unit); };
        fitToFrameScreen(*mondai_, state);
    }
    return *mondai_;
}

TfrmVersion& ProgramDialogs::frmVersion(const ProgramState& state) {
    if (!version_) version_ = new TfrmVersion(&state.frame);
    return *version_;
}

TfrmEditQues& ProgramDialogs::frmEditQues(const ProgramState& state) { return qtFlowWindows(state).editor(); }

QtFlowWindows& ProgramDialogs::qtFlowWindows(const ProgramState& state) {
    if (!flowWindows_) {
        const auto makeEditor = [&state] {
            auto* editor = new TfrmEditQues(state.courseware, state.core, &state.frame);
            boundWindowToRoom(*editor, windowRoom(state.frame.screenSize()));  // laid out for any size
            return editor;
        };
        flowWindows_ = std::make_unique<QtFlowWindows>(&state.frame, makeEditor,
                                                       [&state](const std::string& text) { state.frame.fatalError(text); });
    }
    return *flowWindows_;
}

HelpViewer& ProgramDialogs::helpViewer(const ProgramState& state) {
    if (!help_) {
        help_ = new HelpViewer(&state.frame);
        boundWindowToRoom(*help_, windowRoom(state.frame.screenSize()));
    }
    return *help_;
}

void ProgramDialogs::mnuPrintClick(const ProgramState& state) { frmPrintS(state).exec(); }
void ProgramDialogs::mnuPrintPreviewClick(const ProgramState& state) { frmPrintS(state).showPreview(&state.frame); }
TeacherPrinting& ProgramDialogs::teacherPrinting(const ProgramState& state) {
    if (!teacherPrinting_) teacherPrinting_ = std::make_unique<TeacherPrinting>(state.messages);
    return *teacherPrinting_;
}

void ProgramDialogs::mnuPrintSheetClick(const ProgramState& state, bool everyUnit) {
    teacherPrinting(state).print(&state.frame, TeacherPrint::questionSheet, state.courseware, everyUnit);
}

void ProgramDialogs::mnuPrintKeyClick(const ProgramState& state, bool everyUnit) {
    teacherPrinting(state).print(&state.frame, TeacherPrint::answerKey, state.courseware, everyUnit);
}

void ProgramDialogs::mnuShowRecordClick(const ProgramState& state) { frmKiroku(state).exec(); }
void ProgramDialogs::mnuDispStackClick(const ProgramState& state) { frmDump(state).exec(); }
void ProgramDialogs::mnuVersionClick(const ProgramState& state) { frmVersion(state).exec(); }
void ProgramDialogs::showHelp(const ProgramState& state, int context) { helpViewer(state).showContext(context); }

FlowWindows* ProgramDialogs::flowWindows(const ProgramState& state) { return &qtFlowWindows(state); }
UnitDialog* ProgramDialogs::unitDialog(const ProgramState& state) {
    if (!unitDialog_) unitDialog_ = std::make_unique<UnitDialogOnFirstUse>([this, &state]() -> UnitDialog& {
        return frmMondai(state);
    });
    return unitDialog_.get();
}

}  // namespace talvoren::ui
