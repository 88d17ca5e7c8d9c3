// What the history grid and the charts read: pages of a range, the thirty
// hit counts in one statement, the chart points and the packed issue list.
#include "store/Database.h"
#include "store/DrawStore.h"
#include "tests/support/TestDir.h"

#include <algorithm>
#include <memory>
#include <numeric>
#include <random>

namespace {

class DrawStoreWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(DrawStore::createEmpty(dir.file(DrawStore::kFileName)));
        store = std::make_unique<DrawStore>(dir.file(DrawStore::kFileName));
    }
    // `count` random draws with issues 2025001 on; returns the issues.
    QStringList fill(int count, unsigned seed)
    {
        std::mt19937 random(seed);
        QStringList issues;
        for (int i = 0; i < count; ++i) {
            issues << QString::number(2025001 + i);
            const QString number = QStringLiteral("%1").arg(random() % 1000, 3, 10, QLatin1Char('0'));
            store->append(deriveDrawRecord(issues.last(), number, QString()));
        }
        return issues;
    }
    // One counting statement per column, as a plain reference.
    int countOne(const QString& column, const QString& start, const QString& end)
    {
        Database db(dir.file(DrawStore::kFileName), DrawStore::kKey);
        Statement query(db, QStringLiteral("select count(%1) from fucai where qs>=? and qs<=?").arg(column));
        query.bind(1, start).bind(2, end);
        return query.step() ? query.integer(0) : -1;
    }

    TestDir dir;
    std::unique_ptr<DrawStore> store;
};

TEST_F(DrawStoreWindowTest, HitCountsEqualOneCountPerColumn)
{
    const QStringList issues = fill(300, 7);
    const struct
    {
        QString start, end;
    } ranges[] = {{issues[10], issues[250]}, {issues[0], issues[299]}, {issues[200], issues[100]}, {"2026", "2027"}};
    for (const auto& range : ranges) {
        const auto counts = store->hitCounts(range.start, range.end, "qs", 3, "fucai");
        for (int i = 0; i < kHitColumnCount; ++i)
            EXPECT_EQ(counts[size_t(i)], countOne(drawColumns()[1 + i], range.start, range.end))
                << range.start.toStdString() << " " << i;
    }
    // An empty start counts the whole table, whatever the end.
    const auto all = store->hitCounts("", issues[5], "qs", 3, "fucai");
    EXPECT_EQ(all[0] + all[1] + all[2] + all[3] + all[4] + all[5] + all[6] + all[7] + all[8] + all[9], 300);
    // Fewer positions leave the rest at zero; the other game's table is apart.
    const auto first = store->hitCounts(issues[0], issues[299], "qs", 1, "fucai");
    EXPECT_EQ(std::accumulate(first.begin(), first.begin() + 10, 0), 300);
    EXPECT_EQ(std::accumulate(first.begin() + 10, first.end(), 0), 0);
    const auto other = store->hitCounts("", "", "qs", 3, "ticai");
    EXPECT_EQ(std::accumulate(other.begin(), other.end(), 0), 0);
}

TEST_F(DrawStoreWindowTest, NamesThatAreNotOursAreRefused)
{
    fill(3, 1);
    EXPECT_THROW(store->hitCounts("1", "2", "qs", 3, "fucai; drop table fucai"), DatabaseError);
    EXPECT_THROW(store->hitCounts("1", "2", "qs or 1=1 --", 3, "fucai"), DatabaseError);
    EXPECT_EQ(store->count(), 3);
}

TEST_F(DrawStoreWindowTest, PagesOfARangeMatchTheWholeRange)
{
    const QStringList issues = fill(40, 3);
    EXPECT_EQ(store->rangeCount(issues[5], issues[34]), 30);
    EXPECT_EQ(store->rangeCount(issues[34], issues[5]), 0);
    EXPECT_EQ(store->rangeCount("", issues[9]), 10);
    const auto whole = store->range(issues[5], issues[34]);
    std::vector<DrawRecord> paged;
    for (int offset = 0; offset < 30; offset += 7)
        for (DrawRecord& r : store->rangePage(issues[5], issues[34], false, offset, 7))
            paged.push_back(std::move(r));
    EXPECT_EQ(paged, whole);
    const auto lastDescending = store->rangePage(issues[5], issues[34], true, 29, 5);
    ASSERT_EQ(lastDescending.size(), 1u);
    EXPECT_EQ(lastDescending[0].qs, issues[5]);

    const auto points = store->rangePoints(issues[5], issues[6]);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[1].qs, whole[1].qs);
    EXPECT_EQ(points[1].allNumber, whole[1].allNumber);
    EXPECT_EQ(points[1].asum, whole[1].asum);

    const IssueList packed = store->packedIssueList();
    ASSERT_EQ(packed.size(), 40);
    EXPECT_EQ(packed.at(0), issues[0]);
    EXPECT_EQ(packed.last(), issues[39]);
}

// Read straight through when the range covers most of the table, yet always
// in issue order, even for draws stored out of order.
TEST_F(DrawStoreWindowTest, NumberValuesComeInIssueOrder)
{
    const QStringList numbers{"305", "917", "000", "999", "12x"};
    const QStringList issues{"2025004", "2025002", "2025001", "2025005", "2025003"};
    for (int i = 0; i < issues.size(); ++i) {
        DrawRecord record = i == 4 ? DrawRecord{} : deriveDrawRecord(issues[i], numbers[i], QString());
        record.qs = issues[i];
        record.allNumber = numbers[i];
        store->append(record);
    }
    EXPECT_EQ(store->rangeNumberValues("", "9"), (std::vector<short>{0, 917, -1, 305, 999}));
    EXPECT_EQ(store->rangeNumberValues("2025002", "2025003"), (std::vector<short>{917, -1}));
    EXPECT_TRUE(store->rangeNumberValues("2025004", "2025002").empty());
}

// Range bounds are compared as text and bound, never spliced: quotes,
// wildcards, statement separators and long or non-ASCII texts select by
// their text order and change nothing.
TEST_F(DrawStoreWindowTest, HostileBoundsAreOnlyText)
{
    const QStringList issues = fill(20, 11);
    const std::vector<DrawRecord> before = store->allRecords();
    const QString hostile[] = {"'",  "' or '1'='1",    "2025001'; delete from fucai; --", "%",
                               "_",  "2025%",          QString(100000, QLatin1Char('9')), "二〇二五",
                               "\\", QString(QChar(0))};
    for (const QString& text : hostile) {
        SCOPED_TRACE(text.left(30).toStdString());
        const qsizetype expected =
            std::count_if(issues.begin(), issues.end(), [&](const QString& i) { return i <= text; });
        EXPECT_EQ(store->rangeCount("", text), expected);
        EXPECT_EQ(store->rangePage(text, text, false, 0, 10).size(), 0u);
        EXPECT_EQ(store->rangePoints(issues[0], text).size(), size_t(expected));
        EXPECT_EQ(store->rangeNumberValues(text, "9").size(),
                  size_t(std::count_if(issues.begin(), issues.end(), [&](const QString& i) { return i >= text; })));
        const auto counts = store->hitCounts(text, issues[19], "qs", 3, "fucai");
        EXPECT_GE(std::accumulate(counts.begin(), counts.end(), 0), 0);
    }
    EXPECT_EQ(store->allRecords(), before);
}

} // namespace
