// The analysis windows from the button to the filled model (no painting),
// on the synthetic history over its whole range. Targets: 30 ms each at
// 10,000 draws, 1.5 s at 1,000,000. Measured (Release, a shared 2-core
// machine): at most 6 ms at 10,000 and 0.6 s at 1,000,000.
// The per-candidate benchmarks run the statements the statistics replaced,
// for the ratio: they win on a long range where every candidate turns up
// early (each stops at its first match) and lose by two orders of magnitude
// on a short one, where most candidates are missing.

#include "bench/BenchApplication.h"
#include "bench/SyntheticHistory.h"
#include "core/DrawRecord.h"
#include "core/PrizeCheck.h"
#include "core/RangeStatistics.h"
#include "core/Statistics.h"
#include "store/Database.h"
#include "store/DrawStore.h"
#include "tests/reference/PerCandidateQueries.h"
#include "tests/reference/RangeQueries.h"
#include "tests/reference/ReferenceStatistics.h"
#include "ui/analysis/DataAnalyse.h"
#include "ui/analysis/DataCount.h"
#include "ui/analysis/IsPrize.h"
#include "ui/analysis/LanqiuYilou.h"
#include "ui/analysis/Trend.h"
#include "ui/widgets/Dialogs.h"

#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>
#include <stdexcept>

