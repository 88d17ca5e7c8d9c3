#include "core/DrawRecord.h"

#include "core/ConversionError.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(DrawRecord, DerivesEveryColumnOfTheEnteredDraw)
{
    const DrawRecord r = deriveDrawRecord("08123", "507", "");
    EXPECT_EQ(r.qs, "08123");
    for (int i = 0; i < kHitColumnCount; ++i) {
        const QString expected = i == 5 ? "5" : i == 10 ? "0" : i == 27 ? "7" : QString();
        EXPECT_EQ(r.hits[i], expected) << drawColumns()[1 + i].toStdString();
        EXPECT_EQ(r.hits[i].isNull(), expected.isNull());
    }
    EXPECT_EQ(r.asum, 12);
    EXPECT_EQ(r.ascale, "2：1");
    EXPECT_EQ(r.alarge, "2：1");
    EXPECT_EQ(r.acValue, 3);
    EXPECT_EQ(r.kuadu, 7);
    EXPECT_EQ(r.zhishu, 2);
    EXPECT_EQ(r.singleString, "单双单");
    EXPECT_EQ(r.largeString, "大小大");
    EXPECT_EQ(r.allNumber, "507");
    EXPECT_EQ(r.sameToLast, 0);
}

TEST(DrawRecord, SameToLastComesFromThePreviousNumber)
{
    EXPECT_EQ(deriveDrawRecord("08123", "507", "527").sameToLast, 2);
    EXPECT_EQ(deriveDrawRecord("08123", "507", "507").sameToLast, 3);
}

TEST(DrawRecord, RefusesWhatIsNotThreeDigits)
{
    for (const char* bad : {"5a7", "50", "5077", "", " 07", "５07"})
        EXPECT_THROW(deriveDrawRecord("08123", QString::fromUtf8(bad), ""), ConversionError) << bad;
}

TEST(DrawRecord, ColumnsInStoredOrder)
{
    const QStringList& c = drawColumns();
    ASSERT_EQ(c.size(), 41);
    EXPECT_EQ(c.first(), "qs");
    EXPECT_EQ(c[1], "A10");
    EXPECT_EQ(c[30], "A39");
    EXPECT_EQ(c.mid(31), QStringList({"Asum", "Ascale", "Alarge", "ACValue", "SameToLast", "kuadu", "zhishu",
                                      "AllNumber", "SingleString", "LargeString"}));
}

} // namespace
