#include "exchange/BetTextFile.h"

#include "tests/support/TestDir.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

TEST(BetTextFileTest, LinesJoinSerialBetAndSum)
{
    BetList thousand;
    for (int value = 0; value < 1000; ++value)
        thousand.push_back(Bet{value});
    const QStringList lines = betTextLines(thousand);
    ASSERT_EQ(lines.size(), 1000);
    EXPECT_EQ(lines.first(), "1=000=0");
    EXPECT_EQ(lines[1], "2=001=1");
    EXPECT_EQ(lines.last(), "1000=999=27");
    EXPECT_EQ(betTextLines({Bet{7}, Bet{7}}), QStringList({"1=007=7", "2=007=7"}));
    EXPECT_TRUE(betTextLines({}).isEmpty());
}

TEST(BetTextFileTest, FileIsGbkWithCrLfAfterEveryLineAndNoMark)
{
    TestDir dir;
    const QString path = dir.file("投注.txt");
    writeBetTextFile(path, {"1=000=0", "2=001=1", "3=002=2"});
    EXPECT_EQ(dir.read("投注.txt"), QByteArray("1=000=0\r\n2=001=1\r\n3=002=2\r\n"));
    // Text the user typed into the memo goes out in GBK.
    writeBetTextFile(path, {"号码", ""});
    EXPECT_EQ(dir.read("投注.txt"), QByteArray("\xBA\xC5\xC2\xEB\r\n\r\n"));
    writeBetTextFile(path, {});
    EXPECT_EQ(QFileInfo(path).size(), 0);
}

TEST(BetTextFileTest, MemoLinesAndFileNames)
{
    EXPECT_EQ(memoLines("1=000=0\n2=001=1"), QStringList({"1=000=0", "2=001=1"}));
    EXPECT_EQ(memoLines("1=000=0\n2=001=1\n"), QStringList({"1=000=0", "2=001=1"}));
    EXPECT_EQ(memoLines("a\n\nb"), QStringList({"a", "", "b"}));
    EXPECT_TRUE(memoLines("").isEmpty());

    EXPECT_EQ(betTextFileName("/tmp/投注"), "/tmp/投注.txt");
    EXPECT_EQ(betTextFileName("/tmp/投注.txt"), "/tmp/投注.txt");
    EXPECT_EQ(betTextFileName("/tmp/BETS.TXT"), "/tmp/BETS.TXT");
    EXPECT_EQ(betTextFileName("/tmp/bets.txt.bak"), "/tmp/bets.txt.bak.txt");
}

TEST(BetTextFileTest, WriteFailureIsReported)
{
    TestDir dir;
    EXPECT_THROW(writeBetTextFile(dir.file("no/such/folder/x.txt"), {"1=000=0"}), BetFileError);
    dir.write("taken.txt/inside", "keep");
    EXPECT_THROW(writeBetTextFile(dir.file("taken.txt"), {"1=000=0"}), BetFileError);
    EXPECT_EQ(dir.read("taken.txt/inside"), QByteArray("keep"));
}

} // namespace
