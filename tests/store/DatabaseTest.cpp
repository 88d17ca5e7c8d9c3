#include "store/Database.h"

#include "tests/support/TestDir.h"

#include <QFileInfo>
#include <functional>
#include <random>

namespace {

// One table with a text and an integer column, filled with `rows`.
void makeTable(const QString& path, const QString& key, const QList<QPair<QString, int>>& rows)
{
    Database db(path, key, Database::Mode::CreateIfMissing);
    db.exec(QStringLiteral("create table t (name TEXT, value INTEGER)"));
    for (const auto& [name, value] : rows) {
        Statement insert(db, QStringLiteral("insert into t values (?, ?)"));
        insert.bind(1, name).bind(2, value);
        insert.step();
    }
}

QList<QPair<QString, int>> readTable(const Database& db)
{
    Statement query(db, QStringLiteral("select name, value from t order by rowid"));
    QList<QPair<QString, int>> rows;
    while (query.step())
        rows.append({query.text(0), query.integer(1)});
    return rows;
}

TEST(DatabaseTest, CreatedFileReopensWithItsKey)
{
    TestDir dir;
    const QString path = dir.file(QStringLiteral("a.db"));
    makeTable(path, QStringLiteral("k"), {{QStringLiteral("一"), 1}, {QStringLiteral("two"), 2}});

    Database db(path, QStringLiteral("k"));
    const QList<QPair<QString, int>> expected{{QStringLiteral("一"), 1}, {QStringLiteral("two"), 2}};
    EXPECT_EQ(readTable(db), expected);
    // Encrypted: the text never appears in the file.
    EXPECT_FALSE(dir.read(QStringLiteral("a.db")).contains("two"));
}

TEST(DatabaseTest, OpenFailuresThrowAndCreateNothing)
{
    struct Case
    {
        const char* name;
        QString key;
        std::function<void(const TestDir&, const QString&)> prepare;
    };
    const Case cases[] = {
        {"missing file", QStringLiteral("k"), [](const TestDir&, const QString&) {}},
        {"other key", QStringLiteral("k"),
         [](const TestDir&, const QString& path) { makeTable(path, QStringLiteral("other"), {}); }},
        {"random bytes", QStringLiteral("k"),
         [](const TestDir& dir, const QString&) { dir.write(QStringLiteral("a.db"), randomBytes(8192)); }},
        {"empty file", QStringLiteral("k"),
         [](const TestDir& dir, const QString&) { dir.write(QStringLiteral("a.db"), {}); }},
        {"no key on an encrypted file", QString(),
         [](const TestDir&, const QString& path) { makeTable(path, QStringLiteral("k"), {}); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestDir dir;
        const QString path = dir.file(QStringLiteral("a.db"));
        c.prepare(dir, path);
        const bool existed = QFileInfo::exists(path);
        const QByteArray before = dir.read(QStringLiteral("a.db"));
        EXPECT_THROW(Database(path, c.key), DatabaseError);
        EXPECT_EQ(QFileInfo::exists(path), existed);
        EXPECT_EQ(dir.read(QStringLiteral("a.db")), before);
    }
}

TEST(DatabaseTest, WrongKeyIsSaidAsAFileOfAnotherKind)
{
    TestDir dir;
    const QString path = dir.file(QStringLiteral("a.db"));
    makeTable(path, QStringLiteral("other"), {{QStringLiteral("x"), 1}});
    try {
        Database db(path, QStringLiteral("k"));
        FAIL() << "opened with a wrong key";
    } catch (const DatabaseError& e) {
        EXPECT_EQ(e.text(), QStringLiteral("数据文件已损坏，或不是本程序的数据文件：") + path);
    }
}

TEST(DatabaseTest, NullAndEmptyTextStayApart)
{
    TestDir dir;
    makeTable(dir.file(QStringLiteral("a.db")), QStringLiteral("k"), {{QString(), 1}, {QStringLiteral(""), 2}});
    Database db(dir.file(QStringLiteral("a.db")), QStringLiteral("k"));
    Statement query(db, QStringLiteral("select name from t order by value"));
    ASSERT_TRUE(query.step());
    EXPECT_TRUE(query.isNull(0));
    EXPECT_TRUE(query.text(0).isNull());
    ASSERT_TRUE(query.step());
    EXPECT_FALSE(query.isNull(0));
    EXPECT_FALSE(query.text(0).isNull());
    EXPECT_TRUE(query.text(0).isEmpty());
    EXPECT_FALSE(query.step());
}

TEST(DatabaseTest, StatementErrorsThrow)
{
    TestDir dir;
    makeTable(dir.file(QStringLiteral("a.db")), QStringLiteral("k"), {});
    Database db(dir.file(QStringLiteral("a.db")), QStringLiteral("k"));
    EXPECT_THROW(Statement(db, QStringLiteral("select nothing from nowhere")), DatabaseError);
    EXPECT_THROW(db.exec(QStringLiteral("insert into nowhere values (1)")), DatabaseError);
    Statement insert(db, QStringLiteral("insert into t values (?, ?)"));
    EXPECT_THROW(insert.bind(3, 1), DatabaseError);
}

TEST(DatabaseTest, TransactionKeepsWritesOnlyWhenCommitted)
{
    TestDir dir;
    const QString path = dir.file(QStringLiteral("a.db"));
    makeTable(path, QStringLiteral("k"), {{QStringLiteral("kept"), 1}});
    {
        Database db(path, QStringLiteral("k"));
        try {
            Transaction transaction(db);
            db.exec(QStringLiteral("insert into t values ('lost', 2)"));
            db.exec(QStringLiteral("insert into missing values (3)"));
            transaction.commit();
            FAIL() << "the failing statement did not throw";
        } catch (const DatabaseError&) {
        }
        {
            Transaction transaction(db);
            db.exec(QStringLiteral("insert into t values ('added', 4)"));
            transaction.commit();
        }
        // The connection stays usable: the rollback closed the failed transaction.
        EXPECT_NO_THROW(Transaction{db});
    }
    Database db(path, QStringLiteral("k"));
    const QList<QPair<QString, int>> expected{{QStringLiteral("kept"), 1}, {QStringLiteral("added"), 4}};
    EXPECT_EQ(readTable(db), expected);
}

TEST(DatabaseTest, BackupCopiesUncheckpointedWritesUnderTheSameKey)
{
    TestDir dir;
    const QString path = dir.file(QStringLiteral("a.db"));
    const QString copy = dir.file(QStringLiteral("copy.db"));
    makeTable(path, QStringLiteral("k"), {{QStringLiteral("old"), 1}});
    Database db(path, QStringLiteral("k"));
    // Still in the write-ahead log while the connection is open.
    db.exec(QStringLiteral("insert into t values ('new', 2)"));
    db.backupTo(copy, QStringLiteral("k"));

    Database restored(copy, QStringLiteral("k"));
    const QList<QPair<QString, int>> expected{{QStringLiteral("old"), 1}, {QStringLiteral("new"), 2}};
    EXPECT_EQ(readTable(restored), expected);
    EXPECT_THROW(Database(copy, QStringLiteral("other")), DatabaseError);
}

TEST(DatabaseTest, RestoreReplacesTheContentsUnderOtherConnectionsOrWaitsForTheirWrite)
{
    TestDir dir;
    const QString path = dir.file(QStringLiteral("a.db"));
    const QString source = dir.file(QStringLiteral("b.db"));
    makeTable(path, QStringLiteral("k"), {{QStringLiteral("live"), 1}});
    makeTable(source, QStringLiteral("k"), {{QStringLiteral("backup"), 2}});
    Database db(path, QStringLiteral("k"));
    Database other(path, QStringLiteral("k"));
    const Database backup(source, QStringLiteral("k"));

    // Another connection in the middle of a write: the restore gives up at
    // its deadline and leaves the file as that writer leaves it.
    other.exec(QStringLiteral("begin immediate"));
    other.exec(QStringLiteral("insert into t values ('written', 3)"));
    EXPECT_THROW(db.restoreFrom(backup, 200), DatabaseBusy);
    other.exec(QStringLiteral("commit"));
    const QList<QPair<QString, int>> written{{QStringLiteral("live"), 1}, {QStringLiteral("written"), 3}};
    EXPECT_EQ(readTable(db), written);

    db.restoreFrom(backup);
    const QList<QPair<QString, int>> restored{{QStringLiteral("backup"), 2}};
    EXPECT_EQ(readTable(db), restored);
    EXPECT_EQ(readTable(other), restored);
    // The other connection's next write lands in the restored file.
    other.exec(QStringLiteral("insert into t values ('later', 4)"));
    const QList<QPair<QString, int>> later{{QStringLiteral("backup"), 2}, {QStringLiteral("later"), 4}};
    EXPECT_EQ(readTable(Database(path, QStringLiteral("k"))), later);
}

TEST(DatabaseTest, BackupIntoAnUnreadableTargetThrows)
{
    TestDir dir;
    const QString path = dir.file(QStringLiteral("a.db"));
    makeTable(path, QStringLiteral("k"), {});
    Database db(path, QStringLiteral("k"));
    dir.write(QStringLiteral("junk.db"), randomBytes(4096));
    EXPECT_THROW(db.backupTo(dir.file(QStringLiteral("junk.db")), QStringLiteral("k")), DatabaseError);
    EXPECT_THROW(db.backupTo(dir.file(QStringLiteral("no/such/folder.db")), QStringLiteral("k")), DatabaseError);
}

} // namespace
