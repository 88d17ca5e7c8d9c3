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
    return countBack<kTrendColumns>(newestFirst, [](short number, auto hit) {
        int columns[3];
        columnsOf(number, columns);
        for (int column : columns)
            hit(column);
    });
}

TrendFigures trendFigures(const std::vector<short>& numbers, const ColumnFigures& before)
{
    TrendFigures f;
    std::array<OmissionRun, kTrendColumns> runs{};
    for (size_t c = 0; c < size_t(kTrendColumns); ++c)
        runs[c].current = before[c];
    ColumnFigures withRun{};
    for (short number : numbers) {
        std::array<bool, kTrendColumns> came{};
        int columns[3];
        if (columnsOf(number, columns))
            for (int column : columns)
                came[size_t(column)] = true;
        for (size_t c = 0; c < size_t(kTrendColumns); ++c) {
            runs[c].next(came[c]);
            withRun[c] = came[c] ? withRun[c] + 1 : 0;
            f.longestRun[c] = std::max(f.longestRun[c], withRun[c]);
        }
    }
    const int draws = int(numbers.size());
    for (size_t c = 0; c < size_t(kTrendColumns); ++c) {
        f.current[c] = runs[c].current;
        f.longestOmission[c] = runs[c].largest;
        f.averageOmission[c] = wholeAverageOmission(draws, runs[c].appearances);
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

int OmissionCells::largest() const
{
    int largest = 0;
    for (int column = 0; column < kTrendColumns; ++column) {
        const std::vector<int>& hits = m_hits[size_t(column)];
        if (hits.empty()) {
            largest = std::max(largest, m_before[size_t(column)] + m_rows);
            continue;
        }
        // The row before a hit holds the longest run of misses that ends there.
        largest = std::max(largest, m_before[size_t(column)] + hits.front());
        for (size_t i = 1; i < hits.size(); ++i)
            largest = std::max(largest, hits[i] - hits[i - 1] - 1);
        largest = std::max(largest, m_rows - 1 - hits.back());
    }
    return largest;
}
