// Damaged files the program reads: history imports, result pages and the
// download address list. Each case names what is read from it; nothing
// damaged becomes a draw.
#include "exchange/DownloadList.h"
#include "exchange/HistoryImport.h"
#include "exchange/ImportFile.h"
#include "exchange/ResultPage.h"
#include "tests/support/TestDir.h"

#include <gtest/gtest.h>

namespace {

QStringList issuesOf(const ImportPlan& plan)
{
    QStringList issues;
    for (const DrawStore::NewDraw& draw : plan.draws)
        issues << draw.issue;
    return issues;
}

std::vector<int> badLineNumbers(const ImportPlan& plan)
{
    std::vector<int> numbers;
    for (const BadLine& line : plan.bad)
        numbers.push_back(line.line);
    return numbers;
}

// The bytes with every '#' a NUL byte.
QByteArray withNul(const char* text)
{
    return QByteArray(text).replace('#', '\0');
}

TEST(BadImportFile, DamagedLinesAreListedTheRestImported)
{
    struct Case
    {
        const char* name;
        QByteArray bytes;
        QStringList issues;   // imported, in issue order
        std::vector<int> bad; // line numbers listed as bad
    };
    const Case cases[] = {
        {"empty file", "", {}, {}},
        {"NUL inside an issue", withNul("2025001,123\n2025#002,456\n"), {"2025001"}, {2}},
        {"NUL line", withNul("2025001,123\n###\n2025002,456\n"), {"2025001", "2025002"}, {2}},
        {"CR only", "2025001,123\r2025002,456\r2025003,789\r", {"2025001", "2025002", "2025003"}, {}},
        {"CR, LF and CR LF mixed",
         "2025001,123\r2025002,456\n2025003,789\r\n2025004,000",
         {"2025001", "2025002", "2025003", "2025004"},
         {}},
        {"a line of a megabyte", "2025001,123\n" + QByteArray(1 << 20, '9') + ",456\n", {"2025001"}, {2}},
        {"a UTF-8 title over GBK lines", "期号,号码\n" + toGbk("2025001,123,第一期\n2025002,456\n"), {"2025002"}, {2}},
        // Five and seven digits name the same draws: brought to the file's width.
        {"a five-digit issue among seven-digit ones",
         "2025001,123\n08123,456\n2025002,789\n",
         {"2008123", "2025001", "2025002"},
         {}},
        {"a seven-digit issue among five-digit ones",
         "08123,123\n08124,456\n2008125,789\n",
         {"08123", "08124", "08125"},
         {}},
        {"a six-digit issue among seven-digit ones",
         "2025001,123\n202502,456\n2025002,789\n",
         {"2025001", "2025002"},
         {2}},
        {"letters in numbers", "2025001,12a\n2025002,1 2 b\n2025003,456\n", {"2025003"}, {1, 2}},
        {"full-width digits", toGbk("2025001,１２３\n2025002,456\n"), {"2025002"}, {1}},
        {"SQL in a line", "2025001,123\n2025002';delete from fucai;--,456\n", {"2025001"}, {2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ImportPlan plan = planImport(parseImportText(c.bytes), 0);
        EXPECT_EQ(issuesOf(plan), c.issues);
        EXPECT_EQ(badLineNumbers(plan), c.bad);
    }
    EXPECT_TRUE(planImport(parseImportText(randomBytes(4096)), 0).draws.empty());
}

// The question before an import quotes the bad lines: a line of the file
// holding "%1" stays as it is, and a long line is cut short.
TEST(BadImportFile, QuestionQuotesBadLinesAsTheyAre)
{
    const ImportPlan plan =
        planImport(parseImportText("2025001,123\n%1%2%3 ,x\n" + QByteArray(1 << 20, 'x') + "\n2025002,456\n"), 0);
    const QString question = ImportText::askSkipBad(plan);
    EXPECT_TRUE(question.startsWith("以下2行不是有效的开奖数据：\n第2行：%1%2%3 ,x\n第3行：xxxx"));
    EXPECT_TRUE(question.endsWith("是否忽略这些行，导入其余2期数据？"));
    EXPECT_LT(question.size(), 200);
}

TEST(BadResultPage, DamagedEntriesAreCutAsLaidOut)
{
    const QByteArray marker = resultMarker(Game::Fucai);
    struct Case
    {
        const char* name;
        QByteArray page;
        QStringList issues; // of the entries read, in page order
    };
    const Case cases[] = {
        {"invalid GBK after the marker", marker + "\x81\x20\xFF\xFE\x80", {}},
        {"invalid GBK in a number",
         marker + toGbk("08123期") + "4\xFF\x80 " + toGbk("08124期789 "),
         {"08123", "08124"}},
        {"NUL bytes in an issue", marker + withNul("08#23") + toGbk("期456 "), {QString::fromLatin1(withNul("08#23"))}},
        {"half of the mark",
         marker + "08123\xC6"
                  "456 ",
         {}},
        {"marker cut in half", marker.left(5) + toGbk("08123期456 "), {}},
        {"the marker after 10 MB of page", QByteArray(10 << 20, 'x') + marker + toGbk("08123期456"), {"08123"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList issues;
        for (const PageDraw& draw : readResultPage(c.page, Game::Fucai))
            issues << draw.issue;
        EXPECT_EQ(issues, c.issues);
    }
}

TEST(BadDownloadList, OnlyAddressesOfPagesAreLoaded)
{
    struct Case
    {
        QString address;
        const char* loaded; // nullptr: refused
    };
    const Case cases[] = {
        {"http://127.0.0.1/quorvane/3d-latest.html", "http://127.0.0.1/quorvane/3d-latest.html"},
        {"https://example.com/3d", "https://example.com/3d"},
        {"www.example.com/3d", "http://www.example.com/3d"},
        {"localhost:8080/3d", "http://localhost:8080/3d"},
        {"/srv/pages/3d.html", "file:///srv/pages/3d.html"},
        {"", nullptr},
        {"not an address", nullptr},
        {"最新开奖", nullptr},
        {"javascript:alert(1)", nullptr},
        {"ftp://example.com/3d", nullptr},
        {"' or '1'='1", nullptr},
        {"http://", nullptr},
        {"http://example.com/" + QString(kLongestAddress, u'a'), nullptr},
    };
    for (const Case& c : cases) {
        const QUrl url = downloadUrl(c.address);
        EXPECT_EQ(url.isValid() ? url.toString() : QString(), c.loaded ? QString::fromUtf8(c.loaded) : QString())
            << c.address.left(40).toStdString();
    }

    // A file of megabytes is read only as far as an address list can go.
    TestDir dir;
    dir.write("DownUpdate.txt", "http://a.example/3d\r\n" + QByteArray(5 << 20, 'x'));
    const QStringList lines = readDownloadList(dir.file("DownUpdate.txt"));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], "http://a.example/3d");
    EXPECT_EQ(lines[1].size(), kDownloadListBytes - 21);
}

} // namespace
