#include "store/RangeTrend.h"

#include "store/DrawStore.h"

RangeTrend readRangeTrend(const DrawStore& store, const QString& start, const QString& end, TrendParts parts)
{
    // Most digits came within the last few dozen draws: read back a little,
    // and further only while some digit has not come.
    OmissionBefore before;
    for (int count = 256;; count *= 8) {
        const std::vector<short> earlier = store.numberValuesBefore(start, count);
        before = omissionBefore(earlier);
        if (before.complete || int(earlier.size()) < count || count > (1 << 27))
            break;
    }
    const std::vector<short> numbers = store.rangeNumberValues(start, end);
    RangeTrend trend;
    if (parts.figures)
        trend.figures = trendFigures(numbers, before.omission);
    if (parts.cells)
        trend.cells = OmissionCells(numbers, before.omission);
    return trend;
}
