// Two programs on one history: a restore says what it removes and never
// replaces what another program is writing; an entry and an import of the
// same issue store it once.
#include "core/DrawEntry.h"
#include "store/Database.h"
#include "store/DrawEntry.h"
#include "store/DrawStore.h"
#include "tests/support/TestDir.h"

#include <QThread>
#include <atomic>
#include <future>
#include <memory>

namespace {

// The lock an import holds while it writes, taken by a second connection.
class HeldWrite
{
public:
    explicit HeldWrite(const QString& path) : m_db(path, DrawStore::kKey), m_write(m_db) {}
    void insert(const QString& issue)
    {
        Statement insert(m_db, "insert into fucai (qs, AllNumber) values (?, '999')");
        insert.bind(1, issue);
        insert.step();
    }
    void commit() { m_write.commit(); }

private:
    Database m_db;
    Transaction m_write;
};

int rowsOf(const QString& path, const QString& issue)
{
    Database db(path, DrawStore::kKey);
    Statement count(db, "select count(*) from fucai where qs=?");
    count.bind(1, issue);
    return count.step() ? count.integer(0) : -1;
}

// A history of an earlier version that holds issue 2024001 twice: it has
// only the plain issue index.
void makeHistoryWithDuplicate(const QString& path)
{
    ASSERT_TRUE(DrawStore::createEmpty(path));
    Database db(path, DrawStore::kKey);
    db.exec("drop index fucai_issue");
    db.exec("create index fucai_qs on fucai (qs)");
    db.exec("insert into fucai (qs, AllNumber) values ('2024001', '111'), ('2024001', '112')");
}

class ConcurrentWriteTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(DrawStore::createEmpty(live));
        store = std::make_unique<DrawStore>(live);
    }

    void add(const QString& issue, Game game = Game::Fucai)
    {
        store->setGame(game);
        ASSERT_TRUE(store->appendNew(issue, "123"));
        store->setGame(Game::Fucai);
    }

    TestDir dir;
    const QString live = dir.file(DrawStore::kFileName);
    const QString backup = dir.file(DrawStore::kBackupName);
    std::unique_ptr<DrawStore> store;
};

TEST_F(ConcurrentWriteTest, RestoreCountsTheLiveDrawsTheBackupLacks)
{
    for (int i = 1; i <= 5; ++i)
        add(QStringLiteral("20240%1").arg(i, 2, 10, QLatin1Char('0')));
    add("2024001", Game::Ticai);
    store->backupTo(backup);

    // Nothing lost: the plain question of old.
    DrawStore::RestoreLoss same = store->restoreLoss(backup);
    EXPECT_EQ(same.lost(), 0);
    EXPECT_EQ(same.question(), QStringLiteral("准备恢复所有记录数据，是否继续！"));

    for (int i = 6; i <= 10; ++i)
        add(QStringLiteral("20240%1").arg(i, 2, 10, QLatin1Char('0')));
    add("2023999"); // older than the backup's newest, yet not in it
    store->deleteIssue("2024002"); // in the backup only: a restore brings it back, loses nothing

    const DrawStore::RestoreLoss loss = store->restoreLoss(backup);
    ASSERT_EQ(loss.games.size(), 2u);
    const DrawStore::GameLoss& fucai = loss.games[0];
    EXPECT_EQ(fucai.game, Game::Fucai);
    EXPECT_EQ(fucai.backupDraws, 5);
    EXPECT_EQ(fucai.liveDraws, 10);
    EXPECT_EQ(fucai.lost, 6);
    EXPECT_EQ(fucai.firstLost, QStringLiteral("2023999"));
    EXPECT_EQ(fucai.lastLost, QStringLiteral("2024010"));
    EXPECT_EQ(loss.games[1].lost, 0);
    EXPECT_EQ(loss.games[1].backupDraws, 1);
    EXPECT_EQ(loss.question(),
              QStringLiteral("福彩3D：备份有5期，当前有10期；恢复后将失去备份之后的6期：第2023999期至第2024010期。\n"
                             "体彩排列3：备份有1期，当前有1期。\n是否继续？"));

    store->restoreFrom(backup, loss.liveRevision);
    EXPECT_EQ(store->count(), 5);
}

