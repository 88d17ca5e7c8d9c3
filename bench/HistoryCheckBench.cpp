// The history check: every row read and derived again, gaps and widths
// found. Target: 100 ms at 10,000 draws.

#include "bench/SyntheticHistory.h"
#include "core/HistoryCheck.h"
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
