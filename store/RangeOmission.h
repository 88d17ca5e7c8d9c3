#pragma once

// The omission figures of an issue range of the active game for 分位遗漏 and
// 遗漏分析, carried in from the stored draws before it as the grid's are
// (store/RangeTrend.h). A range without draws carries nothing in.

#include "core/Omission.h"
#include "core/PositionOmission.h"
#include "store/DrawStore.h"

#include <QString>

// The omission of a window's items just before `start`: reads back through
// the stored draws only as far as `countBack` (a core *Before function)
// needs. Most items came within the last few dozen draws, so it reads a
// little, and further only while some item has not come.
template <class CountBack> auto readOmissionBefore(const DrawStore& store, const QString& start, CountBack countBack)
{
    for (int count = 256;; count *= 8) {
        const std::vector<short> earlier = store.numberValuesBefore(start, count);
        auto before = countBack(earlier);
        if (before.complete || int(earlier.size()) < count || count > (1 << 27))
            return before;
    }
}

std::vector<OmissionFigures> readPositionOmission(const DrawStore& store, const QString& start, const QString& end);
// Throws ConversionError for a stored number holding a non-digit.
OmissionTable readOmissionTable(const DrawStore& store, const QString& first, const QString& last);
