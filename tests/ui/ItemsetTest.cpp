#include "ui/main/Itemset.h"

#include "exchange/IniFile.h"
#include "exchange/OptionsFile.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/TestDir.h"
#include "ui/widgets/ColourScheme.h"
#include "ui/widgets/RadioGroup.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The window's controls, found by name as the user's tools find them.
RadioGroup* countGroup(const TFrm_itemset& w)
{
    return w.findChild<RadioGroup*>("RadioGroup1");
}
QSpinBox* widthBox(const TFrm_itemset& w)
{
    return w.findChild<QSpinBox*>("SeSkinSpinEdit1");
}
QRadioButton* fucaiButton(const TFrm_itemset& w)
{
    return w.findChild<QRadioButton*>("SeSkinRadioButton1");
}
QRadioButton* ticaiButton(const TFrm_itemset& w)
{
    return w.findChild<QRadioButton*>("SeSkinRadioButton2");
}
QPushButton* saveButton(const TFrm_itemset& w)
{
    return w.findChild<QPushButton*>("SeSkinButton1");
}
QPushButton* exitButton(const TFrm_itemset& w)
{
    return w.findChild<QPushButton*>("SeSkinButton2");
}

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
    EXPECT_EQ(countGroup(w)->itemText(countGroup(w)->itemIndex()), "40");
    EXPECT_EQ(widthBox(w)->text(), "16");
    EXPECT_TRUE(fucaiButton(w)->isChecked());
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(ItemsetTest, StoredValuesSelectTheirItems)
{
    const std::pair<const char*, int> counts[] = {{"30", 0}, {"50", 1}, {"150", 4}, {"10", -1}, {"100", 4}, {"20", 0}};
    for (auto [stored, index] : counts) {
        store(Options::kStartSection, Options::kShowCountKey, stored);
        EXPECT_EQ(countGroup(open())->itemIndex(), index) << stored;
    }
    for (const char* kind : {"2", "0", "ticai", "11"}) {
        store(Options::kKindSection, Options::kKindKey, kind);
        EXPECT_TRUE(ticaiButton(open())->isChecked()) << kind;
    }
    store(Options::kKindSection, Options::kKindKey, "1");
    EXPECT_TRUE(fucaiButton(open())->isChecked());
}

TEST_F(ItemsetTest, SavesTheThreeKeysInGbk)
{
    store(Options::kKindSection, Options::kKindKey, "1");
    TFrm_itemset& w = open();
    countGroup(w)->setItemIndex(3);
    widthBox(w)->setValue(22);
    ticaiButton(w)->setChecked(true);
    QTest::mouseClick(saveButton(w), Qt::LeftButton);
    EXPECT_EQ(dialogs.messages(), QStringList{TFrm_itemset::savedText({"默认显示期数", "首页列宽", "彩票种类设置"})});
    EXPECT_EQ(read(Options::kStartSection, Options::kShowCountKey), "80");
    EXPECT_EQ(read(Options::kWidthSection, Options::kWidthKey), "22");
    EXPECT_EQ(read(Options::kKindSection, Options::kKindKey), "2");
    // 种类=2 in GBK: D6 D6 C0 E0 '=' '2'
    EXPECT_TRUE(dir.read("user/DefaultSet.ini").contains(QByteArray("\xD6\xD6\xC0\xE0=2")));
}

// The confirmation names what waits for the next start: the options the
// program read at its start and the saves since differ in, whatever the file
// held in between. 配色 and 完成提示 never wait.
TEST_F(ItemsetTest, TheConfirmationNamesWhatWaitsForARestart)
{
    using Change = std::function<void(TFrm_itemset&)>;
    const Change nothing = [](TFrm_itemset&) {};
    const Change dark = [](TFrm_itemset& w) { w.findChild<QRadioButton*>("schemeDark")->setChecked(true); };
    const Change statusLine = [](TFrm_itemset& w) { w.findChild<QRadioButton*>("noticeStatusLine")->setChecked(true); };
    const Change count80 = [](TFrm_itemset& w) { countGroup(w)->setItemIndex(3); };
    const Change count40 = [](TFrm_itemset& w) { countGroup(w)->setItemIndex(1); };
    const Change width20 = [](TFrm_itemset& w) { widthBox(w)->setValue(20); };
    const Change ticai = [](TFrm_itemset& w) { ticaiButton(w)->setChecked(true); };
    const Change fucai = [](TFrm_itemset& w) { fucaiButton(w)->setChecked(true); };
    struct Step
    {
        Change change;
        QStringList waiting;
    };
    const std::vector<std::vector<Step>> sequences{
        {{nothing, {}}},
        {{dark, {}}, {statusLine, {}}},
        {{width20, {"首页列宽"}}, {dark, {"首页列宽"}}},
        {{ticai, {"彩票种类设置"}}, {fucai, {}}},
        {{count80, {"默认显示期数"}}, {ticai, {"默认显示期数", "彩票种类设置"}}, {count40, {"彩票种类设置"}}},
    };
    for (size_t i = 0; i < sequences.size(); ++i) {
        QFile::remove(dir.file("user/DefaultSet.ini"));
        store(Options::kKindSection, Options::kKindKey, "1"); // 40 draws, width 16, 3D
        TFrm_itemset& w = open();
        for (const Step& step : sequences[i]) {
            dialogs.clear();
            w.show(); // each save from a fresh showing, as the user opens the window again
            step.change(w);
            QTest::mouseClick(saveButton(w), Qt::LeftButton);
            EXPECT_EQ(dialogs.messages(), QStringList{TFrm_itemset::savedText(step.waiting)}) << "sequence " << i;
            w.hide();
        }
    }
    applyColourScheme(SchemeChoice::Light); // the next tests start light
    EXPECT_EQ(TFrm_itemset::savedText({}), "默认参数设置成功！");
    EXPECT_EQ(TFrm_itemset::savedText({"首页列宽", "彩票种类设置"}),
              "默认参数设置成功；以下设置在重新启动程序后生效：首页列宽、彩票种类设置。");
}

TEST_F(ItemsetTest, SavingWithoutCountItemKeepsTheStoredCount)
{
    store(Options::kStartSection, Options::kShowCountKey, "10");
    TFrm_itemset& w = open();
    ASSERT_EQ(countGroup(w)->itemIndex(), -1);
    QTest::mouseClick(saveButton(w), Qt::LeftButton);
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
    QTest::mouseClick(saveButton(w), Qt::LeftButton);
    EXPECT_EQ(quiet.texts(FakeDialogs::Kind::Message), QStringList());
    ASSERT_EQ(quiet.texts(FakeDialogs::Kind::Critical).size(), 1);
    EXPECT_TRUE(quiet.texts(FakeDialogs::Kind::Critical).first().contains("DefaultSet.ini"));
}

TEST_F(ItemsetTest, UnsavedEditsAreDiscardedOnTheNextShowing)
{
    TFrm_itemset& w = open();
    ticaiButton(w)->setChecked(true);
    QTest::mouseClick(exitButton(w), Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
    w.show();
    EXPECT_TRUE(fucaiButton(w)->isChecked());
}

} // namespace
