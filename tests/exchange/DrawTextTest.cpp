// The one reader of draws in text: lines in every layout histories come in,
// tables with named columns, rendered web pages, the two result JSON answers
// and the marker page.
#include "exchange/DrawText.h"
#include "exchange/HistoryFile.h"

#include "exchange/ResultPage.h"
#include "tests/support/TestDir.h"

#include <gtest/gtest.h>

namespace {

// "issue number" of each draw, in text order.
QStringList drawsOf(const ImportFile& file)
{
    QStringList draws;
    for (const ImportLine& line : file.draws)
        draws << line.issue + ' ' + line.number;
    return draws;
}

std::vector<int> badLinesOf(const ImportFile& file)
{
    std::vector<int> lines;
    for (const BadLine& bad : file.bad)
        lines.push_back(bad.line);
    return lines;
}

TEST(DrawText, ReadsOneLine)
{
    struct Case
    {
        const char* line;
        const char* draw; // "issue number", empty: no draw
    };
    const Case cases[] = {
        {"2002001,2002-01-01,073", "2002001 073"},
        {"2002001,0,7,3", "2002001 073"},
        {"2011078 2011-03-26 2 4 6", "2011078 246"},
        {"2011078\t246", "2011078 246"},
        {"08123, 507", "08123 507"},
        {"\"2002001\",\"2002/01/01\",\"073\"", "2002001 073"},
        {"\"2002001\",\"2002/01/01\",\"0,7,3\"", "2002001 073"},
        {"2002001 073 20020101", "2002001 073"},
        {"2002001 2002.1.1 0 7 3", "2002001 073"},
        // A spreadsheet drops the number's leading zeros.
        {"2002001,2002/1/1,73", "2002001 073"},
        {"2002001,7", "2002001 007"},
        // Dates, times and weekdays before the number.
        {"2025217 20250816 073", "2025217 073"},
        {"2025217 2025-08-16(六) 0 7 3", "2025217 073"},
        {"2025217 2025-08-16 星期六 0,7,3", "2025217 073"},
        {"2025217\t2025-08-16\t周六\t073", "2025217 073"},
        {"2025217 2025年8月16日 六 073", "2025217 073"},
        {"2025217 2025-08-16 21:15 （六） 073", "2025217 073"},
        {"第2025217期 073", "2025217 073"},
        // lines copied from result pages with their labels
        {"第2025217期 2025-08-15 开奖号码：0 7 3", "2025217 073"},
        {"第2025217期 开奖日期：2025-08-15 开奖号码：073", "2025217 073"},
        {"福彩3D 第2025217期 开奖号码 0 7 3", "2025217 073"},
        {"排列三 期号:25217 号码:0,7,3", "25217 073"},
        {"2025-08-15 2025217 073", "2025217 073"},
        {"2025217期 开奖号码：0 7 3", "2025217 073"},
        // Whatever follows the number is left alone.
        {"2002001 2002-01-01 0 7 3 1 2 3 1000000 48", "2002001 073"},
        {"2002001,0,7,3,5", "2002001 073"},
        {"25217;073;试机号 123", "25217 073"},
        // No draw.
        {"2002001,0737", ""},
        {"2002001,07,3", ""}, // a number broken in two, not one with zeros dropped
        {"2002001,2002-01-01,2002-01-02,073", ""},
        {"2002001", ""},
        {"2025217 2025-08-16", ""},
        {"20020a1,073", ""},
        {"2002001,07a", ""},
        {"1234567890123456789,073", ""},
        {"202501,073", ""}, // six digits: no issue
        {"20250816 073", ""},
        {"2025217 期 开奖日期 2025-08-16 星期六", ""},
        {"共 8374 条 1 2 3 下一页", ""},
        {"2025217 2025-8-16-1 073", ""},
        {"2025217 星期八 073", ""},
    };
    // After a line that holds a draw, so that no case is taken for a title line.
    for (const Case& c : cases) {
        const ImportFile file = readDrawText("2003100 000\n" + QString::fromUtf8(c.line), Game::Fucai);
        QStringList expected{"2003100 000"};
        if (*c.draw)
            expected << QString::fromUtf8(c.draw);
        EXPECT_EQ(drawsOf(file), expected) << c.line;
        EXPECT_EQ(badLinesOf(file), *c.draw ? std::vector<int>{} : std::vector<int>{2}) << c.line;
    }
}

const char kWelfareJson[] =
    R"json(  {"state":0,"message":"查询成功","total":2,"result":[
    {"name":"3d","code":"2026154","date":"2026-06-13(六)","week":"六","red":"3,7,7","blue":"","sales":"1"},
    {"name":"3d","code":"2026153","date":"2026-06-12(五)","red":"0,0,9"},
    {"name":"3d","code":"2026152","date":"2026-06-11(四)","red":"1,2"}]}
)json";
const char kSportsJson[] =
    R"({"dataFrom":"","emptyFlag":false,"errorCode":"0","success":true,"value":{"lastPoolDraw":{},"list":[
    {"lotteryDrawNum":"26154","lotteryDrawResult":"3 7 7","lotteryDrawTime":"2026-06-13","lotteryGameName":"排列3"},
    {"lotteryDrawNum":"26153","lotteryDrawResult":"0 0 9","lotteryDrawTime":"2026-06-12"}],"pageNo":1}})";

