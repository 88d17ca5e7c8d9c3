#include "core/ExpectedReturn.h"

#include "core/Backtest.h"

#include <algorithm>

namespace {

// How many of the 1000 numbers one bet of `kind` wins on.
int winningNumbers(BetKind kind)
{
    return kind == BetKind::Group3 ? 3 : kind == BetKind::Group6 ? 6 : 1;
}

QString percent(double share)
{
    return QString::number(share * 100, 'f', 1) + QLatin1Char('%');
}

} // namespace

BetReturn expectedReturn(BetKind kind, qint64 bets)
{
    return expectedReturn(kind, bets, bets);
}

BetReturn expectedReturn(BetKind kind, qint64 bets, qint64 differentBets)
{
    const int yuan = prizeOf(kind);
    const double chancePerBet = winningNumbers(kind) / 1000.0;
    BetReturn r;
    r.bets = std::max<qint64>(0, bets);
    r.cost = r.bets * BacktestPrices::kPerBet;
    // Different bets of one kind win on different numbers.
    r.hitChance = std::min(1.0, double(std::clamp<qint64>(differentBets, 0, r.bets)) * chancePerBet);
    r.expectedPrize = double(r.bets) * chancePerBet * yuan;
    r.returnRate = chancePerBet * yuan / BacktestPrices::kPerBet;
    return r;
}

namespace ReturnText {
QString rate(double returnRate)
{
    return QStringLiteral("理论返还率 ") + percent(returnRate);
}

QString summary(const BetReturn& r)
{
    return QStringLiteral("成本 %1 元，下期中奖机会 %2，理论返还 %3 元，%4")
        .arg(r.cost)
        .arg(percent(r.hitChance))
        .arg(QString::number(r.expectedPrize, 'f', 2))
        .arg(rate(r.returnRate));
}
} // namespace ReturnText
