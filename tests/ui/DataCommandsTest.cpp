#include "tests/ui/MainWindowFixture.h"

#include "store/Database.h"

namespace {

using DataCommandsTest = MainWindowTest;

TEST_F(DataCommandsTest, DeleteAllAsksFirst)
{
    seed(5);
    show();
    dialogs.clear();
    dialogs.answers = {false};
    action("N35")->trigger();
    EXPECT_EQ(store->count(), 5);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "提示");
    EXPECT_EQ(dialogs.shown[0].text, "准备删除全部历史期数记录，是否继续！");

    dialogs.answers = {true};
    action("N35")->trigger();
    EXPECT_EQ(store->count(), 0);
    EXPECT_TRUE(gridIssues().isEmpty());
    EXPECT_EQ(dialogs.messages(), QStringList{"删除成功，历史数据已经全部清空！"});
}

TEST_F(DataCommandsTest, DeleteSelectedRemovesTheCurrentRowsIssue)
{
    const QStringList issues = seed(5);
    show();
    auto* grid = child<QTableView>("DBGridEh1");
    grid->setCurrentIndex(grid->model()->index(2, 0));
    dialogs.clear();
    dialogs.answers = {true};
    click("SpeedButton15");
    EXPECT_FALSE(store->issueExists(issues[2]));
    EXPECT_EQ(store->count(), 4);
    EXPECT_FALSE(gridIssues().contains(issues[2]));
    ASSERT_EQ(dialogs.texts(FakeDialogs::Kind::OkCancel).size(), 1);
    EXPECT_TRUE(dialogs.texts(FakeDialogs::Kind::OkCancel)[0].startsWith("准备删除所选记录数据（第" + issues[2] + "期，开奖号码"))
        << dialogs.texts(FakeDialogs::Kind::OkCancel)[0].toStdString();
    EXPECT_EQ(dialogs.messages(), QStringList{"删除成功，所选记录已被删除！"});
}

// Deleting the newest draw: no selector ends at it and the entry proposes it again.
TEST_F(DataCommandsTest, DeletingTheNewestRefreshesSelectorsAndTheProposedIssue)
{
    const QStringList issues = seed(5);
    show();
    auto* grid = child<QTableView>("DBGridEh1");
    const int newest = grid->model()->rowCount() - 1;
    ASSERT_EQ(grid->model()->index(newest, 0).data().toString(), issues.last());
    grid->setCurrentIndex(grid->model()->index(newest, 0));
    dialogs.answers = {true};
    click("SpeedButton15");
    ASSERT_FALSE(store->issueExists(issues.last()));
    for (const char* name : {"ComboBox15", "ComboBox18", "ComboBox26"}) {
        auto* end = child<QComboBox>(name);
        EXPECT_EQ(end->currentText(), issues[3]) << name;
        EXPECT_EQ(end->findText(issues.last()), -1) << name;
    }
    EXPECT_EQ(child<QLineEdit>("Edit3")->text(), issues.last());
}

TEST_F(DataCommandsTest, DeleteSelectedWithEmptyGridDeletesNothing)
{
    seed(1);
    show(); // one draw: the grid shows no rows
    dialogs.clear();
    dialogs.answers = {true};
    action("N36")->trigger();
    EXPECT_EQ(store->count(), 1);
    EXPECT_EQ(dialogs.messages(), QStringList{"请先在表格中选中要删除的一期！"}) << "no success reported";
}

TEST_F(DataCommandsTest, BackupTwiceAndRestoreGiveTheLatestBackup)
{
    seed(3);
    show();
    const QString backup = dir.file(DrawStore::kBackupName);
    dialogs.clear();
    dialogs.answers = {true};
    action("N1")->trigger();
    EXPECT_EQ(dialogs.messages(), QStringList{"数据备份成功，已经将所有数据备份至" + backup});

    seed(2, "2025100");
    dialogs.answers = {true};
    action("N1")->trigger(); // replaces the first backup
    const QStringList backedUp = store->issueList();
    seed(4, "2025200");
    store->deleteIssue(backedUp.first());

    dialogs.clear();
    dialogs.answers = {true};
    action("N12")->trigger();
    EXPECT_EQ(dialogs.messages(), QStringList{"数据恢复成功，已经将所有数据重新恢复！"});
    EXPECT_EQ(store->issueList(), backedUp);
    EXPECT_TRUE(gridIssues().isEmpty()); // nothing is reopened until the next display
    click("SpeedButton18");
    EXPECT_FALSE(gridIssues().isEmpty());
}

TEST_F(DataCommandsTest, RestoreAsksWithWhatItRemovesAndRefusesDuringAWrite)
{
    seed(3);
    show();
    dialogs.answers = {true};
    action("N1")->trigger();
    const QStringList later = seed(2, "2025004");

    dialogs.clear();
    dialogs.answers = {false};
    action("N12")->trigger();
    EXPECT_EQ(dialogs.texts(FakeDialogs::Kind::OkCancel),
              QStringList{"福彩3D：备份有3期，当前有5期；恢复后将失去备份之后的2期：第2025004期至第2025005期。\n"
                          "体彩排列3：备份有0期，当前有0期。\n是否继续？"});
    EXPECT_EQ(store->count(), 5); // declined: nothing replaced

    // Another program holds the write lock (an import): refused before asking.
    {
        Database import(store->path(), DrawStore::kKey);
        Transaction writing(import);
        dialogs.clear();
        action("N12")->trigger();
        EXPECT_TRUE(dialogs.texts(FakeDialogs::Kind::OkCancel).isEmpty());
        EXPECT_EQ(dialogs.messages(), QStringList{"数据恢复失败！\n" + DrawStore::kRestoreWhileWriting});
    }
    EXPECT_EQ(store->count(), 5);

    dialogs.clear();
    dialogs.answers = {true};
    action("N12")->trigger();
    EXPECT_EQ(dialogs.messages(), QStringList{"数据恢复成功，已经将所有数据重新恢复！"});
    EXPECT_EQ(store->count(), 3);
    EXPECT_FALSE(store->issueExists(later.first()));
}

TEST_F(DataCommandsTest, RestoreWithoutBackupKeepsTheLiveFile)
{
    const QStringList issues = seed(4);
    show();
    dialogs.clear();
    dialogs.answers = {true};
    action("N12")->trigger();
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().first().startsWith("数据恢复失败！"));
    EXPECT_EQ(store->issueList(), issues);

    dir.write(DrawStore::kBackupName, QByteArray(4096, 'z')); // damaged backup
    dialogs.answers = {true};
    action("N12")->trigger();
    EXPECT_TRUE(dialogs.messages().last().startsWith("数据恢复失败！"));
    EXPECT_EQ(store->issueList(), issues);
    enter("2025005", "123"); // still connected and writable
    EXPECT_TRUE(store->issueExists("2025005"));
}

TEST_F(DataCommandsTest, CancelledBackupWritesNothing)
{
    seed(2);
    show();
    dialogs.answers = {false};
    action("N1")->trigger();
    EXPECT_FALSE(QFile::exists(dir.file(DrawStore::kBackupName)));
    dialogs.answers = {false};
    action("N12")->trigger();
    EXPECT_EQ(store->count(), 2);
}

} // namespace
