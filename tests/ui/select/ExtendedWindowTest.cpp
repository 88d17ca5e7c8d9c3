// The selection window's "扩展过滤" page, its schemes and "条件验证", driven
// through the controls and the scripted dialogs.
#include "exchange/CsvFile.h"
#include "exchange/ResultPage.h"
#include "exchange/SchemeFile.h"
#include "tests/support/Paste.h"
#include "tests/ui/select/SelectFixture.h"
#include "ui/select/ConditionCheckWindow.h"
#include "ui/widgets/ColourScheme.h"
#include "ui/widgets/QuickRange.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QToolTip>
#include <functional>

namespace {

class ExtendedWindowTest : public SelectTest
{
protected:
    // The extended page's controls take clicks while it is on show.
    void showExtendedPage()
    {
        child<QTabWidget>("PageControl1")->setCurrentIndex(0);
        child<QTabWidget>("SeSkinPageControl1")->setCurrentIndex(2);
    }
    void clickPanel(const QString& name)
    {
        showExtendedPage();
        click(name);
    }
    void tickExtended(const QString& name)
    {
        showExtendedPage();
        tick(name);
    }
    QString schemePath(const QString& name) const { return QDir(Schemes::folder(dir.path())).filePath(name + ".ini"); }
    void saveAs(const QString& name)
    {
        dialogs.typed.push_back(name);
        click("saveSchemeButton");
    }
    // Chooses `name` in the scheme list and loads it; `offered` keeps the
    // names the list held.
    void load(const QString& name)
    {
        dialogs.modalHandlers.push_back([this, name](QDialog* list) {
            auto* table = list->findChild<QTableWidget*>("schemeTable");
            offered.clear();
            for (int row = 0; row < table->rowCount(); ++row)
                offered << table->item(row, 0)->text();
            table->setCurrentCell(int(offered.indexOf(name)), 0);
            QTest::mouseClick(list->findChild<QPushButton*>("loadButton"), Qt::LeftButton);
            return list->result();
        });
        click("loadSchemeButton");
    }
    QStringList offered;

    // Every control of the window that a scheme holds, as text.
    QStringList controls() const
    {
        QStringList state;
        for (QCheckBox* box : window->findChildren<QCheckBox*>())
            state << box->objectName() + "=" + QString::number(box->isChecked());
        for (QComboBox* list : window->findChildren<QComboBox*>())
            state << list->objectName() + "=" + list->currentText() + (list->isEnabled() ? "" : " off");
        for (QLineEdit* edit : window->findChildren<QLineEdit*>())
            if (!edit->parent()->inherits("QComboBox"))
                state << edit->objectName() + "=" + edit->text() + (edit->isEnabled() ? "" : " off");
        for (DigitPanel* panel : window->findChildren<DigitPanel*>())
            state << panel->objectName() + "=" + QString::number(panel->isSelectedColour()) +
                         (panel->isEnabled() ? "" : " off");
        for (QRadioButton* kind : window->findChildren<QRadioButton*>())
            state << kind->objectName() + "=" + QString::number(kind->isChecked());
        state.sort();
        return state;
    }

