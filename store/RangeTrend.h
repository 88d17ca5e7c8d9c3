#pragma once

#include "core/TrendFigures.h"

#include <QString>

class DrawStore;

// The trend figures of an issue range of the active game, with the omission
// carried on from the stored draws before it.
struct RangeTrend
{
    TrendFigures figures;
    OmissionCells cells;
};

RangeTrend readRangeTrend(const DrawStore& store, const QString& start, const QString& end);
