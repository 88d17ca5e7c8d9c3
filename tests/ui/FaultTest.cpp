// Faults of the program's surroundings, met on a real file system: the
// folder beside the executable turning read-only, a disk that fills, a
// backup that cannot be used, a missing user/ folder. Each gets a clear
// message and the stored draws stay exactly as they were.
#include "core/HistoryCheck.h"
#include "exchange/OptionsFile.h"
#include "store/Database.h"
#include "tests/support/FolderPermissions.h"
#include "tests/support/ScratchMount.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/exchange/DataUpdate.h"
#include "ui/main/Itemset.h"
#include "ui/main/StartUp.h"
#include "ui/widgets/CommandGuard.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QRadioButton>

namespace {

class FaultTest : public MainWindowTest
{
protected:
    // The application's folder is a 4 MB file system of its own where the
    // machine allows it.
    FaultTest() : mount(mountPoint(), 4096)
    {
        folder = dir.file("app");
        EXPECT_TRUE(DrawStore::createEmpty(livePath()));
        EXPECT_TRUE(createDefaultUserFiles(folder));
        store = std::make_unique<DrawStore>(livePath());
    }
    ~FaultTest() override
    {
        window.reset();
        store.reset();
    }

    QString mountPoint() const
    {
        QDir().mkpath(dir.file("app"));
        return dir.file("app");
    }
    QString livePath() const { return folder + '/' + DrawStore::kFileName; }
    QString backupPath() const { return folder + '/' + DrawStore::kBackupName; }

    // Everything stored, read through a fresh connection.
    std::vector<DrawRecord> storedDraws() const { return DrawStore(livePath()).allRecords(); }

    // Fills the file system until at most `leave` bytes are free.
    void fillDisk(qint64 leave)
    {
        QFile filler(folder + "/filler");
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(64 * 1024, 'f');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        filler.close();
        ASSERT_TRUE(filler.resize(std::max<qint64>(0, filler.size() - leave)));
    }

    // The full-disk message naming what was not saved, then some text of the engine's.
    static void expectDiskFull(const QString& shown, const QString& unsaved)
    {
        const QString said = diskFullText(unsaved, QString());
        EXPECT_TRUE(shown.startsWith(said) && shown.size() > said.size()) << shown.toStdString();
    }

    QStringList filesInFolder() const { return QDir(folder).entryList(QDir::Files | QDir::Hidden); }

