// The whole-history backtest beside chance: the backtest, the exact
// distribution of its hits, the verdict and the band after every draw.
// Targets: 50 ms at 10,000 draws, 2 s at 1,000,000.

#include "bench/SyntheticHistory.h"
#include "core/BacktestChance.h"

#include <benchmark/benchmark.h>

namespace {

const QString kAll = QStringLiteral("0123456789");

// Numbers that look drawn at random (a fixed generator), each with the one before it.
std::vector<BacktestDraw> drawnHistory(int count)
{
    std::vector<BacktestDraw> draws;
    draws.reserve(size_t(count));
    QString previous;
    quint32 state = 12345;
    for (int i = 0; i < count; ++i) {
        state = state * 1103515245u + 12345u;
        const QString number = QStringLiteral("%1").arg((state >> 8) % 1000, 3, 10, QLatin1Char('0'));
        draws.push_back({syntheticIssue(i), number, previous});
        previous = number;
    }
    return draws;
}

// Conditions on the latest draw give each draw its own coverage, from a few
// numbers to most of them: hundreds of different chances to combine.
GenerationConditions latestDependent()
{
    GenerationConditions c;
    c.extended.repeat = {true, 0, 1};
    c.extended.neighbour = {true, 1, 3};
    return c;
}

void BM_BacktestBesideChance(benchmark::State& state)
{
    const std::vector<BacktestDraw> draws = drawnHistory(int(state.range(0)));
    const GenerationConditions conditions = latestDependent();
    double expected = 0;
    for (auto _ : state) {
        const BacktestResult result = runBacktest(kAll, kAll, kAll, BetKind::Direct, conditions, draws);
        const BacktestChance chance = backtestChance(result, BetKind::Direct);
        const std::vector<ChancePoint> band = chanceBand(result, BetKind::Direct);
        expected = chance.expectedHits;
        benchmark::DoNotOptimize(band.data());
    }
    state.counters["expectedHits"] = expected;
}
BENCHMARK(BM_BacktestBesideChance)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// The distribution alone at its widest: every coverage from 1 to 999 among a
// million draws, chances near one half included.
void BM_HitDistributionEveryCoverage(benchmark::State& state)
{
    std::vector<std::int64_t> counts(1001, 0);
    for (int c = 1; c < 1000; ++c)
        counts[size_t(c)] = state.range(0) / 999;
    for (auto _ : state)
        benchmark::DoNotOptimize(HitDistribution::ofCoverage(counts).quantile(0.95));
}
BENCHMARK(BM_HitDistributionEveryCoverage)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace
