#pragma once

// The conditions that bet generation and random selection share, tested in
// this order: sum, odd digits, big digits, AC value, same-number count.

#include "core/Bet.h"

class LatestDraw;

struct CountConditions
{
    RangeCondition sum, odd, big, ac, same;
};

// True when the bet meets every ticked condition; `latest` is the latest
// stored draw for the same-number count.
bool passesCountConditions(const QString& bet, int sum, const CountConditions& c, const LatestDraw& latest);
