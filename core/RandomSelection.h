#pragma once

// Random selection: different bets drawn uniformly from the numbers 000 to
// 999 that pass the ticked conditions; asked for more than pass, it gives
// every one of them.

#include "core/BetConditions.h"
#include "core/ExtendedConditions.h"

#include <QString>
#include <optional>

// "和数限制", "奇数个数", "大数个数", "AC值范围", "同号个数", and the
// extended conditions while "同时使用扩展过滤" is ticked.
struct RandomConditions : CountConditions
{
    bool useExtended = false;
    ExtendedConditions extended;
};

// The wanted count of a count text, or the message that ends the run (the
// count checks, then the range checks, in their order).
struct RandomRequest
{
    int count = 0;
    QString problem; // empty when the run may go on
};
RandomRequest checkRandomSelection(const QString& countText, const RandomConditions& conditions);

struct RandomResult
{
    BetList bets;      // all different, in the order drawn
    int available = 0; // how many numbers pass the conditions
    bool gaveUp = false; // bets were asked for and no number passes
};

// `latestNumber` is the latest stored draw (empty when none) for the
// same-number count; `seed` starts the run's generator.
RandomResult selectRandomBets(int count, const RandomConditions& conditions, const QString& latestNumber, quint32 seed);
