#include "store/DrawEntry.h"
#include "store/DrawStore.h"
#include "tests/support/TestDir.h"

#include <memory>

namespace {

class DrawStoreImportTest : public ::testing::Test
{
protected:
    DrawStoreImportTest()
    {
        EXPECT_TRUE(DrawStore::createEmpty(dir.file("a.mdb")));
        EXPECT_TRUE(DrawStore::createEmpty(dir.file("b.mdb")));
        imported = std::make_unique<DrawStore>(dir.file("a.mdb"));
        entered = std::make_unique<DrawStore>(dir.file("b.mdb"));
    }
    TestDir dir;
    std::unique_ptr<DrawStore> imported, entered;
};

// The import must leave exactly the rows the entry panel would, one draw at a time.
TEST_F(DrawStoreImportTest, RowsEqualThoseOfEntryInIssueOrder)
{
    const std::vector<DrawStore::NewDraw> draws = {{"08121", "527"}, {"08122", "507"},   {"08123", "507"},
                                                   {"08201", "000"}, {"2025216", "123"}, {"2025217", "129"}};
    for (DrawStore* store : {imported.get(), entered.get()})
        ASSERT_TRUE(enterDraw(*store, "08120", "520").stored()); // the previous draw of the first, stored before
    for (const auto& draw : draws)
        ASSERT_TRUE(enterDraw(*entered, draw.issue, draw.number).stored());

    const DrawStore::ImportCounts counts = imported->appendDraws(draws);
    EXPECT_EQ(counts.added, 6);
    EXPECT_EQ(counts.skipped, 0);
    EXPECT_EQ(imported->range("", "9"), entered->range("", "9"));
    EXPECT_EQ(imported->oneIssue("08121")->sameToLast, 2); // from the stored 08120
    EXPECT_EQ(imported->oneIssue("08123")->sameToLast, 3); // from 08122 earlier in the list
    EXPECT_EQ(imported->oneIssue("08201")->sameToLast, 0); // 08200 is not stored
}

TEST_F(DrawStoreImportTest, SkipsStoredIssuesAndUsesTheActiveTable)
{
    imported->setGame(Game::Ticai);
    ASSERT_TRUE(enterDraw(*imported, "08123", "507").stored());
    const auto counts = imported->appendDraws({{"08123", "111"}, {"08124", "222"}});
    EXPECT_EQ(counts.added, 1);
    EXPECT_EQ(counts.skipped, 1);
    EXPECT_EQ(imported->numberOfIssue("08123"), "507");
    imported->setGame(Game::Fucai);
    EXPECT_EQ(imported->count(), 0);
}

TEST_F(DrawStoreImportTest, CancelOrErrorLeavesNothingStored)
{
    std::vector<DrawStore::NewDraw> draws;
    for (int i = 0; i < 3 * DrawStore::kImportProgressStep; ++i)
        draws.push_back({QString::number(2025000 + i), "123"});
    QList<int> asked;
    const auto counts = imported->appendDraws(draws, [&](int done) {
        asked << done;
        return done < 2 * DrawStore::kImportProgressStep;
    });
    EXPECT_TRUE(counts.cancelled);
    EXPECT_EQ(counts.added, 0);
    EXPECT_EQ(asked, QList<int>({0, 1000, 2000}));
    EXPECT_EQ(imported->count(), 0);

    // A number the derivation refuses ends the import with its error, nothing kept.
    EXPECT_ANY_THROW(imported->appendDraws({{"08123", "507"}, {"08124", "5a7"}}));
    EXPECT_EQ(imported->count(), 0);
}

TEST_F(DrawStoreImportTest, DeferredSyncKeepsEachEntryCommitted)
{
    {
        DrawStore::DeferredSync sync(*imported);
        ASSERT_TRUE(enterDraw(*imported, "08123", "507").stored());
        EXPECT_TRUE(DrawStore(dir.file("a.mdb")).issueExists("08123")); // seen by another connection at once
        ASSERT_TRUE(enterDraw(*imported, "08124", "527").stored());
    }
    ASSERT_TRUE(enterDraw(*imported, "08125", "111").stored());
    imported.reset();
    EXPECT_EQ(DrawStore(dir.file("a.mdb")).count(), 3);
}

} // namespace
