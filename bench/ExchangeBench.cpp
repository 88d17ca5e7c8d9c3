// Data exchange at the sizes users meet. Targets: a downloaded history page
// of 2,000 new draws from its text to the refreshed grid within 1 s;
// importing 8,000 draws (every day of 2002 to 2023; no file can hold many
// more issues that exist) into an empty table within 1 s; an 8,000-line
// history in each shape the reader takes, read and stored into an empty
// table, within 0.5 s (reading alone: ReadBench); exporting 10,000 draws to
// the written workbook within 1 s.

#include "bench/BenchApplication.h"
#include "bench/SilentDialogs.h"
#include "bench/SyntheticHistory.h"
#include "core/DrawRecord.h"
#include "exchange/DrawText.h"
#include "exchange/HistoryFile.h"
#include "exchange/HistoryImport.h"
#include "exchange/HistoryWorkbook.h"
#include "exchange/OptionsFile.h"
#include "store/DrawStore.h"
#include "ui/exchange/DataUpdate.h"
#include "ui/main/Main.h"
#include "ui/widgets/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

QString numberOf(int n)
{
    return QStringLiteral("%1").arg((n * 7919) % 1000, 3, 10, QLatin1Char('0'));
}

// A folder beside the executable with an empty database and the user files.
struct EmptyFolder
{
    EmptyFolder()
    {
        if (!dir.isValid() || !DrawStore::createEmpty(db()) || !createDefaultUserFiles(dir.path()))
            throw std::runtime_error("cannot prepare the folder");
    }
    QString db() const { return QDir(dir.path()).filePath(DrawStore::kFileName); }
    QTemporaryDir dir;
};

// Arg 1: the page as the download reads it, one grid reload at its end.
// Arg 0: the same draws entered one by one, the grid reloaded after each.
void BM_DownloadHistoryPage(benchmark::State& state)
{
    benchApplication();
    constexpr int kDraws = 2000;
    const bool batched = state.range(0) == 1;
    QString page = QStringLiteral("3D号码：");
    for (int i = 0; i < kDraws; ++i)
        page += QStringLiteral("%1期%2 ").arg(possibleIssue(i).mid(2), numberOf(i));
    EmptyFolder folder;
    SilentDialogs dialogs;
    DrawStore store(folder.db());
    TFrmMain window(store, dialogs, folder.dir.path());
    window.show();
    TFrm_DataUpdate download(window, store, dialogs, Options::downloadListPath(folder.dir.path()), &window);
    auto* issueBox = window.findChild<QLineEdit*>(QStringLiteral("Edit3"));
    auto* numberBox = window.findChild<QLineEdit*>(QStringLiteral("Edit4"));
    auto* enterButton = window.findChild<QToolButton*>(QStringLiteral("SpeedButton13"));
    for (auto _ : state) {
        state.PauseTiming();
        store.deleteAll();
        window.FormShow();
        state.ResumeTiming();
        if (batched) {
            download.processPageText(page);
        } else {
            window.AnnounceEntry = false;
            for (int i = 0; i < kDraws; ++i) {
                issueBox->setText(possibleIssue(i).mid(2));
                numberBox->setText(numberOf(i));
                enterButton->click();
            }
        }
    }
    if (store.count() != kDraws)
        state.SkipWithError("not every draw was entered");
}
BENCHMARK(BM_DownloadHistoryPage)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(3);

// The import file of `draws` lines, made once per build folder.
QString importFile(int draws)
{
    const QString folder = QStringLiteral(QUORVANE_BENCH_DATA_DIR);
    const QString path = QDir(folder).filePath(QStringLiteral("import-%1.csv").arg(draws));
    if (QFileInfo::exists(path))
        return path;
    QDir().mkpath(folder);
    QFile file(path + QStringLiteral(".part"));
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write the import file");
    file.write("期号,日期,号码\n");
    for (int i = 0; i < draws; ++i)
        file.write(QStringLiteral("%1,2020-01-01,%2\n").arg(possibleIssue(i), numberOf(i)).toUtf8());
    file.close();
    QFile::rename(file.fileName(), path);
    return path;
}

// Each iteration reads the draws with `read` and stores them into a fresh
// empty folder; only the reading and the storing are timed.
template <typename Read> void storeIntoEmptyFolders(benchmark::State& state, int expected, Read read)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto folder = std::make_unique<EmptyFolder>();
        DrawStore store(folder->db());
        state.ResumeTiming();
        const ImportSummary summary =
            runImport(store, planImport(read(store.game()), store.issueWidth()), [](int) { return true; });
        if (summary.added != expected)
            state.SkipWithError("not every draw was stored");
        state.PauseTiming();
        folder.reset();
        state.ResumeTiming();
    }
}

