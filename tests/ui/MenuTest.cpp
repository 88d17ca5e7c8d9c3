#include "tests/ui/MainWindowFixture.h"
#include "ui/main/HelpWindow.h"
#include "ui/main/Itemset.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTabWidget>
#include <QThread>

namespace {

using MenuTest = MainWindowTest;

// Captions as designed, each with its own Alt key within its menu.
TEST_F(MenuTest, HasEveryItemInOrder)
{
    show();
    static const QRegularExpression accelerator(R"(\(&([A-Z])\))");
    QStringList layout;
    QSet<QString> menuKeys;
    for (QAction* menu : window->menuBar()->actions()) {
        const QRegularExpressionMatch menuKey = accelerator.match(menu->text());
        EXPECT_TRUE(menuKey.hasMatch()) << menu->text().toStdString();
        EXPECT_FALSE(menuKeys.contains(menuKey.captured(1))) << menu->text().toStdString();
        menuKeys << menuKey.captured(1);
        layout << QString(menu->text()).remove(accelerator);
        QSet<QString> itemKeys;
        for (QAction* item : menu->menu()->actions()) {
            if (item->isSeparator()) {
                layout << "  -";
                continue;
            }
            const QRegularExpressionMatch key = accelerator.match(item->text());
            EXPECT_TRUE(key.hasMatch()) << item->text().toStdString();
            EXPECT_FALSE(itemKeys.contains(key.captured(1))) << item->text().toStdString();
            itemKeys << key.captured(1);
            layout << "  " + QString(item->text()).remove(accelerator);
        }
    }
    const QStringList expected = {"系统设置",      "  默认设置...",
                                  "  -",           "  数据备份",
                                  "  数据恢复",    "  -",
                                  "  退出系统",    "数据管理",
                                  "  刷新分布图",  "  录入开奖号码",
                                  "  -",           "  全部数据清空",
                                  "  删除选中行",  "  -",
                                  "  数据导出...", "  数据导入...",
                                  "  -",           "  数据检查...",
                                  "辅助工具",      "  计算器...",
                                  "  文本编辑...", "  -",
                                  "  辅助选号...", "  中奖查询...",
                                  "  数据统计...", "  数据分析...",
                                  "  走势分析...", "  遗漏分析...",
                                  "  分位遗漏...", "  随机性检验...",
                                  "自动更新",      "  开奖号码下载",
                                  "系统帮助",      "  关于系统...",
                                  "  用户帮助...", "  -",
                                  "  升级帮助"};
    EXPECT_EQ(layout, expected);
}

// The frequent commands answer their keys.
TEST_F(MenuTest, ShortcutsTriggerTheirCommands)
{
    show();
    const struct
    {
        const char* action;
        QKeySequence keys;
    } shortcuts[] = {
        {"refreshGridAction", QKeySequence::Refresh},
        {"enterDrawAction", QKeySequence::New},
        {"N17", QKeySequence("Ctrl+I")},
        {"N28", QKeySequence("Ctrl+E")},
        {"N41", QKeySequence("Ctrl+D")},
        {"N1", QKeySequence("Ctrl+B")},
        {"N8", QKeySequence("Ctrl+L")},
        {"N6", QKeySequence::HelpContents},
        {"N48", QKeySequence::Quit},
    };
    QSet<QString> seen;
    for (const auto& shortcut : shortcuts) {
        QAction* command = action(shortcut.action);
        ASSERT_NE(command, nullptr) << shortcut.action;
        EXPECT_EQ(command->shortcut(), shortcut.keys) << shortcut.action;
        EXPECT_FALSE(seen.contains(command->shortcut().toString())) << shortcut.action;
        seen << command->shortcut().toString();
    }

    // The entry key brings the number box forward from another tab.
    window->findChild<QTabWidget*>("PageControl3")->setCurrentIndex(2);
    window->activateWindow();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QSignalSpy entered(action("enterDrawAction"), &QAction::triggered);
    QTest::keySequence(window.get(), QKeySequence::New);
    EXPECT_EQ(entered.count(), 1);
    EXPECT_EQ(window->findChild<QTabWidget*>("PageControl3")->currentIndex(), 0);
    EXPECT_EQ(QApplication::focusWidget(), window->findChild<QLineEdit*>("Edit4"));
}

// F10 opens the first menu wherever the focus is, as other desktops do.
TEST_F(MenuTest, F10OpensTheFirstMenu)
{
    show();
    window->activateWindow();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QMenu* first = window->menuBar()->actions().constFirst()->menu();
    const struct
    {
        const char* focus;
    } cases[] = {{"Edit3"}, {"Edit4"}, {"DBGridEh1"}};
    for (const auto& c : cases) {
        auto* widget = window->findChild<QWidget*>(c.focus);
        ASSERT_NE(widget, nullptr) << c.focus;
        widget->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
        EXPECT_TRUE(QTest::qWaitFor([&] { return first->isVisible(); }, 1000)) << c.focus;
        EXPECT_EQ(window->menuBar()->activeAction(), window->menuBar()->actions().constFirst()) << c.focus;
        first->close();
        window->menuBar()->setActiveAction(nullptr);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !first->isVisible(); }, 1000)) << c.focus;
    }
}

