#include "store/FileReplace.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

QString siblingTempPath(const QString& path, const char* tag)
{
    for (;;) {
        const QString candidate = QStringLiteral("%1.%2-%3")
                                      .arg(path, QLatin1String(tag))
                                      .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
}

void removeSideFiles(const QString& path)
{
    for (const char* suffix : {"-wal", "-shm", "-journal"})
        QFile::remove(path + QLatin1String(suffix));
}

void removeWithSideFiles(const QString& path)
{
    QFile::remove(path);
    removeSideFiles(path);
}

// Makes a rename in the folder of `path` survive a power cut.
void syncFolder(const QString& path)
{
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Atomic replace: readers see either the old file or the complete new one.
// The engine already synced the new file's contents when it committed.
bool replaceFile(const QString& from, const QString& to)
{
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        return false;
    syncFolder(to);
    return true;
}
