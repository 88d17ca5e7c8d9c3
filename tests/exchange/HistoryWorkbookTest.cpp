#include "exchange/HistoryWorkbook.h"

#include "core/DrawRecord.h"
#include "tests/exchange/XlsxSheet.h"
#include "tests/support/FolderPermissions.h"
#include "tests/support/ScratchMount.h"
#include "tests/support/TestDir.h"

#include <QScopeGuard>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

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

std::vector<DrawRecord> someDraws(int count)
{
    std::vector<DrawRecord> draws;
    for (int i = 0; i < count; ++i)
        draws.push_back(deriveDrawRecord(QString::number(2025001 + i % 366), "507", ""));
    return draws;
}

// What may stand under <tmp>/quorvane-<uid> when someone else got there
// first. The export goes into a fresh folder of its own, and when it cannot
// make one, refuses; nothing is ever written into or through what stands there.
TEST(HistoryWorkbook, SquattedPrivateFolderIsNeverWrittenInto)
{
    struct Squat
    {
        const char* name;
        std::function<bool(const QString& at, const QString& elsewhere)> plant;
    };
    const Squat squats[] = {
        {"a link to another folder", [](const QString& at, const QString& elsewhere) { return QFile::link(elsewhere, at); }},
        {"a folder others may enter",
         [](const QString& at, const QString&) {
             return QDir().mkdir(at) && chmod(QFile::encodeName(at).constData(), 0777) == 0;
         }},
        {"another user's folder",
         [](const QString& at, const QString&) {
             return QDir().mkdir(at) && chmod(QFile::encodeName(at).constData(), 0700) == 0 &&
                    chown(QFile::encodeName(at).constData(), getuid() + 4242, getgid()) == 0;
         }},
    };
    for (const Squat& squat : squats) {
        SCOPED_TRACE(squat.name);
        TestDir dir;
        const QString root = dir.file("tmp");
        const QString elsewhere = dir.file("elsewhere");
        ASSERT_TRUE(QDir().mkpath(root) && QDir().mkpath(elsewhere));
        const QString own = root + QStringLiteral("/quorvane-%1").arg(getuid());
        if (!squat.plant(own, elsewhere)) {
            ADD_FAILURE() << "cannot plant (needs root for another user's folder)";
            continue;
        }
        const auto untouched = [&] {
            EXPECT_TRUE(QDir(elsewhere).isEmpty());
            EXPECT_TRUE(QDir(own).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
        };
        {
            // No fresh folder can be made either: a refusal that says so.
            const ReadOnlyFolder readOnly(root);
            try {
                HistoryWorkbook::exportPath("2025001", "2025003", root);
                ADD_FAILURE() << "a folder was given";
            } catch (const ExportError& error) {
                EXPECT_TRUE(error.text().contains("无法导出")) << error.text().toStdString();
            }
        }
        untouched();
        const QString path = HistoryWorkbook::exportPath("2025001", "2025003", root);
        EXPECT_NE(QFileInfo(path).path(), own);
        writeHistoryWorkbook(path, someDraws(3));
        EXPECT_EQ(readFirstSheet(path).size(), 4 * 5);
        untouched();
    }
}

// A link under the workbook's own name is replaced, never written through.
TEST(HistoryWorkbook, LinkUnderTheFilesNameIsNotFollowed)
{
    TestDir dir;
    dir.write("victim.txt", "someone else's");
    ASSERT_TRUE(QFile::link(dir.file("victim.txt"), dir.file("out.xlsx")));
    writeHistoryWorkbook(dir.file("out.xlsx"), someDraws(2));
    EXPECT_EQ(dir.read("victim.txt"), "someone else's");
    EXPECT_FALSE(QFileInfo(dir.file("out.xlsx")).isSymLink());
    EXPECT_EQ(readFirstSheet(dir.file("out.xlsx")).size(), 3 * 5);
}

// On a full disk the export says so and leaves no piece behind.
TEST(HistoryWorkbook, FullDiskLeavesNothingHalfWritten)
{
    TestDir dir;
    const QString root = dir.file("tmp");
    ASSERT_TRUE(QDir().mkpath(root));
    const ScratchMount disk(root, 256);
    if (!disk.available())
        GTEST_SKIP() << "no rights to mount a small file system";
    const QString path = HistoryWorkbook::exportPath("2025001", "2025366", root);
    QFile filler(root + "/filler");
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
    filler.close();
    try {
        writeHistoryWorkbook(path, someDraws(5000));
        ADD_FAILURE() << "written";
    } catch (const ExportError& error) {
        EXPECT_TRUE(error.text().contains("磁盘空间不足")) << error.text().toStdString();
    }
    EXPECT_TRUE(QDir(QFileInfo(path).path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
}

TEST(HistoryWorkbook, UnwritableFolderIsAnError)
{
    TestDir dir;
    EXPECT_THROW(writeHistoryWorkbook(dir.file("missing/folder/out.xlsx"), {deriveDrawRecord("1", "123", "")}),
                 ExportError);
}

} // namespace
