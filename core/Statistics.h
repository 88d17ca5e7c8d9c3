#pragma once

// What the statistics windows share: the largest sum, a repeated number's
// row, every candidate number, a bar's share of its total.

#include "core/IssueRows.h"

#include <QStringList>
#include <array>
#include <vector>

constexpr int kLargestSum = 27;

// A number drawn more than once, with how often and the latest issue it came in.
struct NumberRepeat
{
    QString number;
    int count = 0;
    QString latestIssue;
    bool operator==(const NumberRepeat&) const = default;
};

// Every three-character number, "000" first.
const QStringList& AllNumbers();

// A bar's share of the total as the chart marks show it: "12.5 %".
QString PercentOfTotal(double count, double total);
