#pragma once

// What the page helper (quorvane-page) tells the program that started it, on
// its standard output: a few frames, each a header line "<kind> <length>\n",
// then <length> bytes of UTF-8, then "\n". The last frame is "draws" or
// "failed"; nothing may follow it.
//
//   opened  the address of a page that finished loading
//   log     a line for the download's log
//   draws   the draws of the last page, one "<issue> <number>" per line
//   failed  why the run gave up, as the user is told

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

namespace PageFrames {

enum class Kind
{
    Opened,
    Log,
    Draws,
    Failed
};

struct Frame
{
    Kind kind;
    QString text;
};

// 2,000,000 draws of at most 12 bytes each fit; an address or a message is far smaller.
constexpr qsizetype kLongestFrame = qsizetype(32) << 20;
constexpr qsizetype kLongestHeader = 32;

QByteArray encode(Kind kind, const QString& text);

// Takes the helper's output as it arrives and hands out whole frames. It
// keeps at most one frame's bytes; anything that breaks the shape (an
// unknown kind, a length over kLongestFrame, bytes after the last frame,
// text that is not UTF-8) ends the reading with `problem()` set.
class Reader
{
public:
    // The frames completed by `bytes`, in order; none once a problem is found.
    std::vector<Frame> feed(QByteArrayView bytes);
    bool ended() const { return m_ended; } // the last frame was read
    bool failed() const { return !m_problem.isEmpty(); }
    QString problem() const { return m_problem; }

private:
    bool takeHeader();
    void fail(const QString& problem);

    QByteArray m_buffer;
    qsizetype m_length = -1; // of the frame whose header was read; -1 before a header
    Kind m_kind = Kind::Log;
    bool m_ended = false;
    QString m_problem;
};

} // namespace PageFrames
