// Loading and saving a sample design in a folder of its own.

#include "common/WorkingFolder.h"
#include "gamecar/GameCarFixture.h"

#include "model/Vehicle.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QString SampleDesign = QStringLiteral(RIGSMITH_RUNTIME_DIR "/Designs/Thunderwagon.vx");

void BM_Load(benchmark::State& state)
{
    UseShippedRules();
    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("Thunderwagon.vx"));
    QFile::copy(SampleDesign, fileName);
    TVehicle v;
    QString err;
    for (auto _ : state) {
        v.Load(fileName, err);
        benchmark::DoNotOptimize(v);
    }
    if (!err.isEmpty())
        state.SkipWithError(err.toStdString().c_str());
}
BENCHMARK(BM_Load)->Unit(benchmark::kMicrosecond);

void BM_Save(benchmark::State& state)
{
    UseShippedRules();
    QTemporaryDir folder;
    TVehicle v;
    QString err;
    v.Load(SampleDesign, err);
    if (!err.isEmpty()) {
        state.SkipWithError(err.toStdString().c_str());
        return;
    }
    const QString fileName = folder.filePath(QStringLiteral("Thunderwagon.vx"));
    for (auto _ : state)
        if (!v.Save(fileName)) {
            state.SkipWithError("the design was not saved");
            break;
        }
}
BENCHMARK(BM_Save)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
