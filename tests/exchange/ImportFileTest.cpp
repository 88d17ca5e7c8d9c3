#include "exchange/HistoryFile.h"
#include "exchange/ImportFile.h"

#include "exchange/DrawText.h"
#include "exchange/HistoryImport.h"
#include "exchange/ResultPage.h"
#include "store/DrawEntry.h"
#include "tests/support/TestDir.h"

#include <gtest/gtest.h>

namespace {

// A text file's bytes as the import reads them.
ImportFile parseImportText(const QByteArray& bytes)
{
    return readDrawText(decodeText(bytes), Game::Fucai);
}

TEST(ImportFile, HeaderAndBlankLinesAreIgnoredBadLinesListed)
{
    const ImportFile file = parseImportText("\xEF\xBB\xBF期号,日期,号码\r\n"
                                            "2002001,2002-01-01,073\r\n"
                                            "\r\n"
                                            "2002002,2002-01-02,7 3\r\n"
                                            "issue,number\r\n"
                                            "2002003,2002-01-03,456\n");
    EXPECT_TRUE(file.hasHeader);
    ASSERT_EQ(file.draws.size(), 2u);
    EXPECT_EQ(file.draws[0].line, 2);
    EXPECT_EQ(file.draws[1].issue, "2002003");
    EXPECT_EQ(file.bad, (std::vector<BadLine>{{4, "2002002,2002-01-02,7 3"}, {5, "issue,number"}}));
}

TEST(ImportFile, GbkHeaderIsRecognised)
{
    const ImportFile file = parseImportText(toGbk("期号 号码\n2011078 246\n"));
    EXPECT_TRUE(file.hasHeader);
    EXPECT_TRUE(file.bad.empty());
    EXPECT_EQ(file.draws.size(), 1u);
}

// However a file is encoded, and whatever one stray byte on one line does,
// the header reads and the number column is the one it names: the 试机号
// (the test draw) beside it is never stored as the draw.
TEST(ImportFile, EncodingsNeverTurnTheHeaderOrTheColumns)
{
    const QString header = QStringLiteral("期号,试机号,开奖号码\r\n");
    const QByteArray rows = "2025001,456,123\r\n2025002,789,014\r\n";
    QByteArray utf16le("\xFF\xFE");
    for (QChar c : header + QString::fromLatin1(rows))
        utf16le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    struct Case
    {
        const char* name;
        QByteArray bytes;
        size_t bad;
    };
    const Case cases[] = {
        {"UTF-8", header.toUtf8() + rows, 0},
        {"UTF-8 with a mark", "\xEF\xBB\xBF" + header.toUtf8() + rows, 0},
        {"UTF-8, a stray byte on a later line", header.toUtf8() + rows + "2025003,111,\xFF\r\n", 1},
        {"GBK", toGbk(header) + rows, 0},
        {"GBK, a stray byte on a later line", toGbk(header) + rows + "2025003,111,\x80\r\n", 1},
        {"UTF-16 with a mark", utf16le, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ImportFile file = parseImportText(c.bytes);
        EXPECT_TRUE(file.hasHeader);
        ASSERT_EQ(file.draws.size(), 2u);
        EXPECT_EQ(file.draws[0].number, "123");
        EXPECT_EQ(file.draws[1].number, "014");
        EXPECT_EQ(file.bad.size(), c.bad);
    }
}

// An entry of a results page that no entry would take is a listed bad line;
// the page's other entries still come in.
TEST(ImportFile, BrokenPageEntriesAreListedNotFatal)
{
    const ImportFile file = parseImportText(QStringLiteral("3D号码：25217期073 2521x期456 25219期12x").toUtf8());
    ASSERT_EQ(file.draws.size(), 1u);
    EXPECT_EQ(file.draws[0].issue, "25217");
    EXPECT_EQ(file.bad, (std::vector<BadLine>{{2, "2521x期456"}, {3, "25219期12x"}}));
}

TEST(ImportFile, MissingFileIsAnError)
{
    TestDir dir;
    EXPECT_THROW(readImportFile(dir.file("none.csv"), Game::Fucai), ImportFileError);
}

TEST(ImportPlan, SortsByIssueAndFoldsRepeats)
{
    const ImportPlan plan = planImport(parseImportText("08125,111\n"
                                                       "08123,507\n"
                                                       "08124,527\n"
                                                       "08123,507\n"
                                                       "08124,999\n"),
                                       0);
    ASSERT_EQ(plan.draws.size(), 3u);
    EXPECT_EQ(plan.draws[0].issue, "08123");
    EXPECT_EQ(plan.draws[1].number, "527"); // the earlier line of an issue wins
    EXPECT_EQ(plan.draws[2].issue, "08125");
    EXPECT_EQ(plan.read, 5);
    EXPECT_EQ(plan.repeats, 1);
    EXPECT_EQ(plan.bad, (std::vector<BadLine>{{5, "08124 999"}})); // same issue, another number
}

class ImportIntoStore : public ::testing::Test
{
protected:
    ImportIntoStore()
    {
        EXPECT_TRUE(DrawStore::createEmpty(dir.file("db1.mdb")));
        store = std::make_unique<DrawStore>(dir.file("db1.mdb"));
    }
    TestDir dir;
    std::unique_ptr<DrawStore> store;
};

TEST_F(ImportIntoStore, SkipsStoredIssuesAndCounts)
{
    ASSERT_TRUE(enterDraw(*store, "08123", "507").stored());
    const ImportPlan plan = planImport(parseImportText("期号,号码\n08124,527\n08123,000\n08124,527\n0812x,1\n"), 0);
    const ImportSummary summary = runImport(*store, plan);
    EXPECT_EQ(summary.read, 3);
    EXPECT_EQ(summary.added, 1);
    EXPECT_EQ(summary.skipped, 2);
    EXPECT_EQ(summary.bad, 1);
    EXPECT_EQ(store->numberOfIssue("08123"), "507"); // the stored draw is kept
    EXPECT_EQ(store->oneIssue("08124")->sameToLast, 2);
    EXPECT_EQ(ImportText::summary(summary), "数据导入完成：读取3期，新增1期，已存在跳过2期，忽略格式有误的1行。");
}

TEST_F(ImportIntoStore, CancelStoresNothing)
{
    QByteArray text;
    for (int i = 0; i < 2500; ++i)
        text += QByteArray::number(2025000 + i) + ",123\n";
    int asked = 0;
    const ImportSummary summary =
        runImport(*store, planImport(parseImportText(text), 0), [&](int done) { return ++asked < 2 || done == 0; });
    EXPECT_TRUE(summary.cancelled);
    EXPECT_EQ(summary.added, 0);
    EXPECT_EQ(store->count(), 0);
    EXPECT_EQ(ImportText::summary(summary), ImportText::kCancelled);
}

TEST(ImportText, BadLinesAreCutAtTheLimit)
{
    const std::vector<BadLine> bad = {{2, "a"}, {3, "b"}, {7, "c"}};
    EXPECT_EQ(ImportText::badLines(bad, 2), "第2行：a\n第3行：b\n……另有1行");
    EXPECT_EQ(ImportText::badLines(bad, 5), "第2行：a\n第3行：b\n第7行：c");
}

} // namespace
