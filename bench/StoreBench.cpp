// Store operations at realistic and extreme history sizes. Targets: one
// append within 2 ms at 10,000 draws and 5 ms at 1,000,000.

#include "bench/SyntheticHistory.h"
#include "core/DrawRecord.h"
#include "store/DrawEntry.h"
#include "store/DrawStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>
#include <stdexcept>
#include <unistd.h>

namespace {

// A writable copy of a cached history; the folder goes with its side files.
class ScratchCopy
{
public:
    explicit ScratchCopy(const QString& source) : m_path(m_dir.filePath(DrawStore::kFileName))
    {
        if (!m_dir.isValid() || !QFile::copy(source, m_path))
            throw std::runtime_error("cannot copy the cached history");
        // Flushed now, or the write-back of the copy lands in the timed syncs.
        QFile copy(m_path);
        if (!copy.open(QIODevice::ReadWrite) || ::fsync(copy.handle()) != 0)
            throw std::runtime_error("cannot flush the copied history");
    }
    const QString& path() const { return m_path; }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

void BM_OpenStore(benchmark::State& state)
{
    const QString path = cachedSyntheticHistory(int(state.range(0)));
    for (auto _ : state) {
        DrawStore store(path);
        benchmark::DoNotOptimize(&store);
    }
}
BENCHMARK(BM_OpenStore)->Arg(10'000)->Unit(benchmark::kMillisecond);

// Each iteration enters an issue as the entry panel does: checks, the
// duplicate test, the previous draw's lookup and the append.
void BM_AppendDraw(benchmark::State& state)
{
    const int draws = int(state.range(0));
    ScratchCopy copy(cachedSyntheticHistory(draws));
    DrawStore store(copy.path());
    std::mt19937 random(7);
    // An issue that can exist and that the synthetic history (350 days a
    // year) leaves free, entered and taken out again each time.
    const QString issue = QStringLiteral("2025366");
    for (auto _ : state) {
        const QString number = QStringLiteral("%1").arg(random() % 1000, 3, 10, QLatin1Char('0'));
        if (!enterDraw(store, issue, number).stored())
            state.SkipWithError("entry refused");
        state.PauseTiming();
        store.deleteIssue(issue);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AppendDraw)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_LatestNumber(benchmark::State& state)
{
    DrawStore store(cachedSyntheticHistory(int(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(store.latestNumber());
}
BENCHMARK(BM_LatestNumber)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

} // namespace
