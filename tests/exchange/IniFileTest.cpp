#include "exchange/IniFile.h"

#include "tests/support/TestDir.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

// A hand-edited profile: comments, blanks around names and values, mixed
// line endings, a repeated key and section, and no newline at the end.
const QByteArray kProfile = QByteArrayLiteral("; top comment\r\n"
                                              "[ Alpha ]\r\n"
                                              "  Width =  12  \r\n"
                                              ";skip=1\r\n"
                                              "other=x\n"
                                              "; note about alpha\r\n"
                                              "\r\n"
                                              "[Beta]\r\n"
                                              "width=99\r\n"
                                              "Width=98\r\n"
                                              "quoted=\"a b\"\r\n"
                                              "half=\"a\r\n"
                                              "url=http://h/?a=b\r\n"
                                              "[alpha]\r\n"
                                              "width=77\r\n"
                                              "extra=1");

// GBK bytes of 启动设置, 默认显示期数, 彩票种类, 种类 and 福彩.
const QByteArray kStartGbk = QByteArray::fromHex("c6f4b6afc9e8d6c3");
const QByteArray kShowCountGbk = QByteArray::fromHex("c4acc8cfcfd4cabec6dacafd");
const QByteArray kKindSectionGbk = QByteArray::fromHex("b2cac6b1d6d6c0e0");
const QByteArray kKindGbk = QByteArray::fromHex("d6d6c0e0");
const QByteArray kFucaiGbk = QByteArray::fromHex("b8a3b2ca");

class IniFileTest : public ::testing::Test
{
protected:
    TestDir dir;
    QString path = dir.file("set.ini");
    IniFile ini{path};
};

TEST_F(IniFileTest, ReadsLikeTheProfileFunctions)
{
    dir.write("set.ini", kProfile);
    struct Case
    {
        const char* section;
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"Alpha", "width", "12"},   // blanks trimmed, first section of the name wins
        {"ALPHA", "WIDTH", "12"},   // names ignore letter case
        {"alpha", "other", "x"},    // LF-only line
        {"Alpha", "extra", "none"}, // only in the later duplicate section
        {"Alpha", ";skip", "none"}, // comment line
        {"Beta", "width", "99"},    // first key of the name wins
        {"Beta", "quoted", "a b"},  // one pair of wrapping quotes dropped
        {"Beta", "half", "\"a"},    // unmatched quote kept
        {"Beta", "url", "http://h/?a=b"}, {"Beta", "missing", "none"}, {"Gamma", "width", "none"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ini.readString(c.section, c.key, "none"), QString::fromUtf8(c.expected)) << c.section << "/" << c.key;
}

