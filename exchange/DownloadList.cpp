#include "exchange/DownloadList.h"

#include "exchange/ImportFile.h"

#include <QFile>
#include <QRegularExpression>

DownloadListError::DownloadListError(const QString& message) : std::runtime_error(message.toStdString()) {}

QStringList readDownloadList(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DownloadListError(QStringLiteral("无法打开文件 %1：%2").arg(path, file.errorString()));
    // GBK as the program writes it, or UTF-8 (with its byte-order mark) as an
    // editor may save it: decoded as the import decodes a text file.
    const QString text = decodeText(file.read(kDownloadListBytes));
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

QStringList splitAddresses(const QString& line)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return line.split(blanks, Qt::SkipEmptyParts);
}

bool isWebScheme(const QUrl& url)
{
    return url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
}

AddressProblem addressProblem(const QString& address)
{
    if (address.isEmpty() || address.size() > kLongestAddress)
        return AddressProblem::NotAnAddress;
    const QUrl url = QUrl::fromUserInput(address);
    if (!url.isValid())
        return AddressProblem::NotAnAddress;
    // A page of this machine would hand its files to whoever wrote the
    // address list: only the web is downloaded from.
    if (!isWebScheme(url))
        return AddressProblem::NotWeb;
    // A word alone would be taken for a host; a page's host has a dot in
    // its name, or is this machine.
    const QString host = url.host();
    const bool namesAHost = host.contains(u'.') || host.contains(u':') || host == QLatin1String("localhost");
    return namesAHost ? AddressProblem::None : AddressProblem::NotAnAddress;
}

QUrl downloadUrl(const QString& address)
{
    return addressProblem(address) == AddressProblem::None ? QUrl::fromUserInput(address) : QUrl();
}
