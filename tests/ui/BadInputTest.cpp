// Hostile texts in every box of the main window and of the windows it opens
// by itself: each is refused with its message or selects exactly what it
// names, and the stored draws stay as they were.
#include "core/DrawEntry.h"
#include "core/DrawRecord.h"
#include "exchange/DownloadList.h"
#include "exchange/PageLoader.h"
#include "exchange/PageText.h"
#include "exchange/ResultPage.h"
#include "tests/support/HostileTexts.h"
#include "tests/support/Paste.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/analysis/PositionOmissionWindow.h"
#include "ui/exchange/DataUpdate.h"
#include "ui/exchange/MyOut.h"
#include "ui/main/ChartTab.h"
#include "ui/main/HistoryCheckWindow.h"
#include "ui/main/Itemset.h"
#include "ui/widgets/DataGrid.h"
#include "ui/widgets/RadioGroup.h"

#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableWidget>

namespace {

class BadInputTest : public MainWindowTest, public ::testing::WithParamInterface<HostileText>
{
protected:
    const QString& hostile() const { return GetParam().text; }

    // The hostile text stored as an issue between two others, the way a
    // database filled by another program may hold it. The bookends sort
    // below and above every hostile text, so each selector can name it.
    void storeHostileIssue()
    {
        for (const auto& [issue, number] : {std::pair{kLow, "123"}, {hostile(), "456"}, {kHigh, "789"}})
            store->append(deriveDrawRecord(issue, number, QString()));
        before = store->allRecords();
    }
    // Compared whole; printed only by their count, as a row may hold 100,000 characters.
    void expectStoreUnchanged() const
    {
        const std::vector<DrawRecord> now = store->allRecords();
        EXPECT_TRUE(now == before) << now.size() << " draws stored, " << before.size() << " before";
    }
    void expectNoError() const
    {
        const QStringList errors = dialogs.texts(FakeDialogs::Kind::Critical);
        EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').left(300).toStdString();
    }
    void select(const char* box, const QString& issue)
    {
        QComboBox* combo = child<QComboBox>(box);
        combo->setCurrentIndex(combo->findText(issue));
        ASSERT_EQ(combo->currentText(), issue) << box;
    }
    DataGrid* grid() const { return child<DataGrid>("DBGridEh1"); }

    const QString kLow = QStringLiteral(" ");
    const QString kHigh = QString::fromUcs4(U"\U0010FFFD");
    std::vector<DrawRecord> before;
};

// Texts stored as issues (the empty text is no issue).
class StoredBadInputTest : public BadInputTest
{
};

TEST_P(BadInputTest, EntryRefusesTheTextAsIssueOrAsNumber)
{
    seed(2, "08121");
    before = store->allRecords();
    show();
    window->AnnounceEntry = true;

    dialogs.clear();
    enter(hostile(), "123");
    EXPECT_EQ(dialogs.messages(), QStringList{hostile().isEmpty() ? EntryText::kNoIssue : EntryText::kIssueNotDecimal});
    auto* issueBox = child<QLineEdit>("Edit3");
    EXPECT_TRUE(issueBox->text() == hostile().left(issueBox->maxLength())); // kept for correcting

    // Pasted into the number box, which holds three characters at most.
    dialogs.clear();
    child<QLineEdit>("Edit3")->setText("08123");
    child<QLineEdit>("Edit4")->clear();
    paste(child<QLineEdit>("Edit4"), hostile());
    // The box keeps three characters of the paste, as it would of typing;
    // "08123'" leaves 081, a number like any other.
    const QString number = child<QLineEdit>("Edit4")->text();
    EXPECT_EQ(number, hostile().left(3));
    click("SpeedButton13");
    if (isDrawNumber(number)) {
        EXPECT_EQ(dialogs.messages(), QStringList{EntryText::entered("08123")});
        return;
    }
    EXPECT_EQ(dialogs.messages(), QStringList{number.isEmpty()     ? EntryText::kNoNumber
                                              : number.size() != 3 ? EntryText::kBadNumber
                                                                   : EntryText::kNumberNotDigits});
    expectStoreUnchanged();
}

TEST_P(StoredBadInputTest, StoredIssueIsARangeBoundLikeAnyOther)
{
    storeHostileIssue();
    show();
    expectNoError();
    EXPECT_EQ(child<QLineEdit>("Edit3")->text(), ""); // no next issue after a last issue that is no number

    dialogs.clear();
    select("ComboBox14", hostile());
    select("ComboBox15", hostile());
    click("SpeedButton18");
    EXPECT_EQ(gridIssues(), QStringList{hostile()});
    click("SpeedButton19");
    int counted = 0;
    for (int column = 1; column <= 30; ++column)
        counted += grid()->footer(column).text.toInt();
    EXPECT_EQ(counted, 3); // one draw, three positions

    // One draw is too few for a chart.
    for (auto [first, last, button] : {std::tuple{"ComboBox17", "ComboBox18", "SpeedButton24"},
                                       std::tuple{"ComboBox25", "ComboBox26", "SpeedButton27"}}) {
        select(first, hostile());
        select(last, hostile());
        click(button);
    }
    EXPECT_EQ(dialogs.messages(), QStringList(2, ChartTab::kTooFewIssues));
    expectNoError();
    expectStoreUnchanged();

    // Deleting the selected row deletes that draw and no other.
    grid()->setCurrentIndex(grid()->model()->index(0, 0));
    dialogs.answers = {true};
    click("SpeedButton15");
    expectNoError();
    ASSERT_EQ(store->count(), 2);
    EXPECT_FALSE(store->issueExists(hostile()));
    EXPECT_TRUE(store->issueExists(kLow));
    EXPECT_TRUE(store->issueExists(kHigh));
}

TEST_P(BadInputTest, HistoryCheckAsksForAStoredIssueAndADrawNumber)
{
    seed(2, "08121");
    before = store->allRecords();
    HistoryCheckWindow check(*store, dialogs);
    auto* issue = check.findChild<QLineEdit*>("issueEdit");
    auto* number = check.findChild<QLineEdit*>("numberEdit");
    auto* change = check.findChild<QAbstractButton*>("changeNumberButton");

    issue->setText(hostile());
    number->setText("123");
    QTest::mouseClick(change, Qt::LeftButton);
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().first().startsWith(hostile().trimmed().isEmpty() ? "请先选择" : "第 "));

    // Pasted junk never reaches the number box.
    number->clear();
    paste(number, hostile());
    EXPECT_TRUE(QRegularExpression("^[0-9]{0,3}$").match(number->text()).hasMatch());
    expectStoreUnchanged();
    expectNoError();
}

TEST_P(StoredBadInputTest, HistoryCheckRepairsAStoredIssueThatIsNoNumber)
{
    storeHostileIssue();
    HistoryCheckWindow check(*store, dialogs);
    dialogs.answers = {true};
    QTest::mouseClick(check.findChild<QAbstractButton*>("rederiveButton"), Qt::LeftButton);
    expectNoError();
    expectStoreUnchanged(); // derived as the entry derives them: nothing to change

    // The issue box reads its text trimmed and holds 32767 characters.
    auto* issue = check.findChild<QLineEdit*>("issueEdit");
    issue->setText(hostile());
    if (issue->text().trimmed() != hostile())
        return;
    check.findChild<QLineEdit*>("numberEdit")->setText("000");
    dialogs.answers = {true};
    QTest::mouseClick(check.findChild<QAbstractButton*>("changeNumberButton"), Qt::LeftButton);
    expectNoError();
    EXPECT_EQ(store->numberOfIssue(hostile()), "000");
    EXPECT_EQ(store->numberOfIssue(kLow), "123");
    EXPECT_EQ(store->numberOfIssue(kHigh), "789");
}

TEST_P(StoredBadInputTest, OmissionAndExportWindowsReadTheStoredIssueAsText)
{
    storeHostileIssue();

    PositionOmissionWindow omission(*store, dialogs);
    for (const char* box : {"startIssueBox", "endIssueBox"}) {
        auto* combo = omission.findChild<QComboBox*>(box);
        combo->setCurrentIndex(combo->findText(hostile()));
    }
    QTest::mouseClick(omission.findChild<QAbstractButton*>("runButton"), Qt::LeftButton);
    EXPECT_GT(omission.findChild<QTableWidget*>("omissionTable")->rowCount(), 0);

    QString opened;
    TFrm_Out out(*store, dialogs);
    out.setFileOpener([&](const QString& path) {
        opened = path;
        return true;
    });
    out.show();
    for (const char* box : {"ComboBox1", "ComboBox2"}) {
        auto* combo = out.findChild<QComboBox*>(box);
        combo->setCurrentIndex(combo->findText(hostile()));
    }
    out.BitBtn1Click();
    if (hostile().size() > 32767) {
        // More than a spreadsheet cell holds: said so, nothing opened.
        ASSERT_EQ(dialogs.texts(FakeDialogs::Kind::Critical).size(), 1);
        EXPECT_TRUE(dialogs.texts(FakeDialogs::Kind::Critical).first().contains("32767"));
        EXPECT_TRUE(opened.isEmpty());
    } else {
        expectNoError();
        EXPECT_TRUE(QFileInfo::exists(opened));
        QFile::remove(opened);
    }
    expectStoreUnchanged();
}

