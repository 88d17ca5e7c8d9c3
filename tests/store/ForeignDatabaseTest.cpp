// Databases made elsewhere with the program's key: only a file holding our
// schema and nothing else may become the history, whether opened at start or
// brought in by a restore.
#include "store/Database.h"
#include "store/DrawSchema.h"
#include "store/DrawStore.h"
#include "tests/support/TestDir.h"

#include <QStringList>
#include <functional>

namespace {

// A draw table as this program makes it, with one column's declaration changed.
QString drawTableSql(const QString& table, const QString& leaveOut, const QString& issueType = "TEXT")
{
    QStringList columns;
    for (const QString& name : drawColumns()) {
        if (name == leaveOut)
            continue;
        const bool integer = QStringList{"Asum", "ACValue", "SameToLast", "kuadu", "zhishu"}.contains(name);
        columns << name + " " + (name == "qs" ? issueType : integer ? "INTEGER" : "TEXT");
    }
    return QStringLiteral("create table %1 (%2)").arg(table, columns.join(", "));
}

// Replaces a draw table by one of another shape, its rows gone.
void reshape(Database& db, const QString& table, const QString& createSql)
{
    db.exec("drop table " + table);
    db.exec(createSql);
}

struct Foreign
{
    const char* name;
    std::function<void(Database&)> change; // applied to a file createEmpty made
    QString said;                          // part of the refusal; empty for a sound file
};

const std::vector<Foreign>& foreignFiles()
{
    static const std::vector<Foreign> files{
        {"trigger",
         [](Database& db) {
             db.exec("create trigger t1 after insert on fucai begin update fucai set AllNumber='000'; end");
         },
         "触发器 t1"},
        {"view", [](Database& db) { db.exec("create view v1 as select qs from fucai"); }, "视图 v1"},
        {"extra table", [](Database& db) { db.exec("create table notes (x)"); }, "数据表 notes"},
        {"index of another's", [](Database& db) { db.exec("create index fucai_x on fucai (AllNumber)"); },
         "索引 fucai_x"},
        {"our index name on other columns",
         [](Database& db) {
             db.exec("drop index fucai_analysis");
             db.exec("create index fucai_analysis on fucai (AllNumber)");
         },
         "索引 fucai_analysis"},
        {"extra column", [](Database& db) { db.exec("alter table fucai add column extra TEXT"); },
         "数据表 fucai 多出列 extra"},
        {"missing column", [](Database& db) { reshape(db, "ticai", drawTableSql("ticai", "AllNumber")); },
         "数据表 ticai 缺少列 AllNumber"},
        {"issue stored as a number",
         [](Database& db) { reshape(db, "fucai", drawTableSql("fucai", QString(), "INTEGER")); },
         "数据表 fucai 的列 qs 类型不同"},
        {"missing table", [](Database& db) { db.exec("drop table ticai"); }, "没有开奖数据表 ticai"},
        {"sound", [](Database&) {}, QString()},
        // A file of an earlier version: the plain issue index, no read index.
        {"sound, earlier version",
         [](Database& db) {
             for (const QString table : {"fucai", "ticai"}) {
                 db.exec(QStringLiteral("drop index %1_issue").arg(table));
                 db.exec(QStringLiteral("drop index %1_analysis").arg(table));
                 db.exec(QStringLiteral("create index %1_qs on %1 (qs)").arg(table));
             }
         },
         QString()},
    };
    return files;
}

// A history file holding draw 2024001 and then changed as `foreign` says.
void makeFile(const QString& path, const Foreign& foreign)
{
    ASSERT_TRUE(DrawStore::createEmpty(path));
    {
        DrawStore store(path);
        store.append(deriveDrawRecord("2024001", "123", QString()));
    }
    Database db(path, DrawStore::kKey);
    foreign.change(db);
}

QString refusal(const std::function<void()>& use)
{
    try {
        use();
    } catch (const DatabaseError& error) {
        return error.text();
    }
    return QString();
}

TEST(ForeignDatabaseTest, OnlyOurSchemaOpensAsTheHistory)
{
    for (const Foreign& foreign : foreignFiles()) {
        SCOPED_TRACE(foreign.name);
        TestDir dir;
        const QString path = dir.file(DrawStore::kFileName);
        makeFile(path, foreign);
        const QString said = refusal([&] { DrawStore store(path); });
        if (foreign.said.isEmpty()) {
            EXPECT_TRUE(said.isEmpty()) << said.toStdString();
            // The sound file is completed to today's schema and stays sound.
            DrawStore store(path);
            EXPECT_EQ(store.issueList(), QStringList{"2024001"});
            Database db(path, DrawStore::kKey);
            EXPECT_EQ(foreignSchema(db), QString());
        } else {
            EXPECT_TRUE(said.contains(foreign.said)) << said.toStdString();
            EXPECT_TRUE(said.contains(path)) << said.toStdString();
        }
    }
}

TEST(ForeignDatabaseTest, OnlyOurSchemaIsRestoredAndTheHistoryStaysAsItWas)
{
    for (const Foreign& foreign : foreignFiles()) {
        SCOPED_TRACE(foreign.name);
        TestDir dir;
        const QString live = dir.file(DrawStore::kFileName);
        const QString backup = dir.file(DrawStore::kBackupName);
        ASSERT_TRUE(DrawStore::createEmpty(live));
        DrawStore store(live);
        store.append(deriveDrawRecord("2024005", "555", QString()));
        makeFile(backup, foreign);

        const QString asked = refusal([&] { store.restoreLoss(backup); });
        const QString restored = refusal([&] { store.restoreFrom(backup); });
        if (foreign.said.isEmpty()) {
            EXPECT_TRUE(asked.isEmpty()) << asked.toStdString();
            EXPECT_TRUE(restored.isEmpty()) << restored.toStdString();
            EXPECT_EQ(store.issueList(), QStringList{"2024001"});
            continue;
        }
        for (const QString& said : {asked, restored}) {
            EXPECT_TRUE(said.contains(foreign.said)) << said.toStdString();
            EXPECT_TRUE(said.contains(QStringLiteral("数据未恢复"))) << said.toStdString();
        }
        EXPECT_EQ(store.issueList(), QStringList{"2024005"});
        // Nothing of the foreign file reached the live one: a new draw keeps its number.
        ASSERT_TRUE(store.appendNew("2024006", "678"));
        EXPECT_EQ(store.numberOfIssue("2024006"), QStringLiteral("678"));
        Database db(live, DrawStore::kKey);
        EXPECT_EQ(foreignSchema(db), QString());
    }
}

TEST(ForeignDatabaseTest, EveryConnectionDistrustsTheSchemasOwnSql)
{
    TestDir dir;
    const QString path = dir.file(DrawStore::kFileName);
    ASSERT_TRUE(DrawStore::createEmpty(path));
    Database db(path, DrawStore::kKey);
    Statement trusted(db, "pragma trusted_schema");
    // An engine older than the pragma answers nothing; one that knows it must say off.
    if (trusted.step()) {
        EXPECT_EQ(trusted.integer(0), 0);
    }
}

} // namespace
