#include "exchange/IniFile.h"
#include "exchange/OptionsFile.h"
#include "store/DrawEntry.h"
#include "store/DrawStore.h"
#include "tests/support/TestDir.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

int runInitDb(const QString& folder)
{
    QProcess process;
    process.start(QStringLiteral(QUORVANE_INITDB), {folder});
    if (!process.waitForFinished(60000))
        return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

TEST(InitDb, PreparesAFolderAndNeverOverwritesIt)
{
    TestDir dir;
    const QString folder = dir.file("app");
    ASSERT_EQ(runInitDb(folder), 0);
    {
        DrawStore store(dir.file("app/db1.mdb"));
        EXPECT_EQ(store.count(), 0);
        EXPECT_TRUE(enterDraw(store, "08123", "507").stored());
    }
    const StartupOptions defaults = readStartupOptions(Options::optionsPath(folder));
    EXPECT_EQ(defaults.defaultShowCount, "40");
    EXPECT_EQ(defaults.columnWidth, "16");
    EXPECT_TRUE(defaults.isFucai());
    EXPECT_EQ(dir.read("app/user/DownUpdate.txt").count('\n'), 4);

    IniFile(Options::optionsPath(folder)).writeString(Options::kKindSection, Options::kKindKey, "2");
    ASSERT_EQ(runInitDb(folder), 0); // a second run keeps the history and the options
    EXPECT_TRUE(DrawStore(dir.file("app/db1.mdb")).issueExists("08123"));
    EXPECT_FALSE(readStartupOptions(Options::optionsPath(folder)).isFucai());
}

} // namespace