// Tab walks the entry row as it reads, Enter in the number box enters the
// draw, and Esc closes a dialog.
TEST_F(MenuTest, TabOrderFollowsTheEntryRowAndEscClosesDialogs)
{
    show();
    window->activateWindow();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* issue = child<QLineEdit>("Edit3");
    auto* number = child<QLineEdit>("Edit4");
    issue->setFocus();
    QTest::keyClick(issue, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), number);
    issue->setText("2025001");
    number->setText("123");
    QTest::keyClick(number, Qt::Key_Return);
    EXPECT_TRUE(store->issueExists("2025001"));

    TFrm_itemset options(Options::optionsPath(dir.path()), dialogs, window.get());
    options.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&options));
    options.activateWindow();
    QApplication::setActiveWindow(&options);
    QTest::keyClick(&options, Qt::Key_Escape);
    EXPECT_FALSE(options.isVisible());
}

TEST_F(MenuTest, PlainMessagesAndWindows)
{
    show();
    TFrm_itemset options(Options::optionsPath(dir.path()), dialogs, window.get());
    window->setOptionsWindow(&options);
    dialogs.clear();
    action("N25")->trigger();
    action("N5")->trigger();
    action("N13")->trigger();
    EXPECT_EQ(dialogs.messages(), QStringList({upgradeText()}));
    EXPECT_EQ(dialogs.texts(FakeDialogs::Kind::Modal), QStringList({"关于Quorvane", "选项设置"}));
}

class ToolsTest : public MenuTest
{
protected:
    ToolsTest() : savedPath(qgetenv("PATH")) { qputenv("PATH", dir.file("bin").toUtf8()); }
    ~ToolsTest() override { qputenv("PATH", savedPath); }
    QByteArray savedPath;
};

TEST_F(ToolsTest, SaysSoWhenNoProgramIsInstalled)
{
    show();
    dialogs.clear();
    action("N23")->trigger();
    action("N24")->trigger();
    ASSERT_EQ(dialogs.messages().size(), 2);
    EXPECT_TRUE(dialogs.messages()[0].contains("计算器"));
    EXPECT_TRUE(dialogs.messages()[1].contains("文本编辑"));
}

TEST_F(ToolsTest, StartsTheFirstInstalledProgram)
{
    const QString marker = dir.file("started");
    dir.write("bin/galculator", "#!/bin/sh\n/usr/bin/touch '" + marker.toUtf8() + "'\n");
    QFile::setPermissions(dir.file("bin/galculator"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    show();
    dialogs.clear();
    action("N23")->trigger();
    EXPECT_TRUE(dialogs.messages().isEmpty());
    for (int i = 0; i < 100 && !QFile::exists(marker); ++i)
        QThread::msleep(20);
    EXPECT_TRUE(QFile::exists(marker));
}

// The manual opens with its contents, and every picture it shows is there.
TEST_F(MenuTest, ManualOpensWithItsContentsAndAllItsPictures)
{
    const QString manual = findManual(QCoreApplication::applicationDirPath());
    ASSERT_FALSE(manual.isEmpty());
    QFile file(manual);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    static const QRegularExpression picture(R"re(<img [^>]*src="([^"]+)")re");
    int pictures = 0;
    for (auto match = picture.globalMatch(html); match.hasNext(); ++pictures) {
        const QString path = QFileInfo(manual).dir().filePath(match.next().captured(1));
        EXPECT_TRUE(QFileInfo::exists(path)) << path.toStdString();
    }
    EXPECT_GT(pictures, 0);
    for (const char* topic : {"cron", "p 值", "理论返还率", "条件验证", "历史回测", "数据恢复", "数据文件夹", "方案"})
        EXPECT_TRUE(html.contains(QString::fromUtf8(topic))) << topic;

    show();
    dialogs.clear();
    action("N6")->trigger();
    EXPECT_EQ(dialogs.texts(FakeDialogs::Kind::Modal), QStringList{"Quorvane 用户手册"});
    HelpWindow window(manual);
    auto* contents = window.findChild<QListWidget*>("helpContents");
    ASSERT_NE(contents, nullptr);
    EXPECT_GE(contents->count(), 8);
    EXPECT_EQ(contents->item(0)->text(), "1. 取得开奖号码：下载、导入与定时更新");
}

} // namespace
