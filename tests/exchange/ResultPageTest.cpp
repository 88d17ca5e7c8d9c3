#include "exchange/ResultPage.h"

#include "exchange/DownloadList.h"
#include "tests/support/TestDir.h"

#include <gtest/gtest.h>

namespace {

QByteArray gbk(const QString& text)
{
    return toGbk(text);
}

TEST(ResultPage, MarkersAreTheirGbkBytes)
{
    EXPECT_EQ(resultMarker(Game::Fucai), QByteArray("3D\xBA\xC5\xC2\xEB\xA3\xBA"));
    EXPECT_EQ(resultMarker(Game::Fucai).size(), 8);
    EXPECT_EQ(resultMarker(Game::Ticai).size(), 12);
}

TEST(ResultPage, ReadsElevenByteEntriesAfterTheFirstMarker)
{
    struct Case
    {
        const char* name;
        Game game;
        QString text;
        std::vector<PageDraw> expected;
    };
    const Case cases[] = {
        {"two entries",
         Game::Fucai,
         "开奖 3D号码：08123期456 08124期789 其他文字",
         {{"08123", "456"}, {"08124", "789"}}},
        {"any one-byte separator", Game::Fucai, "3D号码：08123期456|08124期789,", {{"08123", "456"}, {"08124", "789"}}},
        {"last entry without separator", Game::Fucai, "3D号码：08123期456", {{"08123", "456"}}},
        {"two-byte separator stops after the first",
         Game::Fucai,
         "3D号码：08123期456\r\n08124期789 ",
         {{"08123", "456"}}},
        {"a full-width blank is two bytes too", Game::Fucai, "3D号码：08123期456　08124期789 ", {{"08123", "456"}}},
        {"only the first marker counts", Game::Fucai, "3D号码：08123期456 。3D号码：08124期789 ", {{"08123", "456"}}},
        {"the other game's marker", Game::Ticai, "3D号码：08123期456 08124期789 ", {}},
        {"pailie 3", Game::Ticai, "排列三号码：08123期456 08124期789 ", {{"08123", "456"}, {"08124", "789"}}},
        {"no marker", Game::Fucai, "今日无开奖", {}},
        {"marker at the very end", Game::Fucai, "3D号码：", {}},
        {"truncated entry", Game::Fucai, "3D号码：08123期45", {}},
        {"entries are cut, not checked", Game::Fucai, "3D号码：0812a期4b6 ", {{"0812a", "4b6"}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readResultPage(gbk(c.text), c.game), c.expected) << c.name;
}

TEST(DownloadList, PicksTheLineByGameAndKind)
{
    TestDir dir;
    dir.write("user/DownUpdate.txt", gbk("http://a/3d\r\n  http://a/pl3 \r\nhttp://a/3d-历史\r\nhttp://a/pl3-old\r\n"));
    const QStringList lines = readDownloadList(dir.file("user/DownUpdate.txt"));
    EXPECT_EQ(downloadAddress(lines, Game::Fucai, false), "http://a/3d");
    EXPECT_EQ(downloadAddress(lines, Game::Ticai, false), "http://a/pl3");
    EXPECT_EQ(downloadAddress(lines, Game::Fucai, true), "http://a/3d-历史");
    EXPECT_EQ(downloadAddress(lines, Game::Ticai, true), "http://a/pl3-old");
    EXPECT_EQ(downloadAddress(QStringList{"only one"}, Game::Ticai, true), "");
}

TEST(DownloadList, MissingFileSaysWhich)
{
    TestDir dir;
    try {
        readDownloadList(dir.file("user/DownUpdate.txt"));
        FAIL() << "no error";
    } catch (const DownloadListError& error) {
        EXPECT_TRUE(error.text().contains("DownUpdate.txt"));
    }
}

} // namespace
