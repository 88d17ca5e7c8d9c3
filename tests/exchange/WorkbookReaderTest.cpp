// Draws read back from .xlsx workbooks: our own export, and sheets as other
// spreadsheet programs write them (shared strings, inline strings, numbers).
#include "exchange/WorkbookReader.h"
#include "exchange/HistoryFile.h"

#include "core/DrawRecord.h"
#include "exchange/HistoryImport.h"
#include "exchange/HistoryWorkbook.h"
#include "tests/exchange/ZipFixture.h"
#include "tests/support/TestDir.h"

#include <gtest/gtest.h>

namespace {

QStringList drawsOf(const ImportFile& file)
{
    QStringList draws;
    for (const ImportLine& line : file.draws)
        draws << QStringLiteral("%1:%2 %3").arg(line.line).arg(line.issue, line.number);
    return draws;
}

TEST(WorkbookReader, TheExportComesBackAsTheSameDraws)
{
    TestDir dir;
    std::vector<DrawRecord> exported;
    QString previous;
    for (int i = 0; i < 300; ++i) {
        const QString number = QStringLiteral("%1").arg((i * 37) % 1000, 3, 10, QLatin1Char('0'));
        exported.push_back(deriveDrawRecord(QString::number(2025001 + i), number, previous));
        previous = number;
    }
    writeHistoryWorkbook(dir.file("历史数据.xlsx"), exported);

    ASSERT_TRUE(DrawStore::createEmpty(dir.file("db1.mdb")));
    DrawStore store(dir.file("db1.mdb"));
    const ImportPlan plan = planImport(readImportFile(dir.file("历史数据.xlsx"), Game::Fucai), store.issueWidth());
    EXPECT_TRUE(plan.bad.empty());
    EXPECT_EQ(runImport(store, plan).added, 300);
    const std::vector<DrawRecord> stored = store.range(QString(), QStringLiteral("9"));
    ASSERT_EQ(stored.size(), exported.size());
    for (size_t i = 0; i < stored.size(); ++i) {
        EXPECT_EQ(stored[i].qs, exported[i].qs);
        EXPECT_EQ(stored[i].allNumber, exported[i].allNumber);
        EXPECT_EQ(stored[i].sameToLast, exported[i].sameToLast);
    }
}

// A sheet as a spreadsheet program saves it: the first sheet is not named
// sheet1.xml, texts are shared (one with a phonetic run) or inline, numbers
// are numbers, empty cells are left out, and the 试机号 column comes first.
TEST(WorkbookReader, ReadsSharedInlineAndNumberCells)
{
    const QByteArray shared = "<si><t>期号</t></si><si><t>试机号</t></si><si><r><t>开奖</t></r><r><t>号码</t></r>"
                              "<rPh><t>かいしょう</t></rPh></si><si><t>2025219</t></si><si><t>0 7 3</t></si>";
    const QByteArray rows =
        "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c>"
        "<c r=\"C1\" t=\"s\"><v>2</v></c><c r=\"D1\" t=\"inlineStr\"><is><t>开奖日期</t></is></c></row>"
        "<row r=\"2\"><c r=\"A2\"><v>2025217</v></c><c r=\"B2\"><v>123</v></c><c r=\"C2\"><v>73</v></c>"
        "<c r=\"D2\" s=\"1\"><v>45885</v></c></row>"
        "<row r=\"4\"><c r=\"A4\" t=\"n\"><v>2.025218E6</v></c><c r=\"B4\" t=\"inlineStr\"><is><t>456</t></is></c>"
        "<c r=\"C4\" t=\"inlineStr\"><is><t>7</t></is></c></row>"
        "<row r=\"5\"><c r=\"A5\" t=\"s\"><v>3</v></c><c r=\"C5\" t=\"s\"><v>4</v></c></row>"
        "<row r=\"6\"><c r=\"A6\" t=\"str\"><f>A5+1</f><v>2025220</v></c><c r=\"C6\"><v>1234</v></c></row>";
    TestDir dir;
    ASSERT_TRUE(writeZip(dir.file("book.xlsx"), workbookParts(rows, shared, "xl/worksheets/sheet7.xml")));
    const ImportFile file = readImportFile(dir.file("book.xlsx"), Game::Fucai);
    EXPECT_EQ(drawsOf(file), (QStringList{"2:2025217 073", "4:2025218 007", "5:2025219 073"}));
    ASSERT_EQ(file.bad.size(), 1u);
    EXPECT_EQ(file.bad[0].line, 6);
}

} // namespace
