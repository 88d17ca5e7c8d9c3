#include "exchange/ImportFile.h"
#include "exchange/IniFile.h"
#include "exchange/OptionsFile.h"
#include "store/Database.h"
#include "store/DrawEntry.h"
#include "store/DrawStore.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestDir.h"
#include "tests/ui/exchange/PageServer.h"
#include "tests/ui/exchange/SourcePages.h"

#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTimer>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using ToolRun = ProgramRun;

// The event loop keeps turning while the tool runs: a page server of this
// process answers it.
ToolRun runImport(const QStringList& args, const QString& pageWaits = {})
{
    QProcess process;
    if (!pageWaits.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QUORVANE_PAGE_WAITS", pageWaits);
        process.setProcessEnvironment(environment);
    }
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(90000, &loop, &QEventLoop::quit);
    process.start(QStringLiteral(QUORVANE_IMPORT), args);
    loop.exec();
    ToolRun run;
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    if (process.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

class ImportToolTest : public ::testing::Test
{
protected:
    ImportToolTest()
    {
        EXPECT_TRUE(DrawStore::createEmpty(dir.file("db1.mdb")));
        EXPECT_TRUE(createDefaultUserFiles(dir.path()));
        dir.write("good.csv", "期号,日期,号码\n08123,2008-05-01,507\n08124,2008-05-02,527\n");
        dir.write("bad.txt", "08123 507\n08124 5x2\n08125 1 2 3\n");
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
    EXPECT_TRUE(run.err.contains("第2行：08124 5x2")) << run.err.toStdString();
    EXPECT_EQ(stored(Game::Fucai), 0);

    run = runImport({"--skip-bad", dir.file("bad.txt"), dir.path()});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.contains("新增2期"));
    EXPECT_EQ(stored(Game::Fucai), 2);
}

TEST_F(ImportToolTest, FailuresExitNonZero)
{
    const struct
    {
        QStringList args;
        int status;
    } failing[] = {
        {{}, 2},
        {{"--game", "lotto", dir.file("good.csv"), dir.path()}, 2},
        {{"--frobnicate", dir.file("good.csv"), dir.path()}, 2},
        {{dir.file("good.csv"), dir.path(), "third"}, 2},
        {{dir.file("missing.csv"), dir.path()}, 1},
        {{dir.file("good.csv"), dir.file("no-such-folder")}, 1},
        {{"http://127.0.0.1:9/a not-an-address", dir.path()}, 1},
    };
    for (const auto& [args, status] : failing) {
        const ToolRun run = runImport(args);
        EXPECT_EQ(run.status, status) << args.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty()) << args.join(' ').toStdString();
        // A usage error shows the usage.
        EXPECT_EQ(run.err.contains("--skip-bad"), status == 2) << args.join(' ').toStdString();
    }
    EXPECT_EQ(stored(Game::Fucai), 0);
}

TEST_F(ImportToolTest, SaysStorageFailuresInItsOwnWordsAndClearsLeftovers)
{
    // Pieces of a creation killed before this run started.
    const QStringList leftovers{"db1.mdb.new-1a2b3c4d", "db1.mdb.new-1a2b3c4d-journal"};
    for (const QString& name : leftovers) {
        dir.write(name, "x");
        QFile file(dir.file(name));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime));
    }
    {
        Database foreign(dir.file("db1.mdb"), DrawStore::kKey);
        foreign.exec("create trigger t1 after insert on fucai begin update fucai set AllNumber='000'; end");
    }
    ToolRun run = runImport({dir.file("good.csv"), dir.path()});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("数据文件含有本程序不会建立的对象：触发器 t1")) << run.err.toStdString();
    for (const QString& name : leftovers)
        EXPECT_FALSE(QFile::exists(dir.file(name))) << name.toStdString();

    QDir(dir.path()).mkdir("empty");
    run = runImport({dir.file("good.csv"), dir.file("empty")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.startsWith("无法打开数据文件：" + dir.file("empty/db1.mdb"))) << run.err.toStdString();
}

// As root the web engine's sandbox cannot start; the tool turns it off only
// when asked to, and otherwise says how.
TEST_F(ImportToolTest, RootMustAskForTheSandboxToBeOff)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root's engine runs without its sandbox";
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QTWEBENGINE_DISABLE_SANDBOX");
    const ProgramRun run = runProgramIn(environment, QUORVANE_IMPORT, {"https://127.0.0.1:9/none", dir.path()});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("--no-sandbox")) << run.err.toStdString();
    EXPECT_EQ(stored(Game::Fucai), 0);
}

