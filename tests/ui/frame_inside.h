// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame's own state, for tests and benchmarks that set a page up or
// change the set directly instead of through the windows.

#include "ui/frm_main.h"
#include "ui/qt_page.h"

namespace talvoren::test {

struct FrameInside {
    static Worksheet& worksheet(ui::TfrmMain& f) { return *f.worksheet_; }
    static CoreState& core(ui::TfrmMain& f) { return f.core_; }
    static CoursewareState& courseware(ui::TfrmMain& f) { return f.courseware_; }
    static ui::QtPage& page(ui::TfrmMain& f) { return *f.page_; }
    static const ui::ProgramState& programState(ui::TfrmMain& f) { return *f.programState_; }
};

}  // namespace talvoren::test
