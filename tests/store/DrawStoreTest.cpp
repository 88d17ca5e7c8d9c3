#include "store/DrawStore.h"

#include "store/Database.h"
#include "tests/support/TestDir.h"

#include <QDir>
#include <QFileInfo>
#include <functional>
#include <memory>
#include <random>

namespace {

QStringList issuesOf(const std::vector<DrawRecord>& records)
{
    QStringList issues;
    for (const DrawRecord& r : records)
        issues << r.qs;
    return issues;
}

// Both draw tables under `key`, so only the key can make the file unusable.
void makeDrawTables(const QString& path, const QString& key)
{
    Database db(path, key, Database::Mode::CreateIfMissing);
    db.exec(QStringLiteral("create table fucai (qs TEXT)"));
    db.exec(QStringLiteral("create table ticai (qs TEXT)"));
}

class DrawStoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(DrawStore::createEmpty(live));
        store = std::make_unique<DrawStore>(live);
    }

    void add(const QString& issue, const QString& number, Game game = Game::Fucai)
    {
        const Game was = store->game();
        store->setGame(game);
        store->append(deriveDrawRecord(issue, number, QString()));
        store->setGame(was);
    }

    // The folder holds exactly these names: no temporary files left behind.
    void expectFolderHolds(QStringList names) const
    {
        QStringList present = QDir(dir.path()).entryList(QDir::Files);
        present.sort();
        names.sort();
        EXPECT_EQ(present, names);
    }

    TestDir dir;
    const QString live = dir.file(DrawStore::kFileName);
    const QString backup = dir.file(DrawStore::kBackupName);
    std::unique_ptr<DrawStore> store;
};

TEST_F(DrawStoreTest, CreatedFileHasBothTablesInColumnOrderWithAnIssueIndex)
{
    store.reset();
    expectFolderHolds({DrawStore::kFileName});
    Database db(live, DrawStore::kKey);
    for (const QString& table : {QStringLiteral("fucai"), QStringLiteral("ticai")}) {
        SCOPED_TRACE(table.toStdString());
        Statement columns(db, QStringLiteral("pragma table_info(%1)").arg(table));
        QStringList names;
        while (columns.step()) {
            names << columns.text(1);
            const bool integer =
                QStringList{"Asum", "ACValue", "SameToLast", "kuadu", "zhishu"}.contains(columns.text(1));
            EXPECT_EQ(columns.text(2), integer ? QStringLiteral("INTEGER") : QStringLiteral("TEXT"))
                << columns.text(1).toStdString();
        }
        EXPECT_EQ(names, drawColumns());
        // The issue index, and the read index that holds what range reads need.
        QStringList indexes;
        Statement list(db, QStringLiteral("pragma index_list(%1)").arg(table));
        while (list.step()) {
            QStringList columns;
            Statement info(db, QStringLiteral("pragma index_info(%1)").arg(list.text(1)));
            while (info.step())
                columns << info.text(2);
            indexes << columns.join(",");
        }
        indexes.sort();
        EXPECT_EQ(indexes, (QStringList{"qs", "qs,AllNumber,Asum,kuadu"}));
    }
}

TEST_F(DrawStoreTest, CreateEmptyNeverTouchesAnExistingFile)
{
    EXPECT_FALSE(DrawStore::createEmpty(live));
    add(QStringLiteral("08123"), QStringLiteral("507"));
    EXPECT_EQ(store->count(), 1);

    dir.write(QStringLiteral("other.mdb"), "keep me");
    EXPECT_FALSE(DrawStore::createEmpty(dir.file(QStringLiteral("other.mdb"))));
    EXPECT_EQ(dir.read(QStringLiteral("other.mdb")), QByteArray("keep me"));
}

TEST_F(DrawStoreTest, OpenRefusesUnusableFiles)
{
    struct Case
    {
        const char* name;
        std::function<void(const QString&)> prepare;
    };
    const Case cases[] = {
        {"missing", [](const QString&) {}},
        {"other key", [](const QString& path) { makeDrawTables(path, QStringLiteral("other")); }},
        {"random bytes", [this](const QString&) { dir.write(QStringLiteral("x.mdb"), randomBytes(16384)); }},
        {"one table missing",
         [](const QString& path) {
             Database db(path, DrawStore::kKey, Database::Mode::CreateIfMissing);
             db.exec(QStringLiteral("create table fucai (qs TEXT)"));
         }},
    };
    const QString path = dir.file(QStringLiteral("x.mdb"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path);
        c.prepare(path);
        const bool existed = QFileInfo::exists(path);
        EXPECT_THROW(DrawStore{path}, DatabaseError);
        EXPECT_EQ(QFileInfo::exists(path), existed);
    }
}

