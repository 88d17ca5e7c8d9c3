#include "store/DrawEntry.h"
#include "store/DrawStore.h"
#include "tests/support/TestDir.h"

#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

// cmake --install of this build into `folder`, the menu entry into `applications`.
int install(const QString& folder, const QString& applications)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUORVANE_APPLICATIONS_DIR"), applications);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUORVANE_CMAKE),
                  {QStringLiteral("--install"), QStringLiteral(QUORVANE_BUILD_DIR), QStringLiteral("--prefix"), folder});
    if (!process.waitForFinished(120000))
        return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

TEST(Install, LaysOutAFolderAndKeepsTheUsersFilesOnUpgrade)
{
    TestDir dir;
    const QString folder = dir.file("quorvane");
    const QString applications = dir.file("applications");
    ASSERT_EQ(install(folder, applications), 0);
    for (const char* file : {"quorvane", "quorvane-initdb", "quorvane-import", "quorvane-page", "db1.mdb", "user/DefaultSet.ini",
                             "user/DownUpdate.txt", "resources/quorvane.svg", "help/index.html", "help/images/main-grid.png"})
        EXPECT_TRUE(QFileInfo::exists(folder + "/" + file)) << file;
    const QByteArray entry = dir.read("applications/quorvane.desktop");
    EXPECT_TRUE(entry.contains(("Exec=\"" + folder + "/quorvane\"").toUtf8())) << entry.constData();
    EXPECT_TRUE(entry.contains(("Icon=" + folder + "/resources/quorvane.svg").toUtf8()));

    // The user's history, backup and options survive a newer install.
    {
        DrawStore store(folder + "/db1.mdb");
        ASSERT_TRUE(enterDraw(store, "2025001", "305").stored());
        store.backupTo(folder + "/" + DrawStore::kBackupName);
    }
    dir.write("quorvane/user/DefaultSet.ini", "mine");
    const QByteArray backup = dir.read("quorvane/" + DrawStore::kBackupName);
    ASSERT_EQ(install(folder, applications), 0);
    EXPECT_EQ(DrawStore(folder + "/db1.mdb").count(), 1);
    EXPECT_EQ(dir.read("quorvane/" + DrawStore::kBackupName), backup);
    EXPECT_EQ(dir.read("quorvane/user/DefaultSet.ini"), QByteArray("mine"));
}

} // namespace
