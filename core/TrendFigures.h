#pragma once

// What a trend chart of this game shows under its columns and in its empty
// cells, for each digit at each position (column = position × 10 + digit,
// position 0 the hundreds).
//
// Omission is counted as core/OmissionCount.h counts it: a cell holds the
// number of draws since the digit last came at that position, 0 where it
// came, carried on from the draws before the range.

#include "core/OmissionCount.h"

#include <array>
#include <vector>

constexpr int kTrendColumns = 30;

using ColumnFigures = std::array<int, kTrendColumns>;

// The omission of every column just before a range (see countBack).
using OmissionBefore = ItemsBefore<kTrendColumns>;
OmissionBefore omissionBefore(const std::vector<short>& newestFirst);

// The four rows under the range.
struct TrendFigures
{
    ColumnFigures current{};         // 当前遗漏: the omission at the range's last draw
    ColumnFigures averageOmission{}; // 平均遗漏: wholeAverageOmission
    ColumnFigures longestOmission{}; // 最大遗漏: the largest omission at any draw of the range
    ColumnFigures longestRun{};      // 最大连出: the longest run with it
};

// `numbers`: the range in issue order; `before`: the omission just before it.
TrendFigures trendFigures(const std::vector<short>& numbers, const ColumnFigures& before);

// The omission of any cell of a range, asked cell by cell as the grid paints:
// the hits of each column are kept, not a figure per cell, so a million
// draws cost a few megabytes.
class OmissionCells
{
public:
    OmissionCells() = default;
    OmissionCells(const std::vector<short>& numbers, const ColumnFigures& before);

    int rows() const { return m_rows; }
    // The omission at range row `row` (0 the oldest); 0 where the digit came.
    int at(int row, int column) const;
    // The largest figure of any cell: what the widest cell must show.
    int largest() const;

private:
    std::array<std::vector<int>, kTrendColumns> m_hits; // rows where each column came, ascending
    ColumnFigures m_before{};
    int m_rows = 0;
};
