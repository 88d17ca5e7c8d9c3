#include "core/RandomSelection.h"

#include "core/BetFilter.h"
#include "core/ConversionError.h"
#include "core/SelectionText.h"

#include <array>
#include <random>

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
    // The conditions depend on the number alone: decided once for each of
    // the thousand numbers, then every draw is a lookup.
    GenerationConditions all;
    static_cast<CountConditions&>(all) = conditions;
    if (conditions.useExtended)
        all.extended = conditions.extended;
    const BetFilter filter(all);
    const LatestDigits latest = LatestDigits::of(latestNumber);
    std::array<bool, 1000> passes{};
    for (int value = 0; value < 1000; ++value)
        passes[size_t(value)] = filter.passes(value, latest);

    RandomResult result;
    std::mt19937 engine(seed);
    std::uniform_int_distribution<int> number(0, 999);
    int draws = 0;
    while (int(result.bets.size()) < count) {
        if (draws == RandomLimits::kMaxDraws) {
            result.gaveUp = true;
            break;
        }
        ++draws;
        const int value = number(engine);
        if (passes[value])
            result.bets.push_back(Bet{value});
    }
    return result;
}
