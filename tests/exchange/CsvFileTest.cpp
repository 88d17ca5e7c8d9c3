#include "exchange/CsvFile.h"

#include "tests/support/TestDir.h"

#include <gtest/gtest.h>

namespace {

// A cell a spreadsheet would run as a formula is written as text; numbers,
// negative returns and percentages included, are written as they are.
TEST(CsvFileTest, FormulaLikeCellsAreGuardedAndNumbersAreNot)
{
    struct Case
    {
        const char* cell;
        const char* written;
    };
    const Case cases[] = {
        {"=HYPERLINK(\"http://x\")", "'=HYPERLINK(\"http://x\")"},
        {"+1+cmd", "'+1+cmd"},
        {"-2+3", "'-2+3"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"-3", "-3"},
        {"+0.5", "+0.5"},
        {"-12.5%", "-12.5%"},
        {"2025001", "2025001"},
        {"组选3", "组选3"},
        {"", ""},
    };
    TestDir dir;
    QList<QStringList> rows;
    for (const Case& c : cases)
        rows << QStringList{QString::fromUtf8(c.cell)};
    writeCsv(dir.file("t.csv"), {"=标题"}, rows);
    const QList<QStringList> read = readCsv(dir.file("t.csv"));
    ASSERT_EQ(read.size(), std::size(cases) + 1);
    EXPECT_EQ(read[0], QStringList{"'=标题"});
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(read[qsizetype(i) + 1], QStringList{QString::fromUtf8(cases[i].written)}) << cases[i].cell;
}

} // namespace
