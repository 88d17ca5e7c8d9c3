#include "core/DrawRecord.h"
#include "core/Myfunction.h"
#include "core/RangeStatistics.h"
#include "store/Database.h"
#include "store/DrawStore.h"
#include "tests/reference/PerCandidateQueries.h"
#include "tests/reference/RangeQueries.h"
#include "tests/reference/ReferenceStatistics.h"
#include "tests/support/TestDir.h"

#include <QSet>
#include <memory>
#include <random>

namespace {

struct Draw
{
    QString qs, number;
};

// The analysis columns of a history, written in one transaction: a few
// hundred draws in a blink.
void writeHistory(const QString& path, const std::vector<Draw>& draws)
{
    Database db(path, DrawStore::kKey);
    Transaction transaction(db);
    Statement insert(db, QStringLiteral("insert into fucai (qs, AllNumber, Asum, kuadu) values (?, ?, ?, ?)"));
    for (const Draw& d : draws) {
        int sum = 0;
        for (QChar c : d.number)
            sum += DigitValue(c);
        insert.bind(1, d.qs).bind(2, d.number).bind(3, sum).bind(4, SpanOf(d.number).toInt());
        insert.step();
        insert.reset();
    }
    transaction.commit();
}

class DrawStoreAnalysisTest : public ::testing::Test
{
protected:
    void open(const std::vector<Draw>& draws)
    {
        ASSERT_TRUE(DrawStore::createEmpty(path));
        writeHistory(path, draws);
        store = std::make_unique<DrawStore>(path);
    }

    TestDir dir;
    const QString path = dir.file(DrawStore::kFileName);
    std::unique_ptr<DrawStore> store;
};

// One random history, every range shape: each statistic read in one
// statement equals, row for row, the answer of one statement per candidate.
TEST_F(DrawStoreAnalysisTest, OneStatementEqualsOneStatementPerCandidate)
{
    std::mt19937 random(20261210);
    std::vector<Draw> draws;
    for (int i = 0; i < 800; ++i)
        draws.push_back({QStringLiteral("2025%1").arg(i + 1, 3, 10, QLatin1Char('0')),
                         QStringLiteral("%1").arg(random() % 1000, 3, 10, QLatin1Char('0'))});
    open(draws);
    const std::pair<QString, QString> ranges[] = {
        {draws.front().qs, draws.back().qs},   {"2025100", "2025350"}, {"", "2025040"},
        {"2025500", "2025100"} /* inverted */, {"2025777", "2025777"}, {"2025100", ""}};
    const Database reference(path, DrawStore::kKey);
    const QString table = store->table();
    for (const auto& [first, last] : ranges) {
        SCOPED_TRACE((first + ".." + last).toStdString());
        EXPECT_EQ(SumsNeverDrawn(drawnSums(reference, table, first, last)),
                  sumsNeverDrawnPerCandidate(reference, table, first, last));
        EXPECT_EQ(NumbersNeverDrawn(drawnNumbers(reference, table, first, last)),
                  numbersNeverDrawnPerCandidate(reference, table, first, last));
        EXPECT_EQ(digitDrawCounts(reference, table, first, last), digitDrawCountsPerCandidate(reference, table, first, last));
        EXPECT_EQ(RepeatedNumbers(store->issueNumbers(first, last)),
                  repeatedNumbersPerCandidate(reference, table, first, last));
        // The one pass over the range's numbers gives the same six statistics.
        const RangeStatistics once = rangeStatistics(store->issueNumbers(first, last));
        EXPECT_EQ(once.sumsNeverDrawn, SumsNeverDrawn(drawnSums(reference, table, first, last)));
        EXPECT_EQ(once.numbersNeverDrawn, NumbersNeverDrawn(drawnNumbers(reference, table, first, last)));
        EXPECT_EQ(once.digitCounts, digitDrawCounts(reference, table, first, last));
        EXPECT_EQ(once.sums, EveryValue(sumFrequency(reference, table, first, last), 0, kLargestSum));
        EXPECT_EQ(once.spans, EveryValue(spanFrequency(reference, table, first, last), 0, 9));
        int repeated = 0;
        for (const NumberRepeat& row : once.repeats)
            repeated += row.count;
        EXPECT_EQ(size_t(repeated), RepeatedNumbers(store->issueNumbers(first, last)).size());
    }
    // The full range repeats numbers; the comparison is not between two empty lists.
    EXPECT_GT(repeatedNumbersPerCandidate(reference, table, draws.front().qs, draws.back().qs).size(), 100u);
}

TEST_F(DrawStoreAnalysisTest, RepeatedNumbersKeepToTheRange)
{
    open({{"01", "123"}, {"02", "123"}, {"03", "456"}, {"04", "123"}});
    const std::vector<RepeatedDraw> expected{{"01", "123", 2}, {"02", "123", 2}};
    EXPECT_EQ(RepeatedNumbers(store->issueNumbers("01", "03")), expected);
}

TEST_F(DrawStoreAnalysisTest, FrequenciesAndRowsOfARange)
{
    open({{"01", "112"}, {"02", "990"}, {"03", "550"}, {"04", "000"}});
    const Database reference(path, DrawStore::kKey);
    const QString table = store->table();
    EXPECT_EQ(digitDrawCounts(reference, table, "01", "01"), (std::array{0, 1, 1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(sumFrequency(reference, table, "01", "04"), (std::vector<ValueCount>{{0, 1}, {4, 1}, {10, 1}, {18, 1}}));
    EXPECT_EQ(spanFrequency(reference, table, "", "04"), (std::vector<ValueCount>{{0, 1}, {1, 1}, {5, 1}, {9, 1}}));
    EXPECT_EQ(store->issueNumbers("02", "03"), (std::vector<IssueNumber>{{"02", "990"}, {"03", "550"}}));
    EXPECT_EQ(store->issueSpans("03", "09"), (std::vector<IssueValue>{{"03", 5}, {"04", 0}}));
    // An inverted range selects nothing.
    EXPECT_TRUE(store->issueNumbers("04", "01").empty());
    EXPECT_EQ(digitDrawCounts(reference, table, "04", "01"), (std::array<int, 10>{}));
    EXPECT_EQ(SumsNeverDrawn(drawnSums(reference, table, "04", "01")).size(), 28u);
}

} // namespace
