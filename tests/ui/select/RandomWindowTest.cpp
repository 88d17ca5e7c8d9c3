#include "core/SelectionText.h"
#include "tests/ui/select/SelectFixture.h"

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
    EXPECT_EQ(bets("StringGrid2"), QStringList({"123", "123", "123", "123", "123"}));
}

TEST_F(RandomTest, AsksAboveAHundredThousand)
{
    noNumberMatches();
    child<QLineEdit>("Edit8")->setText("100001");
    dialogs.answers = {false};
    click("SpeedButton3");
    EXPECT_EQ(dialogs.texts(FakeDialogs::Kind::YesNo), QStringList({SelectText::kAskLargeCount}));
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_FALSE(enabled("SpeedButton13"));

    dialogs.clear();
    child<QLineEdit>("Edit8")->setText("100000");
    click("SpeedButton3");
    EXPECT_TRUE(dialogs.texts(FakeDialogs::Kind::YesNo).isEmpty());
    EXPECT_EQ(dialogs.messages(), QStringList({SelectText::kGaveUp}));

    dialogs.clear();
    tick("CheckBox2");
    child<QLineEdit>("Edit8")->setText("100001");
    dialogs.answers = {true};
    click("SpeedButton3");
    EXPECT_EQ(rows("StringGrid2").size(), 100001);
}

} // namespace
