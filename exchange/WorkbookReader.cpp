#include "exchange/WorkbookReader.h"

#include "exchange/DrawRows.h"
#include "exchange/ZipArchive.h"

#include <QStringList>
#include <QXmlStreamReader>
#include <cmath>

namespace {

// What the parts of a workbook of draws inflate to at most: a full sheet of
// 1,048,576 rows written with inline strings stays below the sheet's cap.
constexpr qint64 kSheetBytes = qint64(768) << 20;
constexpr qint64 kSharedStringBytes = qint64(128) << 20;
constexpr qint64 kPartBytes = qint64(4) << 20;
// Columns further right are not read, and no cell is longer than a spreadsheet's.
constexpr int kMostColumns = 64;
constexpr qsizetype kLongestCell = 32767;
// A history's workbook has one shared string per distinct text, a few
// thousand at most; a file that asks for more only asks for memory.
constexpr qsizetype kMostSharedStrings = 1'000'000;
constexpr qsizetype kSharedStringChars = qsizetype(32) << 20;
// What of a cell goes into its row's line: a draw's cell is a few characters,
// and this bounds a row's length whatever a shared string holds.
constexpr qsizetype kCellInRow = 256;
// Spreadsheet programs number their rows up to 1,048,576: a row past that is
// no sheet of theirs, and the reader stops there.
constexpr int kMostRows = 1'048'576;

const char* const kFirstSheet = "xl/worksheets/sheet1.xml";

[[noreturn]] void damagedXml(const QXmlStreamReader& xml)
{
    throw ImportFileError(
        QStringLiteral("工作簿内容已损坏（第%1行第%2列）").arg(xml.lineNumber()).arg(xml.columnNumber()));
}

void appendCapped(QString& text, QStringView more)
{
    text += more.left(std::max<qsizetype>(0, kLongestCell - text.size()));
}

// The zip entry of the workbook's first sheet, by the workbook's list and its
// relationships; the usual name when they do not say.
QByteArray firstSheetEntry(const ZipArchive& zip)
{
    if (!zip.contains("xl/workbook.xml") || !zip.contains("xl/_rels/workbook.xml.rels"))
        return kFirstSheet;
    QString id;
    QXmlStreamReader book(zip.read("xl/workbook.xml", kPartBytes));
    while (!book.atEnd() && id.isEmpty())
        if (book.readNext() == QXmlStreamReader::StartElement && book.name() == u"sheet")
            for (const QXmlStreamAttribute& attribute : book.attributes())
                if (attribute.name() == u"id")
                    id = attribute.value().toString();
    QXmlStreamReader rels(zip.read("xl/_rels/workbook.xml.rels", kPartBytes));
    while (!id.isEmpty() && !rels.atEnd()) {
        if (rels.readNext() != QXmlStreamReader::StartElement || rels.name() != u"Relationship" ||
            rels.attributes().value(QLatin1String("Id")) != id)
            continue;
        const QString target = rels.attributes().value(QLatin1String("Target")).toString();
        const QByteArray entry = target.startsWith(u'/') ? target.mid(1).toUtf8() : "xl/" + target.toUtf8();
        if (zip.contains(entry.constData()))
            return entry;
    }
    return kFirstSheet;
}

// The texts of <si> items in order; the phonetic runs (<rPh>) are no part of one.
QStringList sharedStrings(const ZipArchive& zip)
{
    QStringList strings;
    if (!zip.contains("xl/sharedStrings.xml"))
        return strings;
    QXmlStreamReader xml(zip.read("xl/sharedStrings.xml", kSharedStringBytes));
    bool inText = false;
    int phonetic = 0;
    qsizetype chars = 0;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (xml.name() == u"si") {
                if (strings.size() >= kMostSharedStrings || chars > kSharedStringChars)
                    throw ImportFileError(
                        QStringLiteral("工作簿的共享文本超过%1条或%2个字符，不是开奖数据表，无法读取。")
                            .arg(kMostSharedStrings)
                            .arg(kSharedStringChars));
                strings.append(QString());
            } else if (xml.name() == u"rPh")
                ++phonetic;
            else if (xml.name() == u"t")
                inText = phonetic == 0 && !strings.isEmpty();
            break;
        case QXmlStreamReader::EndElement:
            if (xml.name() == u"rPh")
                --phonetic;
            else if (xml.name() == u"t")
                inText = false;
            break;
        case QXmlStreamReader::Characters:
            if (inText) {
                chars -= strings.last().size();
                appendCapped(strings.last(), xml.text());
                chars += strings.last().size();
            }
            break;
        default:
            break;
        }
    }
    if (xml.hasError())
        damagedXml(xml);
    return strings;
}

// Column index from a cell reference ("C7" -> 2); -1 without one.
int columnOf(QStringView reference)
{
    int column = 0;
    qsizetype i = 0;
    for (; i < reference.size() && reference[i] >= u'A' && reference[i] <= u'Z' && column <= kMostColumns; ++i)
        column = column * 26 + (reference[i].unicode() - u'A' + 1);
    return i == 0 ? -1 : column - 1;
}

