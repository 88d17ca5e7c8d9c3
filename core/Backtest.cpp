#include "core/Backtest.h"

#include "core/NumberText.h"

#include "core/BetFilter.h"
#include "core/DrawRecord.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <optional>

namespace {

std::array<int, 3> sortedDigits(int value)
{
    std::array<int, 3> digits{value / 100, value / 10 % 10, value % 10};
    std::sort(digits.begin(), digits.end());
    return digits;
}

// How many numbers hold the digits of `value` in some order: 6, 3 or 1.
int orders(int value)
{
    const auto d = sortedDigits(value);
    return d[0] == d[2] ? 1 : d[0] == d[1] || d[1] == d[2] ? 3 : 6;
}

} // namespace

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

int sortedValue(int value)
{
    const auto d = sortedDigits(value);
    return d[0] * 100 + d[1] * 10 + d[2];
}

namespace {

// The bets of one latest draw, as much as a draw needs to know of them.
struct GeneratedBets
{
    int count = 0;
    int covered = 0;
    std::bitset<1000> winning; // the drawn values (ascending digits for group kinds) these bets win against
};

// The selection's bets for any latest draw. The candidates and the
// conditions that ignore the latest draw are settled once; the bets of each
// distinct latest draw are worked out once and kept.
class BetsByLatest
{
public:
    BetsByLatest(const QString& digits1, const QString& digits2, const QString& digits3, BetKind kind,
                 const GenerationConditions& conditions)
        : m_kind(kind), m_limit(conditions.limit), m_filter(conditions)
    {
        for (int value : candidateBets(digits1, digits2, digits3, kind))
            if (m_filter.passesFixed(value))
                m_candidates.push_back(value);
    }

    const GeneratedBets& forLatest(const QString& latestNumber)
    {
        const LatestDigits latest = LatestDigits::of(latestNumber);
        std::optional<GeneratedBets>& slot = m_known[size_t(m_filter.needsLatest() ? latest.key() : 0)];
        if (!slot)
            slot = generate(latest);
        return *slot;
    }

private:
    GeneratedBets generate(const LatestDigits& latest) const
    {
        GeneratedBets bets;
        for (int value : m_candidates) {
            if (!m_filter.passes(value, latest))
                continue;
            ++bets.count;
            bets.winning.set(size_t(m_kind == BetKind::Direct ? value : sortedValue(value)));
            // The same limit as a generation run: 0 still lets the first bet through.
            if (m_limit && bets.count >= std::max(*m_limit, 1))
                break;
        }
        for (int value = 0; value < 1000; ++value)
            if (bets.winning.test(size_t(value)))
                bets.covered += m_kind == BetKind::Direct ? 1 : orders(value);
        return bets;
    }

    BetKind m_kind;
    std::optional<int> m_limit;
    BetFilter m_filter;
    std::vector<int> m_candidates;
    std::array<std::optional<GeneratedBets>, 1331> m_known;
};

} // namespace

bool betWins(const Bet& bet, const QString& number, BetKind kind)
{
    const std::optional<int> drawn = numberValue(number);
    if (!drawn)
        return false;
    if (kind == BetKind::Direct)
        return bet.value == *drawn;
    return sortedDigits(bet.value) == sortedDigits(*drawn);
}

BacktestResult runBacktest(const QString& digits1, const QString& digits2, const QString& digits3, BetKind kind,
                           const GenerationConditions& conditions, const std::vector<BacktestDraw>& draws)
{
    BacktestResult result;
    result.rows.reserve(draws.size());
    BacktestSummary& s = result.summary;
    BetsByLatest bets(digits1, digits2, digits3, kind, conditions);
    for (const BacktestDraw& draw : draws) {
        const GeneratedBets& generated = bets.forLatest(draw.previousNumber);
        BacktestRow row;
        row.issue = draw.issue;
        row.number = draw.number;
        row.bets = generated.count;
        row.covered = generated.covered;
        // A group bet wins once even if the list held the digits twice.
        if (const std::optional<int> drawn = numberValue(draw.number))
            row.hit = generated.winning.test(size_t(kind == BetKind::Direct ? *drawn : sortedValue(*drawn)));
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
