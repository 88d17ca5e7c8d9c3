#include "exchange/DataFolder.h"

#include "exchange/OptionsFile.h"
#include "store/Database.h"
#include "store/DrawStore.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <fcntl.h>
#include <unistd.h>

QString userDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/quorvane");
}

QString dataFolder(const QString& programFolder)
{
    const QByteArray database = QFile::encodeName(QDir(programFolder).filePath(DrawStore::kFileName));
    return faccessat(AT_FDCWD, database.constData(), W_OK, AT_EACCESS) == 0 ? programFolder : userDataFolder();
}

FolderPreparation prepareFolder(const QString& folder)
{
    FolderPreparation result;
    if (!QDir().mkpath(folder)) {
        result.error = QStringLiteral("无法创建文件夹 %1").arg(folder);
        return result;
    }
    try {
        result.databaseCreated = DrawStore::createEmpty(QDir(folder).filePath(DrawStore::kFileName));
    } catch (const DatabaseError& error) {
        result.error = error.text();
        return result;
    }
    if (!createDefaultUserFiles(folder))
        result.error = QStringLiteral("无法写入 %1/user 中的文件").arg(folder);
    return result;
}

QString openDataFolder(const QString& programFolder)
{
    const QString folder = dataFolder(programFolder);
    if (folder != programFolder)
        prepareFolder(folder);
    return folder;
}
