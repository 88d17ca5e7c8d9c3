#include "core/SelectionText.h"
#include "tests/ui/select/SelectFixture.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace {

using OutputTest = SelectTest;

TEST_F(OutputTest, ExportFillsThePrintWindowWithBetTextLines)
{
    pickAll();
    click("SpeedButton2");
    click("SpeedButton12");
    EXPECT_EQ(dialogs.texts(FakeDialogs::Kind::Modal), QStringList({"打印投注"}));
    const QStringList lines = memo().split('\n');
    ASSERT_EQ(lines.size(), 1000);
    EXPECT_EQ(lines.first(), "1=000=0");
    EXPECT_EQ(lines.last(), "1000=999=27");

    // A run with no accepted bet exports nothing; so does an empty random list.
    click("SpeedButton4"), click("SpeedButton5"), click("SpeedButton6");
    pick(0, "1"), pick(1, "1"), pick(2, "1");
    click("RadioButton3");
    ASSERT_EQ(dialogs.messages().last(), SelectText::generated(0));
    click("SpeedButton12");
    EXPECT_EQ(memo(), "");
    child<QLineEdit>("Edit8")->setText("0");
    click("SpeedButton3");
    click("SpeedButton13");
    EXPECT_EQ(memo(), "");
}

TEST_F(OutputTest, RandomExportListsEachBetOnce)
{
    addDraw("2025001", "123");
    tick("CheckBox10");
    child<QComboBox>("ComboBox17")->setCurrentText("3");
    child<QComboBox>("ComboBox20")->setCurrentText("3");
    child<QLineEdit>("Edit8")->setText("3");
    click("SpeedButton3");
    click("SpeedButton13");
    EXPECT_EQ(memo(), "1=123=6");
}

// 中奖查询 from each list opens the prize check on it, checked against the
// latest draw as tickets of the list's kind; the print window's button
// checks its memo as edited.
TEST_F(OutputTest, PrizeCheckOpensOnEachList)
{
    addDraw("2025001", "555");
    addDraw("2025002", "321");
    EXPECT_FALSE(enabled("prizeCheckButton"));
    EXPECT_FALSE(enabled("randomPrizeCheckButton"));
    pick(0, "13"), pick(1, "2"), pick(2, "13");
    click("RadioButton3"); // 组选6: 123 only
    QList<QStringList> shown;
    const auto readPrizeWindow = [&](QDialog* window) {
        window->show();
        EXPECT_EQ(window->windowTitle(), "查询中奖情况");
        const QAbstractItemModel* model = window->findChild<QTableView*>("resultGrid")->model();
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList row;
            for (int c = 0; c < model->columnCount(); ++c)
                row << model->index(r, c).data().toString();
            shown << row;
        }
        return 0;
    };
    dialogs.modalHandlers.push_back(readPrizeWindow);
    click("prizeCheckButton");
    EXPECT_EQ(shown, QList<QStringList>({{"1", "123", "组选6", "组选6", "173"}}));

    // The print window's memo, edited before the check.
    shown.clear();
    dialogs.modalHandlers.push_back([&](QDialog* printWindow) {
        printWindow->findChild<QPlainTextEdit*>("Memo1")->appendPlainText("x\n2=555=15");
        QTest::mouseClick(printWindow->findChild<QPushButton*>("prizeCheckButton"), Qt::LeftButton);
        return 0;
    });
    dialogs.modalHandlers.push_back(readPrizeWindow);
    click("SpeedButton12");
    EXPECT_EQ(shown, QList<QStringList>({{"1", "123", "组选6", "组选6", "173"},
                                         {"3", "555", "组选", "组选不含豹子", "0"}}));

    // Random bets are 直选.
    child<QLineEdit>("Edit8")->setText("1000");
    click("SpeedButton3");
    shown.clear();
    dialogs.modalHandlers.push_back(readPrizeWindow);
    click("randomPrizeCheckButton");
    ASSERT_EQ(shown.size(), 1000);
    int wins = 0;
    for (const QStringList& row : shown)
        wins += row[3] == "直选" ? 1 : 0;
    EXPECT_EQ(wins, 1);
    EXPECT_TRUE(dialogs.modalHandlers.empty());
}

class SaveTest : public SelectTest
{
protected:
    SaveTest()
    {
        print->setBetLines({"1=000=0", "2=001=1", "3=002=2"});
        memoBox = print->findChild<QPlainTextEdit*>("Memo1");
    }
    void save(const QString& chosen)
    {
        dialogs.fileNames = {chosen};
        QTest::mouseClick(print->findChild<QWidget*>("BitBtn1"), Qt::LeftButton);
    }
    QPlainTextEdit* memoBox;
};

TEST_F(SaveTest, WritesCrLfLinesAndNamesTheFile)
{
    save(dir.file("投注"));
    EXPECT_EQ(dir.read("投注.txt"), QByteArray("1=000=0\r\n2=001=1\r\n3=002=2\r\n"));
    EXPECT_EQ(dialogs.messages(), QStringList({SelectText::saved(dir.file("投注.txt"))}));
    EXPECT_TRUE(dialogs.messages()[0].startsWith("数据导出成功，已保存至"));

    // A name already ending in .txt is kept; the memo's edits are saved as typed.
    dialogs.clear();
    memoBox->setPlainText("1=000=0\n我的号码");
    save(dir.file("投注.TXT"));
    EXPECT_EQ(dir.read("投注.TXT"), QByteArray("1=000=0\r\n\xCE\xD2\xB5\xC4\xBA\xC5\xC2\xEB\r\n"));
    EXPECT_FALSE(QFile::exists(dir.file("投注.TXT.txt")));
    EXPECT_EQ(dialogs.messages(), QStringList({SelectText::saved(dir.file("投注.TXT"))}));
}

TEST_F(SaveTest, CancelOrFailureChangesNothing)
{
    save(QString());
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_TRUE(QDir(dir.path()).entryList({"*.txt"}).isEmpty());

    save(dir.file("missing/投注"));
    ASSERT_EQ(dialogs.texts(FakeDialogs::Kind::Critical).size(), 1);
    EXPECT_TRUE(dialogs.texts(FakeDialogs::Kind::Message).isEmpty());
    EXPECT_EQ(memoBox->toPlainText(), "1=000=0\n2=001=1\n3=002=2");
}

} // namespace
