#include "core/RandomSelection.h"

#include "core/SelectionText.h"
#include "tests/support/QtPrinters.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

TEST(RandomSelectionTest, ListsTheWantedCountWithRepeatsAndThreeDigits)
{
    const RandomResult five = selectRandomBets(5, {}, {}, 1);
    EXPECT_EQ(five.bets.size(), 5u);
    EXPECT_FALSE(five.gaveUp);
    EXPECT_TRUE(selectRandomBets(0, {}, {}, 1).bets.empty());

    // Uniform over 000 .. 999: every number, 999 included, turns up, and a
    // long list repeats numbers.
    const RandomResult many = selectRandomBets(20'000, {}, {}, 7);
    QSet<int> seen;
    for (const Bet& bet : many.bets) {
        ASSERT_TRUE(bet.value >= 0 && bet.value <= 999);
        ASSERT_EQ(bet.text().size(), 3);
        seen.insert(bet.value);
    }
    EXPECT_EQ(seen.size(), 1000);
    EXPECT_TRUE(seen.contains(999));
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
    ASSERT_EQ(repeats.bets.size(), 10u);
    for (const Bet& bet : repeats.bets)
        EXPECT_EQ(bet.text(), "123");

    // Without a stored draw no position is the same.
    same.same = {true, 1, 3};
    EXPECT_TRUE(selectRandomBets(1, same, {}, 3).gaveUp);
}

TEST(RandomSelectionTest, GivesUpAfterAMillionDraws)
{
    for (auto field : {&RandomConditions::odd, &RandomConditions::big, &RandomConditions::ac}) {
        RandomConditions impossible;
        impossible.*field = {true, field == &RandomConditions::ac ? 8 : 4, field == &RandomConditions::ac ? 8 : 4};
        const RandomResult result = selectRandomBets(5, impossible, {}, 9);
        EXPECT_TRUE(result.gaveUp);
        EXPECT_TRUE(result.bets.empty());
    }
    // Every draw counts: more bets than draws always ends the same way.
    const RandomResult tooMany = selectRandomBets(RandomLimits::kMaxDraws + 1, {}, {}, 9);
    EXPECT_TRUE(tooMany.gaveUp);
    EXPECT_EQ(tooMany.bets.size(), std::size_t(RandomLimits::kMaxDraws));
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