INSTANTIATE_TEST_SUITE_P(Texts, BadInputTest, ::testing::ValuesIn(hostileTexts()), HostileTextName());
INSTANTIATE_TEST_SUITE_P(Texts, StoredBadInputTest, ::testing::ValuesIn(hostileIssues()), HostileTextName());

// A damaged options file: the main window and the options window still open,
// each option they cannot read is at its default, and only a value that is
// not a number is reported (with its conversion error, naming the value). The
// options window then selects no count, so a save keeps the stored one.
TEST_F(MainWindowTest, MalformedOptionsFileFallsBackToDefaults)
{
    const QByteArray start = toGbk("[启动设置]\r\n默认显示期数=");
    const QByteArray width = toGbk("[列宽]\r\n宽度=");
    const QByteArray secondGame = toGbk("[彩票种类]\r\n种类=2\r\n");
    struct Case
    {
        const char* name;
        QByteArray bytes;
        int rows;          // draws the grid shows of the 100 stored: the count + 2
        int countItem;     // selected in the options window (20, 40, 60, 80, 100)
        const char* value; // the value reported, by both windows unless only the main one reads it
        bool onlyMain = false;
        bool fucai = true;
    };
    const Case cases[] = {
        {"empty file", "", 42, 1, nullptr},
        {"binary junk", randomBytes(4096), 42, 1, nullptr},
        {"no known section", toGbk("[其他]\r\n默认显示期数=60\r\n"), 42, 1, nullptr},
        {"names in UTF-8, not GBK", "[启动设置]\r\n默认显示期数=60\r\n", 42, 1, nullptr},
        {"invalid GBK in the value", start + "6\x80\r\n", 42, -1, "6"},
        {"count not a number", start + "many\r\n", 42, -1, "many"},
        // The other settings are still read: a save would not switch the game.
        {"count not a number, second game", start + "many\r\n" + secondGame, 0, -1, "many", false, false},
        {"count beyond any integer", start + "99999999999999999999\r\n", 42, -1, "99999999999999999999"},
        {"width not a number", width + "wide\r\n", 42, 1, "wide", true},
        {"lowest integer as count: the whole history", start + "-2147483648\r\n", 100, -1, nullptr},
        {"highest integer as count: the whole history", start + "2147483647\r\n", 100, 4, nullptr},
        {"5 MB of lines before the keys", QByteArray(5 << 20, 'x') + "\r\n" + start + "60\r\n", 62, 2, nullptr},
        {"5 MB in one value", start + QByteArray(5 << 20, '7') + "\r\n", 42, -1, "7777"},
    };
    seed(100);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dir.write("user/DefaultSet.ini", c.bytes);
        dialogs.clear();
        show();
        TFrm_itemset options(Options::optionsPath(dir.path()), dialogs);
        options.show();
        const QStringList errors = dialogs.texts(FakeDialogs::Kind::Critical);
        ASSERT_EQ(errors.size(), !c.value ? 0 : c.onlyMain ? 1 : 2) << errors.join('\n').left(200).toStdString();
        for (const QString& error : errors) {
            EXPECT_TRUE(error.contains(c.value));
            EXPECT_LT(error.size(), 100); // the value quoted, not all of it
        }
        EXPECT_EQ(window->windowTitle(), TFrmMain::captionFor(c.fucai));
        EXPECT_EQ(gridIssues().size(), c.rows);
        EXPECT_EQ(child<DataGrid>("DBGridEh1")->columnWidth(1), 16);
        EXPECT_EQ(child<QLineEdit>("Edit3")->text(), c.rows > 0 ? "2025101" : "");
        EXPECT_EQ(options.findChild<RadioGroup*>("RadioGroup1")->itemIndex(), c.countItem);
        EXPECT_EQ(options.findChild<QRadioButton*>("SeSkinRadioButton1")->isChecked(), c.fucai);
        window.reset();
    }
}

