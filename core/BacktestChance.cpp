#include "core/BacktestChance.h"

#include "core/RandomnessCheck.h"

#include <cmath>

namespace {

// The normal distribution's 95% point: mean ± 1.645 sd holds 90%.
constexpr double kBandWidth = 1.6448536269514722;

// One decimal, or two significant digits below 1 (a few bets over a few draws expect 0.005 hits).
QString figure(double value)
{
    return std::abs(value) < 1 && value != 0 ? QString::number(value, 'g', 2) : QString::number(value, 'f', 1);
}

// "，p值（≥h 期）0.0123" and, below the mean, the lower tail too.
QString pValues(const BacktestChance& c, const QString& observed, const QString& unit)
{
    QString text = QStringLiteral("，p值（≥%1 %2）%3").arg(observed, unit, ChanceText::pValue(c.atLeast));
    if (c.belowExpected())
        text += QStringLiteral("，p值（≤%1 %2）%3").arg(observed, unit, ChanceText::pValue(c.atMost));
    return text + QStringLiteral("：") + ChanceText::verdict(c.verdict) + QStringLiteral("。");
}

void addTicked(QStringList& key, const char* name, const RangeCondition& r)
{
    if (r.ticked)
        key << QStringLiteral("%1=%2-%3").arg(QLatin1String(name)).arg(r.low).arg(r.high);
}

void addTicked(QStringList& key, const char* name, const ValueSetCondition& s)
{
    if (s.ticked)
        key << QStringLiteral("%1=%2").arg(QLatin1String(name)).arg(s.values);
}

} // namespace

std::vector<std::int64_t> drawsByCoverage(const std::vector<BacktestRow>& rows)
{
    std::vector<std::int64_t> counts(1001, 0);
    for (const BacktestRow& row : rows)
        ++counts[size_t(std::clamp(row.covered, 0, 1000))];
    return counts;
}

ChanceVerdict verdictOf(const HitDistribution& distribution, qint64 hits)
{
    if (distribution.atLeast(hits) < kDepartureLevel)
        return ChanceVerdict::Better;
    if (double(hits) < distribution.mean() && distribution.atMost(hits) < kDepartureLevel)
        return ChanceVerdict::Worse;
    return ChanceVerdict::Consistent;
}

BacktestChance backtestChance(const BacktestResult& result, BetKind kind)
{
    const HitDistribution d = HitDistribution::ofCoverage(drawsByCoverage(result.rows));
    BacktestChance c;
    c.kind = kind;
    c.draws = result.summary.draws;
    c.hits = result.summary.hits;
    c.cost = result.summary.cost;
    c.expectedHits = d.mean();
    c.lowHits = d.quantile(0.05);
    c.highHits = d.quantile(0.95);
    c.atLeast = d.atLeast(c.hits);
    c.atMost = d.atMost(c.hits);
    c.verdict = verdictOf(d, c.hits);
    return c;
}

std::vector<ChancePoint> chanceBand(const BacktestResult& result, BetKind kind)
{
    std::vector<ChancePoint> band;
    band.reserve(result.rows.size());
    const double prize = prizeOf(kind);
    double mean = 0, variance = 0, cost = 0;
    int draws = 0;
    for (const BacktestRow& row : result.rows) {
        const double p = std::clamp(row.covered, 0, 1000) / 1000.0;
        mean += p;
        variance += p * (1 - p);
        cost += double(row.cost);
        ++draws;
        // The normal band, kept to the hits that can happen (none to every draw).
        const double spread = kBandWidth * std::sqrt(variance);
        const double low = std::max(0.0, mean - spread), high = std::min(double(draws), mean + spread);
        band.push_back({mean, mean * prize - cost, low * prize - cost, high * prize - cost});
    }
    return band;
}

double falseAlarmChance(int tries)
{
    return 1 - std::pow(1 - kDepartureLevel, std::max(0, tries));
}

