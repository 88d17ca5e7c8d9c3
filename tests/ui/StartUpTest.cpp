#include "ui/main/StartUp.h"

#include "store/Database.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/main/splash.h"

#include "ui/main/Clock.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QHeaderView>
#include <QPointer>
#include <QTabWidget>

namespace {

using StartUpTest = MainWindowTest;

TEST(StartUpTexts, ClockAndQtsOwnButtonsAreChinese)
{
    EXPECT_EQ(clockText(QDateTime(QDate(2026, 12, 10), QTime(19, 18, 21))), "2026-12-10 星期四 19:18:21");
    EXPECT_EQ(clockText(QDateTime(QDate(2025, 1, 5), QTime(7, 3, 9))), "2025-01-05 星期日 07:03:09");

    int argc = 0;
    QApplication* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr) << argc;
    prepareApplication(*app);
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Yes |
                         QDialogButtonBox::No);
    EXPECT_EQ(box.button(QDialogButtonBox::Ok)->text(), "确定");
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), "取消");
    EXPECT_EQ(box.button(QDialogButtonBox::Yes)->text().remove("(&Y)"), "是");
    EXPECT_EQ(box.button(QDialogButtonBox::No)->text().remove("(&N)"), "否");
}

const char* const kStartSelectors[] = {"ComboBox14", "ComboBox17", "ComboBox25"};
const char* const kEndSelectors[] = {"ComboBox15", "ComboBox18", "ComboBox26"};

TEST_F(StartUpTest, HundredDrawsShowTheNewestFortyTwo)
{
    const QStringList issues = seed(100);
    show();
    for (const char* name : kStartSelectors) {
        EXPECT_EQ(child<QComboBox>(name)->count(), 99) << name;
        EXPECT_EQ(child<QComboBox>(name)->currentText(), issues[58]) << name;
    }
    for (const char* name : kEndSelectors) {
        EXPECT_EQ(child<QComboBox>(name)->itemText(0), issues[1]) << name;
        EXPECT_EQ(child<QComboBox>(name)->currentText(), issues[99]) << name;
    }
    EXPECT_EQ(gridIssues(), issues.mid(58));
    EXPECT_EQ(child<QLineEdit>("Edit3")->text(), "2025101");
    EXPECT_EQ(window->windowTitle(), "Quorvane V1.9 中国福利彩票3D");
    EXPECT_EQ(window->ActiveTable(), "fucai");
    EXPECT_TRUE(window->AnnounceEntry);
    EXPECT_EQ(child<QTabWidget>("PageControl3")->currentIndex(), 0);
    EXPECT_FALSE(window->statusPanelText(3).isEmpty());
}

TEST_F(StartUpTest, FewDrawsLeaveTheStartUnselected)
{
    const QStringList issues = seed(30);
    show();
    for (const char* name : kStartSelectors)
        EXPECT_EQ(child<QComboBox>(name)->currentIndex(), -1) << name;
    EXPECT_EQ(gridIssues(), issues);
}

