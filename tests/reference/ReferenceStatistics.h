#pragma once

// Statistics of a range computed one at a time, the way they were first
// written: the reference that core/RangeStatistics (all of them in one pass)
// is checked against and timed beside.

#include "core/Statistics.h"

#include <QStringList>
#include <array>
#include <vector>

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
