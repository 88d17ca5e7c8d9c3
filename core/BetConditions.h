#pragma once

// The kinds of bet and the conditions a selection runs under, which bet
// generation, the filter that judges them and random selection share.

#include "core/Bet.h"
#include "core/ExtendedConditions.h"

#include <optional>
#include <vector>

enum class BetKind
{
    Direct, // 直选: the three digits in their positions
    Group3, // 组选3: exactly two equal digits, one bet per pair and single digit
    Group6  // 组选6: three different digits, written ascending
};

// The range conditions that bet generation and random selection share:
// sum, odd digits, big digits, AC value, same-number count.
struct CountConditions
{
    RangeCondition sum, odd, big, ac, same;
};

struct GenerationConditions : CountConditions
{
    RangeCondition span, prime, route0, route1;
    std::optional<std::vector<int>> singleSums; // ticked: the sums a bet may have
    std::optional<int> limit;                   // ticked: the bet-count limit
    ExtendedConditions extended;                // "扩展过滤"
};
