#include "core/PrizeCheck.h"

#include "core/ConversionError.h"

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
} // namespace PrizeText

QString SinglePrizeMessage(const QString& bet, const QString& drawn)
{
    if (drawn.isEmpty())
        return PrizeText::kIssueMissing;
    return bet == drawn ? PrizeText::kWon : PrizeText::kNoWin;
}

QStringList BatchPrizeMessages(const QStringList& lines, const QString& drawn)
{
    QStringList messages;
    int wins = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        bool isInteger = line.size() == 3;
        if (isInteger) {
            try {
                toIntStrict(line);
            } catch (const ConversionError&) {
                isInteger = false;
            }
        }
        if (!isInteger) {
            messages << PrizeText::badLine(i + 1);
            return messages;
        }
        if (drawn.isEmpty())
            messages << PrizeText::kIssueMissing;
        else if (line == drawn)
            ++wins;
    }
    messages << (wins > 0 ? PrizeText::batchWon(wins) : PrizeText::kNoWin);
    return messages;
}

QStringList BetLines(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
