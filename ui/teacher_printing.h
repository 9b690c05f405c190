// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The teacher's print commands: the question sheet or the answer key of the
// current unit or of every unit, through the platform's print dialog (where
// a PDF file is one of the printers). The printer chosen is kept for the
// next print.

#include <QPrinter>
#include <functional>
#include <memory>

#include "core/messages.h"
#include "courseware/question_set.h"
#include "ui/teacher_prints.h"

class QWidget;

namespace talvoren::ui {

class TeacherPrinting {
public:
    explicit TeacherPrinting(MessageSink& messages);
    ~TeacherPrinting();

    // Asks for the printer, then prints. True when printed; a cancelled
    // dialog prints nothing and says nothing; a failed job says so.
    bool print(QWidget* parent, TeacherPrint what, const CoursewareState& set, bool everyUnit);

    QPrinter& printer() { return *printer_; }
    // The platform print dialog; replaceable so tests need not answer it.
    std::function<bool(QPrinter&, QWidget*, const QString& title)> runPrintDialog;

private:
    MessageSink& messages_;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace talvoren::ui
