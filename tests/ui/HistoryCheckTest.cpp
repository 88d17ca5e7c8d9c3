#include "tests/ui/MainWindowFixture.h"
#include "ui/main/HistoryCheckWindow.h"
#include "store/Database.h"

#include <QLabel>
#include <QTableWidget>

namespace {

class HistoryCheckTest : public MainWindowTest
{
protected:
    // Opens the window from the menu and runs `script` on it while it shows.
    void openCheck(std::function<void(HistoryCheckWindow&)> script)
    {
        dialogs.modalHandlers.push_back([script](QDialog* dialog) {
            script(*static_cast<HistoryCheckWindow*>(dialog));
            return int(QDialog::Accepted);
        });
        action("checkHistoryAction")->trigger();
        EXPECT_TRUE(dialogs.modalHandlers.empty());
    }
    static QStringList rows(HistoryCheckWindow& window)
    {
        auto* table = window.findChild<QTableWidget*>("problemTable");
        QStringList rows;
        for (int row = 0; row < table->rowCount(); ++row)
            rows << table->item(row, 0)->text() + " " + table->item(row, 1)->text();
        return rows;
    }
    static void clickIn(HistoryCheckWindow& window, const char* name)
    {
        QTest::mouseClick(window.findChild<QAbstractButton*>(name), Qt::LeftButton);
    }
};

TEST_F(HistoryCheckTest, RowEnteredBeforeItsPredecessorIsFlaggedAndRepaired)
{
    ASSERT_TRUE(enterDraw(*store, "2025001", "123").stored());
    ASSERT_TRUE(enterDraw(*store, "2025003", "124").stored()); // before 2025002 was known
    ASSERT_TRUE(enterDraw(*store, "2025002", "125").stored());
    ASSERT_TRUE(enterDraw(*store, "2025005", "125").stored());
    show();
    EXPECT_EQ(store->oneIssue("2025003")->sameToLast, 0);
    openCheck([this](HistoryCheckWindow& window) {
        EXPECT_EQ(rows(window), (QStringList{"缺失期号 2025004", "派生数据不符 2025003"}));
        dialogs.answers.push_back(true);
        clickIn(window, "rederiveButton");
        EXPECT_EQ(dialogs.messages().last(), "重新计算完成，共更新 1 条记录。");
        EXPECT_EQ(rows(window), QStringList{"缺失期号 2025004"});
    });
    EXPECT_EQ(store->oneIssue("2025003")->sameToLast, 2);
}

TEST_F(HistoryCheckTest, ChangingANumberRederivesItAndTheNextDraw)
{
    ASSERT_TRUE(enterDraw(*store, "2025001", "123").stored());
    ASSERT_TRUE(enterDraw(*store, "2025002", "123").stored());
    show();
    const DrawRecord before = *store->oneIssue("2025001");
    openCheck([this](HistoryCheckWindow& window) {
        window.findChild<QLineEdit*>("issueEdit")->setText("2025001");
        auto* number = window.findChild<QLineEdit*>("numberEdit");
        for (const char* bad : {"12", "", "1a3"}) {
            number->setText(bad);
            clickIn(window, "changeNumberButton");
        }
        EXPECT_EQ(dialogs.messages(), QStringList(3, "开奖号码必须是3位数字！"));
        window.findChild<QLineEdit*>("issueEdit")->setText("2025009");
        number->setText("456");
        clickIn(window, "changeNumberButton");
        EXPECT_EQ(dialogs.messages().last(), "第 2025009 期不存在，请确认期号！");

        window.findChild<QLineEdit*>("issueEdit")->setText("2025001");
        dialogs.answers.push_back(false); // cancelled: nothing changes
        clickIn(window, "changeNumberButton");
        dialogs.answers.push_back(true);
        clickIn(window, "changeNumberButton");
        EXPECT_EQ(dialogs.messages().last(), "修改成功，第 2025001 期的开奖号码已改为 456。");
    });
    const DrawRecord changed = *store->oneIssue("2025001");
    EXPECT_EQ(changed, deriveDrawRecord("2025001", "456", QString()));
    EXPECT_NE(changed, before);
    EXPECT_EQ(store->oneIssue("2025002")->sameToLast, 0); // 123 against 456
    EXPECT_EQ(gridIssues(), (QStringList{"2025001", "2025002"}));
    EXPECT_EQ(child<QTableView>("DBGridEh1")->model()->index(0, 38).data().toString(), "456");
}

// A download of five-digit issues into a seven-digit history, as older
// versions stored it: two widths side by side, 同号数 counted against nothing.
TEST_F(HistoryCheckTest, UnifyingIssuesRenamesTheOtherWidthAndRederives)
{
    ASSERT_TRUE(enterDraw(*store, "2025060", "123").stored());
    ASSERT_TRUE(enterDraw(*store, "2025061", "124").stored());
    ASSERT_TRUE(enterDraw(*store, "25062", "124").stored());
    ASSERT_TRUE(enterDraw(*store, "2025063", "456").stored());
    ASSERT_TRUE(enterDraw(*store, "2025064", "457").stored());
    show();
    EXPECT_EQ(store->oneIssue("25062")->sameToLast, 0);
    openCheck([this](HistoryCheckWindow& window) {
        EXPECT_TRUE(rows(window).contains("期号位数异常 25062"));
        dialogs.answers.push_back(false); // cancelled: nothing changes
        clickIn(window, "unifyWidthButton");
        EXPECT_TRUE(store->issueExists("25062"));
        dialogs.answers.push_back(true);
        clickIn(window, "unifyWidthButton");
        EXPECT_EQ(dialogs.messages().last(), "统一期号完成，共修改 1 个期号。");
        EXPECT_EQ(rows(window), QStringList{});
        clickIn(window, "unifyWidthButton");
        EXPECT_EQ(dialogs.messages().last(), "没有可以统一位数的期号。");
    });
    EXPECT_EQ(store->issueList(), (QStringList{"2025060", "2025061", "2025062", "2025063", "2025064"}));
    EXPECT_EQ(*store->oneIssue("2025062"), deriveDrawRecord("2025062", "124", "124"));
    EXPECT_EQ(*store->oneIssue("2025063"), deriveDrawRecord("2025063", "456", "124"));
    EXPECT_EQ(gridIssues().size(), 5);
}

// Issues no draw can carry, from a file made elsewhere, are listed with the
// reason, and 统一期号 leaves them as they are: 1925063 never becomes 25063.
TEST_F(HistoryCheckTest, IssuesStoredTwiceInAnEarlierHistoryAreListed)
{
    // Only a file of an earlier version can hold them: it lacks the unique index.
    store.reset();
    {
        Database earlier(dir.file(DrawStore::kFileName), DrawStore::kKey);
        earlier.exec("drop index fucai_issue");
        earlier.exec("create index fucai_qs on fucai (qs)");
        earlier.exec("insert into fucai (qs, AllNumber) values ('2025001', '123'), ('2025001', '124')");
    }
    store = std::make_unique<DrawStore>(dir.file(DrawStore::kFileName));
    show();
    openCheck([this](HistoryCheckWindow& window) {
        EXPECT_TRUE(rows(window).contains("期号重复 2025001"));
        EXPECT_TRUE(window.findChild<QLabel*>("summaryLabel")->text().contains("期号重复 1 个"));
    });
}

TEST_F(HistoryCheckTest, ImpossibleIssuesAreListedAndNotRenamed)
{
    ASSERT_TRUE(enterDraw(*store, "25060", "123").stored());
    ASSERT_TRUE(enterDraw(*store, "25061", "124").stored());
    store->appendDraws({{"1925063", "125"}, {"25400", "126"}});
    show();
    openCheck([this](HistoryCheckWindow& window) {
        const QStringList shown = rows(window);
        EXPECT_TRUE(shown.contains("期号不存在 1925063"));
        EXPECT_TRUE(shown.contains("期号不存在 25400"));
        EXPECT_TRUE(window.findChild<QLabel*>("summaryLabel")->text().contains("期号不存在 2 个"));
        clickIn(window, "unifyWidthButton");
        EXPECT_EQ(dialogs.messages().last(), "没有可以统一位数的期号。");
    });
    EXPECT_TRUE(store->issueExists("1925063"));
    EXPECT_FALSE(store->issueExists("25063"));
}

TEST_F(HistoryCheckTest, UnifyingRefusesWhenARenamedIssueIsAlreadyStored)
{
    ASSERT_TRUE(enterDraw(*store, "2025060", "123").stored());
    ASSERT_TRUE(enterDraw(*store, "2025061", "124").stored());
    ASSERT_TRUE(enterDraw(*store, "2025062", "125").stored());
    ASSERT_TRUE(enterDraw(*store, "25061", "999").stored());
    ASSERT_TRUE(enterDraw(*store, "25063", "126").stored());
    show();
    const std::vector<DrawRecord> before = store->allRecords();
    openCheck([this](HistoryCheckWindow& window) {
        clickIn(window, "unifyWidthButton");
        EXPECT_TRUE(dialogs.messages().last().startsWith("统一期号失败，没有做任何修改"));
        EXPECT_TRUE(dialogs.messages().last().endsWith("\n2025061"));
    });
    EXPECT_EQ(store->allRecords(), before);
}

} // namespace
