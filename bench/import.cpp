// Stage 1 of the import of a stat block: the official description of each
// sample design, as the program writes it, read back into the result text;
// and long texts of one item repeated.

#include "import/StageTwoFixture.h"

#include "gamecar/OfficialDescription.h"
#include "import/ImportResult.h"
#include "model/Global.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ImportStage1(benchmark::State& state, const char* design)
{
    UseShippedRulesForImport();
    TVehicle v;
    QString err;
    v.Load(QStringLiteral(RIGSMITH_RUNTIME_DIR "/Designs/") + QString::fromLatin1(design) + QStringLiteral(".vx"),
           err);
    if (!err.isEmpty()) {
        state.SkipWithError(err.toStdString().c_str());
        return;
    }
    CrewBuffer = v.Crew;
    RecalculateFigures(v);
    QString text;
    OfficialDescription(v, true, text);
    TImportResult out;
    for (auto _ : state) {
        ImportDescription(text, out);
        benchmark::DoNotOptimize(out);
    }
    state.counters["result lines"] = out.Result.size();
}
BENCHMARK_CAPTURE(BM_ImportStage1, Brickhouse, "Brickhouse")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ImportStage1, Gadfly, "Gadfly")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ImportStage1, Lightbringer, "Lightbringer")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ImportStage1, Thunderwagon, "Thunderwagon")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ImportStage1, VezeRidiv, "VezeRidiv")->Unit(benchmark::kMillisecond);

// Stage 1 on one item repeated to the given size in bytes: the time must
// grow with the text, not faster.
void BM_ImportRepeated(benchmark::State& state, const char* item)
{
    UseShippedRulesForImport();
    const QString one = QString::fromLatin1(item);
    QString text;
    while (text.size() < state.range(0))
        text += one;
    TImportResult out;
    for (auto _ : state) {
        ImportDescription(text, out);
        benchmark::DoNotOptimize(out);
    }
    state.counters["result lines"] = out.Result.size();
}
BENCHMARK_CAPTURE(BM_ImportRepeated, Weapon, "Machine Gun, ")
    ->Arg(2000)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ImportRepeated, Crew, "Driver, Gunner, ")
    ->Arg(2000)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ImportRepeated, Tires, "Solid Tires, ")
    ->Arg(2000)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ImportRepeated, Hubcaps, "Hubcaps 3-point (front), ")
    ->Arg(2000)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ImportRepeated, Gear, "Driver (Body Armor), Gas Mask, ")
    ->Arg(2000)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ImportRepeated, Words, "Fancy 12 words\nof text, ")
    ->Arg(2000)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
