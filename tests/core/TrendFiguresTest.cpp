#include "core/TrendFigures.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

// Twelve draws, counted by hand. Hundreds digits: 1 4 1 7 1 2 1 4 1 1 9 1;
// tens: 2 5 2 8 1 2 3 5 5 7 0 0.
const std::vector<short> kHistory{123, 456, 123, 789, 111, 222, 133, 456, 156, 178, 900, 102};

std::vector<short> newestFirst(std::vector<short> draws)
{
    std::reverse(draws.begin(), draws.end());
    return draws;
}

struct ColumnCase
{
    int column, current, average, longestOmission, longestRun;
};

template <size_t N> void expectFigures(const TrendFigures& f, const ColumnCase (&cases)[N])
{
    for (const ColumnCase& c : cases) {
        SCOPED_TRACE(c.column);
        EXPECT_EQ(f.current[size_t(c.column)], c.current);
        EXPECT_EQ(f.averageOmission[size_t(c.column)], c.average);
        EXPECT_EQ(f.longestOmission[size_t(c.column)], c.longestOmission);
        EXPECT_EQ(f.longestRun[size_t(c.column)], c.longestRun);
    }
}

TEST(TrendFigures, WholeHistory)
{
    const OmissionBefore before = omissionBefore({});
    EXPECT_FALSE(before.complete);
    const TrendFigures f = trendFigures(kHistory, before.omission);
    const ColumnCase cases[] = {
        {1, 0, 1, 1, 2},    // 7 of 12: 5 / 8 = 0.625 -> 1; d8 d9 in a row
        {4, 4, 3, 5, 1},    // d1 and d7: 10 / 3 -> 3; d2..d6 without
        {0, 12, 12, 12, 0}, // never: all twelve draws
        {10, 0, 3, 10, 2},  // the last two only: 10 / 3 = 3.33 -> 3
    };
    expectFigures(f, cases);
}

// The range d6..d11 starts mid-history: its omission, the largest included,
// carries on from the draws before it; its averages and runs of hits are its own.
TEST(TrendFigures, RangeStartingMidHistory)
{
    const std::vector<short> earlier(kHistory.begin(), kHistory.begin() + 6);
    const std::vector<short> range(kHistory.begin() + 6, kHistory.end());
    const OmissionBefore before = omissionBefore(newestFirst(earlier));
    EXPECT_FALSE(before.complete); // hundreds 0 never came before
    EXPECT_EQ(before.omission[1], 1);
    EXPECT_EQ(before.omission[4], 4);
    EXPECT_EQ(before.omission[7], 2);
    EXPECT_EQ(before.omission[0], 6);
    EXPECT_EQ(before.omission[10], 6);

    const TrendFigures f = trendFigures(range, before.omission);
    const ColumnCase cases[] = {
        {1, 0, 0, 1, 2},   // rows 0 2 3 5: 2 / 5 = 0.4 -> 0
        {4, 4, 3, 5, 1},   // row 1 only: 5 / 2 = 2.5 -> 3, half up; row 0 is five draws after d1
        {7, 8, 6, 8, 0},   // last came in d3: eight draws since; none in the range
        {0, 12, 6, 12, 0}, // never: the whole history
        {10, 0, 1, 10, 2}, // rows 4 and 5: 4 / 3 = 1.33 -> 1; missing since before d0 until row 4
    };
    expectFigures(f, cases);

    // The cells: row 0 of column 4 is five draws after d1; the whole range
    // agrees with the figures of the same history read from the start.
    const OmissionCells cells(range, before.omission);
    EXPECT_EQ(cells.at(0, 4), 5);
    EXPECT_EQ(cells.at(1, 4), 0);
    EXPECT_EQ(cells.at(5, 4), 4);
    EXPECT_EQ(cells.at(0, 0), 7);
    const OmissionCells whole(kHistory, omissionBefore({}).omission);
    for (int row = 0; row < int(range.size()); ++row)
        for (int column = 0; column < kTrendColumns; ++column)
            ASSERT_EQ(cells.at(row, column), whole.at(row + 6, column)) << row << " " << column;
    EXPECT_EQ(cells.at(5, 7), f.current[7]);
    // 最大遗漏 is the largest figure its column's cells show.
    for (int column = 0; column < kTrendColumns; ++column) {
        int largest = 0;
        for (int row = 0; row < int(range.size()); ++row)
            largest = std::max(largest, cells.at(row, column));
        EXPECT_EQ(f.longestOmission[size_t(column)], largest) << column;
    }
}

TEST(TrendFigures, UnreadableNumbersAndAnEmptyRange)
{
    // An unreadable number is a draw in which nothing came.
    const TrendFigures f = trendFigures({123, -1, 123}, omissionBefore({}).omission);
    EXPECT_EQ(f.longestRun[1], 1);
    EXPECT_EQ(f.longestOmission[1], 1);
    EXPECT_EQ(f.current[0], 3);
    const TrendFigures none = trendFigures({}, ColumnFigures{});
    EXPECT_EQ(none.averageOmission[5], 0);
    EXPECT_EQ(OmissionCells({}, {}).at(0, 0), 0);
    EXPECT_TRUE(omissionBefore(std::vector<short>(kHistory.begin(), kHistory.end())).omission[0] == 12);
}

} // namespace