TEST_F(ImportToolTest, HelpPrintsTheUsage)
{
    const ToolRun run = runImport({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.err.isEmpty());
    for (const char* part :
         {"用法：quorvane-import", "--game fucai|ticai", "--skip-bad", "SOURCE", "FOLDER", "https://"})
        EXPECT_TRUE(run.out.contains(part)) << part;
}

// Each source shape, loaded by the tool as the download window loads it;
// pages that hold no draws, refuse the session or never finish are failures.
class ImportAddressTest : public ImportToolTest
{
protected:
    void importSources(bool readsTablesAndJson)
    {
        PageServer server;
        ASSERT_TRUE(server.listening());
        for (const SourcePage& source : serveSourcePages(server)) {
            if (source.readsTablesAndJson != readsTablesAndJson)
                continue;
            SCOPED_TRACE(source.name);
            {
                DrawStore store(dir.file("db1.mdb"));
                store.setGame(source.game);
                store.deleteAll();
            }
            const QString game = tableName(source.game);
            const ToolRun run = runImport({"--game", game, source.addresses, dir.path()}, "100,3000,20000");
            EXPECT_EQ(run.status, 0) << run.err.toStdString();
            EXPECT_TRUE(run.out.contains(QStringLiteral("新增%1期").arg(source.issues.size())))
                << run.out.toStdString();
            DrawStore store(dir.file("db1.mdb"));
            store.setGame(source.game);
            EXPECT_EQ(store.issueList(), source.issues);
        }
    }
};

TEST_F(ImportAddressTest, ImportsPagesFilledByScriptAndQueriesNeedingTheSiteFirst)
{
    importSources(false);
}

TEST_F(ImportAddressTest, ImportsJsonQueriesAndTextHistories)
{
    importSources(true);
}

TEST_F(ImportAddressTest, PagesWithoutDrawsFail)
{
    PageServer server;
    ASSERT_TRUE(server.listening());
    serveSourcePages(server);
    server.page("/none", gbkHtml(QStringLiteral("今日暂无开奖")));
    const struct
    {
        const char* path;
        const char* message;
    } failing[] = {
        {"/none", "页面中没有找到开奖数据："},
        {"/site-query", "网页无法打开"}, // the site's page not opened first
        {"/never", "秒内没有加载完成"},
    };
    for (const auto& [path, message] : failing) {
        const ToolRun run = runImport({server.url(path), dir.path()}, "100,1500,3000");
        EXPECT_EQ(run.status, 1) << path;
        EXPECT_TRUE(run.err.contains(message)) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(server.url(path))) << run.err.toStdString();
    }
    EXPECT_EQ(stored(Game::Fucai), 0);
}

// Only the web: a file of this machine named after a page, or as a file
// address, is refused before anything loads.
TEST_F(ImportAddressTest, LocalFilesAreNeverReadThroughAnAddress)
{
    dir.write("local.txt", "2026001 123\n");
    const QString local = dir.file("local.txt");
    for (const QString& source : QStringList{"http://127.0.0.1:9/a " + local, "http://127.0.0.1:9/a file://" + local,
                                             "https://127.0.0.1:9/a javascript:alert(1)"}) {
        const ToolRun run = runImport({source, dir.path()});
        EXPECT_EQ(run.status, 1) << source.toStdString();
        EXPECT_TRUE(run.err.contains("只能从 http:// 或 https:// 网址导入")) << run.err.toStdString();
    }
    EXPECT_EQ(stored(Game::Fucai), 0);
}

// A text over the page limit is refused whole: the line across the limit
// ("2099500 5" inside, " 7 3" beyond) is never stored as 2099500 005.
TEST_F(ImportAddressTest, TextOverTheLimitIsRefusedNotCut)
{
    const qsizetype limit = ImportLimits::kPageTextChars;
    QByteArray text = "2099499 1 2 3\n";
    text += QByteArray(limit - text.size() - 9, '-') + "\n2099500 5 7 3\n";
    text += QByteArray((40 << 20) - text.size(), '-');
    PageServer server;
    ASSERT_TRUE(server.listening());
    for (const bool sendsLength : {true, false}) {
        server.page("/big", {.body = text, .type = "text/plain", .sendsLength = sendsLength});
        const ToolRun run = runImport({server.url("/big"), dir.path()}, "100,1500,20000");
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.err.contains("页面文字超过32 MB")) << run.err.toStdString();
    }
    EXPECT_EQ(stored(Game::Fucai), 0);
}

} // namespace
