#include "core/Myfunction.h"

#include "core/ConversionError.h"
#include "core/DrawLookup.h"

#include <QMap>
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct Properties
{
    const char* number;
    const char* span;
    int ac;
    int primes;
    const char* oddEven;
    const char* oddEvenRatio;
    const char* bigSmall;
    const char* bigSmallRatio;
};

// Stable test names: the number, not the bytes of the case.
void PrintTo(const Properties& p, std::ostream* out)
{
    *out << p.number;
}

class PropertiesTest : public ::testing::TestWithParam<Properties>
{
};

TEST_P(PropertiesTest, DerivesEveryProperty)
{
    const Properties& p = GetParam();
    const QString n = QString::fromUtf8(p.number);
    EXPECT_EQ(SpanOf(n), QString::fromUtf8(p.span));
    EXPECT_EQ(ACValueOf(n, 3), p.ac);
    EXPECT_EQ(PrimeCount(n), p.primes);
    EXPECT_EQ(OddEvenPattern(n), QString::fromUtf8(p.oddEven));
    EXPECT_EQ(OddEvenRatio(n), QString::fromUtf8(p.oddEvenRatio));
    EXPECT_EQ(BigSmallPattern(n), QString::fromUtf8(p.bigSmall));
    EXPECT_EQ(BigSmallRatio(n), QString::fromUtf8(p.bigSmallRatio));
}

INSTANTIATE_TEST_SUITE_P(Numbers, PropertiesTest,
                         ::testing::Values(Properties{"000", "0", 1, 0, "双双双", "0：3", "小小小", "0：3"},
                                           Properties{"159", "8", 2, 2, "单单单", "3：0", "小大大", "2：1"},
                                           Properties{"499", "5", 2, 0, "双单单", "2：1", "小大大", "2：1"},
                                           Properties{"507", "7", 3, 2, "单双单", "2：1", "大小大", "2：1"},
                                           Properties{"112", "1", 2, 3, "单单双", "2：1", "小小小", "0：3"},
                                           Properties{"123", "2", 2, 3, "单双单", "2：1", "小小小", "0：3"},
                                           Properties{"136", "5", 3, 2, "单单双", "2：1", "小小大", "1：2"},
                                           Properties{"930", "9", 3, 1, "单单双", "2：1", "大小小", "1：2"}));

TEST(NumberProperties, SpanReadsOnlyTheFirstThreeDigits)
{
    // d3 between max and min must not move either bound.
    EXPECT_EQ(SpanOf("915"), "8");
    EXPECT_EQ(SpanOf("195"), "8");
    EXPECT_EQ(SpanOf("5190"), "8");
}

TEST(NumberProperties, NonDigitIsAConversionErrorWhereDigitsConvert)
{
    EXPECT_THROW(SpanOf("1a3"), ConversionError);
    EXPECT_THROW(OddEvenPattern("1a3"), ConversionError);
    EXPECT_THROW(BigSmallRatio("12x"), ConversionError);
    EXPECT_THROW(ACValueOf("1 3", 3), ConversionError);
    EXPECT_THROW(SpanOf("12"), ConversionError);
    // Counting functions skip what they do not count.
    EXPECT_EQ(PrimeCount("1a3"), 2);
    EXPECT_TRUE(Route0CountInRange("0x9", "2", "2"));
    try {
        SpanOf("1a3");
    } catch (const ConversionError& e) {
        EXPECT_TRUE(e.text().contains("a"));
    }
}

TEST(NumberProperties, AcValueOfFewerThanTwoDigitsIsZero)
{
    EXPECT_EQ(ACValueOf("123", 1), 0);
    EXPECT_EQ(ACValueOf("123", 0), 0);
}

TEST(RangeTests, StartAndCount)
{
    EXPECT_FALSE(ValueInRange(5, 5, -1)); // a negative count accepts nothing
    EXPECT_TRUE(ValueInRange(5, 5, 0));   // count 0 accepts exactly start
    EXPECT_FALSE(ValueInRange(6, 5, 0));
    EXPECT_TRUE(ValueInRange(7, 5, 2));
    EXPECT_FALSE(ValueInRange(4, 5, 2));
    EXPECT_TRUE(ACValueInRange("136", 3, 0, 3));
    EXPECT_FALSE(ACValueInRange("123", 3, 0, 3));
    EXPECT_TRUE(OddCountInRange("159", 3, 0));
    EXPECT_FALSE(OddCountInRange("159", 0, 2));
    EXPECT_TRUE(BigCountInRange("159", 1, 1));
    EXPECT_FALSE(BigCountInRange("000", 1, 2));
}

TEST(RangeTests, LowAndHighTexts)
{
    int spanThree = 0;
    for (int n = 0; n < 1000; ++n) {
        const QString number = QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
        const bool accepted = SpanInRange(number, "3", "3");
        EXPECT_EQ(accepted, SpanOf(number) == "3") << number.toStdString();
        spanThree += accepted ? 1 : 0;
    }
    EXPECT_GT(spanThree, 0);
    EXPECT_TRUE(Route0CountInRange("369", "3", "3"));
    EXPECT_FALSE(Route0CountInRange("368", "3", "3"));
    EXPECT_TRUE(Route1CountInRange("147", "2", "3"));
    EXPECT_FALSE(Route1CountInRange("258", "1", "3"));
    EXPECT_TRUE(PrimeCountInRange("159", "2", "2"));
    EXPECT_FALSE(PrimeCountInRange("159", "3", "1")); // empty range
    EXPECT_THROW(PrimeCountInRange("159", "x", "2"), ConversionError);
}

class MapLookup : public DrawLookup
{
public:
    QMap<QString, QString> draws; // issue -> number, in issue order
    mutable int reads = 0;
    QString latestNumber() const override
    {
        ++reads;
        return draws.isEmpty() ? QString() : draws.last();
    }
    QString numberOfIssue(const QString& issue) const override
    {
        ++reads;
        return draws.value(issue);
    }
};

TEST(SameToLast, ComparesPositionByPosition)
{
    MapLookup store;
    EXPECT_EQ(SameToLastCount("123", "321", "", store), 1);
    EXPECT_EQ(SameToLastCount("123", "123", "", store), 3);
    EXPECT_EQ(SameToLastCount("507", "527", "", store), 2);
    EXPECT_EQ(store.reads, 0); // a given previous number never reads the store
}

TEST(SameToLast, ReadsTheStoreWithoutPreviousNumber)
{
    MapLookup store;
    EXPECT_EQ(SameToLastCount("123", "", "", store), 0); // empty table
    store.draws = {{"08121", "123"}, {"08122", "527"}};
    EXPECT_EQ(SameToLastCount("527", "", "", store), 3);      // latest draw
    EXPECT_EQ(SameToLastCount("123", "", "08121", store), 3); // that issue's draw
    EXPECT_EQ(SameToLastCount("123", "", "07999", store), 0); // issue not stored
    EXPECT_TRUE(SameToLastInRange("520", "", 2, 0, store));
    EXPECT_FALSE(SameToLastInRange("520", "", 0, 1, store));
}

} // namespace
