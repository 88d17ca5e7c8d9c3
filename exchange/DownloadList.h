#pragma once

// The result-page address list user/DownUpdate.txt: GBK text, one address a
// line; by position the latest-draws page of 3D and of Pailie 3, then the
// history page of 3D and of Pailie 3.

#include "store/DrawStore.h"

#include <QString>
#include <QStringList>
#include <stdexcept>

class DownloadListError : public std::runtime_error
{
public:
    explicit DownloadListError(const QString& message);
    QString text() const { return QString::fromUtf8(what()); }
};

// Every line of the file, without line ends and surrounding blanks.
// Throws DownloadListError with the reason when the file cannot be read.
QStringList readDownloadList(const QString& path);

// The address for the game and the kind of page; empty when the list has no such line.
QString downloadAddress(const QStringList& lines, Game game, bool history);
