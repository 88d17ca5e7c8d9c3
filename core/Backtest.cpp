#include "core/Backtest.h"

#include "core/DrawRecord.h"

#include <algorithm>
#include <array>

namespace {

std::array<int, 3> sortedDigits(int value)
{
    std::array<int, 3> digits{value / 100, value / 10 % 10, value % 10};
    std::sort(digits.begin(), digits.end());
    return digits;
}

int prizeOf(BetKind kind)
{
    switch (kind) {
    case BetKind::Direct:
        return BacktestPrices::kDirect;
    case BetKind::Group3:
        return BacktestPrices::kGroup3;
    case BetKind::Group6:
        return BacktestPrices::kGroup6;
    }
    return 0;
}

} // namespace

bool betWins(const Bet& bet, const QString& number, BetKind kind)
{
    if (!isDrawNumber(number))
        return false;
    const int drawn = number.toInt();
    if (kind == BetKind::Direct)
        return bet.value == drawn;
    return sortedDigits(bet.value) == sortedDigits(drawn);
}

BacktestResult runBacktest(const QString& digits1, const QString& digits2, const QString& digits3, BetKind kind,
                           const GenerationConditions& conditions, const std::vector<BacktestDraw>& draws)
{
    BacktestResult result;
    result.rows.reserve(draws.size());
    BacktestSummary& s = result.summary;
    for (const BacktestDraw& draw : draws) {
        const GenerationResult generated =
            generateBets(digits1, digits2, digits3, kind, conditions, draw.previousNumber);
        BacktestRow row;
        row.issue = draw.issue;
        row.number = draw.number;
        row.bets = int(generated.bets.size());
        // A group bet wins once even if the list held the digits twice.
        row.hit = std::any_of(generated.bets.begin(), generated.bets.end(),
                              [&](const Bet& bet) { return betWins(bet, draw.number, kind); });
        row.cost = qint64(row.bets) * BacktestPrices::kPerBet;
        row.prize = row.hit ? prizeOf(kind) : 0;
        ++s.draws;
        s.hits += row.hit ? 1 : 0;
        s.bets += row.bets;
        s.cost += row.cost;
        s.prize += row.prize;
        row.cumulativeNet = s.net();
        result.rows.push_back(row);
    }
    return result;
}
