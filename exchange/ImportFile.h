#pragma once

// Draw history files: text (UTF-8 or GBK) in any shape readDrawText reads,
// or an .xlsx workbook (its first sheet).

#include "store/DrawStore.h"

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

struct ImportFile
{
    std::vector<ImportLine> draws; // in file order
    std::vector<BadLine> bad;      // lines that hold no draw
    bool hasHeader = false;
};

// The text of a file's bytes: UTF-8 (with or without its mark), else GBK.
QString decodeText(const QByteArray& bytes);
// The draws of a history file of the game: a workbook (a zip archive, or a
// name ending in .xlsx) by readWorkbookDraws, any other file by
// readDrawText. Throws ImportFileError when the file cannot be read.
ImportFile readImportFile(const QString& path, Game game);
