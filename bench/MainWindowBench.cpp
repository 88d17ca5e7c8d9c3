// The main window at realistic and extreme history sizes. Targets (2 cores):
// - shown with grid and both charts: 150 ms at 10,000 draws, 1.5 s and
//   300 MB resident at 1,000,000;
// - a range of 1,000,000 draws opened in the grid and its first screen
//   painted: 300 ms, memory within the same bound;
// - the thirty frequency footers from one statement: 20 ms at 10,000 draws,
//   1 s at 1,000,000 (against thirty counting statements: see the ratio);
// - one draw entered with 10,000 stored, grid reload included: 20 ms;
// - the trend figures under the grid (当前遗漏 .. 最大连出) of the whole
//   range: 30 ms at 10,000 draws, 1.5 s at 1,000,000;
// - a range of 1,000,000 draws with 显示遗漏值 on: opened with its figures
//   within the 1.5 s of the figures, and its screen painted in 300 ms.

#include "bench/BenchApplication.h"
#include "bench/ResidentMemory.h"
#include "bench/SyntheticHistory.h"
#include "exchange/OptionsFile.h"
#include "store/Database.h"
#include "store/DrawStore.h"
#include "store/RangeTrend.h"
#include "ui/main/Main.h"
#include "ui/widgets/DataGrid.h"
#include "ui/widgets/Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// A folder beside a (copied) synthetic history, as the program finds it.
class AppFolder
{
public:
    explicit AppFolder(int draws)
    {
        ok = QFile::copy(cachedSyntheticHistory(draws), db()) && createDefaultUserFiles(dir.path());
    }
    QString db() const { return QDir(dir.path()).filePath(DrawStore::kFileName); }
    QTemporaryDir dir;
    bool ok = false;
};

// The main window shown over a folder of `draws`, as the program opens it.
class ShownMainWindow
{
public:
    explicit ShownMainWindow(int draws) : m_folder(draws)
    {
        if (!m_folder.ok)
            return;
        m_store = std::make_unique<DrawStore>(m_folder.db());
        m_window = std::make_unique<TFrmMain>(*m_store, m_dialogs, m_folder.dir.path());
        m_window->show();
        QApplication::processEvents();
    }
    bool ok() const { return m_window != nullptr; }
    template <typename T> T* child(const char* name) const { return m_window->findChild<T*>(name); }

private:
    AppFolder m_folder;
    QtDialogs m_dialogs;
    std::unique_ptr<DrawStore> m_store;
    std::unique_ptr<TFrmMain> m_window;
};

void BM_MainWindowShown(benchmark::State& state)
{
    benchApplication();
    AppFolder folder(int(state.range(0)));
    if (!folder.ok)
        return state.SkipWithError("cannot prepare the folder");
    QtDialogs dialogs;
    for (auto _ : state) {
        DrawStore store(folder.db());
        TFrmMain window(store, dialogs, folder.dir.path());
        window.show();
        QApplication::processEvents();
        state.counters["resident_MB"] = residentMegabytes();
    }
}
BENCHMARK(BM_MainWindowShown)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// Arg 1: with 显示遗漏值 on (its figures computed at every opening).
void BM_OpenWholeRangeAndPaint(benchmark::State& state)
{
    benchApplication();
    const ShownMainWindow window(int(state.range(0)));
    if (!window.ok())
        return state.SkipWithError("cannot prepare the folder");
    auto* start = window.child<QComboBox>("ComboBox14");
    auto* grid = window.child<DataGrid>("DBGridEh1");
    auto* show = window.child<QAbstractButton>("SpeedButton18");
    if (state.range(1))
        window.child<QAbstractButton>("showOmissionButton")->click();
    for (auto _ : state) {
        start->setCurrentIndex(0);
        show->click();
        grid->viewport()->repaint();
        benchmark::DoNotOptimize(grid->model()->rowCount());
    }
    state.counters["rows"] = grid->model()->rowCount();
    state.counters["resident_MB"] = residentMegabytes();
}
BENCHMARK(BM_OpenWholeRangeAndPaint)
    ->ArgsProduct({{1'000'000}, {0, 1}})
    ->ArgNames({"draws", "omission"})
    ->Unit(benchmark::kMillisecond);

