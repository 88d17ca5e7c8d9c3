#include "store/RangeOmission.h"

std::vector<OmissionFigures> readPositionOmission(const DrawStore& store, const QString& start, const QString& end)
{
    const std::vector<short> numbers = store.rangeNumberValues(start, end);
    if (numbers.empty())
        return positionOmission(numbers);
    return positionOmission(numbers, readOmissionBefore(store, start, positionOmissionBefore).omission);
}

OmissionTable readOmissionTable(const DrawStore& store, const QString& first, const QString& last)
{
    std::vector<IssueNumber> draws = store.issueNumbers(first, last);
    if (draws.empty())
        return OmissionOf(std::move(draws));
    const DigitCounts before = readOmissionBefore(store, first, digitOmissionBefore).omission;
    return OmissionOf(std::move(draws), before);
}
