#pragma once

// Draw history files: text (UTF-8 or GBK) in any shape readDrawText reads,
// or an .xlsx workbook (its first sheet).

#include "core/Game.h"

#include <QByteArray>
#include <QString>
#include <stdexcept>
#include <vector>

class ImportFileError : public std::runtime_error
{
public:
    explicit ImportFileError(const QString& message);
    QString text() const { return QString::fromUtf8(what()); }
};

struct ImportLine
{
    int line = 0; // counted from 1
    QString issue;
    QString number;
};

struct BadLine
{
    int line = 0;
    QString text;
    bool operator==(const BadLine&) const = default;
};

// What a reader keeps of lines that hold no draw: their first characters,
// as the messages show them, and only so many lines; the rest are counted.
namespace ImportLimits {
constexpr qsizetype kBadLineShown = 120;
constexpr size_t kBadLinesKept = 500;
// A text history of every draw since 2002 is under a megabyte.
constexpr qint64 kTextFileBytes = qint64(256) << 20;
// What a result page's text may hold.
constexpr qsizetype kPageTextChars = qsizetype(32) << 20;
} // namespace ImportLimits

struct ImportFile
{
    std::vector<ImportLine> draws; // in file order
    std::vector<BadLine> bad;      // lines that hold no draw (at most kBadLinesKept)
    int badNotKept = 0;            // further such lines, counted only
    bool hasHeader = false;
};

// Lists a line that holds no draw within the limits above.
void addBadLine(ImportFile& file, int line, QStringView text);

// The text of a file's bytes: UTF-8 (with or without its mark), else GBK.
QString decodeText(const QByteArray& bytes);
// The draws of a history file of the game: a workbook (a zip archive, or a
// name ending in .xlsx) by readWorkbookDraws, any other file by
// readDrawText. Throws ImportFileError when the file cannot be read.
ImportFile readImportFile(const QString& path, Game game);
