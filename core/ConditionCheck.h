#pragma once

// "条件验证": how each ticked condition would have done on past draws. For
// each draw, with the draw before it standing as the latest draw, the drawn
// number (its ascending digits for the group kinds) is tested against each
// ticked condition and against all of them together.

#include "core/Backtest.h"
#include "core/BetFilter.h"

#include <optional>
#include <vector>

struct ConditionCheckRow
{
    std::optional<ConditionId> condition; // none: all ticked conditions together
    int draws = 0;                        // the draws judged
    int kept = 0;                         // draws whose number the condition let through
    int currentMiss = 0;                  // the latest draws thrown away in a row
    int longestMiss = 0;                  // the longest such run
    double keptShare() const { return draws ? double(kept) / draws : 0; }
};

// One row per ticked condition in test order, then the row of all together.
// Draws oldest first; a drawn number that is not three digits is not judged.
std::vector<ConditionCheckRow> checkConditions(const GenerationConditions& conditions, BetKind kind,
                                               const std::vector<BacktestDraw>& draws);
