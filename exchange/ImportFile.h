#pragma once

// Draw histories in text or CSV files, one draw a line: an issue (digits) and
// the number, as three digits or as three single digits in separate fields;
// fields separated by commas, tabs or blanks; an optional date field and an
// optional header line, both ignored. For example
//   期号,日期,号码            2002001,2002-01-01,073
//   issue,hundreds,tens,ones  2002001,0,7,3
//   2011078 2011-03-26 2 4 6
// The file may be UTF-8 or GBK.

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

// One line's issue and number; false when the line holds no draw.
bool parseImportLine(QStringView line, QString& issue, QString& number);
ImportFile parseImportText(const QByteArray& bytes);
// The text of a file's bytes: UTF-8 (with or without its mark), else GBK.
QString decodeText(const QByteArray& bytes);
// The draws of a history file of the game, read by readDrawText. Throws
// ImportFileError when the file cannot be read.
ImportFile readImportFile(const QString& path, Game game);
