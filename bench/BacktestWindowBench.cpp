// 历史回测 as the user runs it: the backtest, chance beside it, and the
// table and chart filled. Targets: 1 s and 150 MB resident for 100,000 draws
// tried, 5 s and 500 MB for 1,000,000 (the table holds the result rows, not
// a text per cell).

#include "bench/BenchApplication.h"
#include "bench/ResidentMemory.h"
#include "bench/SilentDialogs.h"
#include "bench/SyntheticHistory.h"
#include "store/DrawStore.h"
#include "ui/select/BacktestWindow.h"

#include <QSpinBox>
#include <benchmark/benchmark.h>

namespace {

void BM_BacktestWindowRun(benchmark::State& state)
{
    benchApplication();
    DrawStore store(cachedSyntheticHistory(1'000'000));
    SilentDialogs dialogs;
    const QString all = QStringLiteral("0123456789");
    GenerationConditions conditions;
    conditions.sum = {true, 10, 17};
    for (auto _ : state) {
        BacktestWindow window(store, dialogs, all, all, all, BetKind::Direct, conditions);
        window.findChild<QSpinBox*>(QStringLiteral("drawCountBox"))->setValue(int(state.range(0)));
        window.run();
        state.counters["resident_MB"] = residentMegabytes();
    }
}
BENCHMARK(BM_BacktestWindowRun)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
