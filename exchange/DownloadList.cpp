#include "exchange/DownloadList.h"

#include <QFile>
#include <QStringDecoder>

DownloadListError::DownloadListError(const QString& message) : std::runtime_error(message.toStdString()) {}

QStringList readDownloadList(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DownloadListError(QStringLiteral("无法打开文件 %1：%2").arg(path, file.errorString()));
    QStringDecoder decoder("GBK");
    const QString text = decoder(file.readAll());
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the terminator of the last line starts no line
    for (QString& line : lines)
        line = line.trimmed();
    return lines;
}

QString downloadAddress(const QStringList& lines, Game game, bool history)
{
    const int index = (history ? 2 : 0) + (game == Game::Fucai ? 0 : 1);
    return lines.value(index);
}
