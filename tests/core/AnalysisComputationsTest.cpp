#include "core/ExpectedReturn.h"
#include "core/Omission.h"
#include "core/PrizeCheck.h"
#include "core/RangeStatistics.h"
#include "core/Statistics.h"
#include "core/TrendAnalysis.h"
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

struct BatchCase
{
    QString text;
    QString drawn;
    QStringList messages;
};

// A batch summary: its verdict, then the theoretical return of `bets` 直选
// bets, `different` of them different.
QString summary(const QString& verdict, int bets, int different)
{
    return verdict + '\n' + PrizeText::theoreticalReturn(expectedReturn(BetKind::Direct, bets, different));
}

// The verdict of `wins` 直选 wins with their total.
QString directWon(int wins)
{
    return PrizeText::batchWon(wins) + '\n' + PrizeText::totalPrize(wins * 1040LL);
}

TEST(PrizeCheck, BatchMessagesInOrder)
{
    const QString missing = PrizeText::kIssueMissing;
    const BatchCase cases[] = {
        {"123\n012\n999", "012", {summary(directWon(1), 3, 3)}},
        {"210", "012", {summary(PrizeText::kNoWin, 1, 1)}},
        {"012\n", "012", {summary(directWon(1), 1, 1)}}, // a final line break starts no line
        // A bad line stops the query with no summary, even after a win.
        {"012\n12\n012", "012", {PrizeText::badLine(2)}},
        {"123\n\n456", "012", {PrizeText::badLine(2)}},
        {"012\n\n", "012", {PrizeText::badLine(2)}},
        {"1a2", "012", {PrizeText::badLine(1)}},
        {"-12\n+12\n012", "012", {summary(directWon(1), 1, 1)}}, // integers, if no bets
        {" 12\n", "012", {PrizeText::badLine(1)}},
        // A missing issue is said once, and the summary still follows.
        {"123\n456\n123", "", {missing, summary(PrizeText::kNoWin, 3, 2)}},
        {"123\n45", "", {missing, PrizeText::badLine(2)}},
        {"45\n123", "", {PrizeText::badLine(1)}},
    };
    for (const BatchCase& c : cases)
        EXPECT_EQ(BatchPrizeMessages(c.text, c.drawn), c.messages) << c.text.toStdString();
    EXPECT_EQ(PrizeText::batchWon(1), "恭喜，您有1注号码中了一等奖，请尽快去兑奖！");
    EXPECT_EQ(BatchPrizeMessages(u"123\n012\n123\n999", "012"),
              QStringList{"恭喜，您有1注号码中了一等奖，请尽快去兑奖！\n奖金合计：1040元\n按直选计，所查 4 注的理论值："
                          "成本 8 元，下期中奖机会 0.3%，理论返还 4.16 元，理论返还率 52.0%"});
    EXPECT_EQ(PrizeText::badLine(2), "您输入的第2行查询号码有误，请重新输入查询号码！");
}

// A pasted list of ten megabytes: every line checked, the bad one named by
// its number however far down it is.
TEST(PrizeCheck, TenMegabyteList)
{
    const int lines = (10 << 20) / 4;
    QString text;
    text.reserve(qsizetype(lines) * 4);
    for (int i = 0; i < lines; ++i)
        text += i % 1000 == 0 ? QStringLiteral("012\n") : QStringLiteral("123\n");
    EXPECT_EQ(BatchPrizeMessages(text, "012"), QStringList{summary(directWon(lines / 1000 + 1), lines, 2)});
    EXPECT_EQ(BatchPrizeMessages(text, ""),
              QStringList({PrizeText::kIssueMissing, summary(PrizeText::kNoWin, lines, 2)}));
    text[text.size() - 3] = u'x';
    EXPECT_EQ(BatchPrizeMessages(text, "012"), QStringList{PrizeText::badLine(lines)});
}

// Every kind of win and miss: a 直选 ticket in its order only, a 组选 ticket
// in any order, paid as 组选3 on a pair and 组选6 on three different digits,
// never on a 豹子.
TEST(PrizeCheck, EveryKindOfWinAndMiss)
{
    struct Case
    {
        const char* bet;
        const char* drawn;
        TicketKind kind;
        int yuan;
    };
    const Case cases[] = {
        {"894", "894", TicketKind::Direct, 1040}, {"948", "894", TicketKind::Direct, 0},
        {"000", "000", TicketKind::Direct, 1040}, {"948", "894", TicketKind::Group, 173},
        {"894", "894", TicketKind::Group, 173},   {"112", "211", TicketKind::Group, 346},
        {"121", "112", TicketKind::Group, 346},   {"122", "112", TicketKind::Group, 0},
        {"777", "777", TicketKind::Group, 0},     {"123", "124", TicketKind::Group, 0},
        {"012", "210", TicketKind::Group, 173},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.bet) + " " + c.drawn);
        EXPECT_EQ(ticketPrize(QString(c.bet).toInt(), QString(c.drawn).toInt(), c.kind), c.yuan);
        EXPECT_EQ(SinglePrizeMessage(c.bet, c.drawn, c.kind), c.yuan ? PrizeText::won(c.yuan) : PrizeText::kNoWin);
    }
    EXPECT_EQ(PrizeText::won(1040), "恭喜，您中奖了，奖金是：1040元");
    EXPECT_EQ(SinglePrizeMessage("012", "", TicketKind::Group), PrizeText::kIssueMissing);
}

// A 组选 batch counts each kind and adds the prizes; its theoretical return
// counts a pair's ticket on 3 numbers, a different-digit one on 6, a 豹子 on none.
TEST(PrizeCheck, GroupBatchCountsEachKindAndTheTotal)
{
    EXPECT_EQ(
        BatchPrizeMessages(u"948\n489\n112\n777", "894", TicketKind::Group),
        QStringList{"恭喜，您有2注号码中奖（组选3 0注，组选6 2注），请尽快去兑奖！\n奖金合计：346元\n"
                    "按组选计，所查 4 注的理论值：成本 8 元，下期中奖机会 0.9%，理论返还 3.11 元，理论返还率 38.9%"});
    EXPECT_EQ(BatchPrizeMessages(u"121\n211\n894", "112", TicketKind::Group).first().section('\n', 0, 1),
              "恭喜，您有2注号码中奖（组选3 2注，组选6 0注），请尽快去兑奖！\n奖金合计：692元");
    EXPECT_EQ(BatchPrizeMessages(u"777", "777", TicketKind::Group).first().section('\n', 0, 0), PrizeText::kNoWin);
}

} // namespace
