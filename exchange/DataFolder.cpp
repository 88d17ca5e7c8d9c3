#include "exchange/DataFolder.h"

#include "exchange/OptionsFile.h"
#include "store/Database.h"
#include "store/DrawStore.h"

#include <QDir>
#include <QFile>
#include <fcntl.h>
#include <unistd.h>

QString userDataFolder()
{
    // The XDG rules: a relative XDG_DATA_HOME is invalid and ignored, or the
    // history would follow the working directory.
    const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (QDir::isAbsolutePath(dataHome))
        return QDir::cleanPath(dataHome) + QStringLiteral("/quorvane");
    const QString home = qEnvironmentVariable("HOME");
    if (!QDir::isAbsolutePath(home))
        return QString();
    return QDir::cleanPath(home) + QStringLiteral("/.local/share/quorvane");
}

QString noDataFolderText()
{
    return QStringLiteral("未设置 HOME 环境变量（或它不是绝对路径），无法确定数据文件夹。"
                          "请设置 HOME，或设置 XDG_DATA_HOME 为绝对路径后再试。");
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
    if (!folder.isEmpty() && folder != programFolder)
        prepareFolder(folder);
    return folder;
}
