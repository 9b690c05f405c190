// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's overview over a year of a class: 40 pupils × 200 days × 30
// events, made in a temporary folder first. Timed: the overview opened over
// the whole folder, and its refresh after one pupil added one line.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "courseware/class_log.h"
#include "courseware/class_overview.h"

namespace {

using namespace talvoren;
namespace fs = std::filesystem;

constexpr int pupils = 40;
constexpr int days = 200;
constexpr int eventsPerDay = 30;

ClassEvent lessonEvent(int pupil, int day, int n) {
    static const EventKind cycle[] = {EventKind::start, EventKind::hint, EventKind::verdict, EventKind::step,
                                      EventKind::solved};
    ClassEvent e;
    e.time = 1767225600 + day * 86400 + n * 40;
    e.pupil = "生徒" + std::to_string(pupil);
    e.machine = "pc" + std::to_string(pupil);
    e.set = "Question.ine";
    e.unit = 1 + day % 10;
    e.question = 1 + n / 5 % 7;
    e.questionText = "3(x-2)+1/2x<5x-" + std::to_string(e.question);
    e.kind = cycle[n % 5];
    if (e.kind == EventKind::verdict) {
        e.code = (pupil + n) % 3 ? "right" : "mistake:noflip";
        e.text = "x>-2";
    }
    if (e.kind == EventKind::hint) e.code = "2";
    e.steps = 4;
    e.shortest = 3;
    e.sinceLast = 40;
    return e;
}

// The folder of a year, made once.
const std::string& yearFolder() {
    static const std::string folder = [] {
        std::string pattern = (fs::temp_directory_path() / "talvoren-year-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        for (int p = 0; p < pupils; ++p) {
            std::ofstream log(pupilLogPath(pattern, "生徒" + std::to_string(p)), std::ios::binary);
            for (int d = 0; d < days; ++d)
                for (int n = 0; n < eventsPerDay; ++n) log << classLogLine(lessonEvent(p, d, n));
        }
        std::atexit([] { fs::remove_all(yearFolder()); });
        return pattern;
    }();
    return folder;
}

void BM_ClassOverviewOpenYear(benchmark::State& state) {
    const std::string& folder = yearFolder();
    for (auto _ : state) {
        ClassOverview overview(folder);
        overview.refresh();
        benchmark::DoNotOptimize(overview.questions());
        if (overview.folder().eventCount() < pupils * days * eventsPerDay) state.SkipWithError("events missing");
    }
}
BENCHMARK(BM_ClassOverviewOpenYear)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(false);

void BM_ClassOverviewRefreshAfterOneLine(benchmark::State& state) {
    const std::string& folder = yearFolder();
    ClassOverview overview(folder);
    overview.refresh();
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::string error;
        appendClassEvent(folder, lessonEvent(7, days, n++ % eventsPerDay), error);
        state.ResumeTiming();
        overview.refresh();
        benchmark::DoNotOptimize(overview.questions());
    }
}
BENCHMARK(BM_ClassOverviewRefreshAfterOneLine)->Unit(benchmark::kMillisecond)->Repetitions(9);

}  // namespace
