#include "core/BetGeneration.h"

#include "core/BetFilter.h"
#include "core/ConversionError.h"
#include "core/Myfunction.h"
#include "core/SelectionText.h"

#include <QStringList>
#include <algorithm>
#include <array>

namespace {

constexpr int kMaxSingleSums = 64;

// Duplicate tables of the group kinds, clear at the start of every run.
class GroupTables
{
public:
    // The bet value for digits a, b, c of `kind`, or -1 when the combination
    // is skipped.
    int betFor(BetKind kind, int a, int b, int c)
    {
        if (kind == BetKind::Direct)
            return a * 100 + b * 10 + c;
        if (kind == BetKind::Group3) {
            if (a == b && b == c)
                return -1;
            int pair, single;
            if (a == b)
                pair = a, single = c;
            else if (a == c)
                pair = a, single = b;
            else if (b == c)
                pair = b, single = a;
            else
                return -1;
            if (m_pairs[pair * 10 + single])
                return -1;
            m_pairs[pair * 10 + single] = true;
            return a * 100 + b * 10 + c;
        }
        if (a == b || b == c || a == c)
            return -1;
        std::array<int, 3> d{a, b, c};
        std::sort(d.begin(), d.end());
        const int ascending = d[0] * 100 + d[1] * 10 + d[2];
        if (m_triples[ascending])
            return -1;
        m_triples[ascending] = true;
        return ascending;
    }

private:
    std::array<bool, 100> m_pairs{};
    std::array<bool, 1000> m_triples{};
};

std::optional<GenerationProblem> rangeProblem(const GenerationConditions& c)
{
    const std::pair<const RangeCondition*, const QString*> checks[] = {
        {&c.sum, &SelectText::kBadSumRange},
        {&c.odd, &SelectText::kBadOddRange},
        {&c.big, &SelectText::kBadBigRange},
        {&c.ac, &SelectText::kBadAcRange},
        {&c.same, &SelectText::kBadSameRange},
        {&c.extended.repeat, &SelectText::kBadRepeatRange},
        {&c.extended.neighbour, &SelectText::kBadNeighbourRange}};
    for (const auto& [range, message] : checks)
        if (range->inverted())
            return GenerationProblem{*message};
    return std::nullopt;
}

} // namespace

std::optional<GenerationProblem> checkGeneration(const GenerationInput& input)
{
    using Focus = GenerationProblem::Focus;
    if (input.digits1.isEmpty())
        return GenerationProblem{SelectText::kNoDigits1};
    if (input.digits2.isEmpty())
        return GenerationProblem{SelectText::kNoDigits2};
    if (input.digits3.isEmpty())
        return GenerationProblem{SelectText::kNoDigits3};
    if (auto problem = rangeProblem(input.ranges))
        return problem;
    if (input.limitTicked && input.limitText.isEmpty())
        return GenerationProblem{SelectText::kNoLimit, Focus::Limit};
    if (input.singleSumsTicked) {
        if (input.singleSumsText.isEmpty())
            return GenerationProblem{SelectText::kNoSingleSums, Focus::SingleSums};
        if (input.singleSumsText.size() > 2 && !input.singleSumsText.contains(QLatin1Char(',')))
            return GenerationProblem{SelectText::kBadSingleSums, Focus::SingleSums};
    }
    return std::nullopt;
}

std::vector<int> parseSingleSums(const QString& text)
{
    std::vector<int> sums;
    const QStringList entries = text.split(QLatin1Char(','));
    for (qsizetype i = 0; i < entries.size() && i < kMaxSingleSums; ++i) {
        try {
            sums.push_back(toIntStrict(entries[i]));
        } catch (const ConversionError&) {
            // An entry that is not a number matches no sum.
        }
    }
    return sums;
}

std::optional<int> parseLimit(const QString& text)
{
    try {
        return toIntStrict(text);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

std::vector<int> candidateBets(const QString& digits1, const QString& digits2, const QString& digits3, BetKind kind)
{
    std::vector<int> candidates;
    candidates.reserve(size_t(digits1.size() * digits2.size() * digits3.size()));
    GroupTables tables;
    for (QChar ca : digits1)
        for (QChar cb : digits2)
            for (QChar cc : digits3) {
                const int value = tables.betFor(kind, DigitValue(ca), DigitValue(cb), DigitValue(cc));
                if (value >= 0)
                    candidates.push_back(value);
            }
    return candidates;
}

GenerationResult generateBets(const QString& digits1, const QString& digits2, const QString& digits3, BetKind kind,
                              const GenerationConditions& conditions, const QString& latestNumber)
{
    GenerationResult result;
    result.combinations = int(digits1.size() * digits2.size() * digits3.size());
    const BetFilter filter(conditions);
    const LatestDigits latest = LatestDigits::of(latestNumber);
    std::optional<int> remaining = conditions.limit;
    for (int value : candidateBets(digits1, digits2, digits3, kind)) {
        if (!filter.passes(value, latest))
            continue;
        result.bets.push_back(Bet{value});
        // A limit of 0 still lets the first bet through.
        if (remaining && --*remaining < 1) {
            result.complete = false;
            return result;
        }
    }
    return result;
}
