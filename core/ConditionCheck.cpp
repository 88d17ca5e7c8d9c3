#include "core/ConditionCheck.h"

#include "core/NumberText.h"

#include "core/DrawRecord.h"

#include <algorithm>
#include <array>

namespace {

void count(ConditionCheckRow& row, bool kept)
{
    ++row.draws;
    if (kept) {
        ++row.kept;
        row.currentMiss = 0;
    } else {
        row.longestMiss = std::max(row.longestMiss, ++row.currentMiss);
    }
}

int asBet(int drawn, BetKind kind)
{
    if (kind == BetKind::Direct)
        return drawn;
    std::array<int, 3> d{drawn / 100, drawn / 10 % 10, drawn % 10};
    std::sort(d.begin(), d.end());
    return d[0] * 100 + d[1] * 10 + d[2];
}

} // namespace

std::vector<ConditionCheckRow> checkConditions(const GenerationConditions& conditions, BetKind kind,
                                               const std::vector<BacktestDraw>& draws)
{
    const std::vector<ConditionId> ticked = tickedConditions(conditions);
    std::vector<ConditionCheckRow> rows(ticked.size() + 1);
    for (size_t i = 0; i < ticked.size(); ++i)
        rows[i].condition = ticked[i];
    for (const BacktestDraw& draw : draws) {
        const std::optional<int> value = numberValue(draw.number);
        if (!value)
            continue;
        const NumberTraits& number = traitsOf(asBet(*value, kind));
        const LatestDigits latest = LatestDigits::of(draw.previousNumber);
        bool all = true;
        for (size_t i = 0; i < ticked.size(); ++i) {
            const bool kept = conditionHolds(ticked[i], conditions, number, latest);
            count(rows[i], kept);
            all = all && kept;
        }
        count(rows.back(), all);
    }
    return rows;
}
