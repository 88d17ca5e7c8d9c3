#include "exchange/HistoryWorkbook.h"

#include "core/DrawRecord.h"
#include "tests/exchange/XlsxSheet.h"
#include "tests/support/TestDir.h"

#include <gtest/gtest.h>

namespace {

TEST(HistoryWorkbook, TitlesThenOneTextRowPerDraw)
{
    TestDir dir;
    const std::vector<DrawRecord> draws = {deriveDrawRecord("08123", "012", ""),
                                           deriveDrawRecord("08124", "999", "012"),
                                           deriveDrawRecord("2025001", "507", "")};
    const QString path = dir.file("out.xlsx");
    writeHistoryWorkbook(path, draws);

    const QMap<QString, XlsxCell> cells = readFirstSheet(path);
    const QStringList expected[] = {{"期数", "第一位", "第二位", "第三位", "总和"},
                                    {"08123", "0", "1", "2", "3"},
                                    {"08124", "9", "9", "9", "27"},
                                    {"2025001", "5", "0", "7", "12"}};
    ASSERT_EQ(cells.size(), 4 * 5); // n draws fill n + 1 rows, five columns, nothing else
    for (int row = 1; row <= 4; ++row)
        for (int column = 1; column <= 5; ++column) {
            const XlsxCell cell = cells.value(cellRef(row, column));
            EXPECT_EQ(cell.text, expected[row - 1][column - 1]) << cellRef(row, column).toStdString();
            EXPECT_TRUE(cell.type == "inlineStr" || cell.type == "s")
                << "not text: " << cellRef(row, column).toStdString();
        }
}

TEST(HistoryWorkbook, ExportPathNamesTheRangeInTheTemporaryFolder)
{
    const QString path = HistoryWorkbook::exportPath("08001", "08123");
    EXPECT_TRUE(path.startsWith(QDir::tempPath()));
    EXPECT_TRUE(path.endsWith("08001_08123.xlsx"));
    EXPECT_FALSE(HistoryWorkbook::exportPath("../x", "y/z").mid(QDir::tempPath().size() + 1).contains('/'));
}

TEST(HistoryWorkbook, UnwritableFolderIsAnError)
{
    TestDir dir;
    EXPECT_THROW(writeHistoryWorkbook(dir.file("missing/folder/out.xlsx"), {deriveDrawRecord("1", "123", "")}),
                 ExportError);
}

} // namespace
