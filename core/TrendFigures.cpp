#include "core/TrendFigures.h"

#include <algorithm>

namespace {

// The three columns a number comes in; none for an unreadable number.
bool columnsOf(short number, int (&columns)[3])
{
    if (number < 0 || number > 999)
        return false;
    columns[0] = number / 100;
    columns[1] = 10 + number / 10 % 10;
    columns[2] = 20 + number % 10;
    return true;
}

} // namespace

OmissionBefore omissionBefore(const std::vector<short>& newestFirst)
{
    OmissionBefore result;
    std::array<bool, kTrendColumns> found{};
    int missing = kTrendColumns;
    result.omission.fill(int(newestFirst.size()));
    for (int i = 0; i < int(newestFirst.size()) && missing > 0; ++i) {
        int columns[3];
        if (!columnsOf(newestFirst[size_t(i)], columns))
            continue;
        for (int column : columns) {
            if (found[size_t(column)])
                continue;
            found[size_t(column)] = true;
            result.omission[size_t(column)] = i;
            --missing;
        }
    }
    result.complete = missing == 0;
    return result;
}

TrendFigures trendFigures(const std::vector<short>& numbers, const ColumnFigures& before)
{
    TrendFigures f;
    ColumnFigures omission = before; // running, over the whole history
    ColumnFigures appearances{}, withoutRun{}, withRun{};
    for (short number : numbers) {
        std::array<bool, kTrendColumns> came{};
        int columns[3];
        if (columnsOf(number, columns))
            for (int column : columns)
                came[size_t(column)] = true;
        for (size_t c = 0; c < size_t(kTrendColumns); ++c) {
            if (came[c]) {
                omission[c] = 0;
                ++appearances[c];
                withoutRun[c] = 0;
                f.longestRun[c] = std::max(f.longestRun[c], ++withRun[c]);
            } else {
                ++omission[c];
                withRun[c] = 0;
                f.longestOmission[c] = std::max(f.longestOmission[c], ++withoutRun[c]);
            }
        }
    }
    const int draws = int(numbers.size());
    for (size_t c = 0; c < size_t(kTrendColumns); ++c) {
        f.current[c] = omission[c];
        // Half up in whole numbers: (2 × (d − a) + (a + 1)) / (2 × (a + 1)).
        const int a = appearances[c];
        f.averageOmission[c] = (2 * (draws - a) + (a + 1)) / (2 * (a + 1));
    }
    return f;
}

OmissionCells::OmissionCells(const std::vector<short>& numbers, const ColumnFigures& before)
    : m_before(before), m_rows(int(numbers.size()))
{
    for (auto& hits : m_hits)
        hits.reserve(numbers.size() / 10 + 1);
    for (int row = 0; row < m_rows; ++row) {
        int columns[3];
        if (columnsOf(numbers[size_t(row)], columns))
            for (int column : columns)
                m_hits[size_t(column)].push_back(row);
    }
}

int OmissionCells::at(int row, int column) const
{
    if (row < 0 || row >= m_rows || column < 0 || column >= kTrendColumns)
        return 0;
    const std::vector<int>& hits = m_hits[size_t(column)];
    // The last row at or before `row` where the column came.
    const auto after = std::upper_bound(hits.begin(), hits.end(), row);
    if (after == hits.begin())
        return m_before[size_t(column)] + row + 1;
    return row - *(after - 1);
}
