// Prepares a folder for the application: an empty encrypted draw database
// and the user files with their defaults. Never overwrites what exists, so
// running it again on a folder in use changes nothing.
//
//   quorvane-initdb [folder]     (default: the folder of this program)
#include "exchange/OptionsFile.h"
#include "store/Database.h"
#include "store/DrawStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString folder = args.size() > 1 ? args[1] : QCoreApplication::applicationDirPath();
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
        return 1;
    }
    const QString database = QDir(folder).filePath(DrawStore::kFileName);
    try {
        if (DrawStore::createEmpty(database))
            std::printf("created %s\n", qPrintable(database));
        else
            std::printf("kept %s\n", qPrintable(database));
    } catch (const DatabaseError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    if (!createDefaultUserFiles(folder)) {
        std::fprintf(stderr, "cannot write the user files in %s/user\n", qPrintable(folder));
        return 1;
    }
    return 0;
}
