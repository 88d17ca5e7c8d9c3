// Prepares a folder for the application: an empty encrypted draw database
// and the user files with their defaults. Never overwrites what exists, so
// running it again on a folder in use changes nothing.
//
//   quorvane-initdb [folder]     (default: the data folder of this program)
#include "app/CommandLine.h"
#include "exchange/DataFolder.h"
#include "store/Database.h"
#include "store/DrawStore.h"
#include "store/FileReplace.h"

#include <QCoreApplication>
#include <QDir>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString dataDir = dataFolder(QCoreApplication::applicationDirPath());
    const QString usage = QStringLiteral("用法：quorvane-initdb [选项] [文件夹]\n"
                                         "在文件夹中准备空的加密开奖数据库（%1）和默认的用户文件（user/），"
                                         "已有的文件一律保留。\n"
                                         "不给文件夹时准备数据文件夹：%2\n\n"
                                         "选项：\n"
                                         "  -h, --help     显示本帮助并退出\n"
                                         "  -v, --version  显示版本并退出")
                              .arg(DrawStore::kFileName, dataDir);
    if (const std::optional<int> answered =
            answerCommandLine(args, usage, versionText(QStringLiteral("quorvane-initdb"))))
        return *answered;
    if (args.size() > 2) {
        printLine(stderr, usage);
        return kUsageStatus;
    }

    const QString folder = args.size() > 1 ? args[1] : dataDir;
    if (folder.isEmpty()) {
        printLine(stderr, noDataFolderText());
        return 1;
    }
    removeLeftovers(folder); // of a creation, backup or restore that was killed
    const FolderPreparation prepared = prepareFolder(folder);
    if (!prepared.error.isEmpty()) {
        printLine(stderr, prepared.error);
        return 1;
    }
    const QString database = QDir(folder).filePath(DrawStore::kFileName);
    if (!prepared.databaseCreated) {
        // A kept file is said to be usable only once it opens as our history;
        // opening also gives an older file the indexes this version makes.
        try {
            DrawStore store(database);
        } catch (const DatabaseError& error) {
            printLine(stderr, error.text());
            return 1;
        }
    }
    printLine(stdout, (prepared.databaseCreated ? QStringLiteral("created ") : QStringLiteral("kept ")) + database);
    return 0;
}
