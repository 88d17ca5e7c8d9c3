#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <stdexcept>

// Tables written for a spreadsheet: UTF-8 with a byte-order mark (so
// spreadsheet programs read the Chinese titles right), CRLF line ends,
// fields quoted when they hold a comma, a quote or a line break, and a text
// that a spreadsheet would take for a formula (=, +, -, @ first) guarded by
// a leading apostrophe.

class CsvError : public std::runtime_error
{
public:
    explicit CsvError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// Writes the whole file or nothing: a temporary file replaces the target at
// the end. Throws CsvError with a user-facing text.
void writeCsv(const QString& path, const QStringList& header, const QList<QStringList>& rows);

// Reads a file written by writeCsv (header included as the first row).
QList<QStringList> readCsv(const QString& path);
