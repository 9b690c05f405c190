// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/teacher_printing.h"

#include <QPrintDialog>

#include "ui/print_job.h"

namespace talvoren::ui {

namespace {

bool runPlatformPrintDialog(QPrinter& printer, QWidget* parent, const QString& title) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace

TeacherPrinting::TeacherPrinting(MessageSink& messages)
    : runPrintDialog(runPlatformPrintDialog),
      messages_(messages),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    printer_->setResolution(printResolution);
}

TeacherPrinting::~TeacherPrinting() = default;

bool TeacherPrinting::print(QWidget* parent, TeacherPrint what, const CoursewareState& set, bool everyUnit) {
    const QString title =
        what == TeacherPrint::questionSheet ? QStringLiteral("問題プリントを印刷") : QStringLiteral("解答を印刷");
    if (!runPrintDialog(*printer_, parent, title)) return false;
    if (printTeacherSheets(*printer_, what, printUnits(set, everyUnit))) return true;
    messages_.showMessage(printFailedText);
    return false;
}

}  // namespace talvoren::ui
