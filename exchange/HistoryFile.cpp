#include "exchange/HistoryFile.h"

#include "exchange/DrawText.h"
#include "exchange/WorkbookReader.h"

#include <QFile>

ImportFile readImportFile(const QString& path, Game game)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ImportFileError(QStringLiteral("无法打开文件 %1：%2").arg(path, file.errorString()));
    if (file.size() > ImportLimits::kTextFileBytes)
        throw ImportFileError(QStringLiteral("文件 %1 超过%2 MB，不是开奖数据文件，没有读取。")
                                  .arg(path)
                                  .arg(ImportLimits::kTextFileBytes >> 20));
    QByteArray bytes = file.read(ImportLimits::kTextFileBytes + 1);
    if (isZipArchive(bytes) || path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive)) {
        try {
            return readWorkbookDraws(bytes, game);
        } catch (const ImportFileError& error) {
            throw ImportFileError(QStringLiteral("无法读取工作簿 %1：%2").arg(path, error.text()));
        }
    }
    // The bytes go once decoded: a file at the size limit is held once, as text.
    QString text = decodeText(bytes);
    bytes = QByteArray();
    ImportFile read = readDrawText(text, game);
    if (!read.refusal.isEmpty())
        throw ImportFileError(QStringLiteral("无法导入文件 %1：%2").arg(path, read.refusal));
    return read;
}
