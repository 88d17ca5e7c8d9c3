#pragma once

// The per-position trend analyses: each draw's digit of each position mapped
// to its class, with the class counts the chart titles report.

#include "core/IssueRows.h"

#include <QString>
#include <array>
#include <vector>

int PrimeClassOf(QChar digit); // 1 for 1, 2, 3, 5, 7; 0 for every other character
int RouteOf(QChar digit);      // 0 for 0369, 1 for 147, 2 for every other character

// Per position (0..2): one value per draw in issue order, and the chart title.
struct PositionTrends
{
    std::array<std::vector<int>, 3> values;
    std::array<QString, 3> titles;
};

PositionTrends PrimeTrend(const std::vector<IssueNumber>& draws);
PositionTrends RouteTrend(const std::vector<IssueNumber>& draws);
