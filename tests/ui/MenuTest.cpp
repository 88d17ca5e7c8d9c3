#include "tests/ui/MainWindowFixture.h"
#include "ui/main/Itemset.h"

#include <QMenuBar>
#include <QThread>

namespace {

using MenuTest = MainWindowTest;

TEST_F(MenuTest, HasEveryItemInOrder)
{
    show();
    QStringList layout;
    for (QAction* menu : window->menuBar()->actions()) {
        layout << menu->text();
        for (QAction* item : menu->menu()->actions())
            layout << "  " + (item->isSeparator() ? QString("-") : item->text());
    }
    const QStringList expected = {"系统设置",       "  默认设置...", "  -",
                                  "  数据备份",     "  数据恢复",    "  -",
                                  "  退出系统",     "数据管理",      "  全部数据清空",
                                  "  删除选中行",   "  -",           "  数据导出...",
                                  "  数据导入...",  "  -",           "  数据检查...",
                                  "辅助工具",      "  计算器...",
                                  "  文本编辑...",  "  -",           "  辅助选号...",
                                  "  中奖查询...",  "  数据统计...", "  数据分析...",
                                  "  走势分析...",  "  遗漏分析...", "  分位遗漏...", "  随机性检验...", "自动更新",
                                  "  开奖号码下载", "系统帮助",      "  关于系统...",
                                  "  用户帮助...",  "  -",           "  升级帮助"};
    EXPECT_EQ(layout, expected);
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
    EXPECT_EQ(dialogs.messages(), QStringList({"升级时仅需要将新版本执行文件拷贝旧版本执行文件即可！"}));
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

} // namespace
