#pragma once

// A selection tried on past draws: for each draw, the bets the selection
// would have generated just before it (the draw before it standing as the
// latest draw), whether the drawn number was among them, what they cost and
// what they won.

#include "core/BetGeneration.h"

#include <QString>
#include <vector>

struct BacktestDraw
{
    QString issue;
    QString number;         // the drawn number
    QString previousNumber; // the draw before it; empty when none is stored
};

struct BacktestRow
{
    QString issue;
    QString number;
    int bets = 0;
    int covered = 0; // how many of the 1000 numbers the bets win on: chance hits the draw with covered / 1000
    bool hit = false;
    qint64 cost = 0;  // yuan
    qint64 prize = 0; // yuan
    qint64 cumulativeNet = 0;
};

struct BacktestSummary
{
    int draws = 0;
    int hits = 0;
    qint64 bets = 0;
    qint64 cost = 0;
    qint64 prize = 0;
    qint64 net() const { return prize - cost; }
    double hitRate() const { return draws ? double(hits) / draws : 0; }
    double returnRatio() const { return cost ? double(prize) / cost : 0; } // prize per yuan spent
};

struct BacktestResult
{
    std::vector<BacktestRow> rows;
    BacktestSummary summary;
};

namespace BacktestPrices {
constexpr int kPerBet = 2;
constexpr int kDirect = 1040;
constexpr int kGroup3 = 346;
constexpr int kGroup6 = 173;
} // namespace BacktestPrices

// The prize in yuan of one winning bet of `kind`.
int prizeOf(BetKind kind);
// 0-999 with its digits in ascending order (894 -> 489): the class a group bet wins on.
int sortedValue(int value);

// True when `number` wins with `bet` of `kind`: the same digits in the same
// order for 直选, in any order for 组选3 and 组选6.
bool betWins(const Bet& bet, const QString& number, BetKind kind);

BacktestResult runBacktest(const QString& digits1, const QString& digits2, const QString& digits3, BetKind kind,
                           const GenerationConditions& conditions, const std::vector<BacktestDraw>& draws);
