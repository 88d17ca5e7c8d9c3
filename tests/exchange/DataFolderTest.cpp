#include "exchange/DataFolder.h"

#include "store/DrawStore.h"
#include "tests/support/FolderPermissions.h"
#include "tests/support/TestDir.h"

#include <QScopeGuard>
#include <gtest/gtest.h>

namespace {

// A program folder is the data folder only when it holds a db1.mdb this user
// may write; the read-only case drops root's override for its scope.
TEST(DataFolder, ProgramFolderHoldingAWritableHistory)
{
    TestDir dir;
    const QByteArray oldDataHome = qgetenv("XDG_DATA_HOME");
    const auto restore = qScopeGuard([&] { qputenv("XDG_DATA_HOME", oldDataHome); });
    qputenv("XDG_DATA_HOME", dir.file("share").toUtf8());
    const QString user = dir.file("share/quorvane");
    EXPECT_EQ(userDataFolder(), user);

    const QString program = dir.file("program");
    ASSERT_TRUE(QDir().mkpath(program));
    EXPECT_EQ(dataFolder(program), user) << "no history";
    ASSERT_TRUE(DrawStore::createEmpty(program + "/" + DrawStore::kFileName));
    EXPECT_EQ(dataFolder(program), program) << "a writable history";
    QFile::setPermissions(program + "/" + DrawStore::kFileName, QFile::ReadOwner | QFile::ReadUser);
    {
        ReadOnlyFolder readOnly(program);
        EXPECT_EQ(dataFolder(program), user) << "a history this user may only read";
    }
}

TEST(DataFolder, PreparationMakesWhatIsMissingAndKeepsWhatIsThere)
{
    TestDir dir;
    const QString folder = dir.file("a/b/quorvane");
    const FolderPreparation first = prepareFolder(folder);
    EXPECT_EQ(first.error, "");
    EXPECT_TRUE(first.databaseCreated);
    EXPECT_EQ(DrawStore(folder + "/" + DrawStore::kFileName).count(), 0);
    EXPECT_FALSE(prepareFolder(folder).databaseCreated);

    dir.write("file", "x"); // a file where the folder should be
    EXPECT_FALSE(prepareFolder(dir.file("file/quorvane")).error.isEmpty());
}

} // namespace
