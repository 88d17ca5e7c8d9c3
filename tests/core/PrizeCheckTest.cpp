#include "core/ExpectedReturn.h"
#include "core/PrizeCheck.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

// Every shape a list line may take, and lines that are no ticket.
TEST(PrizeCheck, LineShapes)
{
    const struct
    {
        QString line;
        int ticket;
    } cases[] = {
        {"123", 123},       {"012", 12},         {"000", 0},          {"1 2 3", 123},      {"1,2,3", 123},
        {"1，2，3", 123},   {"1、2、3", 123},    {"  4 5 6\r", 456},  {"\t789\t", 789},    {"1=123=6", 123},
        {"15=045=9", 45},   {"1 = 123 = 6", 123}, {"12 3", 123},      {"1\u30002\u30003", 123},
        // No ticket:
        {"12", -1},         {"1234", -1},        {"1a2", -1},         {"-12", -1},         {"+12", -1},
        {"1.5", -1},        {"12 34", -1},       {"1=12=3", -1},      {"1=123", -1},       {"=123=6", -1},
        {"a=123=6", -1},    {"1=123=6=7", -1},   {"1=1 23=6", -1},    {"１２３", -1},      {"123;", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ticketOfLine(c.line), c.ticket) << c.line.toStdString();
}

// "line:ticket:win" for every checked ticket of a report.
QStringList rows(const PrizeReport& report)
{
    QStringList list;
    for (const CheckedTicket& t : report.tickets)
        list << QStringLiteral("%1:%2:%3").arg(t.line).arg(t.ticket, 3, 10, QLatin1Char('0')).arg(int(t.win));
    return list;
}

QString directReturn(int bets, int different)
{
    return PrizeText::theoreticalReturn(expectedReturn(BetKind::Direct, bets, different));
}

// Lists in every shape against 012: blank lines skipped but counted, bad
// lines listed while the rest are checked, the summary under them.
TEST(PrizeCheck, ListsAreCheckedLineByLine)
{
    const int none = int(TicketWin::None);
    const auto won = [](int wins) {
        return QStringList{PrizeText::batchWon(wins), PrizeText::totalPrize(wins * 1040LL)};
    };
    const struct
    {
        QString text;
        QStringList rows;
        std::vector<int> bad;
        QStringList summary;
    } cases[] = {
        {"123\n012\n999", {"1:123:0", "2:012:1", "3:999:0"}, {}, won(1) << directReturn(3, 3)},
        {"210", {QStringLiteral("1:210:%1").arg(none)}, {}, {PrizeText::kNoWin, directReturn(1, 1)}},
        {"012\n", {"1:012:1"}, {}, won(1) << directReturn(1, 1)},
        {"123\n\n  \n012", {"1:123:0", "4:012:1"}, {}, won(1) << directReturn(2, 2)},
        {"012\r\n0 1 2\r\n0,1,2\r\n", {"1:012:1", "2:012:1", "3:012:1"}, {}, won(3) << directReturn(3, 1)},
        {"1=012=3\r\n2=123=6\r\n", {"1:012:1", "2:123:0"}, {}, won(1) << directReturn(2, 2)},
        {"012\n12\n012",
         {"1:012:1", "3:012:1"},
         {2},
         QStringList{QStringLiteral("1行不是号码，未查询：第2行“12”")} << won(2) << directReturn(2, 1)},
        {"1a2\n-12\n+12", {}, {1, 2, 3}, {QStringLiteral("3行不是号码，未查询：第1行“1a2”；第2行“-12”；第3行“+12”")}},
        {"\n \n", {}, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const PrizeReport report = checkTicketList(c.text, 12, TicketKind::Direct);
        EXPECT_EQ(rows(report), c.rows);
        EXPECT_EQ(report.badLines, c.bad);
        EXPECT_EQ(PrizeText::summary(report), c.summary);
    }
    EXPECT_EQ(PrizeText::summary(checkTicketList(u"123\n012\n123\n999", 12, TicketKind::Direct)),
              QStringList({"恭喜，您有1注号码中了一等奖，请尽快去兑奖！", "奖金合计：1040元",
                           "按直选计，所查 4 注的理论值：成本 8 元，下期中奖机会 0.3%，理论返还 4.16 元，理论返还率 52.0%"}));
}

// Bad lines are quoted up to a limit, each cut short; the rest are counted.
TEST(PrizeCheck, BadLinesAreQuotedUpToTheLimit)
{
    QString text;
    for (int i = 0; i < PrizeLimits::kBadLinesShown + 5; ++i)
        text += QStringLiteral("x%1\n").arg(i);
    text += QString(100, u'y') + "\n012";
    const PrizeReport report = checkTicketList(text, 12, TicketKind::Direct);
    EXPECT_EQ(int(report.badLines.size()), PrizeLimits::kBadLinesShown + 6);
    EXPECT_EQ(report.badTexts.size(), PrizeLimits::kBadLinesShown);
    EXPECT_EQ(rows(report), QStringList({QStringLiteral("%1:012:1").arg(PrizeLimits::kBadLinesShown + 7)}));
    const QString said = PrizeText::badLines(report);
    EXPECT_TRUE(said.startsWith(QStringLiteral("%1行不是号码，未查询：第1行“x0”；第2行“x1”").arg(report.badLines.size())));
    EXPECT_TRUE(said.endsWith("……"));

    const PrizeReport cut = checkTicketList(QString(100, u'y'), 12, TicketKind::Direct);
    EXPECT_EQ(cut.badTexts, QStringList{QString(PrizeLimits::kQuotedLength, u'y')});
}

// A pasted list of ten megabytes: every line checked, a bad one named by
// its number however far down it is, the rest still checked.
TEST(PrizeCheck, TenMegabyteList)
{
    const int lines = (10 << 20) / 4;
    QString text;
    text.reserve(qsizetype(lines) * 4);
    for (int i = 0; i < lines; ++i)
        text += i % 1000 == 0 ? QStringLiteral("012\n") : QStringLiteral("123\n");
    const int wins = (lines + 999) / 1000;
    PrizeReport report = checkTicketList(text, 12, TicketKind::Direct);
    EXPECT_EQ(int(report.tickets.size()), lines);
    EXPECT_EQ(report.direct, wins);
    EXPECT_EQ(PrizeText::summary(report).last(), directReturn(lines, 2));
    text[text.size() - 3] = u'x';
    report = checkTicketList(text, 12, TicketKind::Direct);
    EXPECT_EQ(report.badLines, std::vector<int>{lines});
    EXPECT_EQ(int(report.tickets.size()), lines - 1);
    EXPECT_EQ(report.direct, wins);
}

// Every kind of win and miss: a 直选 ticket in its order only, a 组选 ticket
// in any order, paid as 组选3 on a pair and 组选6 on three different digits;
// a 组选 ticket of three equal digits is told that 组选 does not cover it.
TEST(PrizeCheck, EveryKindOfWinAndMiss)
{
    const struct
    {
        const char* bet;
        const char* drawn;
        TicketKind kind;
        TicketWin win;
        int yuan;
    } cases[] = {
        {"894", "894", TicketKind::Direct, TicketWin::Direct, 1040},
        {"948", "894", TicketKind::Direct, TicketWin::None, 0},
        {"000", "000", TicketKind::Direct, TicketWin::Direct, 1040},
        {"948", "894", TicketKind::Group, TicketWin::Group6, 173},
        {"894", "894", TicketKind::Group, TicketWin::Group6, 173},
        {"112", "211", TicketKind::Group, TicketWin::Group3, 346},
        {"121", "112", TicketKind::Group, TicketWin::Group3, 346},
        {"122", "112", TicketKind::Group, TicketWin::None, 0},
        {"777", "777", TicketKind::Group, TicketWin::GroupLeopard, 0},
        {"444", "123", TicketKind::Group, TicketWin::GroupLeopard, 0},
        {"123", "124", TicketKind::Group, TicketWin::None, 0},
        {"123", "444", TicketKind::Group, TicketWin::None, 0},
        {"012", "210", TicketKind::Group, TicketWin::Group6, 173},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.bet) + " " + c.drawn);
        EXPECT_EQ(ticketWin(QString(c.bet).toInt(), QString(c.drawn).toInt(), c.kind), c.win);
        EXPECT_EQ(ticketPrize(QString(c.bet).toInt(), QString(c.drawn).toInt(), c.kind), c.yuan);
        const QString message = c.win == TicketWin::GroupLeopard ? PrizeText::kGroupNoLeopard
                                : c.yuan                         ? PrizeText::won(c.win, c.yuan)
                                                                 : PrizeText::kNoWin;
        EXPECT_EQ(SinglePrizeMessage(c.bet, c.drawn, c.kind), message);
    }
    EXPECT_EQ(PrizeText::won(TicketWin::Group3, 346), "恭喜，您中奖了，组选3，奖金是：346元");
    EXPECT_EQ(PrizeText::won(TicketWin::Direct, 1040), "恭喜，您中奖了，直选，奖金是：1040元");
    EXPECT_EQ(SinglePrizeMessage("012", "", TicketKind::Group), PrizeText::kIssueMissing);
    EXPECT_EQ(PrizeText::kNoBets, "您还未输入查询号码，请输入号码！");
}

