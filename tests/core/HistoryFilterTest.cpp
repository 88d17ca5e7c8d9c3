#include "core/HistoryFilter.h"

#include "tests/support/QtPrinters.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

BetList betsOf(std::initializer_list<int> values)
{
    BetList bets;
    for (int v : values)
        bets.push_back(Bet{v});
    return bets;
}

struct Pass
{
    BetList bets;
    int removed;
    QStringList asked;
};

Pass run(BetList bets, const DrawnIssues& drawn, QList<DrawnAnswer> answers)
{
    Pass pass{std::move(bets), 0, {}};
    pass.removed = filterDrawnBets(pass.bets, drawn, [&](const QString& bet, const QString& issue) {
        pass.asked << bet + "@" + issue;
        return answers.isEmpty() ? DrawnAnswer::Keep : answers.takeFirst();
    });
    return pass;
}

constexpr DrawnAnswer kRemove = DrawnAnswer::Remove, kKeep = DrawnAnswer::Keep, kRest = DrawnAnswer::RemoveRest;

const DrawnIssues kDrawn({{"2025001", "456"}, {"2025002", "789"}, {"2025003", "321"}, {"2025004", "456"}});

TEST(HistoryFilterTest, AsksAboutEachDrawnBetNamingItsEarliestIssue)
{
    const Pass ok = run(betsOf({123, 456, 111}), kDrawn, {kRemove});
    EXPECT_EQ(ok.asked, QStringList({"456@2025001"}));
    EXPECT_EQ(ok.bets, betsOf({123, 111}));
    EXPECT_EQ(ok.removed, 1);

    const Pass cancel = run(betsOf({123, 456, 111}), kDrawn, {kKeep});
    EXPECT_EQ(cancel.asked, QStringList({"456@2025001"}));
    EXPECT_EQ(cancel.bets, betsOf({123, 456, 111}));
    EXPECT_EQ(cancel.removed, 0);
}

TEST(HistoryFilterTest, ConsecutiveDrawnBetsAreBothExamined)
{
    const Pass pass = run(betsOf({456, 789, 5}), kDrawn, {kRemove, kRemove});
    EXPECT_EQ(pass.asked, QStringList({"456@2025001", "789@2025002"}));
    EXPECT_EQ(pass.bets, betsOf({5}));
    EXPECT_EQ(pass.removed, 2);
}

TEST(HistoryFilterTest, MatchesTheWrittenDigitOrderOnly)
{
    const Pass pass = run(betsOf({123}), kDrawn, {});
    EXPECT_TRUE(pass.asked.isEmpty());
    EXPECT_EQ(pass.bets, betsOf({123}));
}

// Every way through a list of four drawn bets (two of them the same
// number) and one never drawn: what is asked, what stays.
TEST(HistoryFilterTest, AnswersDecideWhatIsAskedAndWhatStays)
{
    const struct
    {
        const char* name;
        QList<DrawnAnswer> answers;
        QStringList asked;
        BetList left;
    } cases[] = {
        {"remove each", {kRemove, kRemove, kRemove, kRemove},
         {"456@2025001", "789@2025002", "321@2025003", "456@2025001"}, betsOf({5})},
        {"keep each", {kKeep, kKeep, kKeep, kKeep},
         {"456@2025001", "789@2025002", "321@2025003", "456@2025001"}, betsOf({456, 789, 5, 321, 456})},
        {"rest at once", {kRest}, {"456@2025001"}, betsOf({5})},
        {"keep, then the rest", {kKeep, kRest}, {"456@2025001", "789@2025002"}, betsOf({456, 5})},
        {"rest at the last", {kKeep, kKeep, kKeep, kRest},
         {"456@2025001", "789@2025002", "321@2025003", "456@2025001"}, betsOf({456, 789, 5, 321})},
    };
    for (const auto& c : cases) {
        const Pass pass = run(betsOf({456, 789, 5, 321, 456}), kDrawn, c.answers);
        EXPECT_EQ(pass.asked, c.asked) << c.name;
        EXPECT_EQ(pass.bets, c.left) << c.name;
        EXPECT_EQ(pass.removed, 5 - int(c.left.size())) << c.name;
    }
}

TEST(HistoryFilterTest, ListsEachDrawnBetOnceWithEveryIssueItCameIn)
{
    const BetList bets = betsOf({5, 789, 456, 654, 456});
    const std::vector<DrawnBet> listed = drawnBets(bets, kDrawn);
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].bet, Bet{789});
    EXPECT_EQ(listed[0].issues, QStringList({"2025002"}));
    EXPECT_EQ(listed[1].bet, Bet{456});
    EXPECT_EQ(listed[1].issues, QStringList({"2025001", "2025004"}));
    EXPECT_EQ(kDrawn.distinctNumbers(), 3);

    BetList all = bets;
    EXPECT_EQ(removeDrawnBets(all, kDrawn), 3);
    EXPECT_EQ(all, betsOf({5, 654}));
    EXPECT_TRUE(drawnBets(all, kDrawn).empty());
}

} // namespace
