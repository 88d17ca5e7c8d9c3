#pragma once

// Writes small .xlsx workbooks for the reader's tests: a zip archive of the
// given parts, and the parts of a one-sheet workbook around a sheet's rows.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <minizip/zip.h>
#include <utility>
#include <vector>
#include <zlib.h>

struct ZipPart
{
    const char* name;
    QByteArray bytes;
    const char* password = nullptr; // an encrypted entry
};

inline bool writeZip(const QString& path, const std::vector<ZipPart>& parts)
{
    zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    if (!zip)
        return false;
    bool ok = true;
    for (const ZipPart& part : parts) {
        const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(part.bytes.constData()), uInt(part.bytes.size()));
        zip_fileinfo info{};
        ok = ok &&
             zipOpenNewFileInZip3(zip, part.name, &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, 1, 0, -MAX_WBITS,
                                  DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY, part.password, crc) == ZIP_OK &&
             zipWriteInFileInZip(zip, part.bytes.constData(), unsigned(part.bytes.size())) == ZIP_OK &&
             zipCloseFileInZip(zip) == ZIP_OK;
    }
    return zipClose(zip, nullptr) == ZIP_OK && ok;
}

// The parts of a workbook whose first sheet is `sheetXml` (its <sheetData>
// rows) at `sheetName`, with the shared strings given.
inline std::vector<ZipPart> workbookParts(const QByteArray& rows, const QByteArray& sharedItems = {},
                                          const char* sheetName = "xl/worksheets/sheet1.xml")
{
    const QByteArray target = QByteArray(sheetName).mid(3); // relative to xl/
    std::vector<ZipPart> parts = {
        {"xl/workbook.xml",
         "<?xml version=\"1.0\"?><workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
         "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><sheets>"
         "<sheet name=\"开奖\" sheetId=\"1\" r:id=\"rId7\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<?xml version=\"1.0\"?><Relationships "
         "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"><Relationship Id=\"rId7\" "
         "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" Target=\"" +
             target + "\"/></Relationships>"},
        {sheetName, "<?xml version=\"1.0\"?><worksheet "
                    "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>" +
                        rows + "</sheetData></worksheet>"},
    };
    if (!sharedItems.isEmpty())
        parts.push_back({"xl/sharedStrings.xml",
                         "<?xml version=\"1.0\"?><sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/"
                         "main\">" +
                             sharedItems + "</sst>"});
    return parts;
}
