// From an opened store to the main window shown with its first displays,
// at 10,000 draws. Target: 600 ms.

#include "bench/BenchApplication.h"
#include "bench/SyntheticHistory.h"
#include "exchange/OptionsFile.h"
#include "store/DrawStore.h"
#include "ui/main/Main.h"
#include "ui/widgets/Dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_StartUpToShownMainWindow(benchmark::State& state)
{
    benchApplication();
    QTemporaryDir dir;
    const QString db = QDir(dir.path()).filePath(DrawStore::kFileName);
    if (!QFile::copy(cachedSyntheticHistory(int(state.range(0))), db) || !createDefaultUserFiles(dir.path())) {
        state.SkipWithError("cannot prepare the folder");
        return;
    }
    QtDialogs dialogs; // start-up on a sound folder shows no box
    for (auto _ : state) {
        DrawStore store(db);
        TFrmMain window(store, dialogs, dir.path());
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.windowTitle());
    }
}
BENCHMARK(BM_StartUpToShownMainWindow)->Arg(10'000)->Unit(benchmark::kMillisecond);

} // namespace
