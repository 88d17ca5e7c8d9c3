#pragma once

#include "core/TrendFigures.h"

#include <QString>

class DrawStore;

// The trend figures of an issue range of the active game, with the omission
// carried on from the stored draws before it; the cells only when asked for
// (显示遗漏值), the figures only for the footers.
struct RangeTrend
{
    TrendFigures figures;
    OmissionCells cells;
};

struct TrendParts
{
    bool figures = true;
    bool cells = true;
};

RangeTrend readRangeTrend(const DrawStore& store, const QString& start, const QString& end, TrendParts parts = {});
