// SPDX-License-Identifier: GPL-3.0-or-later
// Making a batch of 100 practice questions, each checked by the analysis and
// the planner, for a few skill sets and step counts from the easiest to the
// busiest the maker reaches. One iteration makes one batch from a fresh seed.

#include <benchmark/benchmark.h>

#include "courseware/question_maker.h"

namespace {

void BM_MakeHundredQuestions(benchmark::State& state, const char* skills, int steps) {
    const talvoren::SkillSet set = *talvoren::parseSkillList(skills);
    std::uint64_t seed = 1;
    long attempts = 0, batches = 0;
    for (auto _ : state) {
        talvoren::QuestionMaker maker(seed++);
        benchmark::DoNotOptimize(maker.make(set, steps, 100));
        attempts += maker.lastAttempts();
        ++batches;
    }
    state.counters["candidates"] = static_cast<double>(attempts) / static_cast<double>(batches);
}

BENCHMARK_CAPTURE(BM_MakeHundredQuestions, plain_2, "-", 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MakeHundredQuestions, brackets_3, "かっこ", 3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MakeHundredQuestions, fraction_2, "分数", 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MakeHundredQuestions, both_sides_reversal_3, "両辺に文字,向きが変わる", 3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MakeHundredQuestions, brackets_fraction_both_4, "かっこ,分数,両辺に文字", 4)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MakeHundredQuestions, brackets_both_no_solution_2, "かっこ,両辺に文字,解なし", 2)
    ->Unit(benchmark::kMillisecond);
// Combinations the usual candidates rarely hit: the batch fills up once the
// maker turns to answers in tenths and a net coefficient of 1.
BENCHMARK_CAPTURE(BM_MakeHundredQuestions, brackets_both_2, "かっこ,両辺に文字", 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MakeHundredQuestions, fraction_decimal_both_1, "分数,小数,両辺に文字", 1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MakeHundredQuestions, brackets_fraction_decimal_2, "かっこ,分数,小数", 2)
    ->Unit(benchmark::kMillisecond);

}  // namespace
