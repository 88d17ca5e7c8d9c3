// The randomness check over a whole history. Targets: 20 ms at 10,000 draws,
// 1 s at 1,000,000 (the longest-absence chances are one pass over the draws
// per distinct length, the median one more per step of its search).

#include "bench/SyntheticHistory.h"
#include "core/RandomnessCheck.h"
#include "store/DrawStore.h"

#include <benchmark/benchmark.h>

namespace {

// Every test on numbers already read.
void BM_RandomnessCheck(benchmark::State& state)
{
    DrawStore store(cachedSyntheticHistory(int(state.range(0))));
    const std::vector<short> numbers = store.rangeNumberValues(QString(), QStringLiteral("9"));
    for (auto _ : state)
        benchmark::DoNotOptimize(checkRandomness(numbers).rows.size());
}
BENCHMARK(BM_RandomnessCheck)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// What the window's run costs: the range read, then every test.
void BM_RandomnessOfRange(benchmark::State& state)
{
    DrawStore store(cachedSyntheticHistory(int(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(checkRandomness(store.rangeNumberValues(QString(), QStringLiteral("9"))).rows.size());
}
BENCHMARK(BM_RandomnessOfRange)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace
