// Hostile texts pasted into the selection window's number boxes, whose key
// filters never see a paste, and stored as an issue the history filter and
// the backtest read: each box keeps only what could be typed into it, each
// command answers with its message, and the stored draws stay as they were.
#include "core/SelectionText.h"
#include "exchange/SchemeFile.h"
#include "tests/support/HostileTexts.h"
#include "tests/support/Paste.h"
#include "tests/ui/select/SelectFixture.h"

#include <QDir>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>

namespace {

class SelectBadInputTest : public SelectTest, public ::testing::WithParamInterface<HostileText>
{
protected:
    const QString& hostile() const { return GetParam().text; }
    QLineEdit* box(const char* name) const { return child<QLineEdit>(name); }
    // Pasted into an emptied box; returns what the box then holds.
    QString pasteInto(const char* name)
    {
        box(name)->clear();
        paste(box(name), hostile());
        return box(name)->text();
    }
};

// Texts stored as issues (the empty text is no issue).
class StoredSelectBadInputTest : public SelectBadInputTest
{
};

TEST_P(SelectBadInputTest, NumberBoxesTakeNoPastedJunk)
{
    const QRegularExpression count("^[0-9]{0,7}$");
    const QRegularExpression sums("^[0-9,]*$");

    child<QTabWidget>("PageControl1")->setCurrentIndex(1);
    const QString randomCount = pasteInto("Edit8");
    EXPECT_TRUE(count.match(randomCount).hasMatch());
    dialogs.clear();
    click("SpeedButton3");
    if (randomCount.isEmpty()) {
        EXPECT_EQ(dialogs.messages(), QStringList{SelectText::kNoRandomCount});
    }

    pickAll();
    tick("CheckBox11");
    const QString limit = pasteInto("Edit9");
    EXPECT_TRUE(count.match(limit).hasMatch());
    dialogs.clear();
    click("SpeedButton2");
    if (limit.isEmpty()) {
        EXPECT_EQ(dialogs.messages(), QStringList{SelectText::kNoLimit});
    }
    tick("CheckBox11");

    tick("CheckBox12");
    const QString singleSums = pasteInto("Edit11");
    EXPECT_TRUE(sums.match(singleSums).hasMatch());
    dialogs.clear();
    click("SpeedButton2");
    if (singleSums.isEmpty()) {
        EXPECT_EQ(dialogs.messages(), QStringList{SelectText::kNoSingleSums});
    } else if (singleSums.size() > 2 && !singleSums.contains(',')) {
        EXPECT_EQ(dialogs.messages(), QStringList{SelectText::kBadSingleSums});
    }
    EXPECT_TRUE(dialogs.texts(FakeDialogs::Kind::Critical).isEmpty());
}

// The history filter and the backtest read a stored issue that is no number
// as the text it is: the filter names it, the backtest lists it.
TEST_P(StoredSelectBadInputTest, StoredIssueInTheHistoryFilterAndTheBacktest)
{
    addDraw(" ", "456"); // sorts below every hostile text
    addDraw(hostile(), "123");
    const std::vector<DrawRecord> before = store->allRecords();
    pick(0, "1"), pick(1, "2"), pick(2, "3");
    click("SpeedButton2");

    dialogs.clear();
    dialogs.pressed = {1};
    dialogs.modalHandlers.push_back([this](QDialog* window) {
        window->show();
        for (const char* name : {"ComboBox1", "ComboBox2"}) {
            auto* range = window->findChild<QComboBox*>(name);
            range->setCurrentIndex(range->findText(hostile()));
        }
        QTest::mouseClick(window->findChild<QPushButton*>("SeSkinButton1"), Qt::LeftButton);
        return 0;
    });
    // The list of drawn bets shows the issue as it is stored.
    dialogs.modalHandlers.push_back([this](QDialog* window) {
        auto* table = window->findChild<QTableWidget*>("drawnBetsTable");
        EXPECT_EQ(table->rowCount(), 1);
        EXPECT_TRUE(table->item(0, 1)->text() == hostile());
        QTest::mouseClick(window->findChild<QPushButton*>("oneByOneButton"), Qt::LeftButton);
        return window->result();
    });
    click("SeSkinButton1");
    EXPECT_TRUE(dialogs.texts(FakeDialogs::Kind::Buttons) == QStringList{SelectText::askDrawn("123", hostile())});
    EXPECT_EQ(dialogs.messages(), QStringList{SelectText::filtered(0)});

    dialogs.modalHandlers.push_back([this](QDialog* window) {
        auto* count = window->findChild<QSpinBox*>("drawCountBox");
        paste(count, hostile()); // a spin box takes no junk either
        EXPECT_EQ(count->value(), 100);
        QAbstractItemModel* table = window->findChild<QTableView*>("resultTable")->model();
        EXPECT_EQ(table->rowCount(), 2);
        EXPECT_TRUE(table->index(1, 0).data().toString() == hostile());
        return 0;
    });
    click("backtestButton");
    EXPECT_TRUE(dialogs.texts(FakeDialogs::Kind::Critical).isEmpty());
    EXPECT_TRUE(store->allRecords() == before);
}

// The new boxes: the condition check's draw count takes no junk, typed or
// pasted; a hostile scheme name is refused or saved inside the scheme folder,
// never elsewhere, and loads back.
TEST_P(SelectBadInputTest, ConditionCheckCountAndSchemeNames)
{
    addDraw("2025001", "123");
    dialogs.modalHandlers.push_back([this](QDialog* window) {
        window->show();
        auto* count = window->findChild<QSpinBox*>("drawCountBox");
        paste(count, hostile());
        EXPECT_EQ(count->value(), 100);
        count->selectAll();
        typeText(count, hostile().left(200));
        QTest::mouseClick(window->findChild<QPushButton*>("runButton"), Qt::LeftButton);
        EXPECT_GE(count->value(), 1);
        EXPECT_EQ(window->findChild<QTableWidget*>("resultTable")->rowCount(), 1);
        return 0;
    });
    click("conditionCheckButton");

    dialogs.clear();
    dialogs.typed.push_back(hostile().isNull() ? QStringLiteral("") : hostile()); // null would cancel
    click("saveSchemeButton");
    const QString schemes = Schemes::folder(dir.path());
    const QStringList outside = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QString& entry : outside)
        EXPECT_TRUE(entry == "user" || entry.startsWith(DrawStore::kFileName)) << entry.toStdString();
    const QStringList saved = QDir(schemes).entryList(QDir::Files);
    ASSERT_EQ(dialogs.messages().size(), 1);
    if (saved.isEmpty()) {
        EXPECT_EQ(dialogs.messages()[0], Schemes::nameProblem(hostile().trimmed()));
    } else {
        ASSERT_EQ(saved.size(), 1);
        EXPECT_EQ(saved[0], hostile().trimmed() + ".ini");
        dialogs.clear();
        dialogs.modalHandlers.push_back([](QDialog* list) {
            QTest::mouseClick(list->findChild<QPushButton*>("loadButton"), Qt::LeftButton);
            return list->result();
        });
        click("loadSchemeButton");
        EXPECT_TRUE(dialogs.messages().isEmpty());
        EXPECT_TRUE(window->windowTitle().endsWith(hostile().trimmed()));
    }

    // A scheme renamed to the text: refused as saving refuses it, or renamed
    // within the folder.
    if (!saved.isEmpty())
        Schemes::remove(dir.path(), hostile().trimmed());
    Schemes::save(dir.path(), "原名", SelectionScheme{});
    dialogs.clear();
    dialogs.typed = {hostile().isNull() ? QStringLiteral("") : hostile()};
    dialogs.answers = {true};
    const QString problem = Schemes::nameProblem(hostile().trimmed());
    dialogs.modalHandlers.push_back([](QDialog* list) {
        auto* table = list->findChild<QTableWidget*>("schemeTable");
        for (int row = 0; row < table->rowCount(); ++row)
            if (table->item(row, 0)->text() == "原名")
                table->setCurrentCell(row, 0);
        QTest::mouseClick(list->findChild<QPushButton*>("renameButton"), Qt::LeftButton);
        return 0;
    });
    click("loadSchemeButton");
    const QStringList names = Schemes::names(dir.path());
    if (!problem.isEmpty()) {
        EXPECT_EQ(dialogs.messages(), QStringList{problem});
        EXPECT_TRUE(names.contains("原名"));
    } else {
        EXPECT_TRUE(dialogs.messages().isEmpty());
        EXPECT_EQ(names, QStringList{hostile().trimmed()});
    }
    for (const QString& entry : QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
        EXPECT_TRUE(entry == "user" || entry.startsWith(DrawStore::kFileName)) << entry.toStdString();
    EXPECT_TRUE(dialogs.texts(FakeDialogs::Kind::Critical).isEmpty());
}

// The typed lists: the digit rows and the value rows of "扩展过滤" keep
// only a list they can read, typed or pasted, and a run reads them.
TEST_P(SelectBadInputTest, TypedListsTakeNoJunk)
{
    const QRegularExpression digits("^[0-9]*$");
    for (const char* name : {"Edit1", "Edit2", "Edit3"}) {
        const QString pasted = pasteInto(name);
        box(name)->clear();
        typeText(box(name), hostile().left(200));
        for (const QString& held : {pasted, box(name)->text()}) {
            EXPECT_TRUE(digits.match(held).hasMatch()) << name;
            EXPECT_EQ(QSet<QChar>(held.begin(), held.end()).size(), held.size()) << name;
        }
    }
    child<QTabWidget>("SeSkinPageControl1")->setCurrentIndex(2);
    const QRegularExpression values("^[0-9 ,，、\\x{3000}]*$");
    for (const char* key : {"dan", "kill", "sumExcluded", "spanExcluded", "sumTail", "pairSumTail", "pairDiff"}) {
        click(QString::fromLatin1(key) + "Box");
        const QString name = QString::fromLatin1(key) + "Edit";
        box(name.toLatin1())->clear();
        paste(box(name.toLatin1()), hostile());
        EXPECT_TRUE(values.match(box(name.toLatin1())->text()).hasMatch()) << key;
        typeText(box(name.toLatin1()), hostile().left(200));
        EXPECT_TRUE(values.match(box(name.toLatin1())->text()).hasMatch()) << key;
    }
    dialogs.clear();
    click("SpeedButton2");
    EXPECT_TRUE(dialogs.texts(FakeDialogs::Kind::Critical).isEmpty());
}

// The other side of the paste filter: what could be typed is taken.
TEST_F(SelectTest, PastedDigitsAreTaken)
{
    struct Case
    {
        const char* box;
        const char* pasted;
        const char* holds;
    };
    const Case cases[] = {
        {"Edit8", "12", "12"}, {"Edit8", "1234567", "1234567"}, {"Edit8", "12345678", ""}, {"Edit8", "１２", ""},
        {"Edit8", " 12", ""},  {"Edit11", "3,15", "3,15"},      {"Edit11", "3，15", ""},   {"Edit11", "3, 15", ""},
        {"Edit9", "0", "0"},
    };
    tick("CheckBox11");
    tick("CheckBox12");
    for (const Case& c : cases) {
        auto* edit = child<QLineEdit>(c.box);
        edit->clear();
        paste(edit, QString::fromUtf8(c.pasted));
        EXPECT_EQ(edit->text(), QString::fromUtf8(c.holds)) << c.box << " " << c.pasted;
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, SelectBadInputTest, ::testing::ValuesIn(hostileTexts()), HostileTextName());
INSTANTIATE_TEST_SUITE_P(Texts, StoredSelectBadInputTest, ::testing::ValuesIn(hostileIssues()), HostileTextName());

} // namespace