TEST_F(ConcurrentWriteTest, RestoreRefusesAtOnceWhileAnotherProgramWrites)
{
    add("2024001");
    store->backupTo(backup);
    const DrawStore::RestoreLoss asked = store->restoreLoss(backup);

    // The import keeps its lock until the restore has answered, or for 5 s:
    // a restore that waited for it would then replace its draw.
    std::promise<void> answered;
    std::future<void> restoreDone = answered.get_future();
    std::promise<void> locked;
    auto import = std::async(std::launch::async, [&] {
        HeldWrite write(live);
        write.insert("2024002");
        locked.set_value();
        restoreDone.wait_for(std::chrono::seconds(5));
        write.commit();
    });
    locked.get_future().wait();
    for (const auto& attempt : std::vector<std::function<void()>>{[&] { store->restoreLoss(backup); },
                                                                  [&] { store->restoreFrom(backup); }}) {
        try {
            attempt();
            ADD_FAILURE() << "went on while another program wrote";
        } catch (const DatabaseBusy& busy) {
            EXPECT_EQ(busy.text(), DrawStore::kRestoreWhileWriting);
        }
    }
    answered.set_value();
    import.get();
    EXPECT_EQ(store->issueList(), (QStringList{"2024001", "2024002"}));

    // The import's draw came after the question: the answer no longer fits.
    EXPECT_THROW(store->restoreFrom(backup, asked.liveRevision), DatabaseError);
    EXPECT_EQ(store->issueList(), (QStringList{"2024001", "2024002"}));
    const DrawStore::RestoreLoss again = store->restoreLoss(backup);
    EXPECT_EQ(again.lost(), 1);
    store->restoreFrom(backup, again.liveRevision);
    EXPECT_EQ(store->issueList(), QStringList{"2024001"});
}

TEST_F(ConcurrentWriteTest, EntryChecksItsIssueInsideItsWrite)
{
    // The import has stored the issue but not yet committed when the entry
    // starts: the entry must wait for it and then refuse, not insert a second row.
    HeldWrite write(live);
    write.insert("2024007");
    auto entry = std::async(std::launch::async, [this] { return enterDraw(*store, "2024007", "777"); });
    QThread::msleep(200);
    write.commit();
    const EntryOutcome outcome = entry.get();
    EXPECT_EQ(outcome.refusal, EntryText::duplicate("2024007"));
    EXPECT_EQ(rowsOf(live, "2024007"), 1);
    EXPECT_EQ(store->numberOfIssue("2024007"), QStringLiteral("999"));
}

TEST_F(ConcurrentWriteTest, EntryAndImportOfOneIssueStoreItOnce)
{
    // With the unique issue index and without it (a history that already
    // holds an issue twice keeps the plain index).
    for (const bool withDuplicate : {false, true}) {
        SCOPED_TRACE(withDuplicate ? "history with a duplicate" : "sound history");
        TestDir folder;
        const QString path = folder.file(DrawStore::kFileName);
        if (withDuplicate)
            makeHistoryWithDuplicate(path);
        else
            ASSERT_TRUE(DrawStore::createEmpty(path));
        DrawStore entering(path);
        DrawStore importing(path);
        for (int i = 1; i <= 40; ++i) {
            const QString issue = QStringLiteral("2025%1").arg(i, 3, 10, QLatin1Char('0'));
            std::atomic<int> ready{0};
            const auto start = [&ready] {
                ++ready;
                while (ready < 2) {
                }
            };
            auto entry = std::async(std::launch::async, [&] {
                start();
                return enterDraw(entering, issue, "321");
            });
            auto import = std::async(std::launch::async, [&] {
                start();
                return importing.appendDraws({{issue, "654"}});
            });
            const EntryOutcome entered = entry.get();
            const DrawStore::ImportCounts imported = import.get();
            EXPECT_NE(entered.stored(), imported.added == 1) << issue.toStdString();
            if (!entered.stored()) {
                EXPECT_EQ(entered.refusal, EntryText::duplicate(issue));
            }
            EXPECT_EQ(rowsOf(path, issue), 1) << issue.toStdString();
        }
    }
}

TEST_F(ConcurrentWriteTest, HistoryWithADuplicateKeepsWorkingAndGainsUniquenessOnceSound)
{
    TestDir folder;
    const QString path = folder.file(DrawStore::kFileName);
    makeHistoryWithDuplicate(path);
    {
        DrawStore history(path);
        EXPECT_EQ(history.issueList(), (QStringList{"2024001", "2024001"}));
        EXPECT_EQ(enterDraw(history, "2024001", "113").refusal, EntryText::duplicate("2024001"));
        EXPECT_TRUE(enterDraw(history, "2024002", "222").stored());
        EXPECT_EQ(history.deleteIssue("2024001"), 2);
    }
    DrawStore sound(path);
    // Now the file itself refuses a second row of an issue.
    EXPECT_THROW(sound.append(deriveDrawRecord("2024002", "223", QString())), DatabaseError);
    EXPECT_EQ(rowsOf(path, "2024002"), 1);
}

} // namespace
