#include "store/RangeOmission.h"

#include "store/RangeTrend.h"
#include "tests/support/TestDir.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

// 000 once at the start, then 2,999 draws without a 0: what the last draws
// carry in lies further back than the first reads go.
class RangeOmissionTest : public ::testing::Test
{
protected:
    RangeOmissionTest()
    {
        EXPECT_TRUE(DrawStore::createEmpty(dir.file(DrawStore::kFileName)));
        store = std::make_unique<DrawStore>(dir.file(DrawStore::kFileName));
        std::vector<DrawStore::NewDraw> draws{{issue(0), QStringLiteral("000")}};
        for (int i = 1; i < kDraws; ++i)
            draws.push_back({issue(i), QStringLiteral("%1%2%3").arg(1 + i % 9).arg(1 + i / 9 % 9).arg(1 + i / 81 % 9)});
        EXPECT_EQ(store->appendDraws(draws).added, kDraws);
    }
    static QString issue(int i) { return QString::number(2000001 + i); }

    static constexpr int kDraws = 3000;
    TestDir dir;
    std::unique_ptr<DrawStore> store;
};

TEST_F(RangeOmissionTest, EveryWindowCarriesInFromFarBack)
{
    const QString first = issue(kDraws - 5), last = issue(kDraws - 1);
    const int since = kDraws - 1; // draws after the 000, all missing a 0

    const RangeTrend grid = readRangeTrend(*store, first, last);
    EXPECT_EQ(grid.figures.current[0], since);
    EXPECT_EQ(grid.figures.longestOmission[0], since);
    EXPECT_EQ(grid.cells.at(0, 0), since - 4);

    const auto positions = readPositionOmission(*store, first, last);
    EXPECT_EQ(positions[0].current, since);             // 百位0
    EXPECT_EQ(positions[30 + 3 + 0].current, since);    // 和值0
    EXPECT_DOUBLE_EQ(positions[30 + 3 + 0].average, 5); // within the range: 5 / 1

    const OmissionTable digits = readOmissionTable(*store, first, last);
    ASSERT_EQ(digits.omissions.size(), 5u);
    EXPECT_EQ(digits.omissions.front()[0], since - 4);
    EXPECT_EQ(digits.omissions.back()[0], since);
    EXPECT_EQ(digits.largest[0], since);
    EXPECT_EQ(digits.average[0], 5);
}

// A range without draws carries nothing in: nothing is shown for it.
TEST_F(RangeOmissionTest, AnEmptyRangeCarriesNothingIn)
{
    const QString first = issue(kDraws - 1), last = issue(kDraws - 5);
    EXPECT_EQ(readRangeTrend(*store, first, last).figures.current[0], 0);
    for (const OmissionFigures& f : readPositionOmission(*store, first, last))
        EXPECT_EQ(f.current, 0) << f.group.toStdString() << f.item.toStdString();
    EXPECT_TRUE(readOmissionTable(*store, first, last).omissions.empty());
}

} // namespace
