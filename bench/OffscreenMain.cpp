// The main of the benchmarks that need widgets: a headless application
// object around Google Benchmark's run.
#include "platform/widgets/Application.h"

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Painted as the program paints.
    RepaintWithoutCoveredAreas();
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
