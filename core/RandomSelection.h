#pragma once

// Random selection: bets drawn uniformly from 000 to 999 until enough pass
// the ticked conditions, giving up after a fixed number of draws. Repeats
// are allowed.

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

namespace RandomLimits {
inline constexpr int kMaxDraws = 1'000'000;
inline constexpr int kAskAbove = 100'000; // larger counts are confirmed first
} // namespace RandomLimits

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
    BetList bets;
    bool gaveUp = false; // the draws ran out before enough bets passed
};

// `latestNumber` is the latest stored draw (empty when none) for the
// same-number count; `seed` starts the run's generator.
RandomResult selectRandomBets(int count, const RandomConditions& conditions, const QString& latestNumber, quint32 seed);