TEST_F(DrawStoreTest, RecordRoundTripsWithNullMarkers)
{
    const DrawRecord written = deriveDrawRecord(QStringLiteral("08123"), QStringLiteral("507"), QStringLiteral("517"));
    store->append(written);

    const std::optional<DrawRecord> read = store->oneIssue(QStringLiteral("08123"));
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, written);
    // A10..A39: only A15, A20 and A37 hold their digit; the rest are NULL, not empty.
    for (int i = 0; i < kHitColumnCount; ++i) {
        SCOPED_TRACE(drawColumns()[1 + i].toStdString());
        const QString expected = i == 5 ? "5" : i == 10 ? "0" : i == 27 ? "7" : QString();
        EXPECT_EQ(read->hits[i].isNull(), expected.isNull());
        EXPECT_EQ(read->hits[i], expected);
    }
    EXPECT_EQ(read->asum, 12);
    EXPECT_EQ(read->kuadu, 7);
    EXPECT_EQ(read->sameToLast, 2);
    EXPECT_EQ(read->allNumber, QStringLiteral("507"));

    const std::vector<DrawRecord> all = store->range(QString(), QStringLiteral("99999"));
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0], written);
    EXPECT_FALSE(store->oneIssue(QStringLiteral("08124")));
}

TEST_F(DrawStoreTest, RangeIsInclusiveOrderedAndAnEmptyStartMeetsEveryIssue)
{
    for (const char* issue : {"08124", "08121", "08125", "08123", "08122"})
        add(QString::fromLatin1(issue), QStringLiteral("123"));
    struct Case
    {
        QString start, end;
        bool descending;
        QStringList expected;
    };
    const Case cases[] = {
        {"08122", "08124", false, {"08122", "08123", "08124"}},
        {"08122", "08124", true, {"08124", "08123", "08122"}},
        {"", "08122", false, {"08121", "08122"}},
        {QString(), "08122", false, {"08121", "08122"}},
        {"08123", "08123", false, {"08123"}},
        {"08125", "99999", true, {"08125"}},
        {"08126", "08199", false, {}},
        {"08124", "08122", false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1..%2").arg(c.start, c.end).toStdString());
        EXPECT_EQ(issuesOf(store->range(c.start, c.end, c.descending)), c.expected);
    }
    EXPECT_EQ(store->issueList(), (QStringList{"08121", "08122", "08123", "08124", "08125"}));
}

TEST_F(DrawStoreTest, GamesKeepSeparateTables)
{
    add(QStringLiteral("08001"), QStringLiteral("111"), Game::Fucai);
    add(QStringLiteral("08002"), QStringLiteral("222"), Game::Ticai);
    add(QStringLiteral("08003"), QStringLiteral("333"), Game::Ticai);

    EXPECT_EQ(store->issueList(), QStringList{"08001"});
    EXPECT_FALSE(store->issueExists(QStringLiteral("08002")));
    store->setGame(Game::Ticai);
    EXPECT_EQ(store->table(), QStringLiteral("ticai"));
    EXPECT_EQ(store->count(), 2);
    EXPECT_EQ(store->latestNumber(), QStringLiteral("333"));
    store->deleteAll();
    EXPECT_EQ(store->count(), 0);
    store->setGame(Game::Fucai);
    EXPECT_EQ(store->count(), 1);
}

TEST_F(DrawStoreTest, NumberLookupsFollowIssueOrderNotEntryOrder)
{
    EXPECT_EQ(store->latestNumber(), QString());
    EXPECT_EQ(store->numberOfIssue(QStringLiteral("08001")), QString());

    add(QStringLiteral("08005"), QStringLiteral("555"));
    add(QStringLiteral("08001"), QStringLiteral("111"));
    EXPECT_EQ(store->latestNumber(), QStringLiteral("555"));
    EXPECT_EQ(store->numberOfIssue(QStringLiteral("08001")), QStringLiteral("111"));
    EXPECT_EQ(store->numberOfIssue(QStringLiteral("08002")), QString());
    EXPECT_TRUE(store->issueExists(QStringLiteral("08001")));
}

TEST_F(DrawStoreTest, IssueWidthIsTheWidthMostDrawsHave)
{
    EXPECT_EQ(store->issueWidth(), 0);
    add(QStringLiteral("2025001"), QStringLiteral("111"));
    EXPECT_EQ(store->issueWidth(), 7);
    add(QStringLiteral("25002"), QStringLiteral("222"));
    EXPECT_EQ(store->issueWidth(), 5); // as common: the shorter
    add(QStringLiteral("2025003"), QStringLiteral("333"));
    EXPECT_EQ(store->issueWidth(), 7);
    store->setGame(Game::Ticai);
    EXPECT_EQ(store->issueWidth(), 0);
}

TEST_F(DrawStoreTest, DeleteIssueRemovesEveryRowOfThatIssueOnly)
{
    // A history of an earlier version may hold an issue twice.
    store.reset();
    {
        Database db(live, DrawStore::kKey);
        db.exec(QStringLiteral("drop index fucai_issue"));
        db.exec(QStringLiteral("create index fucai_qs on fucai (qs)"));
        db.exec(QStringLiteral("insert into fucai (qs, AllNumber) values ('08123', '507'), ('08123', '508')"));
    }
    store = std::make_unique<DrawStore>(live);
    add(QStringLiteral("08124"), QStringLiteral("509"));
    add(QStringLiteral("08123"), QStringLiteral("510"), Game::Ticai);

    EXPECT_EQ(store->deleteIssue(QStringLiteral("08123")), 2);
    EXPECT_EQ(store->issueList(), QStringList{"08124"});
    EXPECT_EQ(store->deleteIssue(QStringLiteral("08123")), 0);
    store->setGame(Game::Ticai);
    EXPECT_EQ(store->count(), 1);
}

TEST_F(DrawStoreTest, IssueTextIsPlainDataEvenWithQuotes)
{
    add(QStringLiteral("08120"), QStringLiteral("120"));
    for (const QString& issue :
         {QStringLiteral("08'1"), QStringLiteral("x' or '1'='1"), QStringLiteral("1; drop table fucai; --")}) {
        SCOPED_TRACE(issue.toStdString());
        EXPECT_FALSE(store->issueExists(issue));
        EXPECT_EQ(store->deleteIssue(issue), 0);
        add(issue, QStringLiteral("321"));
        EXPECT_TRUE(store->issueExists(issue));
        EXPECT_EQ(store->numberOfIssue(issue), QStringLiteral("321"));
        ASSERT_TRUE(store->oneIssue(issue));
        EXPECT_EQ(store->oneIssue(issue)->qs, issue);
        EXPECT_EQ(store->deleteIssue(issue), 1);
        EXPECT_EQ(store->issueList(), QStringList{"08120"});
    }
}

TEST_F(DrawStoreTest, RestoreBringsBackTheBackedUpHistory)
{
    add(QStringLiteral("08001"), QStringLiteral("111"));
    add(QStringLiteral("08001"), QStringLiteral("999"), Game::Ticai);
    store->backupTo(backup);
    // Changes after the backup sit in the live file's log until restore.
    add(QStringLiteral("08002"), QStringLiteral("222"));
    store->deleteIssue(QStringLiteral("08001"));

    EXPECT_NO_THROW(DrawStore{backup});
    store->restoreFrom(backup);
    EXPECT_EQ(store->issueList(), QStringList{"08001"});
    EXPECT_EQ(store->latestNumber(), QStringLiteral("111"));
    // A new connection sees the same: nothing of the old log was replayed.
    store.reset();
    DrawStore reopened(live);
    EXPECT_EQ(reopened.issueList(), QStringList{"08001"});
    reopened.setGame(Game::Ticai);
    EXPECT_EQ(reopened.latestNumber(), QStringLiteral("999"));
    // The restored file takes new draws as usual.
    reopened.append(deriveDrawRecord(QStringLiteral("08002"), QStringLiteral("000"), QString()));
    EXPECT_EQ(reopened.count(), 2);
}

TEST_F(DrawStoreTest, SecondBackupReplacesTheFirst)
{
    add(QStringLiteral("08001"), QStringLiteral("111"));
    store->backupTo(backup);
    add(QStringLiteral("08002"), QStringLiteral("222"));
    store->backupTo(backup);
    add(QStringLiteral("08003"), QStringLiteral("333"));

    store->restoreFrom(backup);
    EXPECT_EQ(store->issueList(), (QStringList{"08001", "08002"}));
    store.reset();
    expectFolderHolds({DrawStore::kFileName, DrawStore::kBackupName});
}

TEST_F(DrawStoreTest, BackupIgnoresALogLeftBesideTheEarlierBackup)
{
    add(QStringLiteral("08001"), QStringLiteral("111"));
    store->backupTo(backup);
    QByteArray staleLog;
    {
        DrawStore old(backup);
        old.append(deriveDrawRecord(QStringLiteral("08009"), QStringLiteral("999"), QString()));
        staleLog = dir.read(DrawStore::kBackupName + "-wal");
    }
    ASSERT_FALSE(staleLog.isEmpty());
    dir.write(DrawStore::kBackupName + "-wal", staleLog);

    add(QStringLiteral("08002"), QStringLiteral("222"));
    store->backupTo(backup);
    DrawStore copy(backup);
    EXPECT_EQ(copy.issueList(), (QStringList{"08001", "08002"}));
}

TEST_F(DrawStoreTest, FailedBackupKeepsTheEarlierOne)
{
    add(QStringLiteral("08001"), QStringLiteral("111"));
    store->backupTo(backup);
    const QByteArray before = dir.read(DrawStore::kBackupName);
    EXPECT_THROW(store->backupTo(dir.file(QStringLiteral("missing/folder/b.mdb"))), DatabaseError);
    add(QStringLiteral("08002"), QStringLiteral("222"));
    // A folder in the way of the backup's name: the copy cannot replace it.
    QDir(dir.path()).mkdir(QStringLiteral("taken.mdb"));
    EXPECT_THROW(store->backupTo(dir.file(QStringLiteral("taken.mdb"))), DatabaseError);
    EXPECT_THROW(store->backupTo(live), DatabaseError);
    add(QStringLiteral("08003"), QStringLiteral("333"));
    EXPECT_EQ(dir.read(DrawStore::kBackupName), before);
    store.reset();
    expectFolderHolds({DrawStore::kFileName, DrawStore::kBackupName});
    EXPECT_EQ(DrawStore(live).issueList(), (QStringList{"08001", "08002", "08003"}));
}

TEST_F(DrawStoreTest, RestoreReachesAnotherConnectionHoldingTheFile)
{
    add(QStringLiteral("08001"), QStringLiteral("111"));
    store->backupTo(backup);
    DrawStore other(live);
    // Held only in the log the other connection keeps open.
    other.append(deriveDrawRecord(QStringLiteral("08002"), QStringLiteral("222"), QString()));

    store->restoreFrom(backup);
    EXPECT_EQ(other.issueList(), QStringList{"08001"});
    // What the other connection writes next stays in the file.
    other.append(deriveDrawRecord(QStringLiteral("08003"), QStringLiteral("333"), QStringLiteral("111")));
    EXPECT_EQ(store->issueList(), (QStringList{"08001", "08003"}));
    store.reset();
    EXPECT_EQ(DrawStore(live).issueList(), (QStringList{"08001", "08003"}));
}

TEST_F(DrawStoreTest, FailedRestoreKeepsTheLiveFile)
{
    add(QStringLiteral("08001"), QStringLiteral("111"));
    struct Case
    {
        const char* name;
        std::function<void()> prepare;
    };
    const Case cases[] = {
        {"no backup", [] {}},
        {"other key", [this] { makeDrawTables(backup, QStringLiteral("other")); }},
        {"random bytes", [this] { dir.write(DrawStore::kBackupName, randomBytes(16384)); }},
        {"not a draw database",
         [this] {
             Database db(backup, DrawStore::kKey, Database::Mode::CreateIfMissing);
             db.exec(QStringLiteral("create table t (x)"));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(backup);
        c.prepare();
        try {
            store->restoreFrom(backup);
            ADD_FAILURE() << "restored";
        } catch (const DatabaseError& e) {
            if (QString(c.name) == QLatin1String("no backup")) {
                EXPECT_TRUE(e.text().contains(QStringLiteral("找不到备份文件"))) << e.what();
            }
        }
        EXPECT_EQ(store->issueList(), QStringList{"08001"});
        add(QStringLiteral("08002"), QStringLiteral("222"));
        EXPECT_EQ(store->deleteIssue(QStringLiteral("08002")), 1);
    }
    store.reset();
    EXPECT_EQ(DrawStore(live).issueList(), QStringList{"08001"});
    expectFolderHolds({DrawStore::kFileName, DrawStore::kBackupName});
}

} // namespace
