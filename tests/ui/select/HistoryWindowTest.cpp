#include "core/SelectionText.h"
#include "tests/ui/select/SelectFixture.h"

#include <QPushButton>
#include <QTableWidget>

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
    // Opens the filter; `range` picks the issues before "确定"; `choice` is
    // the button pressed in the list of drawn bets (none: no list expected),
    // `pressed` the answers to the per-bet questions.
    void filter(const char* choice, std::vector<int> pressed = {}, const std::function<void(QDialog*)>& range = {})
    {
        dialogs.pressed.assign(pressed.begin(), pressed.end());
        dialogs.modalHandlers.push_back([this, range](QDialog* window) {
            window->show();
            if (range)
                range(window);
            QTest::mouseClick(window->findChild<QPushButton*>("SeSkinButton1"), Qt::LeftButton);
            stillOpen = window->isVisible();
            return 0;
        });
        if (choice)
            dialogs.modalHandlers.push_back([this, choice](QDialog* window) {
                window->show();
                listed.clear();
                auto* table = window->findChild<QTableWidget*>("drawnBetsTable");
                for (int r = 0; r < table->rowCount(); ++r)
                    listed << QStringList{table->item(r, 0)->text(), table->item(r, 1)->text(),
                                          table->item(r, 2)->text()}
                                  .join("|");
                auto* warning = window->findChild<QLabel*>("drawnWarning");
                warned = warning->isVisible() ? warning->text() : QString();
                QTest::mouseClick(window->findChild<QPushButton*>(choice), Qt::LeftButton);
                return window->result();
            });
        click("SeSkinButton1");
        EXPECT_TRUE(dialogs.modalHandlers.empty());
    }
    QStringList questions() const { return dialogs.texts(FakeDialogs::Kind::Buttons); }

    QStringList listed; // the list of drawn bets as "bet|issues|count"
    QString warned;     // its warning, empty while hidden
    bool stillOpen = false;
};

TEST_F(HistoryTest, OkRemovesTheDrawnBetAndRenumbers)
{
    addDraw("2025001", "456");
    addDraw("2025002", "111");
    generate("147", "258", "369");
    ASSERT_EQ(rows("StringGrid1")[13], "14=456=15");
    filter("oneByOneButton", {0});
    EXPECT_EQ(questions(), QStringList({SelectText::askDrawn("456", "2025001")}));
    EXPECT_EQ(questions()[0], "号码456在2025001期已经出现，是否将过滤掉！");
    for (const FakeDialogs::Shown& shown : dialogs.shown) {
        if (shown.kind == FakeDialogs::Kind::Buttons) {
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
    filter("oneByOneButton", {1});
    EXPECT_EQ(questions().size(), 1);
    EXPECT_EQ(rows("StringGrid1"), before);
    EXPECT_EQ(dialogs.messages(), QStringList({SelectText::filtered(0)}));
    EXPECT_EQ(text("Label25"), "27");

    // Kept bets are asked about again in a later pass.
    dialogs.clear();
    filter("oneByOneButton", {0});
    EXPECT_EQ(questions().size(), 1);
    EXPECT_EQ(text("Label25"), "26");
}

TEST_F(HistoryTest, ConsecutiveDrawnBetsAreBothRemoved)
{
    addDraw("2025001", "126");
    addDraw("2025002", "123");
    addDraw("2025003", "123");
    generate("147", "258", "369");
    filter("oneByOneButton", {0, 0});
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
    filter(nullptr, {}, [](QDialog* window) { window->findChild<QComboBox*>("ComboBox2")->setCurrentIndex(0); });
    EXPECT_TRUE(questions().isEmpty());
    EXPECT_EQ(dialogs.messages(), QStringList({SelectText::filtered(0)}));
    EXPECT_EQ(bets("StringGrid1"), QStringList({"123"}));
}

// Each way out of the list of drawn bets over the same list and history:
// what is asked, the count said, the list and its count left.
TEST_F(HistoryTest, TheListOfDrawnBetsIsAnsweredOnce)
{
    addDraw("2025001", "456");
    addDraw("2025002", "789");
    addDraw("2025003", "456");
    addDraw("2025004", "111");
    generate("147", "258", "369");
    const QStringList before = bets("StringGrid1");
    const struct
    {
        const char* choice;
        std::vector<int> pressed;
        int questions;
        QStringList gone; // bets no longer listed
        int removed;      // -1: cancelled, nothing said
    } cases[] = {
        {"removeAllButton", {}, 0, {"456", "789"}, 2},
        {"keepAllButton", {}, 0, {}, 0},
        {"oneByOneButton", {1, 0}, 2, {"789"}, 1},
        {"oneByOneButton", {2}, 1, {"456", "789"}, 2},
        {"oneByOneButton", {1, 2}, 2, {"789"}, 1},
        {"cancelButton", {}, 0, {}, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.choice) + " " + std::to_string(c.pressed.size()));
        click("SpeedButton2"); // the same digits again: the whole list back
        dialogs.clear();
        filter(c.choice, c.pressed);
        EXPECT_EQ(listed, QStringList({"456|2025001 2025003|2", "789|2025002|1"}));
        EXPECT_TRUE(warned.isEmpty());
        EXPECT_EQ(questions().size(), c.questions);
        QStringList left = before;
        for (const QString& bet : c.gone)
            left.removeAll(bet);
        EXPECT_EQ(bets("StringGrid1"), left);
        EXPECT_EQ(dialogs.messages(), c.removed < 0 ? QStringList() : QStringList({SelectText::filtered(c.removed)}));
        EXPECT_EQ(text("Label25"), QString::number(27 - std::max(0, c.removed)));
        // 取消 goes back to the range; every other answer ends the filter.
        EXPECT_EQ(stillOpen, c.removed < 0);
        history->close();
    }
}

// The warning shows from the number of different numbers drawn that leaves
// almost nothing of any list, not before.
TEST_F(HistoryTest, WarnsWhenTheRangeHoldsNearlyEveryNumber)
{
    std::vector<DrawStore::NewDraw> draws;
    for (int i = 0; i < HistoryFilterLimits::kNearlyEveryNumber; ++i)
        draws.push_back({QStringLiteral("%1%2").arg(2010 + i / 300).arg(i % 300 + 1, 3, 10, QLatin1Char('0')),
                         QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0'))});
    const DrawStore::NewDraw last = draws.back();
    draws.pop_back();
    store->appendDraws(draws);
    pickAll();
    click("SpeedButton2");
    dialogs.clear();
    filter("keepAllButton");
    EXPECT_EQ(listed.size(), HistoryFilterLimits::kNearlyEveryNumber - 1);
    EXPECT_TRUE(warned.isEmpty());

    store->appendDraws({last});
    dialogs.clear();
    filter("removeAllButton");
    EXPECT_EQ(warned, SelectText::nearlyEveryNumber(HistoryFilterLimits::kNearlyEveryNumber));
    EXPECT_EQ(warned, "所选范围内已开出900个不同号码，过滤将去掉几乎全部投注");
    EXPECT_EQ(dialogs.messages(), QStringList({SelectText::filtered(HistoryFilterLimits::kNearlyEveryNumber)}));
    EXPECT_EQ(text("Label25"), "100");
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