TEST_F(StartUpTest, OneDrawGivesEmptyListsAndProposesTheNextIssue)
{
    seed(1, "08123");
    show();
    for (const char* name : kStartSelectors)
        EXPECT_EQ(child<QComboBox>(name)->count(), 0) << name;
    for (const char* name : kEndSelectors)
        EXPECT_EQ(child<QComboBox>(name)->count(), 0) << name;
    EXPECT_TRUE(gridIssues().isEmpty());
    EXPECT_EQ(child<QLineEdit>("Edit3")->text(), "08124");
    // Too few draws for a chart: start-up leaves the charts empty, silently.
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(StartUpTest, EmptyHistoryOpensWithEmptyPanel)
{
    show();
    EXPECT_TRUE(gridIssues().isEmpty());
    EXPECT_EQ(child<QLineEdit>("Edit3")->text(), "");
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(StartUpTest, OptionsChooseGameCountAndWidth)
{
    store->setGame(Game::Ticai);
    const QStringList ticai = seed(20);
    setOption(Options::kKindSection, Options::kKindKey, "2");
    setOption(Options::kStartSection, Options::kShowCountKey, "5");
    setOption(Options::kWidthSection, Options::kWidthKey, "21");
    store->setGame(Game::Fucai);
    show();
    EXPECT_EQ(window->windowTitle(), "Quorvane V1.9 中国体育彩票排列3");
    EXPECT_EQ(window->ActiveTable(), "ticai");
    EXPECT_EQ(window->DefaultShowCount, "5");
    EXPECT_EQ(gridIssues(), ticai.mid(13)); // P + 2 draws
    auto* grid = child<QTableView>("DBGridEh1");
    EXPECT_EQ(grid->columnWidth(1), 21);
    EXPECT_EQ(grid->columnWidth(30), 21);
}

TEST_F(StartUpTest, ShowingClosesTheSplashEvenWhenItFails)
{
    setOption(Options::kWidthSection, Options::kWidthKey, "wide");
    auto* splash = new TFrm_Splash;
    splash->show();
    QPointer<TFrm_Splash> watched(splash);
    show(splash);
    EXPECT_EQ(dialogs.texts(FakeDialogs::Kind::Critical).size(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watched.isNull());
}

TEST_F(StartUpTest, UnreadableOptionValueIsReported)
{
    seed(3);
    setOption(Options::kStartSection, Options::kShowCountKey, "abc");
    show();
    ASSERT_EQ(dialogs.texts(FakeDialogs::Kind::Critical).size(), 1);
    EXPECT_TRUE(dialogs.texts(FakeDialogs::Kind::Critical).first().contains("abc"));
}

TEST_F(StartUpTest, ClosingAskedAndNoKeepsTheWindow)
{
    seed(3);
    show();
    const QString proposed = child<QLineEdit>("Edit3")->text();
    dialogs.answers = {false};
    window->close();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(dialogs.texts(FakeDialogs::Kind::YesNo), QStringList{"是否退出系统？"});
    EXPECT_EQ(child<QLineEdit>("Edit3")->text(), proposed);
    dialogs.answers = {true};
    action("N48")->trigger();
    EXPECT_FALSE(window->isVisible());
}

TEST(StartUpStore, MissingWrongKeyOrDamagedFileGivesTheStartUpMessage)
{
    TestDir dir;
    FakeDialogs dialogs;
    EXPECT_EQ(openDrawStore(dir.path(), dialogs), nullptr); // missing
    EXPECT_FALSE(QFile::exists(dir.file(DrawStore::kFileName)));

    {
        Database other(dir.file(DrawStore::kFileName), "another key", Database::Mode::CreateIfMissing);
        other.exec("create table fucai (qs text)");
    }
    EXPECT_EQ(openDrawStore(dir.path(), dialogs), nullptr); // another key

    dir.write(DrawStore::kFileName, QByteArray(8192, 'x'));
    EXPECT_EQ(openDrawStore(dir.path(), dialogs), nullptr); // damaged
    EXPECT_EQ(dir.read(DrawStore::kFileName), QByteArray(8192, 'x')); // left as it was

    QFile::remove(dir.file(DrawStore::kFileName));
    ASSERT_TRUE(DrawStore::createEmpty(dir.file(DrawStore::kFileName)));
    {
        Database foreign(dir.file(DrawStore::kFileName), DrawStore::kKey);
        foreign.exec("create trigger t1 after insert on fucai begin delete from ticai; end");
    }
    EXPECT_EQ(openDrawStore(dir.path(), dialogs), nullptr); // holds what we never make

    // The start-up message, then what was wrong with the file, naming it.
    const QStringList said = dialogs.messages();
    ASSERT_EQ(said.size(), 4);
    for (const QString& text : said)
        EXPECT_TRUE(text.startsWith(TFrmMain::kStoreMissing + "\n\n")) << text.toStdString();
    EXPECT_TRUE(said[0].contains("无法打开数据文件")) << said[0].toStdString();
    EXPECT_TRUE(said[2].contains("数据文件已损坏")) << said[2].toStdString();
    EXPECT_TRUE(said[3].contains("数据文件含有本程序不会建立的对象：触发器 t1")) << said[3].toStdString();
    QFile::remove(dir.file(DrawStore::kFileName));
    ASSERT_TRUE(DrawStore::createEmpty(dir.file(DrawStore::kFileName)));
    EXPECT_NE(openDrawStore(dir.path(), dialogs), nullptr);
}

} // namespace
