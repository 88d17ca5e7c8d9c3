#include "core/ExpectedReturn.h"
#include "core/SelectionText.h"
#include "tests/ui/select/SelectFixture.h"

#include <QSet>

namespace {

class RandomTest : public SelectTest
{
protected:
    // Sums 25-27 (the default) of small digits only: no number has both.
    void noNumberMatches()
    {
        tick("CheckBox2");
        tick("CheckBox6");
        setRange("ComboBox7", 0, "ComboBox8", 0);
    }
};

TEST_F(RandomTest, ListsTheWantedNumberOfBets)
{
    click("SpeedButton3");
    const QStringList listed = rows("StringGrid2");
    ASSERT_EQ(listed.size(), 5);
    for (int i = 0; i < 5; ++i) {
        const QStringList cells = listed[i].split('=');
        ASSERT_EQ(cells.size(), 3);
        EXPECT_EQ(cells[0], QString::number(i + 1));
        EXPECT_EQ(cells[1].size(), 3);
        EXPECT_EQ(cells[2].toInt(), Bet{cells[1].toInt()}.sum());
    }
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_TRUE(enabled("SpeedButton13"));

    // Seeded anew at every run: the same seed gives the same list.
    click("SpeedButton3");
    EXPECT_EQ(rows("StringGrid2"), listed);

    child<QLineEdit>("Edit8")->setText("0");
    click("SpeedButton3");
    EXPECT_EQ(rows("StringGrid2"), QStringList({""}));
}

TEST_F(RandomTest, CountAndRangeChecksInOrder)
{
    child<QLineEdit>("Edit8")->clear();
    click("SpeedButton3");
    child<QLineEdit>("Edit8")->setText("5a"); // pasted
    click("SpeedButton3");
    child<QLineEdit>("Edit8")->setText("5");
    const std::tuple<const char*, const char*, const char*> inverted[] = {
        {"CheckBox2", "ComboBox11", "20"}, {"CheckBox5", "ComboBox5", "3"}, {"CheckBox6", "ComboBox7", "3"}};
    for (auto [box, low, value] : inverted) {
        tick(box);
        child<QComboBox>(low)->setCurrentText(value);
    }
    child<QComboBox>("ComboBox12")->setCurrentText("10");
    for (auto [box, low, value] : inverted) {
        click("SpeedButton3");
        tick(box);
    }
    EXPECT_EQ(dialogs.messages(),
              QStringList({SelectText::kNoRandomCount, SelectText::kBadRandomCount, SelectText::kBadSumRange,
                           SelectText::kBadOddRange, SelectText::kBadBigRange}));
    EXPECT_FALSE(enabled("SpeedButton13"));
}

TEST_F(RandomTest, GivesUpWhenNothingMatches)
{
    noNumberMatches();
    tick("CheckBox10");
    addDraw("2025001", "123");
    click("SpeedButton3");
    EXPECT_EQ(dialogs.messages(), QStringList({SelectText::kGaveUp}));
    EXPECT_EQ(rows("StringGrid2"), QStringList({""}));
    EXPECT_TRUE(enabled("SpeedButton13"));
}

TEST_F(RandomTest, SameNumberCountUsesTheLatestDraw)
{
    addDraw("2025001", "123");
    tick("CheckBox10");
    child<QComboBox>("ComboBox17")->setCurrentText("3");
    child<QComboBox>("ComboBox20")->setCurrentText("3");
    click("SpeedButton3");
    EXPECT_EQ(bets("StringGrid2"), QStringList({"123"}));
    EXPECT_EQ(dialogs.messages(), QStringList({SelectText::onlyAvailable(1)}));
}

// However many are asked for, the list holds different numbers; more than
// the conditions let through gives those there are and says how many.
TEST_F(RandomTest, AskingForMoreThanExistGivesThoseThatExist)
{
    const struct
    {
        const char* count;
        int sumLow, sumHigh; // 和数限制, -1: unticked
        int listed;
        QStringList messages;
    } cases[] = {
        {"2000", -1, -1, 1000, {SelectText::onlyAvailable(1000)}},
        {"1000", -1, -1, 1000, {}},
        {"10", 0, 1, 4, {"符合条件的号码只有4注，已全部列出！"}},
        {"4", 0, 1, 4, {}},
        {"3", 0, 1, 3, {}},
        {"100001", 27, 27, 1, {SelectText::onlyAvailable(1)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        if (child<QCheckBox>("CheckBox2")->isChecked() != (c.sumLow >= 0))
            tick("CheckBox2");
        if (c.sumLow >= 0)
            setRange("ComboBox11", c.sumLow, "ComboBox12", c.sumHigh);
        child<QLineEdit>("Edit8")->setText(c.count);
        dialogs.clear();
        click("SpeedButton3");
        const QStringList listed = bets("StringGrid2");
        EXPECT_EQ(listed.size(), c.listed);
        EXPECT_EQ(QSet<QString>(listed.begin(), listed.end()).size(), c.listed);
        EXPECT_EQ(dialogs.messages(), c.messages);
        EXPECT_TRUE(dialogs.texts(FakeDialogs::Kind::YesNo).isEmpty());
        EXPECT_EQ(text("randomReturnLabel"), ReturnText::summary(expectedReturn(BetKind::Direct, c.listed)));
    }
    EXPECT_EQ(text("randomReturnLabel"), "成本 2 元，下期中奖机会 0.1%，理论返还 1.04 元，理论返还率 52.0%");
}

} // namespace
