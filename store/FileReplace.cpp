#include "store/FileReplace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
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

QDateTime processStartTime()
{
    // Field 22 of /proc/self/stat: clock ticks from boot to the start; the
    // boot itself is "btime" in /proc/stat.
    QFile stat(QStringLiteral("/proc/self/stat"));
    QFile system(QStringLiteral("/proc/stat"));
    if (!stat.open(QIODevice::ReadOnly) || !system.open(QIODevice::ReadOnly))
        return QDateTime::currentDateTime();
    const QByteArray self = stat.readAll();
    // The command name may hold spaces; the fields count from its closing bracket.
    const QList<QByteArray> fields = self.mid(self.lastIndexOf(')') + 2).split(' ');
    qint64 bootSeconds = -1;
    for (const QByteArray& line : system.readAll().split('\n'))
        if (line.startsWith("btime "))
            bootSeconds = line.mid(6).trimmed().toLongLong();
    const long ticks = sysconf(_SC_CLK_TCK);
    if (fields.size() < 20 || bootSeconds < 0 || ticks <= 0)
        return QDateTime::currentDateTime();
    const qint64 startTicks = fields[19].toLongLong(); // field 22, counted from field 3
    return QDateTime::fromMSecsSinceEpoch(bootSeconds * 1000 + startTicks * 1000 / ticks);
}

namespace {

// True when some process holds a lock on the file: the engine locks a
// database while it writes, so a copy still being made is left alone.
bool lockedByAnyone(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct flock probe = {};
    probe.l_type = F_WRLCK;
    probe.l_whence = SEEK_SET;
    const bool locked = ::fcntl(fd, F_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
    ::close(fd);
    return locked;
}

} // namespace

QStringList removeLeftovers(const QString& folder, const QDateTime& before)
{
    static const QRegularExpression ours(
        QStringLiteral("^(.+\\.mdb\\.(?:new|tmp)-[0-9a-f]{8})(-journal|-wal|-shm)?$"));
    QStringList removed;
    const QDir dir(folder);
    for (const QFileInfo& file : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QRegularExpressionMatch match = ours.match(file.fileName());
        if (!match.hasMatch() || file.isSymLink() || file.lastModified() >= before)
            continue;
        if (lockedByAnyone(dir.filePath(match.captured(1))))
            continue;
        if (QFile::remove(file.filePath()))
            removed << file.fileName();
    }
    return removed;
}
