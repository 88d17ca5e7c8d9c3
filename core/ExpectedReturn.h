#pragma once

// What bets return on average when every number 000-999 is equally likely:
// the cost, the chance that the next draw wins with one of them, and the
// prize paid back per yuan spent.

#include "core/BetGeneration.h"

#include <QString>

struct BetReturn
{
    qint64 bets = 0;
    qint64 cost = 0;          // yuan, 2 per bet
    double hitChance = 0;     // the next draw wins with at least one of the bets
    double expectedPrize = 0; // yuan the next draw pays on average
    double returnRate = 0;    // prize paid back per yuan spent: 0.52 for 直选, whatever the bets
};

// `bets` bets of `kind`, all different.
BetReturn expectedReturn(BetKind kind, qint64 bets);
// `bets` bets of which `differentBets` are different: a repeated bet costs
// and pays again but wins no more often.
BetReturn expectedReturn(BetKind kind, qint64 bets, qint64 differentBets);

namespace ReturnText {
QString rate(double returnRate); // "理论返还率 52.0%"
QString summary(const BetReturn& r); // "成本 20 元，下期中奖机会 1.0%，理论返还 10.40 元，理论返还率 52.0%"
} // namespace ReturnText