namespace {

// Answers no and shows nothing (the waiting message must not block); keeps the errors.
class RecordingDialogs : public Dialogs
{
public:
    void message(QWidget*, const QString&) override {}
    void critical(QWidget*, const QString& text) override { errors << text; }
    bool askOkCancel(QWidget*, const QString&, const QString&) override { return false; }
    bool askYesNo(QWidget*, const QString&) override { return false; }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    int exec(QDialog*) override { return 0; }
    QStringList errors;
};

// A copy of the cached history for this run, with the analysis index made
// once before timing: the cache itself is only read.
QString analysisHistory(int draws)
{
    static std::map<int, std::unique_ptr<QTemporaryDir>> copies;
    auto& dir = copies[draws];
    if (!dir) {
        dir = std::make_unique<QTemporaryDir>();
        const QString path = dir->filePath(DrawStore::kFileName);
        if (!QFile::copy(cachedSyntheticHistory(draws), path))
            throw std::runtime_error("cannot copy the cached history");
        DrawStore(path).issueNumbers(QStringLiteral("x"), QString());
    }
    return dir->filePath(DrawStore::kFileName);
}

struct Range
{
    QString first, last;
};

Range wholeHistory(int draws)
{
    return {syntheticIssue(0), syntheticIssue(draws - 1)};
}

// Arg 1 of the ratio benchmarks: 0 for the whole history, else the newest
// that many draws (where most candidates are missing from the range).
Range benchRange(const benchmark::State& state)
{
    const int draws = int(state.range(0));
    const int newest = int(state.range(1));
    return newest == 0 ? wholeHistory(draws) : Range{syntheticIssue(draws - newest), syntheticIssue(draws - 1)};
}

void setRange(QWidget& window, const char* firstBox, const char* lastBox, const Range& range)
{
    window.findChild<QComboBox*>(firstBox)->setEditText(range.first);
    window.findChild<QComboBox*>(lastBox)->setEditText(range.last);
}

void reportErrors(benchmark::State& state, const RecordingDialogs& dialogs)
{
    if (!dialogs.errors.isEmpty())
        state.SkipWithError(dialogs.errors.first().toStdString().c_str());
}

const char* const kStatistics[] = {"SeSkinRadioButton5", "SeSkinRadioButton6", "SeSkinRadioButton7",
                                   "SeSkinRadioButton8", "SeSkinRadioButton9", "SeSkinRadioButton4"};

// Arg 0: draws; arg 1: index into kStatistics.
void BM_Statistic(benchmark::State& state)
{
    benchApplication();
    const int draws = int(state.range(0));
    DrawStore store(analysisHistory(draws));
    RecordingDialogs dialogs;
    TFrm_DataCount window(store, dialogs);
    setRange(window, "SeSkinComboBox1", "SeSkinComboBox2", wholeHistory(draws));
    window.findChild<QRadioButton*>(kStatistics[state.range(1)])->setChecked(true);
    for (auto _ : state)
        window.SeSkinButton1Click();
    reportErrors(state, dialogs);
}

void statisticArgs(benchmark::internal::Benchmark* b)
{
    for (int draws : {10'000, 1'000'000})
        for (int kind = 0; kind < 6; ++kind)
            b->Args({draws, kind});
}
BENCHMARK(BM_Statistic)->Apply(statisticArgs)->ArgNames({"draws", "kind"})->Unit(benchmark::kMillisecond);

// All six statistics of 数据统计 from one read of the range and one pass over
// it, as the window computes them before showing any. Target: 3 ms at 10,000.
void BM_SixStatistics(benchmark::State& state)
{
    const int draws = int(state.range(0));
    DrawStore store(analysisHistory(draws));
    const auto [first, last] = wholeHistory(draws);
    for (auto _ : state)
        benchmark::DoNotOptimize(rangeStatistics(store.issueNumbers(first, last)));
}
BENCHMARK(BM_SixStatistics)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_NumbersNeverDrawnPerCandidate(benchmark::State& state)
{
    const Database db(analysisHistory(int(state.range(0))), DrawStore::kKey);
    const Range range = benchRange(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(numbersNeverDrawnPerCandidate(db, tableName(Game::Fucai), range.first, range.last));
}
BENCHMARK(BM_NumbersNeverDrawnPerCandidate)
    ->ArgsProduct({{10'000, 1'000'000}, {0, 100}})
    ->ArgNames({"draws", "newest"})
    ->Unit(benchmark::kMillisecond);

void BM_NumbersNeverDrawn(benchmark::State& state)
{
    const Database db(analysisHistory(int(state.range(0))), DrawStore::kKey);
    const Range range = benchRange(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            NumbersNeverDrawn(drawnNumbers(db, tableName(Game::Fucai), range.first, range.last)));
}
BENCHMARK(BM_NumbersNeverDrawn)
    ->ArgsProduct({{10'000, 1'000'000}, {0, 100}})
    ->ArgNames({"draws", "newest"})
    ->Unit(benchmark::kMillisecond);

void BM_SumsNeverDrawnPerCandidate(benchmark::State& state)
{
    const Database db(analysisHistory(int(state.range(0))), DrawStore::kKey);
    const Range range = benchRange(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(sumsNeverDrawnPerCandidate(db, tableName(Game::Fucai), range.first, range.last));
}
BENCHMARK(BM_SumsNeverDrawnPerCandidate)
    ->ArgsProduct({{10'000, 1'000'000}, {0, 100}})
    ->ArgNames({"draws", "newest"})
    ->Unit(benchmark::kMillisecond);

void BM_SumsNeverDrawn(benchmark::State& state)
{
    const Database db(analysisHistory(int(state.range(0))), DrawStore::kKey);
    const Range range = benchRange(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(SumsNeverDrawn(drawnSums(db, tableName(Game::Fucai), range.first, range.last)));
}
BENCHMARK(BM_SumsNeverDrawn)
    ->ArgsProduct({{10'000, 1'000'000}, {0, 100}})
    ->ArgNames({"draws", "newest"})
    ->Unit(benchmark::kMillisecond);

void BM_OmissionTable(benchmark::State& state)
{
    benchApplication();
    const int draws = int(state.range(0));
    DrawStore store(analysisHistory(draws));
    RecordingDialogs dialogs;
    TFrm_LanqiuYilou window(store, dialogs, [] { return QStringLiteral("40"); });
    setRange(window, "cmb1", "cmb2", wholeHistory(draws));
    for (auto _ : state)
        window.SeSkinButton1Click();
    reportErrors(state, dialogs);
}
BENCHMARK(BM_OmissionTable)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_HistoryAnalysis(benchmark::State& state)
{
    benchApplication();
    const int draws = int(state.range(0));
    DrawStore store(analysisHistory(draws));
    RecordingDialogs dialogs;
    TFrm_DataAnalyse window(store, dialogs, [] { return QStringLiteral("40"); });
    // Its issue lists are not editable: fill them as showing the window does.
    window.FormShow();
    window.findChild<QComboBox*>("ComboBox1")->setCurrentIndex(0);
    for (auto _ : state)
        window.SpeedButton1Click();
    reportErrors(state, dialogs);
}
BENCHMARK(BM_HistoryAnalysis)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

const char* const kTrends[] = {"SeSkinRadioButton1", "SeSkinRadioButton2", "SeSkinRadioButton6"};

// Arg 0: draws; arg 1: prime/composite, route, span.
void BM_Trend(benchmark::State& state)
{
    benchApplication();
    const int draws = int(state.range(0));
    DrawStore store(analysisHistory(draws));
    RecordingDialogs dialogs;
    TFrm_Trend window(store, dialogs);
    setRange(window, "SeSkinComboBox1", "SeSkinComboBox2", wholeHistory(draws));
    window.findChild<QRadioButton*>(kTrends[state.range(1)])->setChecked(true);
    for (auto _ : state)
        window.SeSkinButton1Click();
    reportErrors(state, dialogs);
}
BENCHMARK(BM_Trend)
    ->ArgsProduct({{10'000, 1'000'000}, {0, 1, 2}})
    ->ArgNames({"draws", "kind"})
    ->Unit(benchmark::kMillisecond);

// A pasted bet list of 10 MB (2.6 million lines) checked against one draw.
// The check reads the text in place; filling the memo is the widget's own
// cost (the text document's, a block per line) and is measured apart.
// Measured (RelWithDebInfo, a shared 2-core machine): the check 45 ms, the
// query with the memo's copy of its text 0.4 s, filling the memo 13 s.
QString tenMegabyteBets()
{
    QString text;
    text.reserve(10 << 20);
    while (text.size() < (10 << 20))
        text += QStringLiteral("123\n");
    return text;
}

void BM_BatchPrizeCheck(benchmark::State& state)
{
    const QString text = tenMegabyteBets();
    for (auto _ : state)
        benchmark::DoNotOptimize(checkTicketList(text, 123, TicketKind::Direct));
}
BENCHMARK(BM_BatchPrizeCheck)->Unit(benchmark::kMillisecond);

// Arg 0: 1 times the query alone on a filled memo, 0 the filling of the memo.
void BM_PrizeCheckWindow(benchmark::State& state)
{
    benchApplication();
    QTemporaryDir dir;
    const QString path = dir.filePath(DrawStore::kFileName);
    DrawStore::createEmpty(path);
    DrawStore store(path);
    store.append(deriveDrawRecord(QStringLiteral("08123"), QStringLiteral("123"), QString()));
    RecordingDialogs dialogs;
    TFrm_IsPrize window(store, dialogs);
    window.FormShow();
    auto* memo = window.findChild<QPlainTextEdit*>("Memo1");
    const QString text = tenMegabyteBets();
    if (state.range(0) == 1)
        memo->setPlainText(text);
    for (auto _ : state) {
        if (state.range(0) == 1)
            window.SeSkinButton1Click();
        else
            memo->setPlainText(text);
    }
    reportErrors(state, dialogs);
}
BENCHMARK(BM_PrizeCheckWindow)->Arg(1)->Arg(0)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
