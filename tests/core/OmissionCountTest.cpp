#include "core/OmissionCount.h"

#include "core/Omission.h"
#include "core/PositionOmission.h"
#include "core/TrendFigures.h"
#include "tests/support/OmissionHistory.h"

#include <QString>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

namespace h = omission_history;

TEST(OmissionCount, AverageAndItsWholeFigure)
{
    const struct
    {
        int draws, appearances;
        double average;
        int whole;
    } cases[] = {
        {12, 0, 12.0, 12},     // never: every draw is missed
        {6, 1, 2.5, 3},        // half rounds up
        {5, 1, 2.0, 2},        // 4 / 2
        {6, 2, 4.0 / 3, 1},    // 1.33 rounds down
        {7, 2, 5.0 / 3, 2},    // 1.67 rounds up
        {6, 4, 0.4, 0},        // 0.4 rounds down
        {10, 10, 0.0, 0},      // every draw a hit
        {0, 0, 0.0, 0},        // no draws
        {1000, 1, 499.5, 500}, // large ranges keep the half
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.draws) + " " + std::to_string(c.appearances));
        EXPECT_DOUBLE_EQ(averageOmission(c.draws, c.appearances), c.average);
        EXPECT_EQ(wholeAverageOmission(c.draws, c.appearances), c.whole);
    }
}

std::vector<short> values(int from, int to)
{
    std::vector<short> v;
    for (int i = from; i < to; ++i)
        v.push_back(short(QString::fromLatin1(h::kNumbers[i]).toInt()));
    return v;
}

std::vector<short> newestFirst(std::vector<short> v)
{
    std::reverse(v.begin(), v.end());
    return v;
}

// The grid's figures, 分位遗漏's and 遗漏分析's of one hand-counted range
// starting mid-history, each from its own core computation.
TEST(OmissionCount, EveryComputationGivesTheHandCountedFigures)
{
    const std::vector<short> earlier = newestFirst(values(0, h::kRangeStart));
    const std::vector<short> range = values(h::kRangeStart, h::kDraws);
    const TrendFigures grid = trendFigures(range, omissionBefore(earlier).omission);
    const auto positions = positionOmission(range, positionOmissionBefore(earlier).omission);
    for (const h::PositionCase& c : h::kPositionCases) {
        SCOPED_TRACE(c.column);
        const size_t column = size_t(c.column);
        EXPECT_EQ(grid.current[column], c.current);
        EXPECT_EQ(QString::number(grid.averageOmission[column]), c.wholeAverage);
        EXPECT_EQ(grid.longestOmission[column], c.largest);
        EXPECT_EQ(positions[column].current, c.current);
        EXPECT_EQ(QString::number(positions[column].average, 'f', 2), c.average);
        EXPECT_EQ(positions[column].largest, c.largest);
    }

    std::vector<IssueNumber> draws;
    for (int i = h::kRangeStart; i < h::kDraws; ++i)
        draws.push_back({QString::number(i), QString::fromLatin1(h::kNumbers[i])});
    const OmissionTable digits = OmissionOf(draws, digitOmissionBefore(earlier).omission);
    const auto shown = [](int omission) { return omission == 0 ? QStringLiteral("中") : QString::number(omission); };
    for (int digit = 0; digit < 10; ++digit) {
        SCOPED_TRACE(digit);
        EXPECT_EQ(shown(digits.omissions.front()[digit]), QString::fromUtf8(h::kDigitFirstRow[digit]));
        EXPECT_EQ(shown(digits.omissions.back()[digit]), QString::fromUtf8(h::kDigitLastRow[digit]));
        EXPECT_EQ(QString::number(digits.average[digit]), h::kDigitAverage[digit]);
        EXPECT_EQ(QString::number(digits.largest[digit]), h::kDigitLargest[digit]);
    }
}

// Whatever the range's first draw, its position figures agree between the
// grid and 分位遗漏, its last omission is the history's, and no omission
// shown exceeds 最大遗漏.
TEST(OmissionCount, GridAndPositionOmissionAgreeOnEveryRange)
{
    const std::vector<short> whole = values(0, h::kDraws);
    const TrendFigures fromTheStart = trendFigures(whole, omissionBefore({}).omission);
    for (int start = 0; start < h::kDraws; ++start) {
        SCOPED_TRACE(start);
        const std::vector<short> earlier = newestFirst(values(0, start));
        const std::vector<short> range = values(start, h::kDraws);
        const TrendFigures grid = trendFigures(range, omissionBefore(earlier).omission);
        const auto positions = positionOmission(range, positionOmissionBefore(earlier).omission);
        for (size_t column = 0; column < size_t(kTrendColumns); ++column) {
            const OmissionFigures& p = positions[column];
            EXPECT_EQ(p.current, grid.current[column]) << column;
            EXPECT_EQ(p.current, fromTheStart.current[column]) << column;
            EXPECT_EQ(p.largest, grid.longestOmission[column]) << column;
            EXPECT_GE(p.largest, p.current) << column;
            EXPECT_EQ(wholeAverageOmission(int(range.size()), p.appearances), grid.averageOmission[column]) << column;
        }
    }
}

TEST(OmissionCount, CountingBackStopsWhenEveryItemHasCome)
{
    // Newest first: 1 and 2 came in the newest draw, 0 and 3 in the one before.
    const auto digits = digitOmissionBefore({112, 300, -1, 456});
    EXPECT_FALSE(digits.complete); // 7, 8 and 9 may have come further back
    EXPECT_EQ(digits.omission[1], 0);
    EXPECT_EQ(digits.omission[0], 1);
    EXPECT_EQ(digits.omission[5], 3); // the unreadable draw counts as missed
    EXPECT_EQ(digits.omission[9], 4); // never: all of them
    const auto all = digitOmissionBefore({123, 456, 789, 0});
    EXPECT_TRUE(all.complete);
    EXPECT_EQ(all.omission[0], 3);
}

} // namespace
