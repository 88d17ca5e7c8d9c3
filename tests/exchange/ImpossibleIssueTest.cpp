// The table of issues that can and cannot exist (tests/support/IssueCases.h)
// through the readers (lines, result JSON, marker page, workbook), the entry
// and 统一期号; tests/ui/EntryTest.cpp types it into the entry panel.
#include "core/DrawEntry.h"
#include "exchange/DrawText.h"
#include "exchange/HistoryFile.h"
#include "exchange/ImportFile.h"
#include "exchange/ResultPage.h"
#include "store/DrawEntry.h"
#include "store/DrawStore.h"
#include "tests/exchange/ZipFixture.h"
#include "tests/support/IssueCases.h"
#include "tests/support/TestDir.h"

#include <gtest/gtest.h>

namespace {

TEST(ImpossibleIssue, ReadersListThemAsBadLinesWithTheReason)
{
    for (const IssueCase& c : issueCases()) {
        SCOPED_TRACE(c.issue.toStdString());
        struct Source
        {
            const char* name;
            ImportFile file;
        };
        TestDir dir;
        ASSERT_TRUE(writeZip(dir.file("book.xlsx"),
                             workbookParts("<row><c t=\"inlineStr\"><is><t>" + c.issue.toUtf8() +
                                           "</t></is></c><c><v>123</v></c></row>")));
        std::vector<Source> sources;
        sources.push_back({"line", readDrawText(c.issue + " 123\n", Game::Fucai)});
        sources.push_back(
            {"json", readDrawText(R"({"state":0,"result":[{"code":")" + c.issue + R"(","red":"1,2,3"}]})", Game::Fucai)});
        sources.push_back({"workbook", readImportFile(dir.file("book.xlsx"), Game::Fucai)});
        if (c.issue.size() == 5) // the marker page has five-digit issues only
            sources.push_back({"page", readDrawText(QStringLiteral("3D号码：") + c.issue + "期123 ", Game::Fucai)});
        for (const Source& source : sources) {
            SCOPED_TRACE(source.name);
            if (c.possible) {
                ASSERT_EQ(source.file.draws.size(), 1u);
                EXPECT_EQ(source.file.draws[0].issue, c.issue);
                EXPECT_TRUE(source.file.bad.empty());
            } else {
                EXPECT_TRUE(source.file.draws.empty());
                ASSERT_EQ(source.file.bad.size(), 1u);
                EXPECT_TRUE(source.file.bad[0].text.contains(impossibleIssue(c.issue)))
                    << source.file.bad[0].text.toStdString();
            }
        }
    }
}

TEST(ImpossibleIssue, EntryRefusesThemAndStoresNothing)
{
    TestDir dir;
    ASSERT_TRUE(DrawStore::createEmpty(dir.file("db1.mdb")));
    DrawStore store(dir.file("db1.mdb"));
    for (const IssueCase& c : issueCases()) {
        SCOPED_TRACE(c.issue.toStdString());
        const EntryOutcome outcome = enterDraw(store, c.issue, "123");
        EXPECT_EQ(outcome.stored(), c.possible) << outcome.refusal.toStdString();
        if (!c.possible) {
            EXPECT_EQ(outcome.refusal, EntryText::noSuchIssue(impossibleIssue(c.issue)));
        }
        EXPECT_EQ(store.issueExists(c.issue), c.possible);
    }
    // 排列3 began in 2004: an issue of 2003 is a 3D issue only.
    store.setGame(Game::Ticai);
    EXPECT_FALSE(enterDraw(store, "2003100", "123").stored());
    EXPECT_TRUE(enterDraw(store, "2004100", "123").stored());
}

// A stored issue of the other width is renamed only when it and its new name
// can both exist: 1925003 never becomes 25003, 00000 never 2000000.
TEST(ImpossibleIssue, UnifyingWidthsNeverMakesOrKeepsOneUnderANewName)
{
    for (const IssueCase& c : issueCases()) {
        SCOPED_TRACE(c.issue.toStdString());
        TestDir dir;
        ASSERT_TRUE(DrawStore::createEmpty(dir.file("db1.mdb")));
        DrawStore store(dir.file("db1.mdb"));
        // A history of the other width, three draws to the case's one.
        const QStringList others = c.issue.size() == 7 ? QStringList{"24001", "24002", "24003"}
                                                       : QStringList{"2024001", "2024002", "2024003"};
        std::vector<DrawStore::NewDraw> draws{{c.issue, "123"}};
        for (const QString& issue : others)
            draws.push_back({issue, "456"});
        store.appendDraws(draws); // as a file made elsewhere may hold them
        const WidthRepair done = store.unifyIssueWidth();
        const QString renamed = issueAtWidth(c.issue, others[0].size());
        EXPECT_EQ(store.issueExists(renamed), c.possible);
        EXPECT_EQ(store.issueExists(c.issue), !c.possible);
        EXPECT_EQ(done.renames.size(), c.possible ? 1u : 0u);
    }
}

} // namespace
