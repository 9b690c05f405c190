// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmarks draw real widgets: one application object on the offscreen
// platform, set up as the program sets itself up.
#include <QApplication>

#include <benchmark/benchmark.h>

#include "ui/application.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    talvoren::ui::setUpApplication(app);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