    // A window with something changed in every kind of control.
    void changeEverything()
    {
        pick(0, "815"), pick(1, "0"), click("SpeedButton17");
        tick("CheckBox12");
        child<QLineEdit>("Edit11")->setText("3,15");
        tick("CheckBox11");
        child<QLineEdit>("Edit9")->setText("40");
        tick("CheckBox4"), setRange("ComboBox3", 0, "ComboBox4", 3);
        child<QTabWidget>("SeSkinPageControl1")->setCurrentIndex(1);
        tick("SeSkinCheckBox6"), setRange("ComboBox29", 2, "ComboBox30", 8);
        setRange("ComboBox13", 1, "ComboBox14", 2); // unticked bounds are kept too
        tickExtended("danBox"), clickPanel("danPanel8"), clickPanel("danPanel1");
        child<QComboBox>("danModeList")->setCurrentIndex(1);
        tickExtended("sumExcludedBox"), clickPanel("sumExcludedPanel27");
        tickExtended("routeBox"), clickPanel("routePanel26");
        clickPanel("routePanel7");
        tickExtended("neighbourBox"), setRange("neighbourLow", 1, "neighbourHigh", 3);
        tickExtended("repeatBox"), tickExtended("repeatBox");
        child<QTabWidget>("PageControl1")->setCurrentIndex(1);
        tick("CheckBox5"), setRange("ComboBox5", 1, "ComboBox6", 2);
        tick("useExtendedBox");
        child<QLineEdit>("Edit8")->setText("12");
        child<QRadioButton>("RadioButton3")->setChecked(true);
    }
};

TEST_F(ExtendedWindowTest, TickedConditionsCutTheGeneratedBets)
{
    child<QTabWidget>("SeSkinPageControl1")->setCurrentIndex(2);
    EXPECT_EQ(child<QTabWidget>("SeSkinPageControl1")->tabText(2), "扩展过滤");
    EXPECT_FALSE(enabled("killPanel3")); // panels wait for their tick
    pickAll();
    tickExtended("killBox");
    for (const char* digit : {"killPanel0", "killPanel1", "killPanel2", "killPanel3", "killPanel4", "killPanel5",
                              "killPanel6", "killPanel7"})
        clickPanel(digit);
    tickExtended("shapeBox"), clickPanel("shapePanel0");
    click("SpeedButton2");
    EXPECT_EQ(bets("StringGrid1"), QStringList({"888", "999"}));

    // Group bets are tested in their written form; 豹子 never is one.
    child<QRadioButton>("RadioButton2")->setChecked(true);
    EXPECT_EQ(bets("StringGrid1"), QStringList());
    clickPanel("shapePanel1");
    EXPECT_TRUE(bets("StringGrid1").isEmpty());
    child<QRadioButton>("RadioButton1")->setChecked(true);
    EXPECT_EQ(bets("StringGrid1"), QStringList({"888", "889", "898", "899", "988", "989", "998", "999"}));
}

// The rows of numbers take typed lists too: the panels follow the box, the
// box follows a click, a text it cannot read is refused with a tooltip, and
// the box takes input only while its condition is ticked.
TEST_F(ExtendedWindowTest, ValueRowsTakeTypedLists)
{
    showExtendedPage();
    const struct
    {
        const char* key;
        const char* typed;
        bool pasted;
        std::vector<int> chosen;
        const char* holds;
        const char* refused;
    } cases[] = {
        {"dan", "81", false, {1, 8}, "81", nullptr},
        {"dan", "8 1 8", true, {1, 8}, "81", nullptr},
        {"kill", "0 9", false, {0, 9}, "09", nullptr},
        {"spanExcluded", "3x", false, {3}, "3", "x"},
        {"sumTail", "٣", true, {}, "", "٣"},
        {"sumExcluded", "3 12 27", false, {3, 12, 27}, "3 12 27", nullptr},
        {"sumExcluded", "27,3，27", true, {3, 27}, "27,3，27", nullptr},
        {"sumExcluded", "28", false, {2}, "2", "28"},
        {"pairSumTail", "5", false, {5}, "5", nullptr},
        {"pairDiff", "9 0", true, {0, 9}, "90", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " " + c.typed);
        const QString key = QString::fromLatin1(c.key);
        auto* box = child<QLineEdit>(key + "Edit");
        auto* tick = child<QCheckBox>(key + "Box");
        if (tick->isChecked())
            click(key + "Box");
        EXPECT_FALSE(box->isEnabled());
        click(key + "Box");
        ASSERT_TRUE(box->isEnabled());
        box->clear();
        if (c.pasted)
            paste(box, QString::fromUtf8(c.typed));
        else
            typeText(box, QString::fromUtf8(c.typed));
        EXPECT_EQ(box->text(), QString::fromUtf8(c.holds));
        const auto panels = window->findChildren<DigitPanel*>(QRegularExpression("^" + key + "Panel\\d+$"));
        for (DigitPanel* panel : panels) {
            const int value = panel->objectName().mid(key.size() + 5).toInt();
            const bool chosen = std::find(c.chosen.begin(), c.chosen.end(), value) != c.chosen.end();
            EXPECT_EQ(panel->isSelectedColour(), chosen) << value;
        }
        if (c.refused) {
            EXPECT_TRUE(QToolTip::text().contains(QString::fromUtf8(c.refused))) << QToolTip::text().toStdString();
        }
    }

    // A click lists the chosen values rising; the condition reads the panels.
    click("danPanel3");
    EXPECT_EQ(text("danEdit"), "138");
    child<QLineEdit>("sumExcludedEdit")->clear();
    typeText(child<QLineEdit>("sumExcludedEdit"), "27 3");
    click("sumExcludedPanel12");
    EXPECT_EQ(text("sumExcludedEdit"), "3 12 27");
    click("sumExcludedPanel12");
    EXPECT_EQ(text("sumExcludedEdit"), "3 27");
}

TEST_F(ExtendedWindowTest, RandomSelectionUsesTheExtendedPageOnlyWhenTicked)
{
    tickExtended("shapeBox"), clickPanel("shapePanel0");
    child<QTabWidget>("PageControl1")->setCurrentIndex(1);
    child<QLineEdit>("Edit8")->setText("20");
    tick("useExtendedBox");
    click("SpeedButton3");
    const QStringList triples = bets("StringGrid2");
    ASSERT_EQ(triples.size(), 10); // every 豹子, once
    for (const QString& bet : triples)
        EXPECT_TRUE(bet[0] == bet[1] && bet[1] == bet[2]) << bet.toStdString();
    tick("useExtendedBox");
    click("SpeedButton3");
    const QStringList any = bets("StringGrid2");
    EXPECT_FALSE(std::all_of(any.begin(), any.end(), [](const QString& b) { return b[0] == b[1] && b[1] == b[2]; }));
}

TEST_F(ExtendedWindowTest, SchemeRoundTripRestoresEveryControl)
{
    changeEverything();
    const QStringList saved = controls();
    saveAs("  我的方案 1 ");
    EXPECT_EQ(dialogs.messages().last(), "方案“我的方案 1”已保存。");
    EXPECT_TRUE(QFile::exists(schemePath("我的方案 1")));
    EXPECT_EQ(window->windowTitle(), "辅助选择号码 - 我的方案 1");

    // A fresh window at its defaults takes the scheme; its bet kind loads
    // without running a generation.
    window = std::make_unique<TFrm_Select>(*store, dialogs, print.get(), history.get(), dir.path());
    window->show();
    ASSERT_NE(controls(), saved);
    dialogs.clear();
    load("我的方案 1");
    EXPECT_EQ(offered, QStringList{"我的方案 1"});
    EXPECT_EQ(controls(), saved);
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_EQ(window->windowTitle(), "辅助选择号码 - 我的方案 1");
    EXPECT_EQ(text("Edit1"), "815");

    // The file is GBK text a person can read.
    QFile file(schemePath("我的方案 1"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains(QStringLiteral("胆码=1|1,8").toLocal8Bit()) ||
                bytes.contains(QByteArray("\xb5\xa8\xc2\xeb=1|1,8")));
}

TEST_F(ExtendedWindowTest, ADamagedSchemeChangesNothing)
{
    changeEverything();
    saveAs("好");
    QFile file(schemePath("好"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray good = file.readAll();
    file.close();

    window = std::make_unique<TFrm_Select>(*store, dialogs, print.get(), history.get(), dir.path());
    window->show();
    const QStringList before = controls();
    struct Damage
    {
        QByteArray from, to;
        QString named; // what the message names
    };
    const Damage damages[] = {
        {"|1,8", "|1,8,x", "胆码"}, {"=1,0,3", "=1,0,99", "大数限制"}, {"=815", "=8155", "第一位"},
        {"|40", "|4O", "注数限制"}, {"Quorvane", "Other", "格式"},     {"=12", "", "机选注数"},
    };
    for (const Damage& d : damages) {
        QByteArray bytes = good;
        ASSERT_TRUE(bytes.contains(d.from)) << d.from.toStdString();
        bytes.replace(bytes.indexOf(d.from), d.from.size(), d.to);
        QFile damaged(schemePath("坏"));
        ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write(bytes);
        damaged.close();
        dialogs.clear();
        load("坏");
        ASSERT_EQ(dialogs.messages().size(), 1);
        EXPECT_TRUE(dialogs.messages()[0].contains(d.named)) << dialogs.messages()[0].toStdString();
        EXPECT_EQ(controls(), before) << d.named.toStdString();
        EXPECT_EQ(window->windowTitle(), "辅助选择号码");
    }

    // A file of another kind altogether, and a huge one.
    QFile foreign(schemePath("坏"));
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly | QIODevice::Truncate));
    foreign.write(QByteArray(70000, '\xff'));
    foreign.close();
    dialogs.clear();
    load("坏");
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages()[0].startsWith("方案“坏”无法载入")) << dialogs.messages()[0].toStdString();
    EXPECT_EQ(controls(), before);
}

// Schemes saved when the lists offered sums to 63 and AC values to 12 load
// with such values at the nearest possible one, and say so.
TEST_F(ExtendedWindowTest, ASchemeWithImpossibleValuesLoadsClampedAndSaysSo)
{
    saveAs("旧");
    QFile file(schemePath("旧"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    file.close();
    const QByteArray ac = toGbk("AC值范围=0,2,3"), sum = toGbk("和数限制=0,25,27");
    ASSERT_TRUE(bytes.contains(ac) && bytes.contains(sum)) << bytes.toStdString();
    bytes.replace(bytes.indexOf(ac), ac.size(), toGbk("AC值范围=1,8,8"));
    bytes.replace(bytes.indexOf(sum), sum.size(), toGbk("和数限制=1,25,35"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();

    dialogs.clear();
    load("旧");
    EXPECT_EQ(dialogs.messages(),
              QStringList{TFrm_Select::clampedText("旧", {"AC值范围 8至8 → 3至3", "和数限制 25至35 → 25至27"})});
    EXPECT_EQ(child<QComboBox>("ComboBox13")->currentText(), "3");
    EXPECT_EQ(child<QComboBox>("ComboBox12")->currentText(), "27");
    EXPECT_TRUE(child<QCheckBox>("CheckBox7")->isChecked());
    EXPECT_EQ(window->windowTitle(), "辅助选择号码 - 旧");
}

TEST_F(ExtendedWindowTest, SchemeNamesThatWouldLeaveTheFolderAreRefused)
{
    const QString names[] = {"../逃出",   "a/b",  "..",   ".隐藏", QString(41, QChar(u'名')), "", "   ",
                             "tab\there", "a\\b", "x..y", "尾点."};
    for (const QString& name : names) {
        dialogs.clear();
        saveAs(name);
        ASSERT_EQ(dialogs.messages().size(), 1) << name.toStdString();
        EXPECT_FALSE(dialogs.messages()[0].contains("已保存")) << name.toStdString();
    }
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).filter(".ini").isEmpty());
    EXPECT_FALSE(QDir(Schemes::folder(dir.path())).exists() && !QDir(Schemes::folder(dir.path())).isEmpty());

    // Loading with nothing saved says so; an existing name asks first.
    dialogs.clear();
    click("loadSchemeButton");
    EXPECT_EQ(dialogs.messages(), QStringList{"还没有保存过方案！"});
    saveAs("甲");
    dialogs.answers = {false};
    saveAs("甲");
    EXPECT_EQ(dialogs.texts(FakeDialogs::Kind::YesNo), QStringList{"方案“甲”已经存在，是否覆盖？"});
}

// Draws as the core test counts them: 和值范围 10-20, 杀码 {0}, 重号个数 0-1.
TEST_F(ExtendedWindowTest, ConditionCheckShowsEachConditionAndExports)
{
    const QStringList numbers{"123", "456", "789", "780", "555", "505", "190", "911", "348", "843", "222", "264"};
    for (int i = 0; i < numbers.size(); ++i)
        addDraw(QString::number(2025001 + i), numbers[i]);
    tick("CheckBox1"), setRange("ComboBox9", 10, "ComboBox10", 20);
    tickExtended("killBox"), clickPanel("killPanel0");
    tickExtended("repeatBox"), setRange("repeatLow", 0, "repeatHigh", 1);
    const QString csv = dir.file("验证.csv");
    dialogs.fileNames.push_back(csv);
    dialogs.modalHandlers.push_back([](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), ConditionCheckWindow::kCaption);
        auto* table = dialog->findChild<QTableWidget*>("resultTable");
        EXPECT_EQ(dialog->findChild<QSpinBox*>("drawCountBox")->value(), 100);
        auto row = [&](int r) {
            QStringList cells;
            for (int c = 0; c < table->columnCount(); ++c)
                cells << table->item(r, c)->text();
            return cells.join(" ");
        };
        // The first draw has no draw before it; twelve are judged.
        EXPECT_EQ(table->rowCount(), 4);
        EXPECT_EQ(row(0), "和值范围 9 75.0 0 1");
        EXPECT_EQ(row(1), "杀码 9 75.0 0 2");
        EXPECT_EQ(row(2), "重号个数 8 66.7 0 1");
        EXPECT_EQ(row(3), "全部条件 4 33.3 0 3");
        EXPECT_EQ(table->item(0, 2)->background().color(), schemeColours().warnFill);

        // Sorting by the kept share puts the row of all together first.
        table->sortByColumn(2, Qt::AscendingOrder);
        EXPECT_EQ(table->item(0, 0)->text(), "全部条件");

        dialog->findChild<QSpinBox*>("drawCountBox")->setValue(3);
        QTest::mouseClick(dialog->findChild<QAbstractButton*>("runButton"), Qt::LeftButton);
        EXPECT_EQ(table->rowCount(), 4);
        QTest::mouseClick(dialog->findChild<QAbstractButton*>("exportButton"), Qt::LeftButton);
        return int(QDialog::Accepted);
    });
    click("conditionCheckButton");
    const QList<QStringList> written = readCsv(csv);
    ASSERT_EQ(written.size(), 5);
    EXPECT_EQ(written[0], ConditionCheckWindow::columnTitles());
    EXPECT_TRUE(written.contains(QStringList({"全部条件", "1", "33.3", "0", "2"})))
        << written[1].join(" ").toStdString() << " / " << written[4].join(" ").toStdString();
}

// Chooses each quick range of the window's draw count in turn (120 draws
// stored) and hands `check` the choice and the count it set.
void triggerEachQuickRange(QDialog* dialog, const std::function<void(int, int)>& check)
{
    auto* count = dialog->findChild<QSpinBox*>("drawCountBox");
    auto* quick = dialog->findChild<QuickRange*>("quickRange");
    const std::pair<int, int> choices[] = {{30, 30}, {50, 50}, {100, 100}, {500, 500}, {0, 120}};
    for (auto [choice, value] : choices) {
        auto* action = quick->findChild<QAction*>(QuickRange::actionName(choice));
        EXPECT_NE(action, nullptr);
        if (!action)
            continue;
        action->trigger();
        EXPECT_EQ(count->value(), value) << choice;
        check(choice, value);
    }
}

// "近30期" ... "全部" set the count of latest draws and check at once: each
// choice judges that many of the stored draws (the oldest has no draw before
// it), 全部 every one.
TEST_F(ExtendedWindowTest, ConditionCheckTakesEachQuickRange)
{
    for (int i = 0; i < 120; ++i)
        addDraw(QString::number(2025001 + i), QStringLiteral("%1").arg(i * 37 % 1000, 3, 10, QChar(u'0')));
    tick("CheckBox1"), setRange("ComboBox9", 10, "ComboBox10", 20);
    dialogs.modalHandlers.push_back([](QDialog* dialog) {
        auto* table = dialog->findChild<QTableWidget*>("resultTable");
        triggerEachQuickRange(dialog, [table](int choice, int value) {
            // The kept count of the one condition never exceeds the draws judged.
            EXPECT_LE(table->item(0, 1)->text().toInt(), std::min(value, 119)) << choice;
        });
        return 0;
    });
    click("conditionCheckButton");
    EXPECT_TRUE(dialogs.texts(FakeDialogs::Kind::Critical).isEmpty());
}

// The same choices in 历史回测: one row per draw tried.
TEST_F(ExtendedWindowTest, BacktestTakesEachQuickRange)
{
    for (int i = 0; i < 120; ++i)
        addDraw(QString::number(2025001 + i), QStringLiteral("%1").arg(i * 37 % 1000, 3, 10, QChar(u'0')));
    pick(0, "12"), pick(1, "34"), pick(2, "56");
    dialogs.modalHandlers.push_back([](QDialog* dialog) {
        QAbstractItemModel* table = dialog->findChild<QTableView*>("resultTable")->model();
        triggerEachQuickRange(
            dialog, [table](int choice, int value) { EXPECT_EQ(table->rowCount(), std::min(value, 120)) << choice; });
        return 0;
    });
    click("backtestButton");
    EXPECT_TRUE(dialogs.texts(FakeDialogs::Kind::Critical).isEmpty());
}

TEST_F(ExtendedWindowTest, ConditionCheckWithoutDrawsSaysSo)
{
    dialogs.modalHandlers.push_back([](QDialog*) { return 0; });
    click("conditionCheckButton");
    EXPECT_EQ(dialogs.messages(), QStringList{ConditionCheckWindow::kNoDraws});
}

} // namespace
