#include "core/Backtest.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

std::vector<BacktestDraw> draws(const QStringList& numbers)
{
    std::vector<BacktestDraw> list;
    for (int i = 0; i < numbers.size(); ++i)
        list.push_back({QString::number(2025001 + i), numbers[i], i > 0 ? numbers[i - 1] : QString()});
    return list;
}

TEST(Backtest, EveryBetCoveredHitsEveryDraw)
{
    const BacktestResult r =
        runBacktest("0123456789", "0123456789", "0123456789", BetKind::Direct, {}, draws({"305", "917", "000"}));
    ASSERT_EQ(r.rows.size(), 3u);
    for (const BacktestRow& row : r.rows) {
        EXPECT_TRUE(row.hit);
        EXPECT_EQ(row.bets, 1000);
        EXPECT_EQ(row.cost, 2000);
        EXPECT_EQ(row.prize, 1040);
    }
    EXPECT_EQ(r.summary.hits, 3);
    EXPECT_EQ(r.summary.cost, 6000);
    EXPECT_EQ(r.summary.prize, 3120);
    EXPECT_EQ(r.summary.net(), -2880);
    EXPECT_EQ(r.rows.back().cumulativeNet, -2880);
    EXPECT_DOUBLE_EQ(r.summary.hitRate(), 1.0);
    EXPECT_DOUBLE_EQ(r.summary.returnRatio(), 0.52);
}

TEST(Backtest, ABetNeverDrawnNeverHits)
{
    const BacktestResult r = runBacktest("1", "1", "1", BetKind::Direct, {}, draws({"305", "917", "112"}));
    EXPECT_EQ(r.summary.hits, 0);
    EXPECT_EQ(r.summary.bets, 3);
    EXPECT_EQ(r.summary.net(), -6);
    EXPECT_DOUBLE_EQ(r.summary.returnRatio(), 0);
}

TEST(Backtest, GroupBetsWinInAnyOrderAndConditionsSeeThePreviousDraw)
{
    // 组选6 123 wins against a drawn 321; 组选3 wins against 212 with 122.
    EXPECT_TRUE(betWins(Bet{123}, "321", BetKind::Group6));
    EXPECT_FALSE(betWins(Bet{123}, "321", BetKind::Direct));
    EXPECT_TRUE(betWins(Bet{122}, "212", BetKind::Group3));
    EXPECT_FALSE(betWins(Bet{122}, "211", BetKind::Group3));
    EXPECT_FALSE(betWins(Bet{122}, "21x", BetKind::Group3));
    const BacktestResult group = runBacktest("1", "2", "3", BetKind::Group6, {}, draws({"321", "456"}));
    EXPECT_TRUE(group.rows[0].hit);
    EXPECT_EQ(group.rows[0].prize, 173);
    EXPECT_FALSE(group.rows[1].hit);

    // "同号个数" 0 to 0 against the previous draw: 305 after 305 is left out,
    // 305 after 917 is kept.
    GenerationConditions same;
    same.same = {true, 0, 0};
    const BacktestResult r = runBacktest("3", "0", "5", BetKind::Direct, same, draws({"917", "305", "305"}));
    EXPECT_EQ(r.rows[1].bets, 1);
    EXPECT_TRUE(r.rows[1].hit);
    EXPECT_EQ(r.rows[2].bets, 0);
    EXPECT_FALSE(r.rows[2].hit);
}

} // namespace
