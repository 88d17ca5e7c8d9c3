#include "core/RandomSelection.h"

#include "core/BetFilter.h"
#include "core/ConversionError.h"
#include "core/SelectionText.h"

#include <algorithm>
#include <random>
#include <vector>

RandomRequest checkRandomSelection(const QString& countText, const RandomConditions& conditions)
{
    if (countText.isEmpty())
        return {0, SelectText::kNoRandomCount};
    int count = 0;
    try {
        count = toIntStrict(countText);
    } catch (const ConversionError&) {
        return {0, SelectText::kBadRandomCount};
    }
    if (conditions.sum.inverted())
        return {count, SelectText::kBadSumRange};
    if (conditions.odd.inverted())
        return {count, SelectText::kBadOddRange};
    if (conditions.big.inverted())
        return {count, SelectText::kBadBigRange};
    if (conditions.useExtended && conditions.extended.repeat.inverted())
        return {count, SelectText::kBadRepeatRange};
    if (conditions.useExtended && conditions.extended.neighbour.inverted())
        return {count, SelectText::kBadNeighbourRange};
    return {count, {}};
}

RandomResult selectRandomBets(int count, const RandomConditions& conditions, const QString& latestNumber, quint32 seed)
{
    // The conditions depend on the number alone: the numbers that pass are
    // known before anything is drawn.
    GenerationConditions all;
    static_cast<CountConditions&>(all) = conditions;
    if (conditions.useExtended)
        all.extended = conditions.extended;
    const BetFilter filter(all);
    const LatestDigits latest = LatestDigits::of(latestNumber);
    std::vector<int> passing;
    for (int value = 0; value < 1000; ++value)
        if (filter.passes(value, latest))
            passing.push_back(value);

    RandomResult result;
    result.available = int(passing.size());
    result.gaveUp = count > 0 && passing.empty();
    // A partial shuffle: each step draws one of the numbers not yet taken.
    std::mt19937 engine(seed);
    const int wanted = std::clamp(count, 0, result.available);
    for (int i = 0; i < wanted; ++i) {
        std::uniform_int_distribution<int> pick(i, result.available - 1);
        std::swap(passing[size_t(i)], passing[size_t(pick(engine))]);
        result.bets.push_back(Bet{passing[size_t(i)]});
    }
    return result;
}
