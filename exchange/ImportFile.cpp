#include "exchange/ImportFile.h"

#include "exchange/DrawText.h"

#include <QFile>
#include <QStringDecoder>

ImportFileError::ImportFileError(const QString& message) : std::runtime_error(message.toStdString()) {}

namespace {

bool isSeparator(QChar c)
{
    return c == u',' || c == u'\t' || c == u' ';
}

bool allDigits(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// 2002-01-01, 2002/1/1, 2002.01.01 or 20020101: digits with separators, or eight digits.
bool isDate(QStringView text)
{
    bool separated = false;
    for (QChar c : text) {
        if (c == u'-' || c == u'/' || c == u'.')
            separated = true;
        else if (c < u'0' || c > u'9')
            return false;
    }
    return text.size() >= 6 && (separated || text.size() == 8);
}

// Fields split at runs of separators; quotes around a field are dropped.
int splitFields(QStringView line, QStringView* fields, int capacity)
{
    int count = 0;
    qsizetype i = 0;
    while (i < line.size()) {
        while (i < line.size() && isSeparator(line[i]))
            ++i;
        const qsizetype start = i;
        while (i < line.size() && !isSeparator(line[i]))
            ++i;
        if (i == start)
            break;
        QStringView field = line.mid(start, i - start);
        if (field.size() >= 2 && field.front() == u'"' && field.back() == u'"')
            field = field.mid(1, field.size() - 2);
        if (count == capacity)
            return capacity + 1; // too many to be a draw
        fields[count++] = field;
    }
    return count;
}

} // namespace

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

bool parseImportLine(QStringView line, QString& issue, QString& number)
{
    constexpr int kMaxFields = 5; // issue, date, three digits
    QStringView fields[kMaxFields];
    const int count = splitFields(line, fields, kMaxFields);
    if (count < 2 || count > kMaxFields)
        return false;
    // Issues longer than 18 digits cannot be counted on to the next issue.
    if (!allDigits(fields[0]) || fields[0].size() > 18)
        return false;
    QString digits;
    bool dateSeen = false;
    for (int i = 1; i < count; ++i) {
        if (!dateSeen && isDate(fields[i]))
            dateSeen = true;
        else if (allDigits(fields[i]))
            digits += fields[i];
        else
            return false;
    }
    const int digitFields = count - 1 - (dateSeen ? 1 : 0);
    if (digits.size() != 3 || (digitFields != 1 && digitFields != 3))
        return false;
    issue = fields[0].toString();
    number = digits;
    return true;
}

ImportFile parseImportText(const QByteArray& bytes)
{
    const QString text = decodeText(bytes);
    ImportFile file;
    bool firstContent = true;
    int lineNumber = 0;
    // Lines end in CR LF, LF or CR alone (as old Mac editors saved them).
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        QStringView line = QStringView(text).mid(start, end - start);
        start = end + (QStringView(text).mid(end, 2) == u"\r\n" ? 2 : 1);
        ++lineNumber;
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        ImportLine draw{lineNumber, {}, {}};
        if (parseImportLine(line, draw.issue, draw.number)) {
            file.draws.push_back(std::move(draw));
        } else if (firstContent && !allDigits(line.left(1))) {
            file.hasHeader = true; // a title line: its first field is no issue
        } else {
            file.bad.push_back({lineNumber, line.toString()});
        }
        firstContent = false;
    }
    return file;
}

ImportFile readImportFile(const QString& path, Game game)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ImportFileError(QStringLiteral("无法打开文件 %1：%2").arg(path, file.errorString()));
    return readDrawText(decodeText(file.readAll()), game);
}