// A number cell as the digits a person sees: 2.025217E6 is 2025217.
QString numberText(const QString& value)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (ok && std::isfinite(number) && number == std::floor(number) && std::fabs(number) < 1e15)
        return QString::number(qint64(number));
    return value;
}

// The sheet's rows, streamed from the archive: each row becomes one line of
// tab-separated cells for the row reader, numbered as the sheet numbers it.
class SheetRows
{
public:
    SheetRows(const QStringList& shared, DrawRowReader& reader) : m_shared(shared), m_reader(reader) {}

    void add(const char* data, int size)
    {
        m_xml.addData(QByteArray::fromRawData(data, size));
        parse();
    }
    // A sheet cut short is damaged, not a shorter sheet.
    void finish() const
    {
        if (!m_closed)
            damagedXml(m_xml);
    }

private:
    void parse()
    {
        while (!m_xml.atEnd()) {
            switch (m_xml.readNext()) {
            case QXmlStreamReader::StartElement:
                ++m_depth;
                start();
                break;
            case QXmlStreamReader::EndElement:
                m_closed = --m_depth == 0;
                end();
                break;
            case QXmlStreamReader::Characters:
                if (m_inValue && m_phonetic == 0)
                    appendCapped(m_value, m_xml.text());
                break;
            default:
                break;
            }
        }
        if (m_xml.hasError() && m_xml.error() != QXmlStreamReader::PrematureEndOfDocumentError)
            damagedXml(m_xml);
    }

    void start()
    {
        const QStringView name = m_xml.name();
        if (name == u"row") {
            bool ok = false;
            const qint64 number = m_xml.attributes().value(QLatin1String("r")).toLongLong(&ok);
            // m_row never passes kMostRows, so counting on cannot overflow.
            const qint64 row = ok && number > 0 ? number : qint64(m_row) + 1;
            if (row > kMostRows)
                throw ImportFileError(QStringLiteral("工作表超过%1行（表格程序的最后一行），不是开奖数据表，没有读取。")
                                          .arg(kMostRows));
            m_row = int(row);
            m_cells.clear();
            m_column = -1;
        } else if (name == u"c") {
            const int column = columnOf(m_xml.attributes().value(QLatin1String("r")));
            m_column = column >= 0 ? column : m_column + 1;
            m_type = m_xml.attributes().value(QLatin1String("t")).toString();
            m_value.clear();
        } else if (name == u"v" || name == u"t") {
            m_inValue = true;
        } else if (name == u"rPh") {
            ++m_phonetic;
        }
    }

    void end()
    {
        const QStringView name = m_xml.name();
        if (name == u"v" || name == u"t") {
            m_inValue = false;
        } else if (name == u"rPh") {
            --m_phonetic;
        } else if (name == u"c" && m_column < kMostColumns) {
            if (m_cells.size() <= m_column)
                m_cells.resize(m_column + 1);
            m_cells[m_column] = cellText();
        } else if (name == u"row") {
            QString line = m_cells.join(QLatin1Char('\t'));
            m_reader.read(m_row, line);
            if (m_reader.refused())
                throw ImportFileError(m_reader.take().refusal);
        }
    }

    QString cellText() const
    {
        QString text;
        if (m_type == u"s")
            text = m_shared.value(m_value.trimmed().toInt());
        else if (m_type.isEmpty() || m_type == u"n")
            text = numberText(m_value.trimmed());
        else
            text = m_value;
        // A cell is one cell of the row's line, whatever it holds.
        text.truncate(kCellInRow);
        for (QChar& c : text)
            if (c == u'\t' || c == u'\n' || c == u'\r')
                c = u' ';
        return text;
    }

    const QStringList& m_shared;
    DrawRowReader& m_reader;
    QXmlStreamReader m_xml;
    QStringList m_cells;
    QString m_type;
    QString m_value;
    int m_row = 0;
    int m_column = -1;
    int m_phonetic = 0;
    int m_depth = 0;
    bool m_inValue = false;
    bool m_closed = false; // the root element has ended
};

} // namespace

bool isZipArchive(const QByteArray& bytes)
{
    return bytes.startsWith("PK\x03\x04");
}

ImportFile readWorkbookDraws(const QByteArray& bytes, std::optional<Game> game)
{
    // An encrypted workbook is not a zip archive but an OLE compound file.
    if (bytes.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
        throw ImportFileError(QStringLiteral("工作簿已加密，请先在表格软件中取消密码再导入"));
    const ZipArchive zip(bytes);
    const QByteArray sheet = firstSheetEntry(zip);
    if (!zip.contains(sheet.constData()))
        throw ImportFileError(QStringLiteral("工作簿中没有工作表"));
    const QStringList shared = sharedStrings(zip);
    DrawRowReader reader(game);
    SheetRows rows(shared, reader);
    zip.read(sheet.constData(), kSheetBytes, [&](const char* data, int size) { rows.add(data, size); });
    rows.finish();
    return reader.take();
}
