#include "core/PrizeCheck.h"

#include "core/NumberText.h"

#include "core/Backtest.h"
#include "core/DrawEntry.h"
#include "core/DrawRecord.h"
#include "core/Statistics.h"

#include <bitset>
#include <optional>

namespace {

// The 组选 kind a ticket plays: a pair's ticket is 组选3, three different
// digits 组选6; three equal digits win no 组选 at all.
std::optional<BetKind> groupKindOf(int ticket)
{
    const int a = ticket / 100, b = ticket / 10 % 10, c = ticket % 10;
    if (a == b && b == c)
        return std::nullopt;
    return a == b || b == c || a == c ? BetKind::Group3 : BetKind::Group6;
}

bool isSpace(QChar c)
{
    return c.isSpace() || c == u'\u3000';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Digits only, at least one.
bool allDigits(QStringView part)
{
    if (part.isEmpty())
        return false;
    for (QChar c : part)
        if (!isDigit(c))
            return false;
    return true;
}

} // namespace

TicketWin ticketWin(int bet, int drawn, TicketKind kind)
{
    if (kind == TicketKind::Direct)
        return bet == drawn ? TicketWin::Direct : TicketWin::None;
    const std::optional<BetKind> played = groupKindOf(bet);
    if (!played)
        return TicketWin::GroupLeopard;
    if (!betWins(Bet{bet}, AllNumbers()[drawn], *played))
        return TicketWin::None;
    return *played == BetKind::Group3 ? TicketWin::Group3 : TicketWin::Group6;
}

int winPrize(TicketWin win)
{
    switch (win) {
    case TicketWin::Direct:
        return prizeOf(BetKind::Direct);
    case TicketWin::Group3:
        return prizeOf(BetKind::Group3);
    case TicketWin::Group6:
        return prizeOf(BetKind::Group6);
    default:
        return 0;
    }
}

int ticketPrize(int bet, int drawn, TicketKind kind)
{
    return winPrize(ticketWin(bet, drawn, kind));
}

int ticketOfLine(QStringView line)
{
    line = line.trimmed();
    if (line.contains(u'=')) {
        // The bet export: serial=bet=sum, the bet in the middle.
        const QList<QStringView> parts = line.split(u'=');
        if (parts.size() != 3 || !allDigits(parts[0].trimmed()) || !allDigits(parts[2].trimmed()))
            return -1;
        const QStringView bet = parts[1].trimmed();
        return numberValue(bet).value_or(-1);
    }
    int value = 0, digits = 0;
    for (QChar c : line) {
        if (isDigit(c)) {
            if (++digits > 3)
                return -1;
            value = value * 10 + (c.unicode() - u'0');
        } else if (!isSpace(c) && c != u',' && c != u'，' && c != u'、') {
            return -1;
        }
    }
    return digits == 3 ? value : -1;
}

namespace {

// What the checked tickets return in theory as tickets of `kind`: 组选
// tickets as the 组选3 and 组选6 bets they are, which win on different
// numbers; a 豹子 ticket costs and wins nothing.
BetReturn ticketsReturn(const std::vector<CheckedTicket>& tickets, TicketKind kind)
{
    if (kind == TicketKind::Direct) {
        std::bitset<1000> different;
        for (const CheckedTicket& t : tickets)
            different.set(size_t(t.ticket));
        return expectedReturn(BetKind::Direct, qint64(tickets.size()), qint64(different.count()));
    }
    std::bitset<1000> classes[2];
    qint64 counts[2] = {};
    for (const CheckedTicket& t : tickets) {
        if (const std::optional<BetKind> played = groupKindOf(t.ticket)) {
            const int k = *played == BetKind::Group3 ? 0 : 1;
            ++counts[k];
            classes[k].set(size_t(sortedValue(t.ticket)));
        }
    }
    const BetReturn group3 = expectedReturn(BetKind::Group3, counts[0], qint64(classes[0].count()));
    const BetReturn group6 = expectedReturn(BetKind::Group6, counts[1], qint64(classes[1].count()));
    BetReturn r;
    r.bets = qint64(tickets.size());
    r.cost = r.bets * BacktestPrices::kPerBet;
    r.hitChance = group3.hitChance + group6.hitChance;
    r.expectedPrize = group3.expectedPrize + group6.expectedPrize;
    // Without bets, the rate of one 组选 ticket that can win.
    r.returnRate = r.cost ? r.expectedPrize / double(r.cost) : group3.returnRate;
    return r;
}

} // namespace

PrizeReport checkTicketList(QStringView text, int drawn, TicketKind kind)
{
    PrizeReport report;
    report.kind = kind;
    qsizetype start = 0;
    for (int number = 1; start <= text.size(); ++number) {
        qsizetype stop = text.indexOf(u'\n', start);
        if (stop < 0)
            stop = text.size();
        const QStringView line = text.mid(start, stop - start);
        start = stop + 1;
        if (line.trimmed().isEmpty())
            continue;
        const int ticket = ticketOfLine(line);
        if (ticket < 0) {
            report.badLines.push_back(number);
            if (report.badTexts.size() < PrizeLimits::kBadLinesShown)
                report.badTexts << line.trimmed().left(PrizeLimits::kQuotedLength).toString();
            continue;
        }
        const TicketWin win = ticketWin(ticket, drawn, kind);
        report.tickets.push_back({number, qint16(ticket), win});
        report.prize += winPrize(win);
        report.direct += win == TicketWin::Direct;
        report.group3 += win == TicketWin::Group3;
        report.group6 += win == TicketWin::Group6;
    }
    report.theory = ticketsReturn(report.tickets, kind);
    return report;
}

namespace PrizeText {
// The issue and number boxes answer as the entry panel's do.
const QString kAskIssue = EntryText::kNoIssue;
const QString kNoNumber = EntryText::kNoNumber;
const QString kBadNumber = EntryText::kBadNumber;
const QString kNoBets = QStringLiteral("您还未输入查询号码，请输入号码！");
const QString kNoTickets = QStringLiteral("没有一行是可以查询的号码，请按每行一注输入（如 123、1 2 3、1,2,3 或 1=123=6）！");
const QString kNoWin = QStringLiteral("非常抱歉，这次未中奖，请继续努力！");
const QString kGroupNoLeopard =
    QStringLiteral("未中奖：组选不包括豹子（三位数字相同的号码），豹子只能按直选投注。");
const QString kIssueMissing = QStringLiteral("您输入的数据有错，请确认数据库是否有该期号码！");

QString won(TicketWin win, int yuan)
{
    return QStringLiteral("恭喜，您中奖了，%1，奖金是：%2元").arg(winName(win)).arg(yuan);
}

QString batchWon(int wins)
{
    return QStringLiteral("恭喜，您有%1注号码中了一等奖，请尽快去兑奖！").arg(wins);
}

QString batchGroupWon(int group3, int group6)
{
    return QStringLiteral("恭喜，您有%1注号码中奖（组选3 %2注，组选6 %3注），请尽快去兑奖！")
        .arg(group3 + group6)
        .arg(group3)
        .arg(group6);
}

QString totalPrize(qint64 yuan)
{
    return QStringLiteral("奖金合计：%1元").arg(yuan);
}

QString theoreticalReturn(const BetReturn& checked, TicketKind kind)
{
    return QStringLiteral("按%1计，所查 %2 注的理论值：")
               .arg(kind == TicketKind::Direct ? QStringLiteral("直选") : QStringLiteral("组选"))
               .arg(checked.bets) +
           ReturnText::summary(checked);
}

QString badLines(const PrizeReport& report)
{
    QStringList quoted;
    for (qsizetype i = 0; i < report.badTexts.size(); ++i)
        quoted << QStringLiteral("第%1行“%2”").arg(report.badLines[size_t(i)]).arg(report.badTexts[i]);
    QString text = QStringLiteral("%1行不是号码，未查询：").arg(report.badLines.size()) + quoted.join(u'；');
    if (report.badLines.size() > size_t(report.badTexts.size()))
        text += QStringLiteral("……");
    return text;
}

QStringList summary(const PrizeReport& report)
{
    QStringList lines;
    if (!report.badLines.empty())
        lines << badLines(report);
    if (report.tickets.empty())
        return lines;
    if (report.wins() == 0) {
        lines << kNoWin;
    } else {
        lines << (report.kind == TicketKind::Direct ? batchWon(report.direct)
                                                    : batchGroupWon(report.group3, report.group6));
        lines << totalPrize(report.prize);
    }
    lines << theoreticalReturn(report.theory, report.kind);
    return lines;
}

QString playName(int ticket, TicketKind kind)
{
    if (kind == TicketKind::Direct)
        return QStringLiteral("直选");
    const std::optional<BetKind> played = groupKindOf(ticket);
    return !played                          ? QStringLiteral("组选")
           : *played == BetKind::Group3 ? QStringLiteral("组选3")
                                            : QStringLiteral("组选6");
}

QString winName(TicketWin win)
{
    switch (win) {
    case TicketWin::Direct:
        return QStringLiteral("直选");
    case TicketWin::Group3:
        return QStringLiteral("组选3");
    case TicketWin::Group6:
        return QStringLiteral("组选6");
    case TicketWin::GroupLeopard:
        return QStringLiteral("组选不含豹子");
    case TicketWin::None:
        break;
    }
    return QStringLiteral("未中奖");
}
} // namespace PrizeText

QString SinglePrizeMessage(const QString& bet, const QString& drawn, TicketKind kind)
{
    if (drawn.isEmpty())
        return PrizeText::kIssueMissing;
    const std::optional<int> betValue = numberValue(bet);
    const std::optional<int> drawnValue = numberValue(drawn);
    if (!betValue || !drawnValue)
        return PrizeText::kNoWin;
    const TicketWin win = ticketWin(*betValue, *drawnValue, kind);
    if (win == TicketWin::GroupLeopard)
        return PrizeText::kGroupNoLeopard;
    return win == TicketWin::None ? PrizeText::kNoWin : PrizeText::won(win, winPrize(win));
}
