#include "core/HistoryAnalysis.h"

#include "core/ConversionError.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct Relation
{
    const char* previous;
    const char* current;
    int rise, far, fall;
};

// Stable test names: the draw, not the bytes of the case.
void PrintTo(const Relation& r, std::ostream* out)
{
    *out << r.previous << "->" << r.current;
}

class RelationTest : public ::testing::TestWithParam<Relation>
{
};

TEST_P(RelationTest, CountsEachPositionOnce)
{
    const Relation& r = GetParam();
    EXPECT_EQ(RiseByOneCount(r.current, r.previous), r.rise);
    EXPECT_EQ(FarDigitCount(r.current, r.previous), r.far);
    EXPECT_EQ(FallByOneCount(r.current, r.previous), r.fall);
}

INSTANTIATE_TEST_SUITE_P(Draws, RelationTest,
                         ::testing::Values(Relation{"123", "234", 3, 2, 1}, Relation{"000", "111", 3, 0, 0},
                                           // 9 finds 7 two away; 0 finds nothing one away.
                                           Relation{"777", "900", 0, 3, 0},
                                           // Some digit far is enough, not all of them.
                                           Relation{"159", "555", 0, 3, 0}, Relation{"345", "345", 2, 2, 2}));

struct Classes
{
    const char* number;
    const char* bits;
    int odd, even, big, small, bigOdd, smallOdd, bigEven, smallEven;
    int bigSum, smallSum, oddSum, evenSum, sum;
};

void PrintTo(const Classes& c, std::ostream* out)
{
    *out << c.number;
}

class ClassesTest : public ::testing::TestWithParam<Classes>
{
};

TEST_P(ClassesTest, CountsAndSumsTheDigitClasses)
{
    const Classes& c = GetParam();
    const QString n = QString::fromLatin1(c.number);
    EXPECT_EQ(OddEvenBits(n), QString::fromLatin1(c.bits));
    EXPECT_EQ((std::array{OddDigitCount(n), EvenDigitCount(n), BigDigitCount(n), SmallDigitCount(n)}),
              (std::array{c.odd, c.even, c.big, c.small}));
    EXPECT_EQ((std::array{BigOddCount(n), SmallOddCount(n), BigEvenCount(n), SmallEvenCount(n)}),
              (std::array{c.bigOdd, c.smallOdd, c.bigEven, c.smallEven}));
    EXPECT_EQ((std::array{BigDigitSum(n), SmallDigitSum(n), OddDigitSum(n), EvenDigitSum(n), DigitSum(n)}),
              (std::array{c.bigSum, c.smallSum, c.oddSum, c.evenSum, c.sum}));
}

INSTANTIATE_TEST_SUITE_P(Numbers, ClassesTest,
                         ::testing::Values(Classes{"550", "110", 2, 1, 2, 1, 2, 0, 0, 1, 10, 0, 10, 0, 10},
                                           Classes{"123", "101", 2, 1, 0, 3, 0, 2, 0, 1, 0, 6, 4, 2, 6},
                                           Classes{"968", "100", 1, 2, 3, 0, 1, 0, 2, 0, 23, 0, 9, 14, 23},
                                           Classes{"000", "000", 0, 3, 0, 3, 0, 0, 0, 3, 0, 0, 0, 0, 0}));

TEST(HistoryAnalysis, MeanRoundsTheSumOverThree)
{
    EXPECT_EQ(RoundedMean(14), 5);
    EXPECT_EQ(RoundedMean(13), 4);
    EXPECT_EQ(RoundedMean(0), 0);
    EXPECT_EQ(RoundedMean(27), 9);
}

TEST(HistoryAnalysis, RowsRelateEachDrawToThePreviousOneInTheRange)
{
    const auto rows = AnalyseHistory({{"1", "123"}, {"2", "234"}, {"3", "550"}});
    ASSERT_EQ(rows.size(), 3u);
    QStringList first, second, third;
    for (int column = kFirstComputedColumn; column < kAnalysisColumnCount; ++column) {
        first << AnalysisColumnText(rows[0], column);
        second << AnalysisColumnText(rows[1], column);
        third << AnalysisColumnText(rows[2], column);
    }
    // The first draw of a range has no previous draw: its relations are 0.
    EXPECT_EQ(first.mid(0, 5), QStringList({"0", "0", "0", "0", "0"}));
    EXPECT_EQ(second.mid(0, 5), QStringList({"3", "2", "1", "3", "4"}));
    // Columns 7..22 of "550".
    EXPECT_EQ(third.mid(5),
              QStringList({"2", "1", "110", "2", "0", "0", "1", "2", "1", "10", "0", "10", "0", "2", "10", "3"}));
    // An odd/even pattern keeps its leading zeros.
    EXPECT_EQ(AnalysisColumnText(AnalyseHistory({{"1", "011"}})[0], 9), "011");
}

TEST(HistoryAnalysis, NonDigitIsAConversionError)
{
    EXPECT_THROW(AnalyseHistory({{"1", "1a2"}}), ConversionError);
}

} // namespace
