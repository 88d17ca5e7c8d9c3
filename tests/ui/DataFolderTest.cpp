// A program whose folder holds no history (the package in /usr/bin) keeps
// the user's history and files in the user's data folder and never writes
// beside itself: not at start, not for a backup, not for the options.
#include "exchange/DataFolder.h"

#include "exchange/OptionsFile.h"
#include "store/DrawStore.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FolderPermissions.h"
#include "tests/support/TestDir.h"
#include "ui/main/Itemset.h"
#include "ui/main/Main.h"
#include "ui/main/StartUp.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTest>

namespace {

TEST(DataFolder, ProgramFolderStaysUntouched)
{
    TestDir dir;
    const QString program = dir.file("usr/bin");
    dir.write("usr/bin/quorvane", "the program");
    const QByteArray oldDataHome = qgetenv("XDG_DATA_HOME");
    const QString oldCurrent = QDir::currentPath();
    const auto restore = qScopeGuard([&] {
        qputenv("XDG_DATA_HOME", oldDataHome);
        QDir::setCurrent(oldCurrent);
    });
    qputenv("XDG_DATA_HOME", dir.file("home/.local/share").toUtf8());
    // A file written by a relative name would land here too.
    QDir::setCurrent(program);
    const auto before = folderContents(program);
    const QString data = dir.file("home/.local/share/quorvane");

    FakeDialogs dialogs;
    {
        ReadOnlyFolder readOnly(program);
        const QString dataDir = openDataFolder(program);
        ASSERT_EQ(dataDir, data);
        std::unique_ptr<DrawStore> store = openDrawStore(dataDir, dialogs);
        ASSERT_NE(store, nullptr) << dialogs.messages().join('\n').toStdString();
        TFrmMain window(*store, dialogs, dataDir);
        window.show();
        window.findChild<QLineEdit*>("Edit3")->setText("2025001");
        window.findChild<QLineEdit*>("Edit4")->setText("123");
        QTest::mouseClick(window.findChild<QAbstractButton*>("SpeedButton13"), Qt::LeftButton);
        dialogs.answers = {true};
        window.findChild<QAction*>("N1")->trigger();  // backup
        window.findChild<QAction*>("N17")->trigger(); // the import's file dialog, cancelled
        EXPECT_EQ(dialogs.fileDialogFolders, QStringList{documentsFolder()});

        TFrm_itemset options(Options::optionsPath(dataDir), dialogs);
        options.FormShow();
        options.findChild<QRadioButton*>("SeSkinRadioButton2")->setChecked(true);
        QTest::mouseClick(options.findChild<QPushButton*>("SeSkinButton1"), Qt::LeftButton);
    }
    EXPECT_EQ(dialogs.texts(FakeDialogs::Kind::Critical), QStringList());
    EXPECT_EQ(folderContents(program), before);
    EXPECT_EQ(DrawStore(data + "/" + DrawStore::kFileName).count(), 1);
    EXPECT_EQ(DrawStore(data + "/" + DrawStore::kBackupName).count(), 1);
    EXPECT_FALSE(readStartupOptions(Options::optionsPath(data)).isFucai());
    EXPECT_TRUE(QFileInfo::exists(Options::downloadListPath(data)));
}

} // namespace