TEST_F(IniFileTest, MissingFileReadsDefault)
{
    EXPECT_EQ(ini.readString("Alpha", "width", "dflt"), "dflt");
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(IniFileTest, WriteChangesOnlyItsOwnLine)
{
    struct Case
    {
        const char* section;
        const char* key;
        const char* value;
        QByteArray before; // the bytes of kProfile the write may touch
        QByteArray after;
    };
    const Case cases[] = {
        // Key spelling, '=' and the blanks after it stay; the old value goes.
        {"alpha", "WIDTH", "30", "  Width =  12  \r\n", "  Width =  30\r\n"},
        {"Beta", "width", "5", "width=99\r\n", "width=5\r\n"},
        // A new key goes after the section's last key, before its trailing comment.
        {"Alpha", "new", "1", "other=x\n", "other=x\nnew=1\r\n"},
        // A new section goes at the end; the unterminated last line gets its CRLF.
        {"Gamma", "k", "v", "extra=1", "extra=1\r\n[Gamma]\r\nk=v\r\n"},
    };
    for (const Case& c : cases) {
        dir.write("set.ini", kProfile);
        ini.writeString(c.section, c.key, c.value);
        QByteArray expected = kProfile;
        expected.replace(kProfile.indexOf(c.before), c.before.size(), c.after);
        EXPECT_EQ(dir.read("set.ini"), expected) << c.section << "/" << c.key;
        EXPECT_EQ(ini.readString(c.section, c.key, "none"), QString::fromUtf8(c.value));
    }
}

TEST_F(IniFileTest, WritesGbkIntoAFreshFile)
{
    ini.writeString(QStringLiteral("启动设置"), QStringLiteral("默认显示期数"), "40");
    ini.writeString(QStringLiteral("彩票种类"), QStringLiteral("种类"), QStringLiteral("福彩"));
    ini.writeString(QStringLiteral("启动设置"), QStringLiteral("默认显示期数"), "60");

    const QByteArray expected = "[" + kStartGbk + "]\r\n" + kShowCountGbk + "=60\r\n" + "[" + kKindSectionGbk +
                                "]\r\n" + kKindGbk + "=" + kFucaiGbk + "\r\n";
    EXPECT_EQ(dir.read("set.ini"), expected);
}

TEST_F(IniFileTest, ReadsGbkWrittenElsewhere)
{
    dir.write("set.ini", "[" + kKindSectionGbk + "]\n" + kKindGbk + " = " + kFucaiGbk + "\n");
    EXPECT_EQ(ini.readString(QStringLiteral("彩票种类"), QStringLiteral("种类"), "none"), QStringLiteral("福彩"));
}

TEST_F(IniFileTest, WriteIntoMissingFolderThrowsAndCreatesNothing)
{
    const QString inMissing = dir.file("nofolder/set.ini");
    try {
        IniFile(inMissing).writeString("Alpha", "width", "1");
        FAIL() << "no IniWriteError";
    } catch (const IniWriteError& e) {
        EXPECT_EQ(e.text(), QStringLiteral("无法写入 ") + inMissing);
    }
    EXPECT_FALSE(QFileInfo::exists(dir.file("nofolder")));
}

TEST_F(IniFileTest, UnwritablePathThrowsAndStaysAsItWas)
{
    // A folder in the file's place: refused even for root, unlike chmod.
    ASSERT_TRUE(QDir(dir.path()).mkdir("set.ini"));
    EXPECT_THROW(ini.writeString("Alpha", "width", "1"), IniWriteError);
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_TRUE(QDir(path).isEmpty());
}

} // namespace

namespace {

// Several keys in one replace: the bytes the same writes one by one give.
TEST_F(IniFileTest, WriteStringsEqualsTheWritesOneByOne)
{
    const std::vector<IniValue> values = {
        {"alpha", "WIDTH", "5"}, {"Beta", "new", "n"}, {"Gamma", "g", "1"}, {"gamma", "h", "2"}};
    dir.write("set.ini", kProfile);
    for (const IniValue& value : values)
        ini.writeString(value.section, value.key, value.value);
    const QByteArray oneByOne = dir.read("set.ini");

    dir.write("set.ini", kProfile);
    ini.writeStrings(values);
    EXPECT_EQ(dir.read("set.ini"), oneByOne);
}

// A value holding a line break stays on its key's line: the next read finds
// the same keys, and the break cannot plant a section or key of its own.
TEST_F(IniFileTest, ValuesNeverCarryLineBreaks)
{
    dir.write("set.ini", kProfile);
    ini.writeString("alpha", "WIDTH", "5\r\n[Beta]\nnew=planted\r");
    ini.writeString("Fresh", "k", "a\nb");
    const QByteArray bytes = dir.read("set.ini");
    EXPECT_FALSE(bytes.contains("\n[Beta]\nnew=planted"));
    EXPECT_EQ(ini.readString("alpha", "WIDTH", "none"), "5 [Beta] new=planted");
    EXPECT_EQ(ini.readString("Beta", "new", "none"), "none");
    EXPECT_EQ(ini.readString("Fresh", "k", "none"), "a b");
}

} // namespace

