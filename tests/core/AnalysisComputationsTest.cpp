#include "core/Omission.h"
#include "core/RangeStatistics.h"
#include "core/Statistics.h"
#include "core/TrendAnalysis.h"
#include "tests/reference/ReferenceStatistics.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(Statistics, RepeatedNumbersListEveryIssueByAscendingCount)
{
    const std::vector<IssueNumber> draws{{"1", "777"}, {"2", "123"}, {"3", "777"}, {"4", "456"},
                                         {"5", "123"}, {"6", "777"}, {"7", "456"}, {"8", "999"}};
    const std::vector<RepeatedDraw> expected{{"2", "123", 2}, {"5", "123", 2}, {"4", "456", 2}, {"7", "456", 2},
                                             {"1", "777", 3}, {"3", "777", 3}, {"6", "777", 3}};
    EXPECT_EQ(RepeatedNumbers(draws), expected);
    EXPECT_TRUE(RepeatedNumbers({{"1", "123"}, {"2", "456"}}).empty());
}

TEST(Statistics, RepeatsGiveOneRowPerNumberMostFrequentFirst)
{
    const std::vector<IssueNumber> draws{{"1", "777"}, {"2", "456"}, {"3", "777"}, {"4", "123"}, {"5", "123"},
                                         {"6", "777"}, {"7", "456"}, {"8", "999"}, {"9", "1x"},  {"10", "1x"}};
    const std::vector<NumberRepeat> expected{{"777", 3, "6"}, {"123", 2, "5"}, {"1x", 2, "10"}, {"456", 2, "7"}};
    EXPECT_EQ(rangeStatistics(draws).repeats, expected);
    EXPECT_TRUE(rangeStatistics({{"1", "123"}, {"2", "456"}}).repeats.empty());
}

TEST(Statistics, NeverDrawnListsCompareWithTheFullSet)
{
    EXPECT_EQ(SumsNeverDrawn({27, 0, 5, 5}).size(), 25u);
    EXPECT_EQ(SumsNeverDrawn({}).front(), 0);
    EXPECT_EQ(SumsNeverDrawn({}).back(), 27);
    std::vector<int> every;
    for (int s = 0; s <= 27; ++s)
        every.push_back(s);
    EXPECT_TRUE(SumsNeverDrawn(every).empty());

    const QStringList missing = NumbersNeverDrawn({"007"});
    EXPECT_EQ(missing.size(), 999);
    EXPECT_EQ(missing.first(), "000");
    EXPECT_FALSE(missing.contains("007"));
    EXPECT_EQ(NumbersNeverDrawn({}).size(), 1000);
    // A stored text that is no candidate takes none away.
    EXPECT_EQ(NumbersNeverDrawn({"7", "0007", "abc"}).size(), 1000);
}

TEST(Statistics, PercentMarks)
{
    EXPECT_EQ(PercentOfTotal(1, 8), "12.5 %");
    EXPECT_EQ(PercentOfTotal(1, 3), "33.33 %");
    EXPECT_EQ(PercentOfTotal(2, 2), "100 %");
    EXPECT_EQ(PercentOfTotal(0, 0), "0 %");
}

TEST(Omission, CountsRunsFromTheFirstDrawOfTheRange)
{
    const OmissionTable t = OmissionOf({{"1", "123"}, {"2", "456"}, {"3", "123"}});
    ASSERT_EQ(t.omissions.size(), 3u);
    auto column = [&](int digit) {
        return std::vector{t.omissions[0][digit], t.omissions[1][digit], t.omissions[2][digit]};
    };
    EXPECT_EQ(column(0), (std::vector{1, 2, 3}));
    EXPECT_EQ(column(1), (std::vector{0, 1, 0}));
    EXPECT_EQ(column(4), (std::vector{1, 0, 1}));
    EXPECT_EQ((std::array{t.largest[0], t.largest[1], t.largest[4]}), (std::array{3, 1, 1}));
    EXPECT_EQ((std::array{t.occurrences[0], t.occurrences[1], t.occurrences[4]}), (std::array{0, 2, 1}));
}

TEST(Omission, RepeatedDigitsHitOnceAndCountPerPosition)
{
    const OmissionTable t = OmissionOf({{"1", "777"}});
    EXPECT_EQ(t.occurrences[7], 3);
    EXPECT_EQ(t.largest[7], 0);
    for (int digit : {0, 1, 2, 3, 4, 5, 6, 8, 9}) {
        EXPECT_EQ(t.omissions[0][digit], 1);
        EXPECT_EQ(t.largest[digit], 1);
    }
    const OmissionTable empty = OmissionOf({});
    EXPECT_TRUE(empty.omissions.empty());
    EXPECT_EQ(empty.largest, DigitCounts{});
}

TEST(Trend, PrimeAndRouteClassesWithTheirTitles)
{
    const std::vector<IssueNumber> draws{{"1", "123"}, {"2", "480"}};
    const PositionTrends primes = PrimeTrend(draws);
    for (int p = 0; p < 3; ++p)
        EXPECT_EQ(primes.values[p], (std::vector{1, 0})) << p;
    EXPECT_EQ(primes.titles[0], "第一位走势图  （其中质数1个,和数1个）");
    EXPECT_EQ(primes.titles[2], "第三位走势图  （其中质数1个,和数1个）");

    const PositionTrends routes = RouteTrend(draws);
    EXPECT_EQ(routes.values[0], (std::vector{1, 1}));
    EXPECT_EQ(routes.values[1], (std::vector{2, 2}));
    EXPECT_EQ(routes.values[2], (std::vector{0, 0}));
    EXPECT_EQ(routes.titles[2], "第三位走势图  （其中0路2个,1路0个,2路0个）");
    EXPECT_EQ(routes.titles[1], "第二位走势图  （其中0路0个,1路0个,2路2个）");

    EXPECT_EQ(PrimeTrend({}).titles[1], "第二位走势图  （其中质数0个,和数0个）");
    EXPECT_EQ(PrimeClassOf('9'), 0);
    EXPECT_EQ(RouteOf('9'), 0);
    EXPECT_EQ(PrimeClassOf('1'), 1);
    EXPECT_EQ(RouteOf('1'), 1);
}

} // namespace
