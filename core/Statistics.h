#pragma once

// History statistics computed from the rows of one issue range: the store
// reads each range once, these functions do the per-candidate work.

#include "core/IssueRows.h"

#include <QStringList>
#include <array>
#include <vector>

constexpr int kLargestSum = 27;

// One row of "出现过两次以上的开奖号码": an issue in which a repeated number
// was drawn, with that number's count within the range.
struct RepeatedDraw
{
    QString qs;
    QString number;
    int count = 0;
    bool operator==(const RepeatedDraw&) const = default;
};

// Every issue of each number drawn more than once in `draws` (issue order).
// Numbers come by ascending count, equal counts by ascending number; the
// issues of a number in issue order.
std::vector<RepeatedDraw> RepeatedNumbers(const std::vector<IssueNumber>& draws);

// A number drawn more than once, with how often and the latest issue it came in.
struct NumberRepeat
{
    QString number;
    int count = 0;
    QString latestIssue;
    bool operator==(const NumberRepeat&) const = default;
};

// The sums 0..27 missing from `drawnSums`, ascending.
std::vector<int> SumsNeverDrawn(const std::vector<int>& drawnSums);

// The numbers "000".."999" missing from `drawnNumbers`, ascending.
QStringList NumbersNeverDrawn(const QStringList& drawnNumbers);

// Every value from `low` to `high` with its count in `rows`, 0 where it has none.
std::vector<ValueCount> EveryValue(const std::vector<ValueCount>& rows, int low, int high);

// The draws per value, ascending, only values that occur.
std::vector<ValueCount> CountValues(const std::vector<int>& values);

// Adds a draw to the per-digit counts: once for each digit it holds, however
// many positions hold it ("112" adds 1 to digits 1 and 2).
void AddDigitDraw(std::array<int, 10>& counts, const QString& number);

// Every three-character number, "000" first.
const QStringList& AllNumbers();

// A bar's share of the total as the chart marks show it: "12.5 %".
QString PercentOfTotal(double count, double total);
