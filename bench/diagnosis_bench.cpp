// SPDX-License-Identifier: GPL-3.0-or-later
// Judging a written line (計算も自分で), as Enter does it: reading the
// pupil's text and comparing it with the tutor's line and every wrong line
// of the step. One case a wrong line that runs through the whole library
// (the last code, other), one a right line in another order, one a long
// bracket step.

#include <benchmark/benchmark.h>

#include "solving/line_diagnosis.h"
#include "solving/silent_session.h"
#include "solving/written_line.h"

namespace {

struct Case {
    const char* question;
    talvoren::OpCode operation;
    const char* number;
    const char* written;
};

void BM_DiagnoseWrittenLine(benchmark::State& state, Case c) {
    auto session = talvoren::SilentSession::withQuestion(c.question);
    const talvoren::StepOutcome outcome = session->step({1, c.operation, c.number});
    const talvoren::WrittenStep step{c.operation, session->line(1), {}, false,
                                     session->worksheet().state().enteredTerm, outcome.line};
    for (auto _ : state) {
        const talvoren::WrittenLine read = talvoren::readWrittenLine(c.written, session->unknownLetter());
        benchmark::DoNotOptimize(talvoren::diagnoseWrittenLine(step, *read.line));
    }
}

BENCHMARK_CAPTURE(BM_DiagnoseWrittenLine, other_transpose,
                  Case{"3x-2+1/2x<5x+7/8-x", talvoren::OpCode::transpose, "", "3x+1/2x-5x<7/8+2+9"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DiagnoseWrittenLine, form_sides_swapped,
                  Case{"3x-2+1/2x<5x+7/8-x", talvoren::OpCode::transpose, "", "7/8+2<3x+1/2x-5x+x"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DiagnoseWrittenLine, brackets,
                  Case{"3(x+2)-2(x-1)+1/2x-3/4<5/6x+7/8", talvoren::OpCode::removeBrackets, "",
                       "3x+6-2x-2+1/2x-3/4<5/6x+7/8"})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