QString selectionKey(const QString& digits1, const QString& digits2, const QString& digits3, BetKind kind,
                     const GenerationConditions& c)
{
    QStringList key{digits1, digits2, digits3, QString::number(int(kind))};
    addTicked(key, "sum", c.sum), addTicked(key, "odd", c.odd), addTicked(key, "big", c.big);
    addTicked(key, "ac", c.ac), addTicked(key, "same", c.same), addTicked(key, "span", c.span);
    addTicked(key, "prime", c.prime), addTicked(key, "route0", c.route0), addTicked(key, "route1", c.route1);
    if (c.singleSums) {
        QStringList sums;
        for (int sum : *c.singleSums)
            sums << QString::number(sum);
        key << QStringLiteral("sums=") + sums.join(QLatin1Char(','));
    }
    if (c.limit)
        key << QStringLiteral("limit=%1").arg(*c.limit);
    const ExtendedConditions& e = c.extended;
    addTicked(key, "dan", e.dan);
    if (e.dan.ticked)
        key << QStringLiteral("danMode=%1").arg(int(e.danMode));
    addTicked(key, "kill", e.kill), addTicked(key, "sumExcluded", e.sumExcluded);
    addTicked(key, "spanExcluded", e.spanExcluded), addTicked(key, "sumTail", e.sumTail);
    addTicked(key, "shape", e.shape), addTicked(key, "run", e.run), addTicked(key, "bigSmall", e.bigSmall);
    addTicked(key, "oddEven", e.oddEven), addTicked(key, "primeComposite", e.primeComposite);
    addTicked(key, "route", e.route), addTicked(key, "pairSumTail", e.pairSumTail);
    addTicked(key, "pairDiff", e.pairDiff), addTicked(key, "repeat", e.repeat);
    addTicked(key, "neighbour", e.neighbour);
    return key.join(QLatin1Char(';'));
}

int BacktestTries::record(const QString& digits1, const QString& digits2, const QString& digits3, BetKind kind,
                          const GenerationConditions& conditions)
{
    m_keys.insert(selectionKey(digits1, digits2, digits3, kind, conditions));
    return count();
}

namespace ChanceText {
const QString kBetter = QStringLiteral("好于随机（p<0.01）");
const QString& kConsistent = RandomnessText::kFits;
const QString kWorse = QStringLiteral("差于随机（p<0.01）");
const QString kPValueTip = QStringLiteral(
    "p值：假如开奖纯属随机、这些投注毫无本事，得到本方案这样好（≥）或这样差（≤）甚至更极端结果的机会。"
    "p值小于 0.01 才说“好于随机”或“差于随机”；否则结果与碰运气无法区分。\n"
    "注意：在同一段开奖上反复调整条件、挑出回测最好的一组，总能找到 p值很小的方案——"
    "它只说明条件贴合了这段历史，不说明它能预测以后。方案保存之后的开奖（“保存后”）才是诚实的检验。");

QString verdict(ChanceVerdict verdict)
{
    switch (verdict) {
    case ChanceVerdict::Better:
        return kBetter;
    case ChanceVerdict::Worse:
        return kWorse;
    case ChanceVerdict::Consistent:
        break;
    }
    return kConsistent;
}

QString pValue(double p)
{
    return p < 0.0001 ? QStringLiteral("<0.0001") : QString::number(p, 'f', 4);
}

QString hits(const BacktestChance& c)
{
    const QString observed = QString::number(c.hits);
    return QStringLiteral("纯随机平均中奖 %1 期（90% 的情况在 %2–%3 期之间）；本方案中奖 %4 期")
               .arg(figure(c.expectedHits))
               .arg(c.lowHits)
               .arg(c.highHits)
               .arg(observed) +
           pValues(c, observed, QStringLiteral("期"));
}

QString net(const BacktestChance& c)
{
    const QString observed = QString::number(c.netOf(double(c.hits)), 'f', 0);
    return QStringLiteral("纯随机平均盈亏 %1 元（90% 的情况在 %2–%3 元之间）；本方案盈亏 %4 元")
               .arg(figure(c.netOf(c.expectedHits)))
               .arg(c.netOf(double(c.lowHits)), 0, 'f', 0)
               .arg(c.netOf(double(c.highHits)), 0, 'f', 0)
               .arg(observed) +
           pValues(c, observed, QStringLiteral("元"));
}

QString tries(int count)
{
    if (count < 2)
        return {};
    return QStringLiteral("本次已回测 %1 组不同条件：即使每组都毫无本事，至少一组碰巧显得“好于随机”的机会也有 %2%。")
        .arg(count)
        .arg(falseAlarmChance(count) * 100, 0, 'f', 1);
}
} // namespace ChanceText
