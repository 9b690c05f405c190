// SPDX-License-Identifier: GPL-3.0-or-later
// Cost against work: the windows at the most they can be asked to show,
// each timed until its picture is on the screen (painted and flushed).
//   - the records dialog over the fullest record file (10 units × 7
//     questions × 9,999 solutions), made at its first showing as the
//     program makes it;
//   - the unit dialog over ten units of seven long questions: its first
//     showing (made then, previews typeset), and moving to another unit;
//   - a full page of fourteen long lines drawn and shown.
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <memory>
#include <string>
#include <vector>

#include "bench/fullest_records.h"
#include "bench/paint_wait.h"
#include "core/question_parser.h"
#include "solving/line_labels.h"
#include "ui/frm_kiroku.h"
#include "ui/frm_main.h"
#include "../tests/ui/frame_inside.h"
#include "ui/frm_mondai.h"
#include "ui/frm_page.h"
#include "ui/line_image.h"
#include "ui/qt_page.h"

namespace {

using talvoren::bench::PaintWait;

// Counts what would have been shown; a benchmark whose set-up is refused
// stops with an error rather than timing an empty window.
class CountingSink : public talvoren::MessageSink {
public:
    void showMessage(const std::string&) override { ++shown; }
    talvoren::Answer ask(const std::string&, const std::string&, talvoren::Buttons, talvoren::Icon) override {
        ++shown;
        return talvoren::Answer::ok;
    }
    int shown = 0;
};

// Long questions of every kind: brackets, fractions, decimals, many terms.
const std::vector<std::string> longQuestions = {
    "3(x+2)-2(x-1)+1/2x-3/4<5/6x+7/8",
    "(1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+x)<1",
    "-2(x-3)+1/2x>=4x-5/3",
    "0.3x+1.2-0.7x+2.5<0.5x-0.4+1.1x",
    "2/3x-3/4+5/6x-7/8<=1/2x+1/3-1/4x",
    "4(2x-3)-3(x+5)+2(x-1)>x-7",
    "x/2+x/3+x/4+x/5+x/6<7",
};

void BM_RecordsDialogFullestFirstShowing(benchmark::State& state) {
    QTemporaryDir folder;
    const std::string dir = folder.path().toStdString() + "/";
    const talvoren::CoursewareState s = talvoren::bench::fullestRecords(dir + talvoren::recordFileName);
    CountingSink sink;
    talvoren::PracticeRecords records(dir, sink);
    for (auto _ : state) {
        talvoren::ui::TfrmDelete deletion(records, s, sink);
        talvoren::ui::TfrmKiroku kiroku(records, s, deletion);
        PaintWait painted(kiroku.lstTitle->viewport());
        kiroku.show();
        if (!painted.wait()) state.SkipWithError("the list was never painted");
        kiroku.hide();
        state.counters["rows"] = kiroku.lstTitle->count();
    }
    if (sink.shown) state.SkipWithError("the record file was refused");
}
BENCHMARK(BM_RecordsDialogFullestFirstShowing)->Unit(benchmark::kMillisecond);

// Ten units of the seven long questions.
struct LongUnits {
    LongUnits() {
        std::vector<std::string> text;
        for (int u = 1; u <= talvoren::maxUnits; ++u) {
            text.push_back("<<長い問題" + std::to_string(u));
            text.insert(text.end(), longQuestions.begin(), longQuestions.end());
            text.push_back(">>");
        }
        s.setText(std::move(text));
        parsed = talvoren::parseQuestionSet(s, sink) && sink.shown == 0 && s.unitCount() == talvoren::maxUnits;
        s.startAtFirstUnit();
    }
    CountingSink sink;
    talvoren::CoreState core{sink};
    talvoren::CoursewareState s;
    bool parsed = false;
};

void BM_UnitDialogLongUnitsFirstShowing(benchmark::State& state) {
    LongUnits units;
    if (!units.parsed) state.SkipWithError("the long units were refused");
    for (auto _ : state) {
        talvoren::ui::TfrmMondai dialog(units.s, units.core, [] {});
        PaintWait painted(dialog.Image[talvoren::maxUnitQuestions]);
        dialog.show();
        if (!painted.wait()) state.SkipWithError("the last preview was never painted");
        dialog.hide();
    }
}
BENCHMARK(BM_UnitDialogLongUnitsFirstShowing)->Unit(benchmark::kMillisecond);

void BM_UnitDialogLongUnitsNextUnit(benchmark::State& state) {
    LongUnits units;
    if (!units.parsed) state.SkipWithError("the long units were refused");
    talvoren::ui::TfrmMondai dialog(units.s, units.core, [] {});
    PaintWait painted(dialog.Image[talvoren::maxUnitQuestions]);
    dialog.show();
    painted.wait();
    int row = 0;
    for (auto _ : state) {
        row = (row + 1) % talvoren::maxUnits;
        dialog.lstTangen->setCurrentRow(row);  // a click on the unit: its seven previews
        dialog.lstTangenClick();
        if (!painted.wait()) state.SkipWithError("the previews were never painted");
    }
}
BENCHMARK(BM_UnitDialogLongUnitsNextUnit)->Unit(benchmark::kMillisecond);

// A working directory holding one long question, for the frame.
class WorkingDir {
public:
    WorkingDir() : previous_(QDir::currentPath()) {
        QFile file(dir_.filePath("Question.ine"));
        file.open(QIODevice::WriteOnly);
        file.write("<<long\r\n" + QByteArray::fromStdString(longQuestions[0]) + "\r\n>>\r\n");
        file.close();
        QDir::setCurrent(dir_.path());
    }
    ~WorkingDir() { QDir::setCurrent(previous_); }

private:
    QString previous_;
    QTemporaryDir dir_;
};

void BM_FullPageOfFourteenLongLines(benchmark::State& state) {
    WorkingDir dir;
    talvoren::ui::FrameOptions options;
    options.screen = QSize(1024, 768);
    CountingSink sink;
    options.messages = &sink;
    auto frame = std::make_unique<talvoren::ui::TfrmMain>(std::move(options));
    frame->show();
    talvoren::ui::TfrmPage& page = *frame->frmPage();
    PaintWait painted(page.lineImage(page.lineCapacity));
    painted.wait();
    if (!frame->started() || page.lineCapacity != talvoren::ui::pageLineImages)
        state.SkipWithError("the frame did not start with a page of fourteen lines");
    std::vector<talvoren::ExprLine> lines;
    for (int n = 1; n <= page.lineCapacity; ++n) {
        talvoren::parseQuestion(talvoren::test::FrameInside::core(*frame), 0, longQuestions[(n - 1) % longQuestions.size()]);
        lines.push_back(frame->core().lines[0]);
    }
    for (auto _ : state) {
        for (int n = 1; n <= page.lineCapacity; ++n) {
            talvoren::test::FrameInside::page(*frame).clearLineImage(n);
            talvoren::test::FrameInside::page(*frame).drawCaption(n, talvoren::questionHeader(1));
            talvoren::test::FrameInside::page(*frame).typeset(n, talvoren::TypesetMode::full, lines[n - 1], false, false);
            talvoren::test::FrameInside::page(*frame).drawLineLabel(n, std::string(talvoren::lineLabel(n)));
        }
        if (!painted.wait()) state.SkipWithError("line 14 was never painted");
    }
}
BENCHMARK(BM_FullPageOfFourteenLongLines)->Unit(benchmark::kMillisecond);

}  // namespace
