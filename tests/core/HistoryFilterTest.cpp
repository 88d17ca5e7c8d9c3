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

Pass run(BetList bets, const DrawnIssues& drawn, QList<bool> answers)
{
    Pass pass{std::move(bets), 0, {}};
    pass.removed = filterDrawnBets(pass.bets, drawn, [&](const QString& bet, const QString& issue) {
        pass.asked << bet + "@" + issue;
        return answers.isEmpty() ? false : answers.takeFirst();
    });
    return pass;
}

const DrawnIssues kDrawn({{"2025001", "456"}, {"2025002", "789"}, {"2025003", "321"}, {"2025004", "456"}});

TEST(HistoryFilterTest, AsksAboutEachDrawnBetNamingItsEarliestIssue)
{
    const Pass ok = run(betsOf({123, 456, 111}), kDrawn, {true});
    EXPECT_EQ(ok.asked, QStringList({"456@2025001"}));
    EXPECT_EQ(ok.bets, betsOf({123, 111}));
    EXPECT_EQ(ok.removed, 1);

    const Pass cancel = run(betsOf({123, 456, 111}), kDrawn, {false});
    EXPECT_EQ(cancel.asked, QStringList({"456@2025001"}));
    EXPECT_EQ(cancel.bets, betsOf({123, 456, 111}));
    EXPECT_EQ(cancel.removed, 0);
}

TEST(HistoryFilterTest, ConsecutiveDrawnBetsAreBothExamined)
{
    const Pass pass = run(betsOf({456, 789, 5}), kDrawn, {true, true});
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

} // namespace
