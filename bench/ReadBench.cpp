// Reading a history of 10,000 draws, in every shape the readers take, within
// 0.5 s: the text of a file or page to the checked draws, the workbook from
// its file. Storing is measured by ExchangeBench.

#include "bench/SyntheticHistory.h"
#include "exchange/HistoryFile.h"
#include "core/DrawRecord.h"
#include "exchange/DrawText.h"
#include "exchange/HistoryWorkbook.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kDraws = 10'000;

QString numberOf(int n)
{
    return QStringLiteral("%1").arg((n * 7919) % 1000, 3, 10, QLatin1Char('0'));
}

// 0 a CSV with its header, 1 plain lines with a date and trailing fields,
// 2 a tabbed table with 试机号 before the number, 3 the welfare lottery's
// JSON, 4 the marker page, 5 one line 10,000 times (one draw).
QString historyText(int shape)
{
    QStringList lines;
    if (shape == 0)
        lines << QStringLiteral("期号,开奖日期,开奖号码");
    if (shape == 2)
        lines << QStringLiteral("期号\t开奖日期\t试机号\t开奖号码\t销售额(元)");
    QStringList entries;
    for (int n = 0; n < kDraws; ++n) {
        const QString issue = possibleIssue(n);
        const QString number = numberOf(n);
        switch (shape) {
        case 0:
            lines << QStringLiteral("%1,2020-01-01,%2").arg(issue, number);
            break;
        case 1:
            lines << QStringLiteral("%1 2020-01-01 %2 1 2 3 0 0 0 0").arg(issue, number);
            break;
        case 2:
            lines << QStringLiteral("%1\t2020-01-01(六)\t1 2 3\t%2\t29876544").arg(issue, number);
            break;
        case 3:
            entries << QStringLiteral(R"j({"code":"%1","date":"2020-01-01(六)","red":"%2"})j")
                           .arg(issue, number.mid(0, 1) + u',' + number.mid(1, 1) + u',' + number.mid(2, 1));
            break;
        case 4:
            entries << issue.mid(2) + QStringLiteral("期") + number;
            break;
        default:
            lines << QStringLiteral("2025001,2020-01-01,507");
            break;
        }
    }
    if (shape == 3)
        return QStringLiteral(R"({"state":0,"result":[)") + entries.join(u',') + QStringLiteral("]}");
    if (shape == 4)
        return QStringLiteral("开奖公告\n3D号码：") + entries.join(u' ') + u' ';
    return lines.join(u'\n');
}

void BM_ReadHistoryText(benchmark::State& state)
{
    const int shape = int(state.range(0));
    const QString text = historyText(shape);
    const size_t expected = shape == 5 ? 1 : kDraws;
    for (auto _ : state) {
        const ImportFile file = readDrawText(text, Game::Fucai);
        if (file.draws.size() != expected)
            state.SkipWithError("not every draw was read");
    }
    state.SetItemsProcessed(state.iterations() * kDraws);
}
BENCHMARK(BM_ReadHistoryText)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

// The exported workbook of 10,000 draws, read from its file.
void BM_ReadHistoryWorkbook(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("history.xlsx"));
    std::vector<DrawRecord> draws;
    for (int n = 0; n < kDraws; ++n)
        draws.push_back(deriveDrawRecord(possibleIssue(n), numberOf(n), QString()));
    writeHistoryWorkbook(path, draws);
    for (auto _ : state) {
        const ImportFile file = readImportFile(path, Game::Fucai);
        if (file.draws.size() != size_t(kDraws))
            state.SkipWithError("not every draw was read");
    }
    state.SetItemsProcessed(state.iterations() * kDraws);
}
BENCHMARK(BM_ReadHistoryWorkbook)->Unit(benchmark::kMillisecond);

} // namespace
