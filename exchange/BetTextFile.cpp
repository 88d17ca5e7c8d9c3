#include "exchange/BetTextFile.h"

#include <QSaveFile>
#include <QStringEncoder>

QStringList betTextLines(const BetList& bets)
{
    QStringList lines;
    lines.reserve(qsizetype(bets.size()));
    for (std::size_t i = 0; i < bets.size(); ++i)
        lines << QStringLiteral("%1=%2=%3").arg(i + 1).arg(bets[i].text()).arg(bets[i].sum());
    return lines;
}

QStringList memoLines(const QString& text)
{
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

BetFileError::BetFileError(const QString& text) : std::runtime_error(text.toStdString()) {}

QByteArray betTextBytes(const QStringList& lines)
{
    QStringEncoder gbk("GBK");
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += gbk.isValid() ? QByteArray(gbk(line)) : line.toLocal8Bit();
        bytes += "\r\n";
    }
    return bytes;
}

void writeBetTextFile(const QString& path, const QStringList& lines)
{
    // Written beside the target and renamed over it: a failed write never
    // leaves a half file under the chosen name.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw BetFileError(QStringLiteral("无法创建文件 %1：%2").arg(path, file.errorString()));
    const QByteArray bytes = betTextBytes(lines);
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw BetFileError(QStringLiteral("无法写入文件 %1：%2").arg(path, file.errorString()));
}

QString betTextFileName(const QString& chosen)
{
    return chosen.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive) ? chosen : chosen + QLatin1String(".txt");
}
