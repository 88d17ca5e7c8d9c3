#include "core/RandomSelection.h"

#include "core/SelectionText.h"
#include "tests/support/QtPrinters.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

TEST(RandomSelectionTest, ListsTheWantedCountOfDifferentBets)
{
    const RandomResult five = selectRandomBets(5, {}, {}, 1);
    EXPECT_EQ(five.bets.size(), 5u);
    EXPECT_EQ(five.available, 1000);
    EXPECT_FALSE(five.gaveUp);
    EXPECT_TRUE(selectRandomBets(0, {}, {}, 1).bets.empty());

    // Every number once when all are asked for, 000 and 999 included.
    for (int asked : {1000, 20'000}) {
        const RandomResult all = selectRandomBets(asked, {}, {}, 7);
        QSet<int> seen;
        for (const Bet& bet : all.bets) {
            ASSERT_TRUE(bet.value >= 0 && bet.value <= 999);
            seen.insert(bet.value);
        }
        EXPECT_EQ(all.bets.size(), 1000u);
        EXPECT_EQ(seen.size(), 1000);
        EXPECT_FALSE(all.gaveUp);
    }
}

// Asked for more than the conditions let through, the run gives each
// number that passes once and says how many there are.
TEST(RandomSelectionTest, AskingForMoreThanExistGivesThoseThatExist)
{
    RandomConditions lowSums, topSum, sameAsLatest, none;
    lowSums.sum = {true, 0, 1}; // 000 001 010 100
    topSum.sum = {true, 27, 27};
    sameAsLatest.same = {true, 3, 3};
    none.odd = {true, 4, 4};
    const struct
    {
        const char* name;
        RandomConditions conditions;
        int asked;
        QSet<int> possible;
        int given;
    } cases[] = {
        {"four low sums, ten asked", lowSums, 10, {0, 1, 10, 100}, 4},
        {"four low sums, three asked", lowSums, 3, {0, 1, 10, 100}, 3},
        {"four low sums, four asked", lowSums, 4, {0, 1, 10, 100}, 4},
        {"one top sum", topSum, 2, {999}, 1},
        {"the latest draw again", sameAsLatest, 10, {123}, 1},
        {"nothing passes", none, 5, {}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const RandomResult result = selectRandomBets(c.asked, c.conditions, "123", 11);
        EXPECT_EQ(result.available, int(c.possible.size()));
        EXPECT_EQ(int(result.bets.size()), c.given);
        QSet<int> seen;
        for (const Bet& bet : result.bets)
            seen.insert(bet.value);
        EXPECT_EQ(seen.size(), c.given); // no bet twice
        EXPECT_TRUE(c.possible.contains(seen));
        EXPECT_EQ(result.gaveUp, c.possible.isEmpty());
    }
}

TEST(RandomSelectionTest, SameSeedSameBets)
{
    const BetList a = selectRandomBets(50, {}, {}, 42).bets;
    const BetList b = selectRandomBets(50, {}, {}, 42).bets;
    const BetList c = selectRandomBets(50, {}, {}, 43).bets;
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
}

TEST(RandomSelectionTest, KeepsOnlyBetsThatPassTheConditions)
{
    RandomConditions sums;
    sums.sum = {true, 25, 35};
    for (const Bet& bet : selectRandomBets(200, sums, {}, 3).bets)
        EXPECT_GE(bet.sum(), 25);

    RandomConditions same;
    same.same = {true, 3, 3};
    const RandomResult repeats = selectRandomBets(10, same, "123", 3);
    ASSERT_EQ(repeats.bets.size(), 1u);
    EXPECT_EQ(repeats.bets[0].text(), "123");

    // Without a stored draw no position is the same.
    same.same = {true, 1, 3};
    EXPECT_TRUE(selectRandomBets(1, same, {}, 3).gaveUp);
}

TEST(RandomSelectionTest, GivesUpWhenNoNumberPasses)
{
    for (auto field : {&RandomConditions::odd, &RandomConditions::big, &RandomConditions::ac}) {
        RandomConditions impossible;
        impossible.*field = {true, field == &RandomConditions::ac ? 8 : 4, field == &RandomConditions::ac ? 8 : 4};
        const RandomResult result = selectRandomBets(5, impossible, {}, 9);
        EXPECT_TRUE(result.gaveUp);
        EXPECT_TRUE(result.bets.empty());
        EXPECT_FALSE(selectRandomBets(0, impossible, {}, 9).gaveUp);
    }
}

TEST(RandomSelectionTest, ChecksCountThenRangesInOrder)
{
    RandomConditions inverted;
    inverted.sum = {true, 35, 25};
    inverted.odd = {true, 2, 1};
    inverted.big = {true, 2, 1};
    inverted.ac = {true, 8, 2}; // never checked
    EXPECT_EQ(checkRandomSelection("", inverted).problem, SelectText::kNoRandomCount);
    EXPECT_EQ(checkRandomSelection("5x", inverted).problem, SelectText::kBadRandomCount);
    EXPECT_EQ(checkRandomSelection("5", inverted).problem, SelectText::kBadSumRange);
    inverted.sum.ticked = false;
    EXPECT_EQ(checkRandomSelection("5", inverted).problem, SelectText::kBadOddRange);
    inverted.odd.ticked = false;
    EXPECT_EQ(checkRandomSelection("5", inverted).problem, SelectText::kBadBigRange);
    inverted.big.ticked = false;
    const RandomRequest ok = checkRandomSelection("100001", inverted);
    EXPECT_TRUE(ok.problem.isEmpty());
    EXPECT_EQ(ok.count, 100001);
}

} // namespace
