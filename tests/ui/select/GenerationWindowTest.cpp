#include "core/SelectionText.h"
#include "tests/ui/select/SelectFixture.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>

namespace {

using GenerationTest = SelectTest;

TEST_F(GenerationTest, EveryDigitListsAThousandBetsAndEnablesTheNextSteps)
{
    pickAll();
    click("SpeedButton2");
    EXPECT_EQ(dialogs.messages(), QStringList({SelectText::generated(1000)}));
    EXPECT_EQ(dialogs.messages()[0], "按设置条件投注完成，过滤后共有1000注！");
    const QStringList listed = rows("StringGrid1");
    ASSERT_EQ(listed.size(), 1001);
    EXPECT_EQ(listed.first(), "1=000=0");
    EXPECT_EQ(listed[1], "2=001=1");
    EXPECT_EQ(listed[999], "1000=999=27");
    EXPECT_EQ(listed.last(), ""); // one empty row below the list
    EXPECT_EQ(text("Label23"), "1000");
    EXPECT_EQ(text("Label25"), "1000");
    EXPECT_TRUE(enabled("SpeedButton12"));
    EXPECT_TRUE(enabled("SeSkinButton1"));
}

TEST_F(GenerationTest, AnotherBetKindRegeneratesAtOnce)
{
    pickAll();
    click("SpeedButton2");
    dialogs.clear();
    click("RadioButton2");
    EXPECT_EQ(dialogs.messages(), QStringList({SelectText::generated(90)}));
    EXPECT_EQ(bets("StringGrid1").mid(0, 11),
              QStringList({"001", "002", "003", "004", "005", "006", "007", "008", "009", "011", "022"}));
    click("RadioButton3");
    EXPECT_EQ(bets("StringGrid1").size(), 120);
    EXPECT_EQ(bets("StringGrid1").first(), "012");
    dialogs.clear();
    click("RadioButton3"); // already chosen: nothing runs
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_EQ(text("Label23"), "1000");
}

TEST_F(GenerationTest, AnotherKindWithAnEmptyRowOnlySaysSo)
{
    pick(0, "1");
    click("RadioButton2");
    EXPECT_EQ(dialogs.messages(), QStringList({SelectText::kNoDigits2}));
    EXPECT_EQ(rows("StringGrid1").join(""), "");
    EXPECT_FALSE(enabled("SpeedButton12"));
}

TEST_F(GenerationTest, RowsFollowTheOrderOfSelection)
{
    pick(0, "12"), pick(1, "12"), pick(2, "12");
    click("RadioButton2");
    EXPECT_EQ(rows("StringGrid1"), QStringList({"1=112=4", "2=122=5", ""}));
    click("RadioButton3");
    EXPECT_EQ(rows("StringGrid1"), QStringList({""}));
    EXPECT_EQ(dialogs.messages().last(), SelectText::generated(0));
    click("SpeedButton4");
    pick(0, "21");
    click("RadioButton2");
    EXPECT_EQ(bets("StringGrid1"), QStringList({"211", "212"}));

    click("RadioButton1");
    click("SpeedButton4"), click("SpeedButton5"), click("SpeedButton6");
    pick(0, "52"), pick(1, "0123"), pick(2, "9");
    click("SpeedButton2");
    EXPECT_EQ(bets("StringGrid1"), QStringList({"509", "519", "529", "539", "209", "219", "229", "239"}));
    EXPECT_EQ(text("Label23"), "8");
}

TEST_F(GenerationTest, ChecksStopTheRunAndKeepTheListInOrder)
{
    click("SpeedButton2");
    pick(0, "1");
    click("SpeedButton2");
    pick(1, "1");
    click("SpeedButton2");
    EXPECT_EQ(dialogs.messages(),
              QStringList({SelectText::kNoDigits1, SelectText::kNoDigits2, SelectText::kNoDigits3}));
    EXPECT_FALSE(enabled("SpeedButton12"));

    pick(2, "1");
    click("SpeedButton2");
    const QStringList before = rows("StringGrid1");
    dialogs.clear();
    // Each low bound above its high bound.
    const std::tuple<const char*, const char*, const char*> inverted[] = {{"CheckBox1", "ComboBox9", "15"},
                                                                          {"CheckBox3", "ComboBox1", "3"},
                                                                          {"CheckBox4", "ComboBox3", "3"},
                                                                          {"CheckBox7", "ComboBox13", "3"},
                                                                          {"CheckBox8", "ComboBox15", "1"}};
    for (auto [box, low, value] : inverted) {
        tick(box);
        child<QComboBox>(low)->setCurrentText(value);
    }
    child<QComboBox>("ComboBox14")->setCurrentText("2"); // the AC default reaches the top
    for (int i = 0; i < 5; ++i) {
        click("SpeedButton2");
        tick(std::get<0>(inverted[i])); // repaired: off
    }
    EXPECT_EQ(dialogs.messages(),
              QStringList({SelectText::kBadSumRange, SelectText::kBadOddRange, SelectText::kBadBigRange,
                           SelectText::kBadAcRange, SelectText::kBadSameRange}));
    EXPECT_EQ(rows("StringGrid1"), before);

    dialogs.clear();
    QApplication::setActiveWindow(window.get());
    tick("CheckBox11");
    child<QWidget>("SpeedButton2")->setFocus();
    click("SpeedButton2");
    EXPECT_TRUE(child<QLineEdit>("Edit9")->hasFocus());
    child<QLineEdit>("Edit9")->setText("5");
    tick("CheckBox12");
    child<QWidget>("SpeedButton2")->setFocus();
    click("SpeedButton2");
    EXPECT_TRUE(child<QLineEdit>("Edit11")->hasFocus());
    child<QLineEdit>("Edit11")->setText("123");
    click("SpeedButton2");
    EXPECT_EQ(dialogs.messages(),
              QStringList({SelectText::kNoLimit, SelectText::kNoSingleSums, SelectText::kBadSingleSums}));
}

TEST_F(GenerationTest, SingleSumsStayInTheirBox)
{
    pickAll();
    tick("CheckBox12");
    child<QLineEdit>("Edit11")->setText("7");
    click("SpeedButton2");
    EXPECT_EQ(bets("StringGrid1").size(), 36);
    EXPECT_EQ(text("Edit11"), "7");
    child<QLineEdit>("Edit11")->setText("1,2,3");
    click("SpeedButton2");
    EXPECT_EQ(dialogs.messages().last(), SelectText::generated(19));
}

TEST_F(GenerationTest, ShowsWhatTheListedBetsReturnInTheory)
{
    EXPECT_EQ(text("expectedReturnLabel"), "");
    pick(0, "0123456789"), pick(1, "1"), pick(2, "2");
    click("SpeedButton2");
    EXPECT_EQ(text("expectedReturnLabel"), "成本 20 元，下期中奖机会 1.0%，理论返还 10.40 元，理论返还率 52.0%");
    // 组选3 keeps 112 and 212; each wins on three numbers and pays 346.
    click("RadioButton2");
    ASSERT_EQ(bets("StringGrid1"), QStringList({"112", "212"}));
    EXPECT_EQ(text("expectedReturnLabel"), "成本 4 元，下期中奖机会 0.6%，理论返还 2.08 元，理论返还率 51.9%");
    // A limited run describes the bets it listed.
    click("RadioButton1");
    tick("CheckBox11");
    child<QLineEdit>("Edit9")->setText("3");
    click("SpeedButton2");
    EXPECT_EQ(text("expectedReturnLabel"), "成本 6 元，下期中奖机会 0.3%，理论返还 3.12 元，理论返还率 52.0%");
}

TEST_F(GenerationTest, LimitedRunListsTheLimitWithoutCompletion)
{
    pickAll();
    tick("CheckBox11");
    child<QLineEdit>("Edit9")->setText("5");
    click("SpeedButton2");
    EXPECT_EQ(rows("StringGrid1"), QStringList({"1=000=0", "2=001=1", "3=002=2", "4=003=3", "5=004=4", ""}));
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_EQ(text("Label25"), "5");
    EXPECT_EQ(text("Label23"), "1000");
    EXPECT_TRUE(enabled("SpeedButton12"));
    EXPECT_FALSE(enabled("SeSkinButton1"));

    child<QLineEdit>("Edit9")->setText("0");
    click("SpeedButton2");
    EXPECT_EQ(bets("StringGrid1"), QStringList({"000"}));
    // Pasted text that is no number counts as 0.
    child<QLineEdit>("Edit9")->setText("x1");
    click("SpeedButton2");
    EXPECT_EQ(text("Edit9"), "0");
    EXPECT_EQ(bets("StringGrid1"), QStringList({"000"}));
    EXPECT_EQ(text("Label25"), "1");
}

TEST_F(GenerationTest, SameNumberCountComparesWithTheLatestStoredDraw)
{
    pickAll();
    tick("CheckBox8");
    click("SpeedButton2");
    EXPECT_EQ(text("Label25"), "1000"); // nothing stored: every bet has 0 in common
    setRange("ComboBox15", 1, "ComboBox16", 3);
    click("SpeedButton2");
    EXPECT_EQ(text("Label25"), "0");

    addDraw("2025001", "999");
    addDraw("2025002", "123");
    setRange("ComboBox15", 0, "ComboBox16", 0);
    click("SpeedButton2");
    EXPECT_EQ(text("Label25"), "729");
    for (const QString& bet : bets("StringGrid1"))
        ASSERT_TRUE(bet[0] != '1' && bet[1] != '2' && bet[2] != '3') << bet.toStdString();
    setRange("ComboBox15", 3, "ComboBox16", 3);
    click("SpeedButton2");
    EXPECT_EQ(bets("StringGrid1"), QStringList({"123"}));
}

} // namespace
