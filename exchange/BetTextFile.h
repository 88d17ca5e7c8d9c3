#pragma once

// Bet text lines ("1=000=0": serial number, bet, sum) and the bet text file
// the print window saves: every line ended by CR LF, GBK, no byte-order mark.

#include "core/Bet.h"

#include <QString>
#include <QStringList>
#include <stdexcept>

// One line per bet, serial numbers from 1.
QStringList betTextLines(const BetList& bets);

class BetFileError : public std::runtime_error
{
public:
    explicit BetFileError(const QString& text);
    QString text() const { return QString::fromUtf8(what()); }
};

// The lines of a memo's text; a line break at the very end starts no line.
QStringList memoLines(const QString& text);

// The file's bytes for the memo's lines.
QByteArray betTextBytes(const QStringList& lines);

// Writes the file whole, replacing one of the same name; throws BetFileError
// with the reason when it cannot, and an existing file is then left as it was.
void writeBetTextFile(const QString& path, const QStringList& lines);

// The name written for a chosen name: ".txt" is added unless the name
// already ends in it (in any letter case).
QString betTextFileName(const QString& chosen);
