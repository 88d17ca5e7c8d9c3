#include "core/DrawEntry.h"
#include "core/IssueArithmetic.h"
#include "store/Database.h"
#include "tests/support/IssueCases.h"
#include "tests/ui/MainWindowFixture.h"

namespace {

using EntryTest = MainWindowTest;

TEST_F(EntryTest, StoresTheDrawAndAdvancesThePanel)
{
    seed(3, "08120");
    show();
    dialogs.clear();
    enter("08123", "507");

    EXPECT_EQ(dialogs.messages(), QStringList{"第08123期数据录入成功！"});
    EXPECT_EQ(child<QLineEdit>("Edit3")->text(), "08124");
    EXPECT_EQ(child<QLineEdit>("Edit4")->text(), "");
    EXPECT_EQ(window->statusPanelText(0), "您成功录入8123期数据信息！");
    auto* end = child<QComboBox>("ComboBox15");
    EXPECT_EQ(end->itemText(end->count() - 1), "08123");
    EXPECT_EQ(end->currentText(), "08123");
    EXPECT_EQ(child<QComboBox>("ComboBox14")->findText("08123"), -1); // only the end selector receives it
    EXPECT_EQ(gridIssues().last(), "08123");

    const auto stored = store->oneIssue("08123");
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(*stored, deriveDrawRecord("08123", "507", store->numberOfIssue("08122")));
    EXPECT_EQ(stored->hits[5], "5");
    EXPECT_EQ(stored->hits[27], "7");
    EXPECT_EQ(stored->kuadu, 7);
    EXPECT_EQ(stored->ascale, "2：1");
}

TEST_F(EntryTest, SameToLastComesFromThePreviousIssue)
{
    show();
    window->AnnounceEntry = false;
    enter("08122", "527");
    enter("08123", "507");
    EXPECT_EQ(store->oneIssue("08123")->sameToLast, 2);

    // Seven-character issues find their neighbour too.
    enter("2025216", "123");
    enter("2025217", "129");
    EXPECT_EQ(store->oneIssue("2025217")->sameToLast, 2);
    EXPECT_EQ(child<QLineEdit>("Edit3")->text(), "2025218");

    // The first issue of a run compares with nothing, even with the last run stored.
    enter("07365", "507");
    enter("08001", "507");
    EXPECT_EQ(store->oneIssue("08001")->sameToLast, 0);
    // Out of order: the issue before is what counts, not the latest row.
    enter("08200", "111");
    enter("08124", "507");
    EXPECT_EQ(store->oneIssue("08124")->sameToLast, 3);
}

TEST_F(EntryTest, RefusesBadInputInOrderAndStoresNothing)
{
    seed(1, "08122");
    show();
    struct Case
    {
        const char* issue;
        const char* number;
        QString message;
    };
    const Case cases[] = {
        {"", "", EntryText::kNoIssue},
        {"", "507", EntryText::kNoIssue},
        {"08123", "", EntryText::kNoNumber},
        {"08123", "50", EntryText::kBadNumber},
        {"08a23", "50", EntryText::kBadNumber},
        {"08a23", "507", EntryText::kIssueNotDecimal},
        {"08'23", "507", EntryText::kIssueNotDecimal},
        {"08123", "5a7", EntryText::kNumberNotDigits},
        {"08123", "5 7", EntryText::kNumberNotDigits},
        {"08122", "507", EntryText::duplicate("08122")},
    };
    for (const Case& c : cases) {
        dialogs.clear();
        enter(c.issue, c.number);
        EXPECT_EQ(dialogs.messages(), QStringList{c.message}) << c.issue << "/" << c.number;
        EXPECT_EQ(child<QLineEdit>("Edit3")->text(), c.issue);
        EXPECT_EQ(child<QLineEdit>("Edit4")->text(), c.number);
    }
    EXPECT_EQ(store->count(), 1);
    EXPECT_EQ(store->oneIssue("08122")->allNumber, store->latestNumber()); // the stored draw is untouched
}

// Typed issues no draw can carry are refused with the reason; the possible
// ones of the same table are stored.
TEST_F(EntryTest, IssuesThatCannotExistAreRefused)
{
    show();
    window->AnnounceEntry = false;
    for (const IssueCase& c : issueCases()) {
        dialogs.clear();
        enter(c.issue, "123");
        EXPECT_EQ(store->issueExists(c.issue), c.possible) << c.issue.toStdString();
        EXPECT_EQ(dialogs.messages(),
                  c.possible ? QStringList{} : QStringList{EntryText::noSuchIssue(impossibleIssue(c.issue))})
            << c.issue.toStdString();
    }
}

TEST_F(EntryTest, SilentEntryStillUpdatesThePanel)
{
    seed(2, "08120");
    show();
    dialogs.clear();
    window->AnnounceEntry = false;
    enter("08122", "111");
    enter("08123", "222");
    // Enter in the number box stores the draw as the button does.
    child<QLineEdit>("Edit3")->setText("08124");
    child<QLineEdit>("Edit4")->setText("333");
    QTest::keyClick(child<QLineEdit>("Edit4"), Qt::Key_Return);
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_EQ(child<QLineEdit>("Edit3")->text(), "08125");
    EXPECT_EQ(window->statusPanelText(0), "您成功录入8124期数据信息！");
    EXPECT_EQ(gridIssues().mid(gridIssues().size() - 3), QStringList({"08122", "08123", "08124"}));
}

TEST_F(EntryTest, DatabaseErrorIsShownAndNothingElseHappens)
{
    show();
    {
        Database other(dbPath(), DrawStore::kKey);
        other.exec("drop table fucai");
    }
    dialogs.clear();
    enter("08123", "507");
    ASSERT_EQ(dialogs.texts(FakeDialogs::Kind::Critical).size(), 1);
    EXPECT_TRUE(dialogs.texts(FakeDialogs::Kind::Critical).first().contains("fucai"));
    EXPECT_EQ(child<QLineEdit>("Edit3")->text(), "08123");
    EXPECT_EQ(child<QLineEdit>("Edit4")->text(), "507");
    EXPECT_EQ(window->statusPanelText(0), "");
}

} // namespace
