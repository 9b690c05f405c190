// SPDX-License-Identifier: GPL-3.0-or-later
// Typesetting one line: the layout alone, and drawn into a line image.
#include <QImage>

#include <benchmark/benchmark.h>

#include "core/question_parser.h"
#include "ui/qt_surface.h"
#include "ui/recording_surface.h"
#include "ui/typesetter.h"

namespace {

class SilentSink : public talvoren::MessageSink {
public:
    void showMessage(const std::string&) override {}
    talvoren::Answer ask(const std::string&, const std::string&, talvoren::Buttons, talvoren::Icon) override {
        return talvoren::Answer::ok;
    }
};

// A line with brackets, fractions and both sides: -2(x-3)+1/2x>=4x-5/3.
talvoren::ExprLine sampleLine(talvoren::CoreState& core) {
    talvoren::parseQuestion(core, 1, "-2(x-3)+1/2x>=4x-5/3");
    return core.lines[1];
}

void BM_TypesetLayoutOnly(benchmark::State& state) {
    SilentSink sink;
    talvoren::CoreState core(sink);
    const talvoren::ExprLine line = sampleLine(core);
    for (auto _ : state) {
        talvoren::ui::RecordingSurface surface;
        talvoren::ui::Typesetter(surface, {}, core.unknownLetter).typeset(1, TypesetMode::full, line);
        benchmark::DoNotOptimize(surface.texts.data());
    }
}
BENCHMARK(BM_TypesetLayoutOnly)->Unit(benchmark::kMicrosecond);

void BM_TypesetIntoLineImage(benchmark::State& state) {
    SilentSink sink;
    talvoren::CoreState core(sink);
    const talvoren::ExprLine line = sampleLine(core);
    QImage image(419, 75, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        talvoren::ui::QtSurface surface(image);
        talvoren::ui::Typesetter(surface, {}, core.unknownLetter).typeset(1, TypesetMode::full, line);
    }
}
BENCHMARK(BM_TypesetIntoLineImage)->Unit(benchmark::kMicrosecond);

}  // namespace