// A damaged address list: the download refuses to start with a message and
// loads nothing, so "开始下载" stays enabled.
TEST_F(MainWindowTest, MalformedAddressListLoadsNothing)
{
    struct Case
    {
        const char* name;
        QByteArray bytes;
        QString message;
    };
    const Case cases[] = {
        {"empty file", "", TFrm_DataUpdate::kNoAddress},
        {"blank lines", "\r\n  \r\n\r\n", TFrm_DataUpdate::kNoAddress},
        {"no address", toGbk("最新开奖\r\n"), TFrm_DataUpdate::badAddress("最新开奖")},
        {"words", "not an address\r\n", TFrm_DataUpdate::badAddress("not")},
        {"second address no page", "http://127.0.0.1/a b\r\n", TFrm_DataUpdate::badAddress("b")},
        {"another scheme", "javascript:alert(1)\r\n", TFrm_DataUpdate::notWebAddress("javascript:alert(1)")},
        {"a file of this machine", "file:///etc/passwd\r\n", TFrm_DataUpdate::notWebAddress("file:///etc/passwd")},
        {"a bare path", "/home/user/3d.html\r\n", TFrm_DataUpdate::notWebAddress("/home/user/3d.html")},
        {"a path after a page", "http://127.0.0.1/a /etc/passwd\r\n", TFrm_DataUpdate::notWebAddress("/etc/passwd")},
        {"binary junk", QByteArray("\x01\x02\x03\r\n"), TFrm_DataUpdate::badAddress("\x01\x02\x03")},
        {"5 MB on one line", "http://127.0.0.1/" + QByteArray(5 << 20, 'a'),
         TFrm_DataUpdate::badAddress("http://127.0.0.1/" + QString(kDownloadListBytes - 17, u'a'))},
    };
    show();
    TFrm_DataUpdate download(*window, *store, dialogs, Options::downloadListPath(dir.path()));
    download.show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dir.write("user/DownUpdate.txt", c.bytes);
        dialogs.clear();
        download.SpeedButton1Click();
        EXPECT_EQ(dialogs.messages(), QStringList{c.message});
        EXPECT_EQ(download.loader().runs(), 0);
        EXPECT_TRUE(download.findChild<QPushButton*>("SpeedButton1")->isEnabled());
    }
}

// Entries of a results page that are not draws: each goes to the entry
// command, which refuses it with its own message; the good ones are stored.
TEST_F(MainWindowTest, ResultPageEntriesThatAreNoDraws)
{
    struct Case
    {
        const char* name;
        QString page;
        QStringList messages;
        QStringList stored;
    };
    const QString updated = TFrm_DataUpdate::kUpdated;
    const QString nothing = TFrm_DataUpdate::kNothingNew;
    const Case cases[] = {
        // An entry no entry would take is left out before the store, without
        // a box of its own; the page's other draws come in.
        {"letter in an issue", "3D号码：0812a期456 08124期789 ", {updated}, {"08124"}},
        {"letter in a number", "3D号码：08125期4b6 ", {nothing}, {}},
        {"quote in an issue", "3D号码：0812'期456 ", {nothing}, {}},
        {"character GBK cannot hold", "3D号码：08126期4\uFFFD6 08127期789 ", {updated}, {"08127"}},
        {"truncated entry", "3D号码：08128期45", {nothing}, {}},
        {"the other game's marker", "排列三号码：08129期456 ", {nothing}, {}},
        {"empty page", "", {nothing}, {}},
    };
    show();
    TFrm_DataUpdate download(*window, *store, dialogs, Options::downloadListPath(dir.path()));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int before = store->count();
        download.show(); // a showing starts with nothing found
        dialogs.clear();
        download.processPageText(c.page);
        EXPECT_EQ(dialogs.messages(), c.messages);
        EXPECT_EQ(store->count(), before + c.stored.size());
        for (const QString& issue : c.stored)
            EXPECT_TRUE(store->issueExists(issue)) << issue.toStdString();
        download.hide();
    }
}

} // namespace
