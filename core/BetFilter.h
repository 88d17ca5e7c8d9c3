#pragma once

// Every condition of the selection window, original and extended, by name:
// which are ticked, whether a number meets one, and a filter that decides
// what it can for all 1000 numbers at once and leaves per run only the
// conditions that look at the latest draw.

#include "core/BetConditions.h"
#include "core/ExtendedConditions.h"

#include <QString>
#include <array>
#include <vector>

// In the order a bet is tested: the ten original conditions, then the
// extended ones.
enum class ConditionId
{
    Sum,
    Odd,
    Big,
    Ac,
    Same,
    Span,
    Prime,
    Route0,
    Route1,
    SingleSums,
    Dan,
    Kill,
    SumExcluded,
    SpanExcluded,
    SumTail,
    Shape,
    Run,
    BigSmall,
    OddEven,
    PrimeComposite,
    Route,
    PairSumTail,
    PairDiff,
    Repeat,
    Neighbour
};
inline constexpr int kConditionCount = int(ConditionId::Neighbour) + 1;

// The condition's caption in the window ("和值范围", "胆码").
QString conditionName(ConditionId id);
// What the condition keeps, in one line, for its tooltip.
QString conditionHint(ConditionId id);
// Same-number, repeat and neighbour counts: they change with the latest draw.
bool dependsOnLatest(ConditionId id);

std::vector<ConditionId> tickedConditions(const GenerationConditions& c);
// Whether a number meets one condition (ticked or not).
bool conditionHolds(ConditionId id, const GenerationConditions& c, const NumberTraits& number,
                    const LatestDigits& latest);

class BetFilter
{
public:
    // Decides every condition that does not look at the latest draw for all
    // 1000 numbers.
    explicit BetFilter(const GenerationConditions& conditions);

    bool passesFixed(int value) const { return m_fixed[size_t(value)]; }
    bool needsLatest() const { return !m_latestConditions.empty(); }
    bool passes(int value, const LatestDigits& latest) const
    {
        if (!m_fixed[size_t(value)])
            return false;
        for (ConditionId id : m_latestConditions)
            if (!conditionHolds(id, m_conditions, traitsOf(value), latest))
                return false;
        return true;
    }

private:
    const GenerationConditions& m_conditions;
    std::vector<ConditionId> m_latestConditions;
    std::array<bool, 1000> m_fixed{};
};
