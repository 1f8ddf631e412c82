// One fire command of a sample design at the open test map and at an
// opponent ahead, from a fixed seed so that every round fires the same shots.

#include "common/WorkingFolder.h"
#include "gamecar/GameCarFixture.h"

#include "firing/Fire.h"
#include "gamecar/GameCar.h"
#include "gamecar/Graphics.h"
#include "model/Vehicle.h"
#include "platform/Random.h"

#include <benchmark/benchmark.h>

namespace {

constexpr std::uint32_t Seed = 11;
constexpr TColor32 Ground = 0xFFC8C8C8;
constexpr TColor32 Solid = 0xFF000000;
constexpr TColor32 White = 0xFFFFFFFF;

void LoadDesign(TGameCar& car, const char* fileName, benchmark::State& state)
{
    QString err;
    car.Vehicle->Load(QStringLiteral(RIGSMITH_RUNTIME_DIR "/Designs/") + QString::fromLatin1(fileName), err);
    if (!err.isEmpty())
        state.SkipWithError(err.toStdString().c_str());
    car.Reset();
}

// target is the index of the test map's target kind: 0 the map, 3 the vehicle.
void BM_Fire(benchmark::State& state, int target)
{
    UseShippedRules();
    const TWorkingFolder folder(QStringLiteral(RIGSMITH_RUNTIME_DIR));
    LoadGraphics();
    TGameCar attacker;
    TGameCar opponent;
    LoadDesign(attacker, "Thunderwagon.vx", state);
    LoadDesign(opponent, "Brickhouse.vx", state);
    opponent.X = 157;
    opponent.Y = 9;
    TBitmap32 map;
    map.SetSize(365, 317);
    TBitmap32 mask;
    mask.SetSize(365, 373);
    mask.Clear(Solid);
    // The opponent's silhouette: the band of the map ahead of the own car.
    for (int y = 9; y < 89; ++y)
        for (int x = 140; x < 226; ++x)
            mask.SetPixel(x, y, White);
    TFireInput input;
    input.Target = target;
    int shots = 0;
    for (auto _ : state) {
        state.PauseTiming();
        attacker.Reset();
        opponent.Reset();
        map.Clear(Ground);
        RandSeed(Seed);
        state.ResumeTiming();
        if (!TestFire(attacker, opponent, map, mask, input)) {
            state.SkipWithError("no weapon fired");
            break;
        }
        shots = opponent.Damage.Log.size();
    }
    state.counters["log lines"] = shots;
    FreeGraphics();
}
BENCHMARK_CAPTURE(BM_Fire, AtTheMap, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Fire, AtTheOpponent, 3)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
