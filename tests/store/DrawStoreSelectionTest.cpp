#include "store/DrawStore.h"
#include "tests/support/TestDir.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

class DrawStoreSelectionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(DrawStore::createEmpty(dir.file(DrawStore::kFileName)));
        store = std::make_unique<DrawStore>(dir.file(DrawStore::kFileName));
        // Entered out of issue order on purpose.
        for (const auto& [issue, number] : {std::pair{"08003", "456"}, {"08001", "123"}, {"08002", "456"}})
            store->append(deriveDrawRecord(issue, number, QString()));
        store->setGame(Game::Ticai);
        store->append(deriveDrawRecord("08001", "999", QString()));
        store->setGame(Game::Fucai);
    }

    QStringList range(const QString& from, const QString& to) const
    {
        QStringList rows;
        for (const DrawnNumber& drawn : store->numbersInRange(from, to))
            rows << drawn.qs + "=" + drawn.allNumber;
        return rows;
    }

    TestDir dir;
    std::unique_ptr<DrawStore> store;
};

TEST_F(DrawStoreSelectionTest, NumbersOfARangeInIssueOrderBoundsIncluded)
{
    EXPECT_EQ(range("08001", "08003"), QStringList({"08001=123", "08002=456", "08003=456"}));
    EXPECT_EQ(range("08002", "08002"), QStringList({"08002=456"}));
    EXPECT_TRUE(range("08003", "08001").isEmpty());
    EXPECT_TRUE(range(QString(), QString()).isEmpty());
    store->setGame(Game::Ticai);
    EXPECT_EQ(range("08001", "08003"), QStringList({"08001=999"}));
}

TEST_F(DrawStoreSelectionTest, BoundsAreComparedAsText)
{
    // "8" sorts after "08003" as text, and a quote is only a character.
    EXPECT_EQ(range("08002", "8").size(), 2);
    EXPECT_TRUE(range("0' or '1'='1", "08000").isEmpty());
}

} // namespace
