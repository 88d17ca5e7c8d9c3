// The history check: every row read and derived again, gaps and widths
// found. Target: 100 ms at 10,000 draws.

#include "bench/SyntheticHistory.h"
#include "core/HistoryCheck.h"
#include "core/PositionOmission.h"
#include "store/DrawStore.h"

#include <benchmark/benchmark.h>

namespace {

void BM_CheckHistory(benchmark::State& state)
{
    DrawStore store(cachedSyntheticHistory(int(state.range(0))));
    for (auto _ : state) {
        const HistoryProblems problems = checkHistory(store.allRecords());
        benchmark::DoNotOptimize(problems.stale.size());
    }
}
BENCHMARK(BM_CheckHistory)->Arg(10'000)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// The per-position omission table over the whole history. Target: 1 s at
// 1,000,000 draws.
void BM_PositionOmission(benchmark::State& state)
{
    DrawStore store(cachedSyntheticHistory(int(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(positionOmission(store.rangeNumberValues(QString(), QStringLiteral("9"))));
}
BENCHMARK(BM_PositionOmission)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace
