#include "core/SelectionText.h"
#include "tests/support/Paste.h"
#include "tests/ui/select/SelectFixture.h"
#include "ui/select/SelectControls.h"
#include "ui/widgets/ColourScheme.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolTip>

namespace {

struct RangeCase
{
    const char *box, *caption, *low, *to, *high;
    int min, max, defaultLow, defaultHigh;
};

// Only values three digits can have: counts 0-3, sums 0-27, AC values 1-3
// (distinct differences of the three pairs), spans 0-9.
const RangeCase kRanges[] = {
    {"CheckBox4", "大数限制", "ComboBox3", "Label17", "ComboBox4", 0, 3, 1, 2},
    {"CheckBox3", "奇数限制", "ComboBox1", "Label16", "ComboBox2", 0, 3, 1, 2},
    {"CheckBox1", "和值范围", "ComboBox9", "Label10", "ComboBox10", 0, 27, 12, 13},
    {"CheckBox8", "同号个数", "ComboBox15", "Label11", "ComboBox16", 0, 3, 0, 0},
    {"CheckBox7", "AC值范围", "ComboBox13", "Label9", "ComboBox14", 1, 3, 2, 3},
    {"SeSkinCheckBox1", "质数限制", "ComboBox23", "Label26", "ComboBox24", 0, 3, 1, 1},
    {"SeSkinCheckBox3", "0 路限制", "ComboBox25", "Label27", "ComboBox26", 0, 3, 1, 1},
    {"SeSkinCheckBox4", "1 路限制", "ComboBox27", "Label28", "ComboBox28", 0, 3, 1, 1},
    {"SeSkinCheckBox6", "跨度限制", "ComboBox29", "Label29", "ComboBox30", 0, 9, 1, 1},
    {"CheckBox2", "和数限制", "ComboBox11", "Label12", "ComboBox12", 0, 27, 25, 27},
    {"CheckBox5", "奇数个数", "ComboBox5", "Label18", "ComboBox6", 0, 3, 1, 2},
    {"CheckBox6", "大数个数", "ComboBox7", "Label19", "ComboBox8", 0, 3, 1, 2},
    {"CheckBox9", "AC值范围", "ComboBox18", "Label14", "ComboBox19", 1, 3, 2, 3},
    {"CheckBox10", "同号个数", "ComboBox17", "Label20", "ComboBox20", 0, 3, 0, 0},
};
constexpr int kManualRanges = 9; // the first rows; the rest are the random tab's

// Each manual condition ticked alone at its default still leaves bets.
TEST_F(SelectTest, EveryDefaultRangeKeepsBets)
{
    pickAll();
    for (int i = 0; i < kManualRanges; ++i) {
        const RangeCase& r = kRanges[i];
        SCOPED_TRACE(r.box);
        child<QTabWidget>("SeSkinPageControl1")->setCurrentIndex(i < 5 && i != 4 ? 0 : 1);
        tick(r.box);
        dialogs.clear();
        click("SpeedButton2");
        ASSERT_EQ(dialogs.messages().size(), 1);
        EXPECT_NE(dialogs.messages()[0], SelectText::generated(0));
        EXPECT_GT(text("Label25").toInt(), 0);
        tick(r.box);
    }
}

TEST_F(SelectTest, OpensWithItsDefaults)
{
    EXPECT_EQ(window->windowTitle(), "辅助选择号码");
    EXPECT_EQ(window->size(), QSize(TFrm_Select::kWidth, TFrm_Select::kHeight));
    const QPoint offCentre = window->frameGeometry().center() - window->screen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 2);
    auto* pages = child<QTabWidget>("PageControl1");
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_EQ(pages->tabText(0), "手动选号");
    EXPECT_EQ(pages->tabText(1), "随机选号");
    auto* filters = child<QTabWidget>("SeSkinPageControl1");
    EXPECT_EQ(filters->tabText(filters->currentIndex()), "常规过滤");
    EXPECT_EQ(filters->tabText(1), "高级过滤");

    for (const RangeCase& r : kRanges) {
        SCOPED_TRACE(r.box);
        EXPECT_EQ(child<QCheckBox>(r.box)->text(), QString::fromUtf8(r.caption));
        EXPECT_FALSE(child<QCheckBox>(r.box)->isChecked());
        for (const char* list : {r.low, r.high}) {
            auto* combo = child<QComboBox>(list);
            EXPECT_FALSE(combo->isEnabled());
            ASSERT_EQ(combo->count(), r.max - r.min + 1);
            EXPECT_EQ(combo->itemText(0), QString::number(r.min));
            EXPECT_EQ(combo->itemText(combo->count() - 1), QString::number(r.max));
        }
        EXPECT_EQ(child<QComboBox>(r.low)->currentText(), QString::number(r.defaultLow));
        EXPECT_EQ(child<QComboBox>(r.high)->currentText(), QString::number(r.defaultHigh));
        EXPECT_EQ(child<QLabel>(r.to)->text(), "至");
        EXPECT_FALSE(enabled(r.to));
    }
    EXPECT_FALSE(enabled("Edit9"));
    EXPECT_FALSE(enabled("Edit11"));
    EXPECT_EQ(text("Edit8"), "5");
    EXPECT_TRUE(child<QRadioButton>("RadioButton1")->isChecked());
    for (const char* label : {"Label23", "Label25", "Edit1", "Edit2", "Edit3"})
        EXPECT_TRUE(text(label).isEmpty()) << label;
    EXPECT_EQ(child<QLabel>("Label25")->palette().color(QPalette::WindowText), schemeColours().alertText);
    EXPECT_EQ(child<QLabel>("SeSkinLabel1")->text(), "\"单个和值\"供用户输入不连续和值，和值之间用\"，\" 间隔");

    const std::pair<const char*, bool> buttons[] = {
        {"SpeedButton2", true}, {"SpeedButton12", false}, {"SeSkinButton1", false}, {"SpeedButton1", true},
        {"SpeedButton3", true}, {"SpeedButton13", false}, {"SpeedButton11", true}};
    for (auto [name, on] : buttons)
        EXPECT_EQ(enabled(name), on) << name;

    for (const char* grid : {"StringGrid1", "StringGrid2"}) {
        auto* view = child<QTableView>(grid);
        const QAbstractItemModel* model = view->model();
        EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "注号");
        EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), "投注号码");
        EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), "和值");
        EXPECT_EQ(view->columnWidth(0), 40);
        EXPECT_EQ(view->columnWidth(1), 65);
        EXPECT_EQ(view->columnWidth(2), 40);
        EXPECT_EQ(view->verticalHeader()->defaultSectionSize(), 18);
        EXPECT_EQ(model->rowCount(), 9); // ten rows with the header
    }
}

TEST_F(SelectTest, PanelsKeepTheSelectionOrderAndTheirColour)
{
    auto* five = child<DigitPanel>("Panel8");
    pick(0, "52");
    EXPECT_EQ(text("Edit1"), "52");
    EXPECT_EQ(five->palette().color(QPalette::Window), QColor(0, 255, 255));
    pick(0, "5");
    EXPECT_EQ(text("Edit1"), "2");
    EXPECT_FALSE(five->isSelectedColour());

    pick(1, "7");
    click("SpeedButton21");
    EXPECT_EQ(text("Edit2"), "0123456789");
    for (const char* panel : {"Panel16", "Panel22", "Panel13", "Panel15"})
        EXPECT_TRUE(child<DigitPanel>(panel)->isSelectedColour()) << panel;
    pick(1, "3");
    EXPECT_EQ(text("Edit2"), "012456789");

    click("SpeedButton6"); // 清 on an empty row
    EXPECT_EQ(text("Edit3"), "");
    pick(2, "90");
    click("SpeedButton6");
    EXPECT_EQ(text("Edit3"), "");
    EXPECT_FALSE(child<DigitPanel>("Panel25")->isSelectedColour());
    EXPECT_FALSE(child<DigitPanel>("Panel26")->isSelectedColour());
    EXPECT_EQ(text("Edit1"), "2"); // other rows untouched
}

// Each digit row takes typed digits as well as clicks: valid lists keep
// their typing order, repeats and spaces drop out as they are typed, and
// anything else is refused with a tooltip, the row staying as it was.
TEST_F(SelectTest, DigitRowsTakeTypedDigits)
{
    const struct
    {
        int row;
        const char* before; // clicked first
        const char* typed;
        bool pasted;
        const char* holds;
        const char* refused; // shown in the tooltip; null when taken
    } cases[] = {
        {0, "", "135", false, "135", nullptr},
        {0, "", "1 3 5", false, "135", nullptr},
        {1, "", "5 2 9", true, "529", nullptr},
        {1, "", "1351", false, "135", nullptr},
        {2, "4", "4 4 0", false, "40", nullptr},
        {2, "", "9,8，7、6", true, "9876", nullptr},
        {0, "", "1a3", false, "13", "a"},
        {0, "7", "1a3", true, "7", "a"},
        {1, "", "１", false, "", "１"},
        {2, "2", "-", true, "2", "-"},
    };
    const char* const boxes[] = {"Edit1", "Edit2", "Edit3"};
    const char* const clears[] = {"SpeedButton4", "SpeedButton5", "SpeedButton6"};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + (c.pasted ? " pasted" : " typed"));
        click(clears[c.row]);
        pick(c.row, c.before);
        auto* box = child<QLineEdit>(boxes[c.row]);
        box->end(false);
        if (c.pasted)
            paste(box, QString::fromUtf8(c.typed));
        else
            typeText(box, QString::fromUtf8(c.typed));
        EXPECT_EQ(box->text(), c.holds);
        // The panels light exactly the digits the box holds.
        for (int digit = 0; digit < 10; ++digit)
            EXPECT_EQ(child<DigitPanel>(panelName(c.row, digit))->isSelectedColour(),
                      QString::fromUtf8(c.holds).contains(QChar(u'0' + digit)))
                << digit;
        if (c.refused) {
            EXPECT_TRUE(QToolTip::text().contains(QString::fromUtf8(c.refused))) << QToolTip::text().toStdString();
        }
    }

    // Clicks carry on from typed digits, and the bets come from them.
    for (int row = 0; row < 3; ++row)
        click(clears[row]);
    typeText(child<QLineEdit>("Edit1"), "13");
    pick(0, "53");
    EXPECT_EQ(text("Edit1"), "15");
    typeText(child<QLineEdit>("Edit2"), "2");
    typeText(child<QLineEdit>("Edit3"), "0 0");
    click("SpeedButton2");
    EXPECT_EQ(rows("StringGrid1").mid(0, 2), QStringList({"1=120=3", "2=520=7"}));
}

TEST_F(SelectTest, TickingEnablesARangeAndUntickingKeepsItsValues)
{
    tick("CheckBox4");
    EXPECT_TRUE(enabled("ComboBox3") && enabled("ComboBox4") && enabled("Label17"));
    setRange("ComboBox3", 2, "ComboBox4", 3);
    tick("CheckBox4");
    EXPECT_FALSE(enabled("ComboBox3") || enabled("ComboBox4") || enabled("Label17"));
    tick("CheckBox4");
    EXPECT_EQ(child<QComboBox>("ComboBox3")->currentText(), "2");
    EXPECT_EQ(child<QComboBox>("ComboBox4")->currentText(), "3");

    tick("CheckBox11");
    EXPECT_TRUE(enabled("Edit9"));
    tick("CheckBox11");
    EXPECT_FALSE(enabled("Edit9"));
}

TEST_F(SelectTest, SumRangeAndSingleSumsExcludeEachOther)
{
    tick("CheckBox1");
    tick("CheckBox12");
    EXPECT_EQ(dialogs.messages(), QStringList({SelectText::kSumExclusion}));
    EXPECT_FALSE(child<QCheckBox>("CheckBox12")->isChecked());
    EXPECT_FALSE(enabled("Edit11"));
    EXPECT_TRUE(child<QCheckBox>("CheckBox1")->isChecked());

    tick("CheckBox1"); // off
    tick("CheckBox12");
    EXPECT_TRUE(enabled("Edit11"));
    tick("CheckBox1");
    EXPECT_EQ(dialogs.messages().size(), 2);
    EXPECT_FALSE(child<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_FALSE(enabled("ComboBox9"));
    EXPECT_TRUE(child<QCheckBox>("CheckBox12")->isChecked());
}

TEST_F(SelectTest, KeyFiltersAcceptOnlyTheirCharacters)
{
    tick("CheckBox11");
    auto* limit = child<QLineEdit>("Edit9");
    QTest::keyClicks(limit, "12a3,4567");
    EXPECT_EQ(limit->text(), "1234567");
    QTest::keyClicks(limit, "8");
    EXPECT_EQ(limit->text(), "1234567");
    QTest::keyClick(limit, Qt::Key_Backspace);
    EXPECT_EQ(limit->text(), "123456");
    QTest::keyClicks(limit, "7");
    limit->selectAll();
    QTest::keyClicks(limit, "9");
    EXPECT_EQ(limit->text(), "9");

    auto* count = child<QLineEdit>("Edit8");
    count->clear();
    QTest::keyClicks(count, "-1x2 ");
    EXPECT_EQ(count->text(), "12");

    tick("CheckBox12");
    auto* sums = child<QLineEdit>("Edit11");
    QTest::keyClicks(sums, "3a,15;");
    EXPECT_EQ(sums->text(), "3,15");
}

// What Tab visits and where the controls lie, on any screen the window is
// shown on (the test list runs these on a laptop screen and at scale 2 too).
class SelectLayoutTest : public SelectTest
{
protected:
    // The named controls shown on the current tab, containers left out.
    QList<QWidget*> shownControls() const
    {
        QWidget* tab = child<QTabWidget>("PageControl1")->currentWidget();
        QList<QWidget*> shown;
        for (QWidget* widget : tab->findChildren<QWidget*>())
            if (widget->isVisible() && !widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_") &&
                !qobject_cast<QGroupBox*>(widget) && !qobject_cast<QTabWidget*>(widget) &&
                !qobject_cast<QStackedWidget*>(widget->parentWidget()))
                shown << widget;
        return shown;
    }
    QRect onWindow(const QWidget* widget) const
    {
        return QRect(widget->mapTo(window.get(), QPoint(0, 0)), widget->size());
    }
};

// The order is the one the window has always had: the digit rows, the
// condition pages, the list and its commands, then the random tab.
TEST_F(SelectLayoutTest, TabVisitsTheControlsInTheirOrder)
{
    const QStringList expected = {
        "PageControl1", "Edit1", "Edit2", "Edit3", "SpeedButton4", "SpeedButton5", "SpeedButton6", "SpeedButton15",
        "SpeedButton21", "SpeedButton17", "SeSkinPageControl1",
        // 扩展过滤 joined the window before the other two pages had controls.
        "danBox", "danEdit", "danModeList", "killBox", "killEdit", "sumExcludedBox", "sumExcludedEdit",
        "spanExcludedBox", "spanExcludedEdit", "sumTailBox", "sumTailEdit", "shapeBox", "runBox", "bigSmallBox",
        "oddEvenBox", "primeCompositeBox", "routeBox", "pairSumTailBox", "pairSumTailEdit", "pairDiffBox",
        "pairDiffEdit", "repeatBox", "repeatLow", "repeatHigh", "neighbourBox", "neighbourLow", "neighbourHigh",
        // 常规过滤
        "CheckBox4", "ComboBox3", "ComboBox4", "CheckBox3", "ComboBox1", "ComboBox2", "CheckBox1", "ComboBox9",
        "ComboBox10", "CheckBox8", "ComboBox15", "ComboBox16", "CheckBox12", "Edit11", "CheckBox11", "Edit9",
        // 高级过滤
        "CheckBox7", "ComboBox13", "ComboBox14", "SeSkinCheckBox1", "ComboBox23", "ComboBox24", "SeSkinCheckBox3",
        "ComboBox25", "ComboBox26", "SeSkinCheckBox4", "ComboBox27", "ComboBox28", "SeSkinCheckBox6", "ComboBox29",
        "ComboBox30",
        // the list and the commands
        "StringGrid1", "RadioButton1", "RadioButton2", "RadioButton3", "SpeedButton2", "SpeedButton12", "SeSkinButton1",
        "backtestButton", "conditionCheckButton", "saveSchemeButton", "loadSchemeButton", "SpeedButton1",
        "prizeCheckButton",
        // 随机选号
        "Edit8", "CheckBox2", "ComboBox11", "ComboBox12", "CheckBox5", "ComboBox5", "ComboBox6", "CheckBox6",
        "ComboBox7", "ComboBox8", "CheckBox9", "ComboBox18", "ComboBox19", "CheckBox10", "ComboBox17", "ComboBox20",
        "useExtendedBox", "StringGrid2", "SpeedButton3", "SpeedButton13", "SpeedButton11", "randomPrizeCheckButton"};
    QStringList order;
    for (QWidget* at = window->nextInFocusChain(); at != window.get(); at = at->nextInFocusChain())
        // Qt's own parts (the tab bars and their scroll buttons) come with their tab widget.
        if ((at->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !at->objectName().startsWith("qt_") &&
            !qobject_cast<QTabBar*>(at->parentWidget()))
            order << at->objectName();
    EXPECT_EQ(order, expected);
}

// On every condition page and both tabs, each shown control lies whole on
// what holds it, clear of every other, and shows its whole caption.
TEST_F(SelectLayoutTest, ShownControlsNeitherOverlapNorGetCut)
{
    const struct
    {
        int tab, filterPage;
    } pages[] = {{0, 0}, {0, 1}, {0, 2}, {1, 0}};
    QCoreApplication::processEvents();
    for (const auto& page : pages) {
        child<QTabWidget>("PageControl1")->setCurrentIndex(page.tab);
        child<QTabWidget>("SeSkinPageControl1")->setCurrentIndex(page.filterPage);
        SCOPED_TRACE(testing::Message() << "tab " << page.tab << ", conditions " << page.filterPage);
        const QList<QWidget*> shown = shownControls();
        ASSERT_GT(shown.size(), 20);
        const QRect tab = onWindow(child<QTabWidget>("PageControl1")->currentWidget());
        for (int i = 0; i < shown.size(); ++i) {
            const QWidget* a = shown[i];
            const std::string name = a->objectName().toStdString();
            EXPECT_TRUE(a->parentWidget()->rect().contains(a->geometry())) << name;
            EXPECT_TRUE(tab.contains(onWindow(a))) << name;
            for (int j = i + 1; j < shown.size(); ++j)
                EXPECT_FALSE(onWindow(a).intersects(onWindow(shown[j])))
                    << name << " and " << shown[j]->objectName().toStdString();
            QString caption;
            if (auto* label = qobject_cast<const QLabel*>(a))
                caption = label->text();
            else if (auto* button = qobject_cast<const QAbstractButton*>(a))
                caption = button->text();
            // A check box or radio button also has its indicator to the left of its caption.
            const int indicator = qobject_cast<const QPushButton*>(a) || qobject_cast<const QLabel*>(a)
                                      ? 0
                                      : a->style()->pixelMetric(QStyle::PM_IndicatorWidth);
            EXPECT_GE(a->width(), a->fontMetrics().horizontalAdvance(caption) + indicator) << name;
            if (auto* list = qobject_cast<const QComboBox*>(a)) {
                EXPECT_GE(list->width(), list->minimumSizeHint().width()) << name;
            }
        }
    }
}

} // namespace
