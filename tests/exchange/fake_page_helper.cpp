// Test-only stand-in for the page helper: answers as its first argument
// says, whatever else it is given.
//   text       a page opened, its draws
//   failed     the helper's own refusal
//   hang       a page opened, then its pid and a child's in a log frame, then nothing
//   crash      a page opened, then SIGABRT
//   exit3      exit status 3 without a word
//   silent     exit status 0 without an answer
//   malformed  a frame of no known kind
//   trailing   the draws, then more bytes
//   eat        a child that fills 256 MB and waits
#include "exchange/PageFrames.h"

#include <QString>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

void put(const QByteArray& bytes)
{
    (void)!::write(STDOUT_FILENO, bytes.constData(), size_t(bytes.size()));
}

void put(PageFrames::Kind kind, const QString& text)
{
    put(PageFrames::encode(kind, text));
}

[[noreturn]] void waitForever()
{
    for (;;)
        ::pause();
}

} // namespace

int main(int argc, char** argv)
{
    const QByteArray mode = argc > 1 ? argv[1] : "";
    const QString page = QString::fromLocal8Bit(argv[argc - 1]);
    if (mode == "text") {
        put(PageFrames::Kind::Opened, page);
        put(PageFrames::Kind::Draws, "2026001 073\n2026002 123\n");
    } else if (mode == "failed") {
        put(PageFrames::Kind::Failed, "页面中没有找到开奖数据：" + page);
    } else if (mode == "hang") {
        put(PageFrames::Kind::Opened, page);
        const pid_t child = ::fork();
        if (child == 0)
            waitForever();
        put(PageFrames::Kind::Log, QStringLiteral("%1 %2").arg(::getpid()).arg(child));
        waitForever();
    } else if (mode == "crash") {
        put(PageFrames::Kind::Opened, page);
        std::abort();
    } else if (mode == "exit3") {
        return 3;
    } else if (mode == "malformed") {
        put("shell 2\nls\n");
        waitForever();
    } else if (mode == "trailing") {
        put(PageFrames::encode(PageFrames::Kind::Draws, "2026001 073\n") + "more");
    } else if (mode == "eat") {
        if (::fork() == 0) {
            constexpr size_t kBytes = size_t(256) << 20;
            volatile char* memory = static_cast<char*>(std::malloc(kBytes));
            for (size_t at = 0; at < kBytes; at += 4096)
                memory[at] = 1; // every page touched, so resident
            waitForever();
        }
        waitForever();
    }
    return 0;
}
