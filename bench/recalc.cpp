// One full recalculation of a fully equipped design, as the main window runs
// it after every edit: every figure, every breakdown list, the combat texts,
// the validity check and both description texts.

#include "FullDesign.h"
#include "../tests/model/RulesFixture.h"

#include "gamecar/OfficialDescription.h"
#include "gamecar/OutsiderDescription.h"
#include "model/Global.h"
#include "model/Vehicle.h"

#include <benchmark/benchmark.h>

namespace {

struct TFigures {
    int Cost, Weight, Space, Cargo, HC, Top, Cruise, Reverse, Acceleration, Range, Year;
    QString Firepower[7];
    QString RamModifier, RamCruise, RamTop, Reason, Official, Outsider;
};

// Every figure and breakdown list of the design, as the accounting gives them.
void Account(TVehicle& v, TFigures& f)
{
    f.Cost = v.GetCost(CostList);
    f.Weight = v.GetWeight(WeightList);
    f.Space = v.GetSpace(SpaceList);
    f.Cargo = v.GetCargoSpace();
    f.HC = v.GetHC();
    f.Top = v.GetTopSpeed();
    f.Cruise = v.GetCruisingSpeed();
    f.Reverse = v.GetReverseSpeed();
    f.Acceleration = v.GetAcceleration();
    f.Range = v.GetRange();
    f.Year = v.GetYear(YearList);
    for (int facing = locFront; facing <= locRocketPlatform; ++facing)
        v.GetFirepower(static_cast<TLocation>(facing), f.Firepower[facing]);
    v.GetCollisionModifierText(f.RamModifier);
    v.GetCollisionDamageText(f.Cruise, f.RamCruise);
    v.GetCollisionDamageText(f.Top, f.RamTop);
    v.CheckValid(f.Reason);
}

// What one edit asks of the design: the accounting, then both description texts.
void Recalc(TVehicle& v, TFigures& f)
{
    Account(v, f);
    OfficialDescription(v, true, f.Official);
    OutsiderDescription(v, f.Outsider);
}

void BM_Recalc(benchmark::State& state, void (*recalc)(TVehicle&, TFigures&))
{
    TRulesFixture rules;
    TVehicle v;
    BuildFullDesign(v);
    // A body that carries it all and limits that are on, so that the validity
    // check runs every rule down to the year trail.
    v.Body.MaxLoad = 20000;
    v.Body.Space = 60;
    v.GasEngine.Power = 6000;
    const bool yearUse = YearUse;
    const int year = Year;
    YearUse = true;
    Year = 2100;
    TFigures f;
    for (auto _ : state) {
        recalc(v, f);
        benchmark::DoNotOptimize(f);
    }
    state.counters["lines"] = CostList.size() + WeightList.size() + SpaceList.size() +
                              YearList.size() + ScratchList.size();
    state.SetLabel(f.Reason.isEmpty() ? "valid" : f.Reason.toStdString());
    YearUse = yearUse;
    Year = year;
}
BENCHMARK_CAPTURE(BM_Recalc, Accounting, Account)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Recalc, WithDescriptions, Recalc)->Unit(benchmark::kMicrosecond);

// The parts of one recalculation, to show where its time goes.
void BM_Part(benchmark::State& state, void (*part)(TVehicle&, TFigures&))
{
    TRulesFixture rules;
    TVehicle v;
    BuildFullDesign(v);
    TFigures f;
    Recalc(v, f);
    for (auto _ : state) {
        part(v, f);
        benchmark::DoNotOptimize(f);
    }
}
BENCHMARK_CAPTURE(BM_Part, WeightReport, [](TVehicle& v, TFigures& f) {
    f.Weight = v.GetWeight(WeightList);
})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Part, SpaceReport, [](TVehicle& v, TFigures& f) {
    f.Space = v.GetSpace(SpaceList);
})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Part, YearReport, [](TVehicle& v, TFigures& f) {
    f.Year = v.GetYear(YearList);
})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Part, CombatTexts, [](TVehicle& v, TFigures& f) {
    for (int facing = locFront; facing <= locRocketPlatform; ++facing)
        v.GetFirepower(static_cast<TLocation>(facing), f.Firepower[facing]);
    v.GetCollisionModifierText(f.RamModifier);
    v.GetCollisionDamageText(f.Cruise, f.RamCruise);
    v.GetCollisionDamageText(f.Top, f.RamTop);
})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Part, Descriptions, [](TVehicle& v, TFigures& f) {
    OfficialDescription(v, true, f.Official);
    OutsiderDescription(v, f.Outsider);
})->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
