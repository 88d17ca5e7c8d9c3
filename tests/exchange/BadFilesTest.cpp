// Damaged files the program reads: history imports, result pages, the
// download address list and selection schemes. Each case names what is read from it; nothing
// damaged becomes a draw.
#include "core/DrawRecord.h"
#include "exchange/DownloadList.h"
#include "exchange/DrawText.h"
#include "exchange/HistoryImport.h"
#include "exchange/HistoryWorkbook.h"
#include "exchange/HistoryFile.h"
#include "exchange/ImportFile.h"
#include "exchange/ResultPage.h"
#include "exchange/SchemeFile.h"
#include "tests/exchange/ZipFixture.h"
#include "tests/support/TestDir.h"

#include <QDir>
#include <QFile>
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

ImportFile parseImportText(const QByteArray& bytes)
{
    return readDrawText(decodeText(bytes), Game::Fucai);
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
        {"a UTF-8 title over GBK lines",
         "期号,号码\n" + toGbk("2025001,123,第一期\n2025002,456\n"),
         {"2025001", "2025002"},
         {}},
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

// A NUL or another control character in a bad line is shown, not swallowed.
TEST(BadImportFile, ControlCharactersInBadLinesAreShownEscaped)
{
    const ImportPlan plan = planImport(parseImportText(QByteArray("2025001,123\nab\0\x1b" "cd\n", 19)), 0);
    const QString question = ImportText::askSkipBad(plan);
    EXPECT_TRUE(question.contains("第2行：ab\\x00\\x1bcd")) << question.toStdString();
}

TEST(BadResultJson, DamagedAnswersGiveNoDraws)
{
    const QByteArray answer =
        R"({"state":0,"result":[{"code":"2026154","red":"3,7,7"},{"code":"2026153","red":"0,0,9"}]})";
    struct Case
    {
        const char* name;
        QByteArray text;
        QStringList draws; // "issue number"
    };
    const Case cases[] = {
        {"cut short", answer.left(answer.size() - 20), {}},
        {"nested ten thousand deep", "{\"result\":" + QByteArray(10000, '[') + QByteArray(10000, ']') + "}", {}},
        {"NUL bytes in a value", withNul(R"({"result":[{"code":"2026#54","red":"3,#,7"}]})"), {}},
        {"numbers where texts belong", R"({"result":[{"code":2026154,"red":1e300},{"code":-1,"red":377}]})", {}},
        {"a second answer after the first", answer + answer, {}},
        {"a megabyte of blanks around it",
         QByteArray(200, ' ') + answer + QByteArray(1 << 20, ' '),
         {"2026154 377", "2026153 009"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList draws;
        for (const ImportLine& line : readDrawText(decodeText(c.text), Game::Fucai).draws)
            draws << line.issue + ' ' + line.number;
        EXPECT_EQ(draws, c.draws);
    }
}

TEST(BadWorkbook, DamagedWorkbooksAreRefusedWithTheReason)
{
    TestDir dir;
    std::vector<DrawRecord> draws;
    for (int i = 0; i < 2000; ++i)
        draws.push_back(deriveDrawRecord(QString::number(2025001 + i), "123", ""));
    writeHistoryWorkbook(dir.file("export.xlsx"), draws);
    const QByteArray exported = dir.read("export.xlsx");
    // A shared-strings part that inflates far beyond any history: a zip bomb.
    const QByteArray bomb = "<si><t>" + QByteArray(130 << 20, ' ') + "</t></si>";
    QByteArray manyEmpty;
    for (int i = 0; i <= 1'000'000; ++i)
        manyEmpty += "<si/>";
    struct Case
    {
        const char* name;
        std::vector<ZipPart> parts; // written as a zip archive unless `bytes` are given
        QByteArray bytes;
        const char* reason; // in the message
    };
    const Case cases[] = {
        {"random bytes", {}, randomBytes(4096), "已损坏"},
        {"the export cut in half", {}, exported.left(exported.size() / 2), "已损坏"},
        {"the export with its middle overwritten",
         {},
         exported.left(exported.size() / 3) + QByteArray(4096, 'x') + exported.mid(exported.size() / 3 + 4096),
         "已损坏"},
        {"an encrypted workbook", {}, QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1") + randomBytes(4096), "已加密"},
        {"a sheet behind a password", {{"xl/worksheets/sheet1.xml", "<worksheet/>", "secret"}}, {}, "已加密"},
        {"a zip archive without a sheet", {{"word/document.xml", "<document/>"}}, {}, "没有工作表"},
        {"a sheet cut short",
         workbookParts("<row r=\"1\"><c r=\"A1\"><v>2025001</v></c><c r=\"B1\"><v>1"),
         {},
         "已损坏"},
        {"a sheet that is no XML", {{"xl/worksheets/sheet1.xml", "<<<>>>"}}, {}, "已损坏"},
        {"shared strings of 130 MB", workbookParts("", bomb), {}, "超过 128 MB"},
        {"a million and one empty shared strings", workbookParts("", manyEmpty), {}, "共享文本超过1000000条"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.parts.empty())
            dir.write("book.xlsx", c.bytes);
        else
            ASSERT_TRUE(writeZip(dir.file("book.xlsx"), c.parts));
        try {
            readImportFile(dir.file("book.xlsx"), Game::Fucai);
            ADD_FAILURE() << "read";
        } catch (const ImportFileError& error) {
            EXPECT_TRUE(error.text().startsWith("无法读取工作簿 " + dir.file("book.xlsx") + "："))
                << error.text().toStdString();
            EXPECT_TRUE(error.text().contains(QString::fromUtf8(c.reason))) << error.text().toStdString();
        }
    }
}

// What a reader keeps of lines without a draw is bounded whatever a small
// file makes it read: one long shared text in every cell of thousands of
// rows, a row numbered as the sheet's last, thousands of long text lines.
TEST(BadWorkbook, WhatIsKeptOfBadLinesIsBounded)
{
    TestDir dir;
    QByteArray cells;
    for (int column = 0; column < 64; ++column)
        cells += "<c t=\"s\"><v>0</v></c>";
    QByteArray rows;
    for (int row = 0; row < 4000; ++row)
        rows += "<row>" + cells + "</row>";
    rows += "<row r=\"1048576\"><c><v>2025001</v></c><c><v>123</v></c></row>";
    ASSERT_TRUE(writeZip(dir.file("book.xlsx"),
                         workbookParts(rows, "<si><t>" + QByteArray(32767, 'x') + "</t></si>")));
    dir.write("long.txt", (QByteArray(3000, 'x') + "\n").repeated(2000));

    for (const char* name : {"book.xlsx", "long.txt"}) {
        SCOPED_TRACE(name);
        const ImportFile file = readImportFile(dir.file(name), Game::Fucai);
        ASSERT_EQ(file.bad.size(), ImportLimits::kBadLinesKept);
        EXPECT_GT(file.badNotKept, 1000);
        for (const BadLine& line : file.bad)
            ASSERT_LE(line.text.size(), ImportLimits::kBadLineShown + 1);
        const ImportPlan plan = planImport(file, 0);
        EXPECT_TRUE(ImportText::askSkipBad(plan).contains(QString::number(badCount(plan)) + "行"));
    }
    const ImportFile book = readImportFile(dir.file("book.xlsx"), Game::Fucai);
    ASSERT_EQ(book.draws.size(), 1u);
    EXPECT_EQ(book.draws[0].number, "123");
}

// A text file beyond any history is refused before it is read.
TEST(BadImportFile, HugeTextFileIsRefusedNamingTheLimit)
{
    TestDir dir;
    QFile file(dir.file("huge.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(ImportLimits::kTextFileBytes + 1)); // sparse: no disk used
    file.close();
    try {
        readImportFile(dir.file("huge.txt"), Game::Fucai);
        ADD_FAILURE() << "read";
    } catch (const ImportFileError& error) {
        EXPECT_TRUE(error.text().contains("256 MB")) << error.text().toStdString();
    }
    EXPECT_THROW(readPageDraws(QString(ImportLimits::kPageTextChars + 1, u'x'), Game::Fucai), ImportFileError);
}

// Odd but readable sheets: what they hold that is no draw is listed, never more.
TEST(BadWorkbook, OddCellsAreNoDraws)
{
    const QByteArray rows =
        "<row r=\"1048574\"><c r=\"XFD1048574\"><v>1</v></c><c r=\"A1048574\" t=\"s\"><v>99999</v></c></row>"
        "<row><c r=\"ZZZZZZZZZZ1\"><v>2025001</v></c><c r=\"1A\"><v>1</v></c></row>"
        "<row r=\"-5\"><c t=\"n\"><v>NaN</v></c><c t=\"n\"><v>1e999</v></c><c t=\"b\"><v>1</v></c></row>"
        "<row r=\"7\"><c r=\"A7\"><v>2025002</v></c><c r=\"B7\" t=\"inlineStr\"><is><t>4\t5\n6</t></is></c></row>";
    TestDir dir;
    ASSERT_TRUE(writeZip(dir.file("book.xlsx"), workbookParts(rows)));
    const ImportFile file = readImportFile(dir.file("book.xlsx"), Game::Fucai);
    ASSERT_EQ(file.draws.size(), 1u);
    EXPECT_EQ(file.draws[0].issue + ' ' + file.draws[0].number, "2025002 456");
}

// No sheet has a row past 1,048,576: a workbook that goes on is refused,
// however it numbers the row, before it can make the reader hold its rows.
TEST(BadWorkbook, RowsPastTheSheetsLastAreRefused)
{
    const QByteArray rows[] = {
        "<row r=\"1048577\"><c><v>2025001</v></c><c><v>123</v></c></row>",
        "<row r=\"2147483647\"/>",
        "<row r=\"99999999999\"/>",
        "<row r=\"1048576\"/><row><c><v>2025001</v></c><c><v>123</v></c></row>",
    };
    TestDir dir;
    for (const QByteArray& row : rows) {
        SCOPED_TRACE(row.toStdString());
        ASSERT_TRUE(writeZip(dir.file("book.xlsx"), workbookParts(row)));
        try {
            readImportFile(dir.file("book.xlsx"), Game::Fucai);
            ADD_FAILURE() << "read";
        } catch (const ImportFileError& error) {
            EXPECT_TRUE(error.text().contains("1048576行")) << error.text().toStdString();
        }
    }
}

// A line repeated costs one draw; the repeats are counted as the import
// always counted them, and a repeated bad line stays a bad line each time.
TEST(BadImportFile, RepeatedLinesAreKeptOnceAndCounted)
{
    const QString text = QString("2025001 123\n").repeated(1000) + "25001 123\n2025002 456\n" +
                         QString("2031000 789\n").repeated(3);
    const ImportFile file = readDrawText(text, Game::Fucai);
    ASSERT_EQ(file.draws.size(), 3u);
    EXPECT_EQ(file.repeats, 999);
    EXPECT_EQ(file.bad.size(), 3u);
    const ImportPlan plan = planImport(file, 7);
    EXPECT_EQ(plan.read, 1002);
    EXPECT_EQ(plan.draws.size(), 2u);
    EXPECT_EQ(plan.repeats, 1000); // 25001 is 2025001 in a seven-digit history
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
        {"/srv/pages/3d.html", nullptr},
        {"file:///etc/passwd", nullptr},
        {"FILE:///etc/passwd", nullptr},
        {"./3d.html", nullptr},
        {"~/3d.html", nullptr},
        {"data:text/plain,2025001 123", nullptr},
        {"HTTPS://Example.com/3d", "https://example.com/3d"},
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
    // The messages tell a page of this machine or another scheme from a word that is no address.
    for (const auto& [address, problem] : {std::pair{"/srv/pages/3d.html", AddressProblem::NotWeb},
                                           {"file:///etc/passwd", AddressProblem::NotWeb},
                                           {"javascript:alert(1)", AddressProblem::NotWeb},
                                           {"最新开奖", AddressProblem::NotAnAddress},
                                           {"http://", AddressProblem::NotAnAddress},
                                           {"example.com/3d", AddressProblem::None}})
        EXPECT_EQ(addressProblem(QString::fromUtf8(address)), problem) << address;

    // A file of megabytes is read only as far as an address list can go.
    TestDir dir;
    dir.write("DownUpdate.txt", "http://a.example/3d\r\n" + QByteArray(5 << 20, 'x'));
    const QStringList lines = readDownloadList(dir.file("DownUpdate.txt"));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], "http://a.example/3d");
    EXPECT_EQ(lines[1].size(), kDownloadListBytes - 21);
}

TEST(BadSchemeFile, DigitsOtherThanAsciiAndCutFilesAreRefused)
{
    TestDir dir;
    SelectionScheme scheme;
    scheme.manual.digits1 = "815";
    scheme.manual.ranges.sum = {true, 8, 20};
    scheme.randomCount = "12";
    Schemes::save(dir.path(), "好", scheme);
    QFile file(QDir(Schemes::folder(dir.path())).filePath("好.ini"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray good = file.readAll();
    file.close();

    struct Case
    {
        QString from, to;
        const char* named; // what the message names
    };
    // GBK holds full-width digits; the window's panels cover 0-9 only, so any other digit would index past them.
    const Case cases[] = {
        {"第一位=815", "第一位=８１５", "第一位"},
        {"和值范围=1,8,20", "和值范围=1,８,20", "和值范围"},
        {"机选注数=12", "机选注数=１２", "机选注数"},
        {"[随机选号]", "", "机选注数"}, // the rest of the file lost with its section line
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.to.toStdString());
        QByteArray bytes = good;
        const QByteArray from = toGbk(c.from);
        ASSERT_TRUE(bytes.contains(from));
        bytes = c.to.isEmpty() ? bytes.left(bytes.indexOf(from)) : bytes.replace(from, toGbk(c.to));
        dir.write("user/方案/坏.ini", bytes);
        try {
            Schemes::load(dir.path(), "坏");
            ADD_FAILURE() << "loaded";
        } catch (const SchemeError& e) {
            EXPECT_TRUE(e.text().contains(QString::fromUtf8(c.named))) << e.text().toStdString();
        }
    }
}

} // namespace