// A 组选 list counts each kind and adds the prizes; its theoretical return
// counts a pair's ticket on 3 numbers, a different-digit one on 6, a 豹子 on none.
TEST(PrizeCheck, GroupListCountsEachKindAndTheTotal)
{
    const PrizeReport report = checkTicketList(u"948\n489\n112\n777", 894, TicketKind::Group);
    EXPECT_EQ(PrizeText::summary(report),
              QStringList({"恭喜，您有2注号码中奖（组选3 0注，组选6 2注），请尽快去兑奖！", "奖金合计：346元",
                           "按组选计，所查 4 注的理论值：成本 8 元，下期中奖机会 0.9%，理论返还 3.11 元，理论返还率 38.9%"}));
    QStringList played, won;
    for (const CheckedTicket& t : report.tickets)
        played << PrizeText::playName(t.ticket, TicketKind::Group), won << PrizeText::winName(t.win);
    EXPECT_EQ(played, QStringList({"组选6", "组选6", "组选3", "组选"}));
    EXPECT_EQ(won, QStringList({"组选6", "组选6", "未中奖", "组选不含豹子"}));
    EXPECT_EQ(PrizeText::summary(checkTicketList(u"121\n211\n894", 112, TicketKind::Group)).mid(0, 2),
              QStringList({"恭喜，您有2注号码中奖（组选3 2注，组选6 0注），请尽快去兑奖！", "奖金合计：692元"}));
    EXPECT_EQ(PrizeText::summary(checkTicketList(u"777", 777, TicketKind::Group)).first(), PrizeText::kNoWin);
}

} // namespace
