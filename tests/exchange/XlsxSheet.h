#pragma once

// Reads the first worksheet of an .xlsx file back, cell by cell, for tests
// of the export. Cells are keyed by their reference ("A1"); a cell that is
// not stored as text reads with the type it has, so a test can tell.

#include <QByteArray>
#include <QFile>
#include <QMap>
#include <QString>
#include <QXmlStreamReader>
#include <minizip/unzip.h>

struct XlsxCell
{
    QString type; // "inlineStr" or "s" for text
    QString text;
};

inline QByteArray zipEntry(const QString& zipPath, const char* entry)
{
    QByteArray data;
    unzFile zip = unzOpen(QFile::encodeName(zipPath).constData());
    if (!zip)
        return data;
    if (unzLocateFile(zip, entry, 1) == UNZ_OK && unzOpenCurrentFile(zip) == UNZ_OK) {
        char buffer[65536];
        int read = 0;
        while ((read = unzReadCurrentFile(zip, buffer, sizeof buffer)) > 0)
            data.append(buffer, read);
        unzCloseCurrentFile(zip);
    }
    unzClose(zip);
    return data;
}

// Shared strings in order (empty when the workbook writes its strings inline).
inline QStringList sharedStrings(const QString& zipPath)
{
    QStringList strings;
    QXmlStreamReader xml(zipEntry(zipPath, "xl/sharedStrings.xml"));
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"t")
            strings << xml.readElementText();
    return strings;
}

inline QMap<QString, XlsxCell> readFirstSheet(const QString& zipPath)
{
    const QStringList shared = sharedStrings(zipPath);
    QMap<QString, XlsxCell> cells;
    QXmlStreamReader xml(zipEntry(zipPath, "xl/worksheets/sheet1.xml"));
    QString ref;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"c") {
            ref = xml.attributes().value("r").toString();
            cells[ref].type = xml.attributes().value("t").toString();
        } else if (xml.name() == u"t" || xml.name() == u"v") {
            XlsxCell& cell = cells[ref];
            cell.text = xml.readElementText();
            if (cell.type == u"s")
                cell.text = shared.value(cell.text.toInt());
        }
    }
    return cells;
}

// "A1" for row 1, column 1.
inline QString cellRef(int row, int column)
{
    return QString(QChar(u'A' + column - 1)) + QString::number(row);
}