    ScratchMount mount;
};

// A folder that turns read-only under the running program: the open file
// takes entries as before, but nothing that needs a new file in the folder
// (backup, restore, saving the options) can happen, and each says so.
TEST_F(FaultTest, ReadOnlyFolderRefusesNewFilesAndKeepsTheHistory)
{
    seed(5);
    show();
    dialogs.answers = {true};
    action("N1")->trigger(); // an earlier backup
    const QByteArray backupBytes = dir.read("app/" + DrawStore::kBackupName);
    const QByteArray optionsBytes = dir.read("app/user/DefaultSet.ini");
    {
        ReadOnlyFolder app(folder), user(folder + "/user");
        enter("2025006", "123");
        EXPECT_TRUE(store->issueExists("2025006"));

        dialogs.clear();
        dialogs.answers = {true};
        action("N1")->trigger();
        ASSERT_EQ(dialogs.messages().size(), 1);
        EXPECT_TRUE(dialogs.messages().first().startsWith("备份失败")) << dialogs.messages().first().toStdString();

        dialogs.clear();
        dialogs.answers = {true};
        action("N12")->trigger();
        ASSERT_EQ(dialogs.messages().size(), 1);
        EXPECT_TRUE(dialogs.messages().first().startsWith("数据恢复失败！"))
            << dialogs.messages().first().toStdString();
        EXPECT_EQ(store->count(), 6); // still connected to the live file

        TFrm_itemset options(Options::optionsPath(folder), dialogs);
        options.FormShow();
        dialogs.clear();
        QTest::mouseClick(options.findChild<QAbstractButton*>("SeSkinButton1"), Qt::LeftButton);
        EXPECT_EQ(dialogs.texts(FakeDialogs::Kind::Critical), QStringList{"无法写入 " + Options::optionsPath(folder)});
    }
    const std::vector<DrawRecord> after = store->allRecords();
    window.reset();
    store.reset();
    EXPECT_EQ(storedDraws(), after);
    EXPECT_EQ(after.size(), 6u);
    EXPECT_EQ(dir.read("app/" + DrawStore::kBackupName), backupBytes);
    EXPECT_EQ(dir.read("app/user/DefaultSet.ini"), optionsBytes);
}

TEST_F(FaultTest, ReadOnlyFolderAtStartSaysWhyTheFileCannotOpen)
{
    seed(3);
    const std::vector<DrawRecord> before = storedDraws();
    store.reset();
    const QByteArray bytes = dir.read("app/" + DrawStore::kFileName);
    {
        ReadOnlyFolder app(folder);
        EXPECT_EQ(openDrawStore(folder, dialogs), nullptr);
    }
    ASSERT_EQ(dialogs.messages().size(), 1);
    const QString said = dialogs.messages().first();
    EXPECT_TRUE(said.startsWith(TFrmMain::kStoreMissing + "\n\n")) << said.toStdString();
    EXPECT_TRUE(said.endsWith("\n\n" + TFrmMain::kFolderReadOnly.arg(folder))) << said.toStdString();
    EXPECT_EQ(dir.read("app/" + DrawStore::kFileName), bytes);
    EXPECT_EQ(storedDraws(), before);
}

TEST_F(FaultTest, FullDiskFailsTheBackupAndKeepsTheEarlierOne)
{
    if (!mount.available())
        GTEST_SKIP() << "this machine does not let the test mount a small file system";
    seed(300);
    show();
    dialogs.answers = {true};
    action("N1")->trigger();
    const QByteArray earlier = dir.read("app/" + DrawStore::kBackupName);
    seed(300, "2026001");
    const std::vector<DrawRecord> before = storedDraws();
    fillDisk(8 * 1024);

    dialogs.clear();
    dialogs.answers = {true};
    action("N1")->trigger();
    ASSERT_EQ(dialogs.messages().size(), 1);
    expectDiskFull(dialogs.messages().first(), Unsaved::kBackup);
    EXPECT_EQ(dir.read("app/" + DrawStore::kBackupName), earlier);
    // No temporary copy is left behind (the log files are the live connection's).
    EXPECT_EQ(filesInFolder(), QStringList({DrawStore::kFileName, DrawStore::kFileName + "-shm",
                                            DrawStore::kFileName + "-wal", "filler", DrawStore::kBackupName}));

    // No room for the log the restore writes into, nor for the backup's own side files.
    dialogs.clear();
    dialogs.answers = {true};
    action("N12")->trigger();
    ASSERT_EQ(dialogs.messages().size(), 1);
    expectDiskFull(dialogs.messages().first(), Unsaved::kRestore);
    EXPECT_EQ(store->allRecords(), before);

    // The options file is replaced whole or not at all.
    fillDisk(0);
    const QByteArray options = dir.read("app/user/DefaultSet.ini");
    TFrm_itemset optionsWindow(Options::optionsPath(folder), dialogs);
    optionsWindow.FormShow();
    optionsWindow.findChild<QRadioButton*>("SeSkinRadioButton2")->setChecked(true);
    dialogs.clear();
    QTest::mouseClick(optionsWindow.findChild<QPushButton*>("SeSkinButton1"), Qt::LeftButton);
    EXPECT_EQ(dialogs.texts(FakeDialogs::Kind::Critical),
              QStringList{diskFullText(Unsaved::kOptions, "无法写入 " + Options::optionsPath(folder))});
    EXPECT_EQ(dir.read("app/user/DefaultSet.ini"), options);
    EXPECT_EQ(storedDraws(), before);
}

TEST_F(FaultTest, FullDiskFailsTheEntryAndTheImportWithNothingStored)
{
    if (!mount.available())
        GTEST_SKIP() << "this machine does not let the test mount a small file system";
    seed(10);
    show();
    QByteArray lines;
    for (int n = 0; n < 8000; ++n) // every day of 2002 to 2023
        lines += QByteArray::number(2002 + n / 366) + QByteArray::number(n % 366 + 1).rightJustified(3, '0') + ' ' +
                 QByteArray::number(100 + n % 900) + '\n';
    dir.write("history.txt", lines); // outside the full file system
    fillDisk(16 * 1024);

    // Entries go in one by one until the disk has no room for the next.
    dialogs.clear();
    int entered = 0;
    for (; entered < 200 && dialogs.texts(FakeDialogs::Kind::Critical).isEmpty(); ++entered)
        enter(QString::number(2025011 + entered), "456");
    ASSERT_EQ(dialogs.texts(FakeDialogs::Kind::Critical).size(), 1)
        << entered << " entries, shown: " << dialogs.messages().join('\n').toStdString();
    expectDiskFull(dialogs.texts(FakeDialogs::Kind::Critical).first(), Unsaved::kEntry);
    const QString refused = QString::number(2025011 + entered - 1);
    EXPECT_FALSE(store->issueExists(refused));
    const std::vector<DrawRecord> before = store->allRecords();

    dialogs.clear();
    dialogs.fileNames = {dir.file("history.txt")};
    action("N17")->trigger();
    ASSERT_EQ(dialogs.texts(FakeDialogs::Kind::Critical).size(), 1) << dialogs.messages().join('\n').toStdString();
    expectDiskFull(dialogs.texts(FakeDialogs::Kind::Critical).first(), Unsaved::kImport);
    EXPECT_EQ(store->allRecords(), before);

    // A downloaded page ends at the first draw the disk refuses, with one
    // message, and says nothing of draws it did not store.
    QString page = QStringLiteral("3D号码：");
    for (int n = 1; n <= 300; ++n)
        page += QStringLiteral("26%1期456 ").arg(n, 3, 10, QLatin1Char('0'));
    TFrm_DataUpdate download(*window, *store, dialogs, Options::downloadListPath(folder));
    download.show();
    dialogs.clear();
    download.processPageText(page);
    ASSERT_EQ(dialogs.texts(FakeDialogs::Kind::Critical).size(), 1) << dialogs.messages().join('\n').toStdString();
    expectDiskFull(dialogs.texts(FakeDialogs::Kind::Critical).first(), Unsaved::kImport);
    EXPECT_FALSE(dialogs.messages().contains(TFrm_DataUpdate::kUpdated));
    download.hide();

    window.reset();
    store.reset();
    QFile::remove(folder + "/filler");
    const std::vector<DrawRecord> after = storedDraws();
    EXPECT_EQ(after, before);
    EXPECT_TRUE(staleRecords(after).isEmpty());
}

// The restore checks the backup before it touches the live file.
TEST_F(FaultTest, UnusableBackupIsRefusedAndTheLiveFileKept)
{
    seed(4);
    show();
    const std::vector<DrawRecord> before = storedDraws();
    const auto otherKey = [this] {
        Database other(backupPath(), "another key", Database::Mode::CreateIfMissing);
        other.exec("create table fucai (qs text)");
    };
    const auto noTables = [this] {
        Database bare(backupPath(), DrawStore::kKey, Database::Mode::CreateIfMissing);
        bare.exec("create table other (x int)");
    };
    const std::vector<std::pair<const char*, std::function<void()>>> backups = {
        {"missing", [] {}},
        {"empty", [this] { dir.write("app/" + DrawStore::kBackupName, {}); }},
        {"damaged", [this] { dir.write("app/" + DrawStore::kBackupName, randomBytes(64 * 1024)); }},
        {"another key", otherKey},
        {"without draw tables", noTables},
    };
    for (const auto& [name, make] : backups) {
        SCOPED_TRACE(name);
        QFile::remove(backupPath());
        make();
        const QByteArray backupBytes = dir.read("app/" + DrawStore::kBackupName);
        dialogs.clear();
        dialogs.answers = {true};
        action("N12")->trigger();
        ASSERT_EQ(dialogs.messages().size(), 1);
        EXPECT_TRUE(dialogs.messages().first().startsWith("数据恢复失败！"))
            << dialogs.messages().first().toStdString();
        EXPECT_EQ(store->allRecords(), before);
        EXPECT_EQ(dir.read("app/" + DrawStore::kBackupName), backupBytes);
    }
    enter("2025005", "123"); // still connected and writable
    EXPECT_TRUE(store->issueExists("2025005"));
}

TEST_F(FaultTest, MissingUserFolderStartsWithTheDefaults)
{
    seed(3);
    ASSERT_TRUE(QDir(folder + "/user").removeRecursively());
    show();
    EXPECT_EQ(gridIssues().size(), 3);
    EXPECT_EQ(window->DefaultShowCount, Options::kShowCountDefault);
    enter("2025004", "123");
    EXPECT_TRUE(store->issueExists("2025004"));
}

} // namespace