struct Shape
{
    const char* name;
    QString text;
    Game game;
    QStringList draws;    // "issue number" in text order
    std::vector<int> bad; // line numbers
};

// Each shape as a file written by the test and read back through the import's
// file reader, UTF-8 and GBK alike; the download hands the same texts in.
TEST(DrawText, ReadsEachShapeOfHistory)
{
    const Shape shapes[] = {
        {"spreadsheet CSV without leading zeros",
         "2002001,2002/1/1,73\n2002002,2002/1/2,690\n2002003,2002/1/3,5\n",
         Game::Fucai,
         {"2002001 073", "2002002 690", "2002003 005"},
         {}},
        {"a table with 试机号 and sales after the number",
         "期号,开奖日期,开奖号码,试机号,销售额\r\n2025216,2025-08-15,415,083,29876544\r\n"
         "2025217,2025-08-16,73,6,30112000\r\n",
         Game::Fucai,
         {"2025216 415", "2025217 073"},
         {}},
        {"the 试机号 column before the number's",
         "期号,开奖日期,试机号,开奖号码\n2025217,2025-08-16,123,073\n2025218,2025-08-17,5,3 4 5\n"
         "2025219,2025-08-18,456,\n",
         Game::Fucai,
         {"2025217 073", "2025218 345"},
         {4}},
        {"a public plain-text history with trailing fields",
         "2002001 2002-01-01 0 7 3 1 2 3 0 0 0 0\n2002002 2002-01-02 6 9 0 4 5 6 0 0 0 0\n",
         Game::Fucai,
         {"2002001 073", "2002002 690"},
         {}},
        {"a rendered result page: navigation, newest first, the header repeated",
         "首页\t开奖公告\t走势图表\n福彩3D开奖结果\n期号\t开奖日期\t试机号\t开奖号码\t销售额(元)\n"
         "2025217\t2025-08-16(六)\t1 2 3\t0 7 3\t30112000\n"
         "2025216\t2025-08-15(五)\t0 8 3\t4 1 5\t29876544\n"
         "期号\t开奖日期\t试机号\t开奖号码\t销售额(元)\n"
         "2025215\t2025-08-14(四)\t2 2 2\t9 9 1\t29000000\n"
         "上一页\t1\t2\t3\t下一页\n共 8374 条\n",
         Game::Fucai,
         {"2025217 073", "2025216 415", "2025215 991"},
         {2, 8, 9}}, // the first line is taken for the text's title
        {"digits in 百位, 十位 and 个位",
         "期数\t个位\t十位\t百位\t和值\n25217\t3\t7\t0\t10\n25218\t9\t9\t1\t19\n",
         Game::Ticai,
         {"25217 073", "25218 199"},
         {}},
        {"a blank-separated table with weekdays",
         "期号 日期 试机号 号码\n2025217 2025-08-16 星期六 1 2 3 0 7 3\n2025218 2025-08-17 456 9\n",
         Game::Fucai,
         {"2025217 073", "2025218 009"},
         {}},
        {"the welfare lottery's JSON", kWelfareJson, Game::Fucai, {"2026154 377", "2026153 009"}, {3}},
        {"the sports lottery's JSON", kSportsJson, Game::Ticai, {"26154 377", "26153 009"}, {}},
        {"the marker page first, whatever else the page lists",
         "期号,号码\n2025001,123\n排列三号码：25217期073 25218期199 ",
         Game::Ticai,
         {"25217 073", "25218 199"},
         {}},
    };
    TestDir dir;
    for (const Shape& shape : shapes) {
        SCOPED_TRACE(shape.name);
        for (const bool gbk : {false, true}) {
            dir.write("history.txt", gbk ? toGbk(shape.text) : shape.text.toUtf8());
            const ImportFile file = readImportFile(dir.file("history.txt"), shape.game);
            EXPECT_EQ(drawsOf(file), shape.draws);
            EXPECT_EQ(badLinesOf(file), shape.bad);
        }
    }
}

TEST(DrawText, JsonOfAnotherShapeHoldsNoDraws)
{
    for (const char* json :
         {R"({"state":1,"message":"无数据"})", R"({"result":[]})", R"({"value":{"list":[1,"a",[]]}})",
          R"({"success":false,"value":null})", R"({"result":{"code":"2026154","red":"3,7,7"}})"}) {
        const ImportFile file = readDrawText(QString::fromUtf8(json), Game::Fucai);
        EXPECT_TRUE(file.draws.empty()) << json;
    }
    // Entries that are no draws are listed by their place in the list.
    const ImportFile file =
        readDrawText(R"({"value":{"list":[1,{"lotteryDrawNum":"26154","lotteryDrawResult":"3 7 7 1 2"},
        {"lotteryDrawNum":"26155","lotteryDrawResult":"5 5 5"}]}})",
                     Game::Ticai);
    EXPECT_EQ(drawsOf(file), QStringList{"26155 555"});
    EXPECT_EQ(badLinesOf(file), (std::vector<int>{1, 2}));
}

} // namespace