void BM_ImportFile(benchmark::State& state)
{
    const int draws = int(state.range(0));
    const QString path = importFile(draws);
    storeIntoEmptyFolders(state, draws, [&](Game game) { return readImportFile(path, game); });
    state.SetItemsProcessed(state.iterations() * draws);
}
BENCHMARK(BM_ImportFile)->Arg(8'000)->Unit(benchmark::kMillisecond)->Iterations(3);

// A history in one of the shapes people have: 0 a spreadsheet's
// CSV (leading zeros dropped), 1 a table with 试机号 and sales, 2 a public
// plain-text history with trailing fields, 3 a rendered result page (tabs,
// newest first), 4 the welfare lottery's JSON, 5 the sports lottery's JSON.
QString historyText(int shape, int draws)
{
    QStringList lines;
    if (shape == 1)
        lines << QStringLiteral("期号,开奖日期,开奖号码,试机号,销售额");
    if (shape == 3)
        lines << QStringLiteral("首页\t开奖公告") << QStringLiteral("期号\t开奖日期\t试机号\t开奖号码\t销售额(元)");
    QStringList entries;
    for (int n = 0; n < draws; ++n) {
        const int i = shape == 3 || shape >= 4 ? draws - 1 - n : n;
        const QString issue = possibleIssue(i);
        const QString number = numberOf(i);
        const QString spaced = QStringList{number.mid(0, 1), number.mid(1, 1), number.mid(2, 1)}.join(u' ');
        switch (shape) {
        case 0:
            lines << QStringLiteral("%1,2020/1/1,%2").arg(issue).arg(number.toInt());
            break;
        case 1:
            lines << QStringLiteral("%1,2020-01-01,%2,%3,29876544").arg(issue, number, numberOf(i + 1));
            break;
        case 2:
            lines << QStringLiteral("%1 2020-01-01 %2 1 2 3 0 0 0 0").arg(issue, spaced);
            break;
        case 3:
            lines << QStringLiteral("%1\t2020-01-01(六)\t1 2 3\t%2\t29876544").arg(issue, spaced);
            break;
        case 4:
            entries << QStringLiteral(R"j({"name":"3d","code":"%1","date":"2020-01-01(六)","red":"%2","sales":"1"})j")
                           .arg(issue, QString(spaced).replace(u' ', u','));
            break;
        default:
            entries << QStringLiteral(
                           R"({"lotteryDrawNum":"%1","lotteryDrawResult":"%2","lotteryDrawTime":"2020-01-01"})")
                           .arg(issue, spaced);
            break;
        }
    }
    if (shape == 3)
        lines << QStringLiteral("上一页\t1\t2\t下一页");
    if (shape == 4)
        return QStringLiteral(R"({"state":0,"result":[)") + entries.join(u',') + QStringLiteral("]}");
    if (shape == 5)
        return QStringLiteral(R"({"success":true,"value":{"list":[)") + entries.join(u',') + QStringLiteral("]}}");
    return lines.join(u'\n');
}

void BM_ReadAndStoreHistoryText(benchmark::State& state)
{
    constexpr int kDraws = 8'000;
    const QString text = historyText(int(state.range(0)), kDraws);
    storeIntoEmptyFolders(state, kDraws, [&](Game game) { return readDrawText(text, game); });
}
BENCHMARK(BM_ReadAndStoreHistoryText)->DenseRange(0, 5)->Unit(benchmark::kMillisecond)->Iterations(3);

// An exported workbook of 8,000 draws imported into an empty table.
void BM_ImportWorkbook(benchmark::State& state)
{
    constexpr int kDraws = 8'000;
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("history.xlsx"));
    std::vector<DrawRecord> draws;
    for (int n = 0; n < kDraws; ++n)
        draws.push_back(deriveDrawRecord(possibleIssue(n), numberOf(n), QString()));
    writeHistoryWorkbook(path, draws);
    storeIntoEmptyFolders(state, kDraws, [&](Game game) { return readImportFile(path, game); });
}
BENCHMARK(BM_ImportWorkbook)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ExportWorkbook(benchmark::State& state)
{
    DrawStore store(cachedSyntheticHistory(int(state.range(0))));
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("out.xlsx"));
    for (auto _ : state)
        writeHistoryWorkbook(path, store.range(QString(), QStringLiteral("9")));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ExportWorkbook)->Arg(10'000)->Unit(benchmark::kMillisecond);

} // namespace
