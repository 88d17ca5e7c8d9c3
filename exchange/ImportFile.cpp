#include "exchange/ImportFile.h"

#include "exchange/DrawText.h"
#include "exchange/WorkbookReader.h"

#include <QFile>
#include <QStringDecoder>

ImportFileError::ImportFileError(const QString& message) : std::runtime_error(message.toStdString()) {}

namespace {

QString decodeLine(QByteArrayView line)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(line);
    if (!utf8.hasError())
        return text;
    return QStringDecoder("GBK")(line);
}

} // namespace

QString decodeText(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        return utf16(QByteArrayView(bytes).sliced(2));
    }
    QByteArrayView data(bytes);
    if (data.startsWith("\xEF\xBB\xBF"))
        data = data.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(data);
    if (!utf8.hasError())
        return text;
    // Mixed: each line as UTF-8 where it is, else as GBK. Decided for the
    // whole file, one stray byte on one line would turn the header and every
    // other line into GBK nonsense, and with the header the columns it names.
    text.clear();
    text.reserve(data.size());
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf('\n', start);
        end = end < 0 ? data.size() : end + 1;
        text += decodeLine(data.sliced(start, end - start));
        start = end;
    }
    return text;
}

void addBadLine(ImportFile& file, int line, QStringView text)
{
    if (file.bad.size() >= ImportLimits::kBadLinesKept) {
        ++file.badNotKept;
        return;
    }
    QString shown = text.left(ImportLimits::kBadLineShown).toString();
    if (text.size() > ImportLimits::kBadLineShown)
        shown += QStringLiteral("…");
    file.bad.push_back({line, shown});
}

ImportFile readImportFile(const QString& path, Game game)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ImportFileError(QStringLiteral("无法打开文件 %1：%2").arg(path, file.errorString()));
    if (file.size() > ImportLimits::kTextFileBytes)
        throw ImportFileError(QStringLiteral("文件 %1 超过%2 MB，不是开奖数据文件，没有读取。")
                                  .arg(path)
                                  .arg(ImportLimits::kTextFileBytes >> 20));
    const QByteArray bytes = file.read(ImportLimits::kTextFileBytes + 1);
    if (isZipArchive(bytes) || path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive)) {
        try {
            ImportFile file = readWorkbookDraws(bytes);
            checkEntries(file);
            return file;
        } catch (const ImportFileError& error) {
            throw ImportFileError(QStringLiteral("无法读取工作簿 %1：%2").arg(path, error.text()));
        }
    }
    return readDrawText(decodeText(bytes), game);
}
