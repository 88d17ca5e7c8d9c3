// Downloads through the page helper, as the user starts them, against a
// server on this machine, from the click on 开始下载 to the refreshed grid.
// Targets: a 2,000-draw text answer within 1 s (the page's draws to the grid
// alone: BM_DownloadHistoryPage); a rendered page costs the web engine's
// start on top. A 1.9 MB plain-text history fetched and read within 1 s,
// the helper and what it started holding under 200 MB.

#include "bench/BenchApplication.h"
#include "bench/SilentDialogs.h"
#include "bench/SyntheticHistory.h"
#include "exchange/OptionsFile.h"
#include "exchange/PageLoader.h"
#include "exchange/ResultPage.h"
#include "store/DrawStore.h"
#include "tests/ui/exchange/PageServer.h"
#include "ui/exchange/DataUpdate.h"
#include "ui/main/Main.h"
#include "ui/widgets/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString numberOf(int n)
{
    return QStringLiteral("%1").arg((n * 7919) % 1000, 3, 10, QLatin1Char('0'));
}

// The sandbox of the web engine cannot start for root (the benchmarks run as root in CI).
void allowRootEngine()
{
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

// Arg 0: a results page the web engine renders; arg 1: the same draws as a plain-text answer.
void BM_DownloadThroughHelper(benchmark::State& state)
{
    benchApplication();
    allowRootEngine();
    constexpr int kDraws = 2000;
    PageServer server;
    QString marker = QStringLiteral("3D号码：");
    QByteArray text;
    for (int i = 0; i < kDraws; ++i) {
        marker += QStringLiteral("%1期%2 ").arg(possibleIssue(i).mid(2), numberOf(i));
        text += (possibleIssue(i) + u' ' + numberOf(i) + u'\n').toUtf8();
    }
    server.page("/page", toGbk(QStringLiteral("<html><body><p>%1</p></body></html>").arg(marker)));
    server.page("/text", {.body = text, .type = "text/plain; charset=utf-8"});
    QTemporaryDir dir;
    const QString db = QDir(dir.path()).filePath(DrawStore::kFileName);
    if (!DrawStore::createEmpty(db) || !createDefaultUserFiles(dir.path()))
        return state.SkipWithError("cannot prepare the folder");
    QFile list(Options::downloadListPath(dir.path()));
    if (!list.open(QIODevice::WriteOnly))
        return state.SkipWithError("cannot write the address list");
    list.write(server.url(state.range(0) == 0 ? "/page" : "/text").toLatin1() + "\r\n");
    list.close();
    SilentDialogs dialogs;
    DrawStore store(db);
    TFrmMain window(store, dialogs, dir.path());
    window.show();
    TFrm_DataUpdate download(window, store, dialogs, Options::downloadListPath(dir.path()), &window);
    auto* start = download.findChild<QPushButton*>("SpeedButton1");
    for (auto _ : state) {
        state.PauseTiming();
        store.deleteAll();
        window.FormShow();
        QSignalSpy processed(&download, &TFrm_DataUpdate::pageProcessed);
        state.ResumeTiming();
        start->click();
        if (!processed.wait(30000))
            return state.SkipWithError("the download did not end");
    }
    if (store.count() != kDraws)
        state.SkipWithError("not every draw was entered");
}
BENCHMARK(BM_DownloadThroughHelper)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// A public plain-text history's shape: every draw with its date, the test
// number, sales and prizes; about 1.9 MB.
QByteArray plainTextHistory()
{
    QByteArray text;
    for (int i = 0; text.size() < 1'900'000; ++i) {
        const QString number = numberOf(i);
        text += QStringLiteral("%1 2020-01-01 %2 %3 %4 %5 280834912 1040 173 34616 %6\n")
                    .arg(possibleIssue(i % 8784), QString(number[0]), QString(number[1]), QString(number[2]),
                         numberOf(i + 1), QString(150, u' '))
                    .toUtf8();
    }
    return text;
}

void BM_FetchPlainTextHistory(benchmark::State& state)
{
    benchApplication();
    allowRootEngine();
    PageServer server;
    server.page("/3d_asc.txt", {.body = plainTextHistory(), .type = "text/plain"});
    PageLoader loader;
    loader.setWatchInterval(20);
    qint64 peak = 0;
    for (auto _ : state) {
        QSignalSpy read(&loader, &PageLoader::pageRead);
        loader.load({QUrl(server.url("/3d_asc.txt"))}, Game::Fucai);
        if (!read.wait(30000))
            return state.SkipWithError("the history was not read");
        peak = std::max(peak, loader.peakMemory());
    }
    state.counters["helper_MB"] = double(peak) / (1 << 20);
}
BENCHMARK(BM_FetchPlainTextHistory)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace
