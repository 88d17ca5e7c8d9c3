#include "exchange/HistoryImport.h"
#include "tests/ui/MainWindowFixture.h"

namespace {

class ImportCommandTest : public MainWindowTest
{
protected:
    void import(const QByteArray& contents, std::deque<bool> answers = {})
    {
        dir.write("history.csv", contents);
        dialogs.fileNames = {dir.file("history.csv")};
        dialogs.answers = std::move(answers);
        dialogs.clear();
        action("N17")->trigger();
    }
};

TEST_F(ImportCommandTest, ImportsAFileAndShowsTheNewHistory)
{
    seed(1, "2002001");
    show();
    import("期号,日期,号码\r\n2002003,2002-01-03,456\r\n2002002,2002-01-02,073\r\n2002001,2002-01-01,999\r\n");
    EXPECT_EQ(dialogs.texts(FakeDialogs::Kind::OpenFile), QStringList{""});
    EXPECT_EQ(dialogs.messages(), QStringList{"数据导入完成：读取3期，新增2期，已存在跳过1期，忽略格式有误的0行。"});
    EXPECT_EQ(store->issueList(), QStringList({"2002001", "2002002", "2002003"}));
    EXPECT_EQ(store->oneIssue("2002003")->sameToLast, 0);
    EXPECT_EQ(gridIssues(), QStringList({"2002001", "2002002", "2002003"}));
    EXPECT_EQ(child<QComboBox>("ComboBox15")->currentText(), "2002003");
    EXPECT_EQ(child<QComboBox>("ComboBox26")->currentText(), "2002003");
    EXPECT_EQ(child<QLineEdit>("Edit3")->text(), "2002004");
}

TEST_F(ImportCommandTest, MalformedLinesAreListedAndNeedConsent)
{
    show();
    const QByteArray file = "2011078 2011-03-26 2 4 6\n2011079 2011-03-27 2 4\n2011080 2011-03-28 1 3 5\n";
    import(file, {false});
    ASSERT_EQ(dialogs.texts(FakeDialogs::Kind::OkCancel).size(), 1);
    EXPECT_TRUE(dialogs.texts(FakeDialogs::Kind::OkCancel)[0].contains("第2行：2011079 2011-03-27 2 4"));
    EXPECT_EQ(store->count(), 0);
    EXPECT_TRUE(dialogs.messages().isEmpty());

    import(file, {true});
    EXPECT_EQ(store->issueList(), QStringList({"2011078", "2011080"}));
    EXPECT_EQ(dialogs.messages().size(), 1);
}

TEST_F(ImportCommandTest, NothingToImportOrNoFileChosen)
{
    show();
    dialogs.clear();
    action("N17")->trigger(); // the file dialog cancelled
    EXPECT_TRUE(dialogs.messages().isEmpty());

    import("hello\nworld 1\n");
    EXPECT_EQ(dialogs.messages(), QStringList{ImportText::kNoDraws + "\n第2行：world 1"});

    QFile::remove(dir.file("history.csv"));
    dialogs.fileNames = {dir.file("history.csv")};
    dialogs.clear();
    action("N17")->trigger();
    ASSERT_EQ(dialogs.texts(FakeDialogs::Kind::Critical).size(), 1);
    EXPECT_EQ(store->count(), 0);
}

} // namespace
