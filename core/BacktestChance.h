#pragma once

// A backtest beside pure chance: had the draws been fair, draw i hits the
// bets with chance covered_i / 1000, independently, so the hit draws follow
// the Poisson-binomial distribution of those chances and the net, hits ×
// prize − cost, follows it too.

#include "core/Backtest.h"
#include "core/HitDistribution.h"

#include <QString>
#include <set>
#include <vector>

enum class ChanceVerdict
{
    Better,     // at least this many hits has a chance below kDepartureLevel
    Consistent, //
    Worse       // fewer hits than expected, and at most this many has a chance below kDepartureLevel
};

struct BacktestChance
{
    BetKind kind = BetKind::Direct;
    qint64 draws = 0;
    qint64 hits = 0;
    qint64 cost = 0;
    double expectedHits = 0;
    qint64 lowHits = 0, highHits = 0; // 90% of chance's outcomes lie between (5% and 95%)
    double atLeast = 1;               // P(H ≥ hits): the p值 of doing this well
    double atMost = 1;                // P(H ≤ hits): the p值 of doing this badly
    ChanceVerdict verdict = ChanceVerdict::Consistent;

    bool belowExpected() const { return double(hits) < expectedHits; }
    // The net of a number of hits: every hit of one kind pays the same.
    double netOf(double hitCount) const { return hitCount * prizeOf(kind) - double(cost); }
};

// Draws per coverage 0..1000.
std::vector<std::int64_t> drawsByCoverage(const std::vector<BacktestRow>& rows);
// The verdict of `hits` against `distribution`.
ChanceVerdict verdictOf(const HitDistribution& distribution, qint64 hits);
BacktestChance backtestChance(const BacktestResult& result, BetKind kind);

// Chance after each draw of the backtest: the expected hits and net so far
// and the net's 5%–95% band (the normal approximation of the running sum,
// kept between no hit and a hit every draw).
struct ChancePoint
{
    double expectedHits = 0;
    double expectedNet = 0;
    double lowNet = 0, highNet = 0;
};
std::vector<ChancePoint> chanceBand(const BacktestResult& result, BetKind kind);

// 1 − 0.99^k: how likely at least one of k tries of pure chance looks "好于随机".
double falseAlarmChance(int tries);

// What tells selections apart: digits, kind and the conditions that are
// ticked (an unticked condition's bounds change nothing).
QString selectionKey(const QString& digits1, const QString& digits2, const QString& digits3, BetKind kind,
                     const GenerationConditions& conditions);

// The distinct selections tried, as selectionKey tells them apart.
class BacktestTries
{
public:
    // Counts the selection once however often it is tried; returns the count.
    int record(const QString& digits1, const QString& digits2, const QString& digits3, BetKind kind,
               const GenerationConditions& conditions);
    int count() const { return int(m_keys.size()); }

private:
    std::set<QString> m_keys;
};

namespace ChanceText {
extern const QString kBetter;     // "好于随机（p<0.01）"
extern const QString& kConsistent; // "与随机相符", as the randomness check says it
extern const QString kWorse;      // "差于随机（p<0.01）"
extern const QString kPValueTip;  // what a p值 is, for the summary's tooltip
QString verdict(ChanceVerdict verdict);
QString pValue(double p); // "0.0123", "<0.0001"
// "纯随机平均中奖 E 期（90% 的情况在 a–b 期之间）；本方案中奖 h 期，…"
QString hits(const BacktestChance& chance);
// The same in 元.
QString net(const BacktestChance& chance);
// Said once more than one selection has been tried; empty before.
QString tries(int count);
} // namespace ChanceText
