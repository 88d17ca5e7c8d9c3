#include "core/PrizeCheck.h"

#include "core/ExpectedReturn.h"

#include <bitset>
#include <utility>

namespace PrizeText {
const QString kAskIssue = QStringLiteral("请输入彩票期数！");
const QString kNoNumber = QStringLiteral("您还未输入开奖号码，请输入开奖号码！");
const QString kBadNumber = QStringLiteral("您输入的开奖号码有误，请重新输入开奖号码！");
const QString kNoBets = QStringLiteral("您还未输入查询号码，请输入v号码！");
const QString kWon = QStringLiteral("恭喜，您中奖了，奖金是：1000元");
const QString kNoWin = QStringLiteral("非常抱歉，这次未中奖，请继续努力！");
const QString kIssueMissing = QStringLiteral("您输入的数据有错，请确认数据库是否有该期号码！");

QString badLine(int line)
{
    return QStringLiteral("您输入的第%1行查询号码有误，请重新输入查询号码！").arg(line);
}

QString batchWon(int wins)
{
    return QStringLiteral("恭喜，您有%1注号码中了一等奖，请尽快去兑奖！").arg(wins);
}
QString theoreticalReturn(const BetReturn& checked)
{
    return QStringLiteral("按直选计，所查 %1 注的理论值：").arg(checked.bets) + ReturnText::summary(checked);
}
} // namespace PrizeText

QString SinglePrizeMessage(const QString& bet, const QString& drawn)
{
    if (drawn.isEmpty())
        return PrizeText::kIssueMissing;
    return bet == drawn ? PrizeText::kWon : PrizeText::kNoWin;
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

} // namespace

QStringList BatchPrizeMessages(QStringView text, const QString& drawn)
{
    QStringList messages;
    int wins = 0;
    // The same issue for every line: once said is enough, where a long list
    // would otherwise ask for a box per line.
    bool missingSaid = false;
    // Signed lines ("-12") pass the check but are no number one can bet on.
    qint64 bets = 0;
    std::bitset<1000> different;
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
        if (line[0] != u'+' && line[0] != u'-') {
            ++bets;
            different.set(size_t((line[0].unicode() - u'0') * 100 + (line[1].unicode() - u'0') * 10 +
                                 (line[2].unicode() - u'0')));
        }
        if (drawn.isEmpty()) {
            if (!std::exchange(missingSaid, true))
                messages << PrizeText::kIssueMissing;
        } else if (line == drawn) {
            ++wins;
        }
        if (stop == end)
            break;
        start = stop + 1;
    }
    const BetReturn checked = expectedReturn(BetKind::Direct, bets, qint64(different.count()));
    messages << (wins > 0 ? PrizeText::batchWon(wins) : PrizeText::kNoWin) + QLatin1Char('\n') +
                    PrizeText::theoreticalReturn(checked);
    return messages;
}
