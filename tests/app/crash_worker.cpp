// Test-only worker for the crash-safety test: does one long write on a
// folder's database so the test can kill it part-way.
//   crash_worker backup FOLDER   copies db1.mdb over 备份数据.mdb
//   crash_worker restore FOLDER  replaces db1.mdb by 备份数据.mdb
//   crash_worker enter FOLDER    enters one draw per line of standard
//                                input ("ISSUE NUMBER"), each in its own
//                                transaction, answering "ok" after each, on
//                                one connection held open throughout
#include "store/Database.h"
#include "store/DrawStore.h"

#include <QDir>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    try {
        DrawStore store(folder.filePath(DrawStore::kFileName));
        if (std::strcmp(argv[1], "backup") == 0)
            store.backupTo(folder.filePath(DrawStore::kBackupName));
        else if (std::strcmp(argv[1], "restore") == 0)
            store.restoreFrom(folder.filePath(DrawStore::kBackupName));
        else if (std::strcmp(argv[1], "enter") == 0) {
            char issue[32], number[8];
            while (std::scanf("%31s %7s", issue, number) == 2) {
                store.appendDraws({{QString::fromLatin1(issue), QString::fromLatin1(number)}});
                std::printf("ok\n");
                std::fflush(stdout);
            }
        }
        else
            return 2;
    } catch (const DatabaseError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
