#include "exchange/IniFile.h"
#include "exchange/OptionsFile.h"
#include "store/DrawEntry.h"
#include "store/DrawStore.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestDir.h"

#include <gtest/gtest.h>

namespace {

using ToolRun = ProgramRun;

ToolRun runImport(const QStringList& args)
{
    return runProgram(QStringLiteral(QUORVANE_IMPORT), args);
}

class ImportToolTest : public ::testing::Test
{
protected:
    ImportToolTest()
    {
        EXPECT_TRUE(DrawStore::createEmpty(dir.file("db1.mdb")));
        EXPECT_TRUE(createDefaultUserFiles(dir.path()));
        dir.write("good.csv", "期号,日期,号码\n08123,2008-05-01,507\n08124,2008-05-02,527\n");
        dir.write("bad.txt", "08123 507\n08124 52\n08125 1 2 3\n");
    }
    int stored(Game game) const
    {
        DrawStore store(dir.file("db1.mdb"));
        store.setGame(game);
        return store.count();
    }
    TestDir dir;
};

TEST_F(ImportToolTest, ImportsIntoTheFolderAndGame)
{
    ToolRun run = runImport({dir.file("good.csv"), dir.path()});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("新增2期")) << run.out.toStdString();
    EXPECT_EQ(stored(Game::Fucai), 2);

    run = runImport({dir.file("good.csv"), dir.path()}); // again: both already stored
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.contains("新增0期，已存在跳过2期"));

    run = runImport({"--game", "ticai", dir.file("good.csv"), dir.path()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(stored(Game::Ticai), 2);
    EXPECT_EQ(DrawStore(dir.file("db1.mdb")).oneIssue("08124")->sameToLast, 2);

    // Without --game the folder's option decides.
    IniFile(Options::optionsPath(dir.path())).writeString(Options::kKindSection, Options::kKindKey, "2");
    dir.write("more.csv", "08125 111\n");
    EXPECT_EQ(runImport({dir.file("more.csv"), dir.path()}).status, 0);
    EXPECT_EQ(stored(Game::Ticai), 3);
    EXPECT_EQ(stored(Game::Fucai), 2);
}

TEST_F(ImportToolTest, MalformedLinesStoreNothingUnlessSkipped)
{
    ToolRun run = runImport({dir.file("bad.txt"), dir.path()});
    EXPECT_NE(run.status, 0);
    EXPECT_TRUE(run.err.contains("第2行：08124 52")) << run.err.toStdString();
    EXPECT_EQ(stored(Game::Fucai), 0);

    run = runImport({"--skip-bad", dir.file("bad.txt"), dir.path()});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.contains("新增2期"));
    EXPECT_EQ(stored(Game::Fucai), 2);
}

TEST_F(ImportToolTest, FailuresExitNonZero)
{
    const QStringList failing[] = {
        {},
        {"--game", "lotto", dir.file("good.csv"), dir.path()},
        {"--frobnicate", dir.file("good.csv"), dir.path()},
        {dir.file("missing.csv"), dir.path()},
        {dir.file("good.csv"), dir.file("no-such-folder")},
    };
    for (const QStringList& args : failing) {
        const ToolRun run = runImport(args);
        EXPECT_GT(run.status, 0) << args.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty()) << args.join(' ').toStdString();
    }
    EXPECT_EQ(stored(Game::Fucai), 0);
}

} // namespace
