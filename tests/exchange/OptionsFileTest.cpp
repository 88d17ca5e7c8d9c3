#include "exchange/OptionsFile.h"

#include "exchange/DownloadList.h"
#include "exchange/IniFile.h"
#include "tests/support/TestDir.h"

#include <QFileInfo>
#include <QStringEncoder>
#include <gtest/gtest.h>

namespace {

QByteArray gbk(const QString& text)
{
    QStringEncoder encoder("GBK");
    return encoder(text);
}

TEST(OptionsFileTest, NoFileGivesDefaults)
{
    TestDir dir;
    const StartupOptions options = readStartupOptions(Options::optionsPath(dir.path()));
    EXPECT_EQ(options.defaultShowCount, "40");
    EXPECT_EQ(options.columnWidth, "16");
    EXPECT_EQ(options.kind, "1");
    EXPECT_TRUE(options.isFucai());
}

TEST(OptionsFileTest, OnlyTheExactTextOneIsFucai)
{
    struct Case
    {
        const char* stored; // value as it stands in the file
        const char* kind;   // text the reader hands back
        bool fucai;
    };
    const Case cases[] = {
        {"1", "1", true},        {" 1 ", "1", true}, // blanks around a value are not part of it
        {"2", "2", false},       {"0", "0", false},   {"ticai", "ticai", false},
        {"\" 1\"", " 1", false}, {"01", "01", false}, {"", "", false},
    };
    TestDir dir;
    for (const Case& c : cases) {
        dir.write("set.ini",
                  "[" + gbk(Options::kKindSection) + "]\r\n" + gbk(Options::kKindKey) + "=" + c.stored + "\r\n");
        const StartupOptions options = readStartupOptions(dir.file("set.ini"));
        EXPECT_EQ(options.kind, QString::fromUtf8(c.kind)) << c.stored;
        EXPECT_EQ(options.isFucai(), c.fucai) << c.stored;
        EXPECT_EQ(options.defaultShowCount, "40");
    }
}

TEST(OptionsFileTest, ShowCountItemIndex)
{
    const std::pair<int, int> cases[] = {
        {20, 0},  {30, 0},  {39, 0},  {40, 1}, {50, 1},   {100, 4},  {120, 4},
        {150, 4}, {19, -1}, {10, -1}, {0, -1}, {-20, -1}, {-45, -1},
    };
    for (const auto& [count, index] : cases)
        EXPECT_EQ(showCountItemIndex(count), index) << count;
}

TEST(OptionsFileTest, CreatesDefaultsOnceAndNeverOverwrites)
{
    TestDir dir;
    ASSERT_TRUE(createDefaultUserFiles(dir.path()));

    const IniFile ini(dir.file("user/DefaultSet.ini"));
    EXPECT_EQ(ini.readString(Options::kStartSection, Options::kShowCountKey, "none"), "40");
    EXPECT_EQ(ini.readString(Options::kWidthSection, Options::kWidthKey, "none"), "16");
    EXPECT_EQ(ini.readString(Options::kKindSection, Options::kKindKey, "none"), "1");

    // Every line names pages the download loads; the welfare query comes after its site's page.
    const QStringList lines = readDownloadList(dir.file("user/DownUpdate.txt"));
    ASSERT_EQ(lines.size(), 4);
    for (const QString& line : lines)
        for (const QString& address : splitAddresses(line))
            EXPECT_TRUE(downloadUrl(address).isValid()) << address.toStdString();
    const QStringList latest3d = splitAddresses(downloadAddress(lines, Game::Fucai, false));
    ASSERT_EQ(latest3d.size(), 2);
    EXPECT_EQ(downloadUrl(latest3d[0]).host(), downloadUrl(latest3d[1]).host());
    EXPECT_TRUE(latest3d[1].contains("name=3d"));
    EXPECT_EQ(splitAddresses(downloadAddress(lines, Game::Ticai, true)),
              QStringList{"https://data.17500.cn/pl3_asc.txt"});

    ini.writeString(Options::kKindSection, Options::kKindKey, "2");
    dir.write("user/DownUpdate.txt", "http://example.invalid/mine\r\n");
    const QByteArray options = dir.read("user/DefaultSet.ini");

    ASSERT_TRUE(createDefaultUserFiles(dir.path()));
    EXPECT_EQ(dir.read("user/DefaultSet.ini"), options);
    EXPECT_EQ(dir.read("user/DownUpdate.txt"), "http://example.invalid/mine\r\n");
}

// A list saved as UTF-8 with a byte-order mark reads as the addresses it holds.
TEST(OptionsFileTest, DownloadListWithAByteOrderMark)
{
    TestDir dir;
    dir.write("DownUpdate.txt", "\xEF\xBB\xBFhttps://a.example/1\r\nhttps://b.example/\xE4\xB8\x89\r\n");
    EXPECT_EQ(readDownloadList(dir.file("DownUpdate.txt")),
              (QStringList{"https://a.example/1", QStringLiteral("https://b.example/三")}));
}

TEST(OptionsFileTest, CreateReportsAFolderItCannotMake)
{
    TestDir dir;
    dir.write("user", "a file where the folder belongs");
    EXPECT_FALSE(createDefaultUserFiles(dir.path()));
    EXPECT_EQ(dir.read("user"), "a file where the folder belongs");
}

} // namespace
