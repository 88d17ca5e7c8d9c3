#include "exchange/ResultJson.h"

#include "exchange/DrawFields.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Words a JSON viewer may put before the answer.
constexpr qsizetype kLongestLead = 256;

// Issues are strings in both answers; a number is taken as written.
QString textOf(const QJsonValue& value)
{
    if (value.isString())
        return value.toString();
    if (value.isDouble())
        return QString::number(value.toDouble(), 'f', 0);
    return {};
}

void readEntries(const QJsonArray& entries, const QString& issueKey, const QString& numberKey, ImportFile& file,
                 std::optional<Game> game)
{
    DrawKeeper keeper(file, game);
    int line = 0;
    for (const QJsonValue& value : entries) {
        ++line;
        const QJsonObject entry = value.toObject();
        const QString issueText = textOf(entry.value(issueKey));
        const QString numberText = textOf(entry.value(numberKey));
        ImportLine draw{line, DrawFields::issueOf(issueText), DrawFields::numberOfCell(numberText.trimmed())};
        if (draw.issue.isEmpty() || draw.number.isEmpty())
            addBadLine(file, line, (issueText + QLatin1Char(' ') + numberText).trimmed());
        else if (keeper.add(std::move(draw)) == DrawKeeper::Outcome::Refused)
            break;
    }
}

} // namespace

std::optional<ImportFile> readResultJson(const QString& text, std::optional<Game> game)
{
    const qsizetype open = text.indexOf(u'{');
    if (open < 0 || open > kLongestLead)
        return std::nullopt;
    const qsizetype close = text.lastIndexOf(u'}');
    if (close < open)
        return std::nullopt;
    if (close - open + 1 > ImportLimits::kJsonAnswerChars) {
        ImportFile file;
        file.refusal = QStringLiteral("开奖查询结果超过%1 MB，不是开奖查询的回答，没有读取。")
                           .arg(ImportLimits::kJsonAnswerChars >> 20);
        return file;
    }
    QJsonParseError error{};
    const QJsonDocument json = QJsonDocument::fromJson(text.mid(open, close - open + 1).toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !json.isObject())
        return std::nullopt;
    ImportFile file;
    const QJsonObject answer = json.object();
    if (answer.value(QLatin1String("result")).isArray())
        readEntries(answer.value(QLatin1String("result")).toArray(), QStringLiteral("code"), QStringLiteral("red"),
                    file, game);
    else if (answer.value(QLatin1String("value")).toObject().value(QLatin1String("list")).isArray())
        readEntries(answer.value(QLatin1String("value")).toObject().value(QLatin1String("list")).toArray(),
                    QStringLiteral("lotteryDrawNum"), QStringLiteral("lotteryDrawResult"), file, game);
    return file;
}
