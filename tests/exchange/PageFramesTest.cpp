// The page helper's frames as the program reads them: whole frames in any
// pieces, and every shape out of order refused with nothing handed out.
#include "exchange/PageFrames.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

using PageFrames::Kind;

QStringList shown(const std::vector<PageFrames::Frame>& frames)
{
    QStringList out;
    for (const PageFrames::Frame& frame : frames)
        out << QString::number(int(frame.kind)) + ":" + frame.text;
    return out;
}

TEST(PageFrames, ReadsFramesInAnyPieces)
{
    const QByteArray stream = PageFrames::encode(Kind::Opened, "http://a.example/3d") +
                              PageFrames::encode(Kind::Log, "第一行\n第二行") + PageFrames::encode(Kind::Log, "") +
                              PageFrames::encode(Kind::Draws, "2026001 073\n2026002 123\n");
    const QStringList whole = {"0:http://a.example/3d", "1:第一行\n第二行", "1:", "2:2026001 073\n2026002 123\n"};
    for (const qsizetype piece : {qsizetype(1), qsizetype(2), qsizetype(7), stream.size()}) {
        SCOPED_TRACE(piece);
        PageFrames::Reader reader;
        QStringList read;
        for (qsizetype at = 0; at < stream.size(); at += piece)
            read << shown(reader.feed(stream.mid(at, piece)));
        EXPECT_EQ(read, whole);
        EXPECT_TRUE(reader.ended());
        EXPECT_FALSE(reader.failed());
    }
}

TEST(PageFrames, RefusesEveryShapeOutOfOrder)
{
    struct Case
    {
        const char* name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"unknown kind", "shell 2\nls\n"},
        {"no length", "draws\n\n"},
        {"length not a number", "draws 1x\n1\n"},
        {"negative length", "draws -1\n\n"},
        {"length over the limit", "draws " + QByteArray::number(PageFrames::kLongestFrame + 1) + "\n"},
        {"endless header", QByteArray(PageFrames::kLongestHeader + 1, 'd')},
        {"length too short", "log 2\nabc\n"},
        {"not UTF-8", "log 2\n\xff\xfe\n"},
        {"after the last frame", PageFrames::encode(Kind::Failed, "x") + "log 0\n\n"},
        {"a NUL in the header", QByteArray("log\0 1\nx\n", 9)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PageFrames::Reader reader;
        const std::vector<PageFrames::Frame> frames = reader.feed(PageFrames::encode(Kind::Opened, "http://a/") + c.bytes);
        EXPECT_TRUE(reader.failed());
        EXPECT_FALSE(reader.problem().isEmpty());
        EXPECT_TRUE(frames.empty());
        EXPECT_TRUE(reader.feed(PageFrames::encode(Kind::Log, "more")).empty());
    }
}

} // namespace
