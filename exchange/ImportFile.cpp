#include "exchange/ImportFile.h"

#include "exchange/DrawText.h"
#include "exchange/WorkbookReader.h"

#include <QFile>
#include <QStringDecoder>

ImportFileError::ImportFileError(const QString& message) : std::runtime_error(message.toStdString()) {}

QString decodeText(const QByteArray& bytes)
{
    QByteArray data = bytes;
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(data);
    if (!utf8.hasError())
        return text;
    QStringDecoder gbk("GBK");
    return gbk(data);
}

ImportFile readImportFile(const QString& path, Game game)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ImportFileError(QStringLiteral("无法打开文件 %1：%2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (isZipArchive(bytes) || path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive)) {
        try {
            return readWorkbookDraws(bytes);
        } catch (const ImportFileError& error) {
            throw ImportFileError(QStringLiteral("无法读取工作簿 %1：%2").arg(path, error.text()));
        }
    }
    return readDrawText(decodeText(bytes), game);
}