void BM_TrendFigures(benchmark::State& state)
{
    DrawStore store(cachedSyntheticHistory(int(state.range(0))));
    const QString first = syntheticIssue(0), last = syntheticIssue(int(state.range(0)) - 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(readRangeTrend(store, first, last));
}
BENCHMARK(BM_TrendFigures)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_PaintWithOmission(benchmark::State& state)
{
    benchApplication();
    const ShownMainWindow window(int(state.range(0)));
    if (!window.ok())
        return state.SkipWithError("cannot prepare the folder");
    window.child<QComboBox>("ComboBox14")->setCurrentIndex(0);
    window.child<QAbstractButton>("SpeedButton18")->click();
    window.child<QAbstractButton>("showOmissionButton")->click();
    auto* grid = window.child<DataGrid>("DBGridEh1");
    int step = 0;
    for (auto _ : state) {
        // Somewhere else in the range each time, as a user scrolling would.
        grid->verticalScrollBar()->setValue((++step * 7919 * 18) % std::max(1, grid->verticalScrollBar()->maximum()));
        grid->viewport()->repaint();
    }
    state.counters["rows"] = grid->model()->rowCount();
}
BENCHMARK(BM_PaintWithOmission)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_FrequencyCountsOneStatement(benchmark::State& state)
{
    DrawStore store(cachedSyntheticHistory(int(state.range(0))));
    const QString first = syntheticIssue(0), last = syntheticIssue(int(state.range(0)) - 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.hitCounts(first, last, "qs", 3, "fucai"));
}
BENCHMARK(BM_FrequencyCountsOneStatement)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// The same counts one statement per column, for the ratio.
void BM_FrequencyCountsThirtyStatements(benchmark::State& state)
{
    Database db(cachedSyntheticHistory(int(state.range(0))), DrawStore::kKey);
    const QString first = syntheticIssue(0), last = syntheticIssue(int(state.range(0)) - 1);
    for (auto _ : state) {
        for (int column = 1; column <= kHitColumnCount; ++column) {
            Statement count(
                db,
                QStringLiteral("select Count(%1) as A from fucai where qs>=? and qs<=?").arg(drawColumns()[column]));
            count.bind(1, first).bind(2, last);
            count.step();
            benchmark::DoNotOptimize(count.integer(0));
        }
    }
}
BENCHMARK(BM_FrequencyCountsThirtyStatements)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_EnterDrawWithGridReload(benchmark::State& state)
{
    benchApplication();
    AppFolder folder(int(state.range(0)));
    if (!folder.ok)
        return state.SkipWithError("cannot prepare the folder");
    QtDialogs dialogs;
    DrawStore store(folder.db());
    TFrmMain window(store, dialogs, folder.dir.path());
    window.show();
    QApplication::processEvents();
    window.AnnounceEntry = false; // no confirmation box to wait on
    auto* issue = window.findChild<QLineEdit*>("Edit3");
    auto* number = window.findChild<QLineEdit*>("Edit4");
    auto* enter = window.findChild<QAbstractButton*>("SpeedButton13");
    int n = 0;
    for (auto _ : state) {
        number->setText(QStringLiteral("%1").arg(n++ % 1000, 3, 10, QLatin1Char('0')));
        enter->click(); // Edit3 proposes the next issue each time
        window.findChild<DataGrid*>("DBGridEh1")->viewport()->repaint();
    }
    benchmark::DoNotOptimize(issue->text());
}
BENCHMARK(BM_EnterDrawWithGridReload)->Arg(10'000)->Unit(benchmark::kMillisecond);

} // namespace
