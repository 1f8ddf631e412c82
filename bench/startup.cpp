// Start-up of the rules tables and the part pictures, as the program runs it
// once before its main window shows.

#include "common/WorkingFolder.h"
#include "gamecar/Graphics.h"
#include "model/RulesReaders.h"
#include "model/SettingsVariables.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Startup(benchmark::State& state)
{
    const TWorkingFolder folder(QStringLiteral(RIGSMITH_RUNTIME_DIR));
    SetSettingsDefaults(QStringLiteral(RIGSMITH_RUNTIME_DIR));
    for (auto _ : state) {
        ReadAllTypes();
        LoadGraphics();
        // The pictures of the previous round go, as a second start-up in the
        // same program would not find them.
        FreeGraphics();
    }
}
BENCHMARK(BM_Startup)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
