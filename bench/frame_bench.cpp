// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up to the first question drawn, and one step from 実行 to the new
// line drawn into its image and to the new line on the screen, on the real
// frame.
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <memory>

#include "bench/paint_wait.h"
#include "solving/input_pad.h"
#include "solving/worksheet.h"
#include "ui/control_panel.h"
#include "ui/frm_main.h"
#include "../tests/ui/frame_inside.h"
#include "ui/frm_page.h"
#include "ui/line_image.h"

namespace {

using talvoren::ui::TfrmMain;

// A working directory holding the default question set.
class WorkingDir {
public:
    WorkingDir() : previous_(QDir::currentPath()) {
        QFile::copy(QStringLiteral(TALVOREN_SOURCE_DIR "/data/Question.ine"), dir_.filePath("Question.ine"));
        QDir::setCurrent(dir_.path());
    }
    ~WorkingDir() { QDir::setCurrent(previous_); }

private:
    QString previous_;
    QTemporaryDir dir_;
};

std::unique_ptr<TfrmMain> startFrame() {
    talvoren::ui::FrameOptions options;
    options.screen = QSize(1024, 768);
    auto frame = std::make_unique<TfrmMain>(std::move(options));
    frame->show();  // the first showing loads the set and draws question 1
    return frame;
}

void BM_StartUpToFirstQuestion(benchmark::State& state) {
    WorkingDir dir;
    for (auto _ : state) {
        auto frame = startFrame();
        benchmark::DoNotOptimize(frame->worksheet().state().lineCount);
        state.PauseTiming();
        frame.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToFirstQuestion)->Unit(benchmark::kMillisecond);

void BM_StepFromJikkouToLineDrawn(benchmark::State& state) {
    WorkingDir dir;
    auto frame = startFrame();
    talvoren::Worksheet& ws = talvoren::test::FrameInside::worksheet(*frame);
    for (auto _ : state) {
        state.PauseTiming();
        ws.selectLine(1);
        talvoren::chooseTranspose(ws);
        state.ResumeTiming();
        frame->pnlMain()->btnJikkou->click();  // transpose, draw line 2, judge
        state.PauseTiming();
        ws.correct();  // take line 2 back for the next round
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StepFromJikkouToLineDrawn)->Unit(benchmark::kMicrosecond);

// The same step until the new line's image is on the screen: drawn into its
// bitmap, the page repainted and the window flushed to the platform.
void BM_StepFromJikkouToLineOnScreen(benchmark::State& state) {
    WorkingDir dir;
    auto frame = startFrame();
    talvoren::bench::PaintWait initial(frame->frmPage()->lineImage(1));
    initial.wait();  // the frame's first paint is not part of the step
    talvoren::Worksheet& ws = talvoren::test::FrameInside::worksheet(*frame);
    talvoren::bench::PaintWait line2(frame->frmPage()->lineImage(2));
    for (auto _ : state) {
        state.PauseTiming();
        ws.selectLine(1);
        talvoren::chooseTranspose(ws);
        QCoreApplication::processEvents();  // the selection's repaints are not timed
        state.ResumeTiming();
        frame->pnlMain()->btnJikkou->click();
        if (!line2.wait()) state.SkipWithError("line 2 was never painted");
        state.PauseTiming();
        ws.correct();
        line2.wait();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StepFromJikkouToLineOnScreen)->Unit(benchmark::kMicrosecond);

}  // namespace
