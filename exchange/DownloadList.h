#pragma once

// The result-page address list user/DownUpdate.txt: GBK text, one line per
// game and kind; by position the latest draws of 3D and of Pailie 3, then the
// history of 3D and of Pailie 3. A line may hold several addresses separated
// by blanks: they are opened in order in one session and the draws are read
// from the last (some result queries answer only a session that has opened
// their site's page first).

#include "core/Game.h"

#include <QString>
#include <QStringList>
#include <QUrl>
#include <stdexcept>

class DownloadListError : public std::runtime_error
{
public:
    explicit DownloadListError(const QString& message);
    QString text() const { return QString::fromUtf8(what()); }
};

// Every line of the file, without line ends and surrounding blanks. Only
// the file's first kDownloadListBytes are read: four addresses fit many
// times over, and a file of another kind costs no more than that.
// Throws DownloadListError with the reason when the file cannot be read.
constexpr qint64 kDownloadListBytes = 64 * 1024;
QStringList readDownloadList(const QString& path);

// The line for the game and the kind of page; empty when the list has no such line.
QString downloadAddress(const QStringList& lines, Game game, bool history);
// The addresses of one line, in order.
QStringList splitAddresses(const QString& line);

// The page to load for an address: an http or https address whose host has
// a dot in its name or is localhost (a bare host and path counts as http),
// of at most kLongestAddress characters. An invalid QUrl for anything else,
// which is then not loaded: a file address or a path on this machine, any
// other scheme, a word that names no host.
constexpr qsizetype kLongestAddress = 2048;
QUrl downloadUrl(const QString& address);

// Why downloadUrl refuses an address: another scheme (a path counts as a
// file address) or no address at all.
enum class AddressProblem
{
    None,
    NotAnAddress,
    NotWeb
};
AddressProblem addressProblem(const QString& address);
// True for the schemes a download loads and a page may go on to.
bool isWebScheme(const QUrl& url);
