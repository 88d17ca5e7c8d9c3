#include "store/RangeTrend.h"

#include "store/DrawStore.h"
#include "store/RangeOmission.h"

RangeTrend readRangeTrend(const DrawStore& store, const QString& start, const QString& end, TrendParts parts)
{
    const std::vector<short> numbers = store.rangeNumberValues(start, end);
    // A range without draws carries nothing in.
    const ColumnFigures before =
        numbers.empty() ? ColumnFigures{} : readOmissionBefore(store, start, omissionBefore).omission;
    RangeTrend trend;
    if (parts.figures)
        trend.figures = trendFigures(numbers, before);
    if (parts.cells)
        trend.cells = OmissionCells(numbers, before);
    return trend;
}
