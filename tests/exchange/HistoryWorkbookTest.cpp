#include "exchange/HistoryWorkbook.h"

#include "core/DrawRecord.h"
#include "tests/exchange/XlsxSheet.h"
#include "tests/support/TestDir.h"

#include <QScopeGuard>
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

// The workbook goes into a folder of the temporary folder that only this
// user may enter; a folder others may enter under its name is not used.
TEST(HistoryWorkbook, ExportPathNamesTheRangeInAPrivateTemporaryFolder)
{
    TestDir dir;
    const QByteArray oldTemp = qgetenv("TMPDIR");
    const auto restore = qScopeGuard([&] { qputenv("TMPDIR", oldTemp); });
    qputenv("TMPDIR", dir.path().toUtf8());

    const QString path = HistoryWorkbook::exportPath("08001", "08123");
    const QFileInfo folder(QFileInfo(path).path());
    EXPECT_EQ(folder.path(), QDir::cleanPath(dir.path())) << path.toStdString();
    EXPECT_EQ(folder.permissions() & (QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther), 0);
    EXPECT_TRUE(path.endsWith("/历史数据_08001_08123.xlsx"));
    EXPECT_EQ(HistoryWorkbook::exportPath("08001", "08123"), path) << "the same folder each time";
    EXPECT_EQ(QFileInfo(HistoryWorkbook::exportPath("../x", "y/z")).path(), folder.filePath());

    // Someone else's open folder under that name is passed over.
    ASSERT_TRUE(QDir().rmdir(folder.filePath()));
    ASSERT_TRUE(QDir().mkpath(folder.filePath()));
    QFile::setPermissions(folder.filePath(), QFile::Permissions(0x7777));
    const QString other = HistoryWorkbook::exportPath("08001", "08123");
    EXPECT_NE(QFileInfo(other).path(), folder.filePath());
    EXPECT_EQ(QFileInfo(QFileInfo(other).path()).permissions() & (QFile::ReadOther | QFile::ExeOther), 0);
}

TEST(HistoryWorkbook, UnwritableFolderIsAnError)
{
    TestDir dir;
    EXPECT_THROW(writeHistoryWorkbook(dir.file("missing/folder/out.xlsx"), {deriveDrawRecord("1", "123", "")}),
                 ExportError);
}

} // namespace
