// The cost report of a fully equipped design, as every recalculation runs it.

#include "FullDesign.h"
#include "../tests/model/RulesFixture.h"

#include "model/Global.h"
#include "model/Vehicle.h"

#include <benchmark/benchmark.h>

namespace {

void BM_GetCost(benchmark::State& state)
{
    TRulesFixture rules;
    TVehicle v;
    BuildFullDesign(v);
    for (auto _ : state)
        benchmark::DoNotOptimize(v.GetCost(CostList));
    state.counters["lines"] = CostList.size();
}
BENCHMARK(BM_GetCost);

} // namespace

BENCHMARK_MAIN();
