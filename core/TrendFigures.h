#pragma once

// What a trend chart of this game shows under its columns and in its empty
// cells, for each digit at each position (column = position × 10 + digit,
// position 0 the hundreds).
//
// Omission is counted as players count it: a cell holds the number of draws
// since the digit last came at that position, 0 where it came. It runs over
// the whole stored history, so the first rows of a range that starts in the
// middle carry on from the draws before it.

#include <array>
#include <vector>

constexpr int kTrendColumns = 30;

using ColumnFigures = std::array<int, kTrendColumns>;

// The omission of every column just before a range, from the draws before
// it, newest first (values 0-999; a negative value is an unreadable number,
// a draw in which no digit came). A column that never came counts all of
// them. `complete` is false while some column has not come in the draws
// given: more draws from further back could still change it.
struct OmissionBefore
{
    ColumnFigures omission{};
    bool complete = false;
};
OmissionBefore omissionBefore(const std::vector<short>& newestFirst);

// The four rows under the range.
struct TrendFigures
{
    ColumnFigures current{};         // 当前遗漏: the omission at the range's last draw
    ColumnFigures averageOmission{}; // 平均遗漏: (draws − appearances) / (appearances + 1), rounded half up
    ColumnFigures longestOmission{}; // 最大遗漏: the longest run without the digit inside the range
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

private:
    std::array<std::vector<int>, kTrendColumns> m_hits; // rows where each column came, ascending
    ColumnFigures m_before{};
    int m_rows = 0;
};
