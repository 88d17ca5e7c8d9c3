#include "exchange/CsvFile.h"

#include <QFile>
#include <QSaveFile>

namespace {

// A spreadsheet runs a cell that starts with one of these as a formula; a
// name or a scheme text from outside could carry one. A leading apostrophe
// keeps it text. Numbers such as -3, +0.5 or -12.5% stay numbers.
QString guarded(const QString& text)
{
    static const QString formulaStarts = QStringLiteral("=+-@");
    if (text.isEmpty() || !formulaStarts.contains(text.front()))
        return text;
    bool isNumber = false;
    QStringView number(text);
    if (number.endsWith(u'%'))
        number.chop(1);
    (void)number.toDouble(&isNumber); // only whether it reads as a number counts
    return isNumber ? text : QLatin1Char('\'') + text;
}

QString field(const QString& cell)
{
    const QString text = guarded(cell);
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) &&
        !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray line(const QStringList& fields)
{
    QStringList out;
    for (const QString& f : fields)
        out << field(f);
    return out.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

} // namespace

void writeCsv(const QString& path, const QStringList& header, const QList<QStringList>& rows)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw CsvError(QStringLiteral("无法写入文件 %1：%2").arg(path, file.errorString()));
    QByteArray bytes("\xEF\xBB\xBF");
    bytes += line(header);
    for (const QStringList& row : rows)
        bytes += line(row);
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw CsvError(QStringLiteral("无法写入文件 %1：%2").arg(path, file.errorString()));
}

QList<QStringList> readCsv(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw CsvError(QStringLiteral("无法读取文件 %1：%2").arg(path, file.errorString()));
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QList<QStringList> rows;
    QStringList row;
    QString current;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text[i + 1] == QLatin1Char('"'))
                current += c, ++i;
            else if (c == QLatin1Char('"'))
                quoted = false;
            else
                current += c;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            row << current, current.clear();
        } else if (c == QLatin1Char('\n')) {
            row << current, current.clear();
            rows << row, row.clear();
        } else if (c != QLatin1Char('\r')) {
            current += c;
        }
    }
    if (!current.isEmpty() || !row.isEmpty())
        rows << (row << current);
    return rows;
}
