#include "ui/main/Itemset.h"

#include "exchange/IniFile.h"
#include "exchange/OptionsFile.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/TestDir.h"
#include "ui/widgets/RadioGroup.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ItemsetTest : public ::testing::Test
{
protected:
    QString path() const { return Options::optionsPath(dir.path()); }
    void store(const QString& section, const QString& key, const QString& value)
    {
        QDir(dir.path()).mkpath("user");
        IniFile(path()).writeString(section, key, value);
    }
    TFrm_itemset& open()
    {
        window = std::make_unique<TFrm_itemset>(path(), dialogs);
        window->show();
        return *window;
    }
    QString read(const QString& section, const QString& key)
    {
        return IniFile(path()).readString(section, key, "<none>");
    }

    TestDir dir;
    FakeDialogs dialogs;
    std::unique_ptr<TFrm_itemset> window;
};

TEST_F(ItemsetTest, ShowsDefaultsWithoutAFile)
{
    TFrm_itemset& w = open();
    EXPECT_EQ(w.windowTitle(), "选项设置");
    EXPECT_EQ(w.RadioGroup1->itemText(w.RadioGroup1->itemIndex()), "40");
    EXPECT_EQ(w.SeSkinSpinEdit1->text(), "16");
    EXPECT_TRUE(w.SeSkinRadioButton1->isChecked());
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(ItemsetTest, StoredValuesSelectTheirItems)
{
    const std::pair<const char*, int> counts[] = {{"30", 0}, {"50", 1}, {"150", 4}, {"10", -1}, {"100", 4}, {"20", 0}};
    for (auto [stored, index] : counts) {
        store(Options::kStartSection, Options::kShowCountKey, stored);
        EXPECT_EQ(open().RadioGroup1->itemIndex(), index) << stored;
    }
    for (const char* kind : {"2", "0", "ticai", "11"}) {
        store(Options::kKindSection, Options::kKindKey, kind);
        EXPECT_TRUE(open().SeSkinRadioButton2->isChecked()) << kind;
    }
    store(Options::kKindSection, Options::kKindKey, "1");
    EXPECT_TRUE(open().SeSkinRadioButton1->isChecked());
}

TEST_F(ItemsetTest, SavesTheThreeKeysInGbk)
{
    store(Options::kKindSection, Options::kKindKey, "1");
    TFrm_itemset& w = open();
    w.RadioGroup1->setItemIndex(3);
    w.SeSkinSpinEdit1->setValue(22);
    w.SeSkinRadioButton2->setChecked(true);
    QTest::mouseClick(w.SeSkinButton1, Qt::LeftButton);
    EXPECT_EQ(dialogs.messages(), QStringList{TFrm_itemset::kSavedText});
    EXPECT_EQ(read(Options::kStartSection, Options::kShowCountKey), "80");
    EXPECT_EQ(read(Options::kWidthSection, Options::kWidthKey), "22");
    EXPECT_EQ(read(Options::kKindSection, Options::kKindKey), "2");
    // 种类=2 in GBK: D6 D6 C0 E0 '=' '2'
    EXPECT_TRUE(dir.read("user/DefaultSet.ini").contains(QByteArray("\xD6\xD6\xC0\xE0=2")));
}

TEST_F(ItemsetTest, SavingWithoutCountItemKeepsTheStoredCount)
{
    store(Options::kStartSection, Options::kShowCountKey, "10");
    TFrm_itemset& w = open();
    ASSERT_EQ(w.RadioGroup1->itemIndex(), -1);
    QTest::mouseClick(w.SeSkinButton1, Qt::LeftButton);
    EXPECT_EQ(read(Options::kStartSection, Options::kShowCountKey), "10");
    EXPECT_EQ(read(Options::kKindSection, Options::kKindKey), "1");
}

TEST_F(ItemsetTest, ErrorsAreShownAndNothingIsConfirmed)
{
    store(Options::kStartSection, Options::kShowCountKey, "many");
    open();
    ASSERT_EQ(dialogs.texts(FakeDialogs::Kind::Critical).size(), 1);
    EXPECT_TRUE(dialogs.texts(FakeDialogs::Kind::Critical).first().contains("many"));

    // No user folder: the write fails, naming the file, and is not confirmed.
    TestDir empty;
    FakeDialogs quiet;
    TFrm_itemset w(Options::optionsPath(empty.path()), quiet);
    w.show();
    QTest::mouseClick(w.SeSkinButton1, Qt::LeftButton);
    EXPECT_EQ(quiet.texts(FakeDialogs::Kind::Message), QStringList());
    ASSERT_EQ(quiet.texts(FakeDialogs::Kind::Critical).size(), 1);
    EXPECT_TRUE(quiet.texts(FakeDialogs::Kind::Critical).first().contains("DefaultSet.ini"));
}

TEST_F(ItemsetTest, UnsavedEditsAreDiscardedOnTheNextShowing)
{
    TFrm_itemset& w = open();
    w.SeSkinRadioButton2->setChecked(true);
    QTest::mouseClick(w.SeSkinButton2, Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
    w.show();
    EXPECT_TRUE(w.SeSkinRadioButton1->isChecked());
}

} // namespace
