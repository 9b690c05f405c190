// SPDX-License-Identifier: GPL-3.0-or-later
// Planning the benchmark's 1,000 fixed random questions: one iteration plans
// every question of bench/planner_questions.txt from its line 1 on a page of
// 14 lines. The counters give each question's planning time (median and
// worst over the questions, in microseconds) besides the total.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>
#include <vector>

#include "solving/planner.h"

namespace {

std::vector<std::string> benchmarkQuestions() {
    std::ifstream in(std::string(TALVOREN_SOURCE_DIR) + "/bench/planner_questions.txt");
    std::vector<std::string> questions;
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) questions.push_back(line);
    return questions;
}

void BM_PlanThousandQuestions(benchmark::State& state) {
    const std::vector<std::string> questions = benchmarkQuestions();
    std::vector<double> bestTimes(questions.size(), 1e300);  // per question, over the iterations
    long solved = 0;
    for (auto _ : state) {
        solved = 0;
        for (std::size_t i = 0; i < questions.size(); ++i) {
            const auto start = std::chrono::steady_clock::now();
            const std::optional<talvoren::Plan> plan = talvoren::planQuestion(questions[i]);
            const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
            bestTimes[i] = std::min(bestTimes[i], took.count());
            if (plan && plan->found()) ++solved;
            benchmark::DoNotOptimize(plan);
        }
    }
    std::vector<double> sorted = bestTimes;
    std::sort(sorted.begin(), sorted.end());
    state.counters["questions"] = static_cast<double>(questions.size());
    state.counters["solved"] = static_cast<double>(solved);
    state.counters["median_us"] = sorted[sorted.size() / 2];
    state.counters["worst_us"] = sorted.back();
}
BENCHMARK(BM_PlanThousandQuestions)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
