// Bet selection. Targets: generation over all 1000 combinations with every
// condition, original and extended, ticked within 1 ms for each bet kind; the
// backtest over 10,000 draws with every condition within 0.5 s; the condition
// check over 1,000 draws within 50 ms; a random run that gives up after
// 1,000,000 draws within 60 ms; the history filter's match test for 1000
// bets over 10,000 draws within 50 ms.

#include "bench/SyntheticHistory.h"
#include "core/Backtest.h"
#include "core/BetGeneration.h"
#include "core/ConditionCheck.h"
#include "core/HistoryFilter.h"
#include "core/RandomSelection.h"
#include "store/DrawStore.h"

#include <benchmark/benchmark.h>

namespace {

const QString kAll = QStringLiteral("0123456789");

// Bounds every bet meets, so no condition cuts the others short. Single sums
// and the sum range are both on: the window allows only one of them, the
// worst case has both.
GenerationConditions everyCondition()
{
    GenerationConditions c;
    for (RangeCondition* range : {&c.sum, &c.odd, &c.big, &c.ac, &c.same, &c.span, &c.prime, &c.route0, &c.route1})
        *range = {true, 0, 27};
    c.span.high = 9;
    c.singleSums =
        parseSingleSums(QStringLiteral("0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27"));
    c.limit = 5000;
    ExtendedConditions& e = c.extended;
    for (ValueSetCondition* kept :
         {&e.dan, &e.sumTail, &e.shape, &e.run, &e.bigSmall, &e.oddEven, &e.primeComposite, &e.route})
        *kept = {true, 0xFFFFFFFFu};
    for (ValueSetCondition* excluded : {&e.kill, &e.sumExcluded, &e.spanExcluded, &e.pairSumTail, &e.pairDiff})
        *excluded = {true, 0};
    e.repeat = {true, 0, 3};
    e.neighbour = {true, 0, 3};
    return c;
}

// Draws whose latest numbers run through all 1000 values.
std::vector<BacktestDraw> pastDraws(int count)
{
    std::vector<BacktestDraw> draws;
    QString previous;
    for (int i = 0; i < count; ++i) {
        const QString number = QStringLiteral("%1").arg((i * 389 + 17) % 1000, 3, 10, QLatin1Char('0'));
        draws.push_back({syntheticIssue(i), number, previous});
        previous = number;
    }
    return draws;
}

void BM_GenerateEveryCondition(benchmark::State& state)
{
    const auto kind = BetKind(state.range(0));
    const GenerationConditions conditions = everyCondition();
    std::size_t bets = 0;
    for (auto _ : state) {
        GenerationResult result = generateBets(kAll, kAll, kAll, kind, conditions, QStringLiteral("123"));
        bets = result.bets.size();
        benchmark::DoNotOptimize(result);
    }
    state.counters["bets"] = double(bets);
}
BENCHMARK(BM_GenerateEveryCondition)
    ->ArgName("kind")
    ->Arg(int(BetKind::Direct))
    ->Arg(int(BetKind::Group3))
    ->Arg(int(BetKind::Group6))
    ->Unit(benchmark::kMicrosecond);

// The selection tried on past draws with every condition ticked.
void BM_BacktestEveryCondition(benchmark::State& state)
{
    const GenerationConditions conditions = everyCondition();
    const std::vector<BacktestDraw> draws = pastDraws(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(runBacktest(kAll, kAll, kAll, BetKind::Direct, conditions, draws));
}
BENCHMARK(BM_BacktestEveryCondition)->Arg(10'000)->Unit(benchmark::kMillisecond);

// Every condition judged on each past draw.
void BM_ConditionCheckEveryCondition(benchmark::State& state)
{
    const GenerationConditions conditions = everyCondition();
    const std::vector<BacktestDraw> draws = pastDraws(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(checkConditions(conditions, BetKind::Direct, draws));
}
BENCHMARK(BM_ConditionCheckEveryCondition)->Arg(1'000)->Unit(benchmark::kMillisecond);

// "奇数个数" 4 to 4 lets nothing through: the run judges every number and gives up.
void BM_RandomGivesUp(benchmark::State& state)
{
    RandomConditions conditions;
    conditions.sum = {true, 0, 63};
    conditions.odd = {true, 4, 4};
    conditions.big = {true, 0, 7};
    conditions.ac = {true, 0, 12};
    conditions.same = {true, 0, 7};
    quint32 seed = 1;
    for (auto _ : state) {
        RandomResult result = selectRandomBets(5, conditions, QStringLiteral("123"), seed++);
        if (!result.gaveUp)
            state.SkipWithError("the run did not give up");
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_RandomGivesUp)->Unit(benchmark::kMillisecond);

// One statement for the range's numbers, the list of drawn bets, then a
// lookup per bet; every bet is drawn somewhere in 10,000 draws and every
// question is answered 取消.
void BM_HistoryFilterMatches(benchmark::State& state)
{
    const int draws = int(state.range(0));
    DrawStore store(cachedSyntheticHistory(draws));
    const QStringList issues = store.issueList();
    const BetList all = generateBets(kAll, kAll, kAll, BetKind::Direct, {}, {}).bets;
    int questions = 0;
    for (auto _ : state) {
        BetList bets = all;
        questions = 0;
        const DrawnIssues drawn(store.numbersInRange(issues.first(), issues.last()));
        benchmark::DoNotOptimize(drawnBets(bets, drawn));
        filterDrawnBets(bets, drawn, [&](const QString&, const QString&) {
            ++questions;
            return DrawnAnswer::Keep;
        });
    }
    state.counters["questions"] = questions;
}
BENCHMARK(BM_HistoryFilterMatches)->Arg(10'000)->Unit(benchmark::kMillisecond);

} // namespace
