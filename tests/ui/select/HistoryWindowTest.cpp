#include "core/SelectionText.h"
#include "tests/ui/select/SelectFixture.h"

#include <QPushButton>

namespace {

// A 直选 list of 27 bets (rows 147, 258, 369) and the history filter opened
// on it, answering its questions from the queue.
class HistoryTest : public SelectTest
{
protected:
    void generate(const QString& d1, const QString& d2, const QString& d3)
    {
        pick(0, d1), pick(1, d2), pick(2, d3);
        click("SpeedButton2");
        dialogs.clear();
    }
    // Opens the filter; `range` picks the issues before "确定".
    void filter(QList<bool> answers, const std::function<void(QDialog*)>& range = {})
    {
        dialogs.answers.assign(answers.begin(), answers.end());
        dialogs.modalHandlers.push_back([range](QDialog* window) {
            window->show();
            if (range)
                range(window);
            QTest::mouseClick(window->findChild<QPushButton*>("SeSkinButton1"), Qt::LeftButton);
            return 0;
        });
        click("SeSkinButton1");
    }
    QStringList questions() const { return dialogs.texts(FakeDialogs::Kind::OkCancel); }
};

TEST_F(HistoryTest, OkRemovesTheDrawnBetAndRenumbers)
{
    addDraw("2025001", "456");
    addDraw("2025002", "111");
    generate("147", "258", "369");
    ASSERT_EQ(rows("StringGrid1")[13], "14=456=15");
    filter({true});
    EXPECT_EQ(questions(), QStringList({SelectText::askDrawn("456", "2025001")}));
    EXPECT_EQ(questions()[0], "号码456在2025001期已经出现，是否将过滤掉！");
    for (const FakeDialogs::Shown& shown : dialogs.shown) {
        if (shown.kind == FakeDialogs::Kind::OkCancel) {
            EXPECT_EQ(shown.title, "提示");
        }
    }
    const QStringList listed = rows("StringGrid1");
    ASSERT_EQ(listed.size(), 27);
    EXPECT_EQ(listed[12], "13=453=12");
    EXPECT_EQ(listed[13], "14=459=18");
    EXPECT_EQ(listed[25], "26=789=24");
    EXPECT_EQ(listed[26], "");
    EXPECT_EQ(dialogs.messages(), QStringList({SelectText::filtered(1)}));
    EXPECT_EQ(dialogs.messages()[0], "过滤完毕，共过滤掉1注号码");
    EXPECT_EQ(text("Label25"), "26");
    EXPECT_EQ(text("expectedReturnLabel"), "成本 52 元，下期中奖机会 2.6%，理论返还 27.04 元，理论返还率 52.0%");
}

TEST_F(HistoryTest, CancelKeepsTheList)
{
    addDraw("2025001", "456");
    generate("147", "258", "369");
    const QStringList before = rows("StringGrid1");
    filter({false});
    EXPECT_EQ(questions().size(), 1);
    EXPECT_EQ(rows("StringGrid1"), before);
    EXPECT_EQ(dialogs.messages(), QStringList({SelectText::filtered(0)}));
    EXPECT_EQ(text("Label25"), "27");

    // Kept bets are asked about again in a later pass.
    dialogs.clear();
    filter({true});
    EXPECT_EQ(questions().size(), 1);
    EXPECT_EQ(text("Label25"), "26");
}

TEST_F(HistoryTest, ConsecutiveDrawnBetsAreBothRemoved)
{
    addDraw("2025001", "126");
    addDraw("2025002", "123");
    addDraw("2025003", "123");
    generate("147", "258", "369");
    filter({true, true});
    EXPECT_EQ(questions(),
              QStringList({SelectText::askDrawn("123", "2025002"), SelectText::askDrawn("126", "2025001")}));
    EXPECT_EQ(rows("StringGrid1").mid(0, 2), QStringList({"1=129=12", "2=153=9"}));
    EXPECT_EQ(text("Label25"), "25");
}

TEST_F(HistoryTest, GroupBetsMatchOnlyTheirWrittenOrderAndTheRange)
{
    addDraw("2025001", "321");
    addDraw("2025002", "123");
    generate("123", "123", "123");
    click("RadioButton3");
    ASSERT_EQ(bets("StringGrid1"), QStringList({"123"}));
    dialogs.clear();
    // Only the first issue: 321 is no match for 123.
    filter({}, [](QDialog* window) { window->findChild<QComboBox*>("ComboBox2")->setCurrentIndex(0); });
    EXPECT_TRUE(questions().isEmpty());
    EXPECT_EQ(dialogs.messages(), QStringList({SelectText::filtered(0)}));
    EXPECT_EQ(bets("StringGrid1"), QStringList({"123"}));
}

TEST_F(HistoryTest, ListsEveryIssueAtEachShowing)
{
    addDraw("2025001", "321");
    generate("1", "2", "3");
    addDraw("2025002", "555");
    dialogs.modalHandlers.push_back([](QDialog* window) {
        window->show();
        auto* from = window->findChild<QComboBox*>("ComboBox1");
        auto* to = window->findChild<QComboBox*>("ComboBox2");
        EXPECT_EQ(from->count(), 2);
        EXPECT_EQ(from->currentText(), "2025001");
        EXPECT_EQ(to->currentText(), "2025002");
        EXPECT_EQ(window->windowTitle(), "历史期数选择");
        QTest::mouseClick(window->findChild<QPushButton*>("SeSkinButton2"), Qt::LeftButton);
        return 0;
    });
    click("SeSkinButton1");
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_EQ(bets("StringGrid1"), QStringList({"123"}));
}

} // namespace
