#include "core/PrizeCheck.h"

#include "core/Backtest.h"
#include "core/DrawEntry.h"
#include "core/DrawRecord.h"
#include "core/ExpectedReturn.h"
#include "core/Statistics.h"

#include <algorithm>
#include <bitset>
#include <optional>
#include <utility>
#include <vector>

namespace PrizeText {
// The issue and number boxes answer as the entry panel's do.
const QString kAskIssue = EntryText::kNoIssue;
const QString kNoNumber = EntryText::kNoNumber;
const QString kBadNumber = EntryText::kBadNumber;
const QString kNoBets = QStringLiteral("您还未输入查询号码，请输入v号码！");
const QString kNoWin = QStringLiteral("非常抱歉，这次未中奖，请继续努力！");
const QString kIssueMissing = QStringLiteral("您输入的数据有错，请确认数据库是否有该期号码！");

QString badLine(int line)
{
    return QStringLiteral("您输入的第%1行查询号码有误，请重新输入查询号码！").arg(line);
}

QString won(int yuan)
{
    return QStringLiteral("恭喜，您中奖了，奖金是：%1元").arg(yuan);
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
} // namespace PrizeText

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

} // namespace

int ticketPrize(int bet, int drawn, TicketKind kind)
{
    const std::optional<BetKind> played = kind == TicketKind::Direct ? BetKind::Direct : groupKindOf(bet);
    return played && betWins(Bet{bet}, AllNumbers()[drawn], *played) ? prizeOf(*played) : 0;
}

QString SinglePrizeMessage(const QString& bet, const QString& drawn, TicketKind kind)
{
    if (drawn.isEmpty())
        return PrizeText::kIssueMissing;
    if (!isDrawNumber(bet) || !isDrawNumber(drawn))
        return PrizeText::kNoWin;
    const int yuan = ticketPrize(bet.toInt(), drawn.toInt(), kind);
    return yuan > 0 ? PrizeText::won(yuan) : PrizeText::kNoWin;
}

namespace {

// Three characters that read as a decimal integer: an optional sign, then digits.
bool isThreeCharacterInteger(QStringView line)
{
    if (line.size() != 3)
        return false;
    const qsizetype digitsFrom = line[0] == u'+' || line[0] == u'-' ? 1 : 0;
    for (qsizetype i = digitsFrom; i < line.size(); ++i)
        if (line[i] < u'0' || line[i] > u'9')
            return false;
    return true;
}

// What `bets` (0-999) return in theory as tickets of `kind`: 组选 tickets as
// the 组选3 and 组选6 bets they are, which win on different numbers; a 豹子
// ticket costs and wins nothing.
BetReturn ticketsReturn(const std::vector<int>& bets, TicketKind kind)
{
    if (kind == TicketKind::Direct) {
        std::bitset<1000> different;
        for (int bet : bets)
            different.set(size_t(bet));
        return expectedReturn(BetKind::Direct, qint64(bets.size()), qint64(different.count()));
    }
    std::bitset<1000> classes[2];
    qint64 counts[2] = {};
    for (int bet : bets) {
        if (const std::optional<BetKind> played = groupKindOf(bet)) {
            const int k = *played == BetKind::Group3 ? 0 : 1;
            ++counts[k];
            classes[k].set(size_t(sortedValue(bet)));
        }
    }
    const BetReturn group3 = expectedReturn(BetKind::Group3, counts[0], qint64(classes[0].count()));
    const BetReturn group6 = expectedReturn(BetKind::Group6, counts[1], qint64(classes[1].count()));
    BetReturn r;
    r.bets = qint64(bets.size());
    r.cost = r.bets * BacktestPrices::kPerBet;
    r.hitChance = group3.hitChance + group6.hitChance;
    r.expectedPrize = group3.expectedPrize + group6.expectedPrize;
    // Without bets, the rate of one 组选 ticket that can win.
    r.returnRate = r.cost ? r.expectedPrize / double(r.cost) : group3.returnRate;
    return r;
}

} // namespace

QStringList BatchPrizeMessages(QStringView text, const QString& drawn, TicketKind kind)
{
    QStringList messages;
    int wins = 0, group3 = 0, group6 = 0;
    qint64 prize = 0;
    const int drawnValue = isDrawNumber(drawn) ? drawn.toInt() : -1;
    // The same issue for every line: once said is enough, where a long list
    // would otherwise ask for a box per line.
    bool missingSaid = false;
    // Signed lines ("-12") pass the check but are no number one can bet on.
    std::vector<int> bets;
    const qsizetype end = text.endsWith(u'\n') ? text.size() - 1 : text.size();
    qsizetype start = 0;
    for (int number = 1;; ++number) {
        qsizetype stop = text.indexOf(u'\n', start);
        if (stop < 0 || stop > end)
            stop = end;
        const QStringView line = text.mid(start, stop - start);
        if (!isThreeCharacterInteger(line)) {
            messages << PrizeText::badLine(number);
            return messages;
        }
        const bool signedLine = line[0] == u'+' || line[0] == u'-';
        const int bet = signedLine ? -1
                                   : (line[0].unicode() - u'0') * 100 + (line[1].unicode() - u'0') * 10 +
                                         (line[2].unicode() - u'0');
        if (bet >= 0)
            bets.push_back(bet);
        if (drawn.isEmpty()) {
            if (!std::exchange(missingSaid, true))
                messages << PrizeText::kIssueMissing;
        } else if (bet >= 0 && drawnValue >= 0) {
            if (const int yuan = ticketPrize(bet, drawnValue, kind); yuan > 0) {
                ++wins;
                prize += yuan;
                if (kind == TicketKind::Group)
                    ++(yuan == prizeOf(BetKind::Group3) ? group3 : group6);
            }
        }
        if (stop == end)
            break;
        start = stop + 1;
    }
    QString verdict = PrizeText::kNoWin;
    if (wins > 0) {
        verdict = kind == TicketKind::Direct ? PrizeText::batchWon(wins) : PrizeText::batchGroupWon(group3, group6);
        verdict += QLatin1Char('\n') + PrizeText::totalPrize(prize);
    }
    messages << verdict + QLatin1Char('\n') + PrizeText::theoreticalReturn(ticketsReturn(bets, kind), kind);
    return messages;
}
