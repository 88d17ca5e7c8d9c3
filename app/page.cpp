// The page helper: loads the result pages of one line of the address list,
// as a desktop browser shows them, and answers with the draws of the last,
// in frames on its standard output (exchange/PageFrames.h). The download
// window and quorvane-import start it; the web engine lives only here, so
// the program starts without it and a page's memory or crash ends only this
// process.
//
//   quorvane-page --game fucai|ticai [--waits READ,DRAWS,LOAD] [--text-limit N] [--verbose] ADDRESS...
//
// Exits 0 once its answer ("draws" or "failed") is written, 2 on a usage error.
#include "app/CommandLine.h"
#include "exchange/DownloadList.h"
#include "exchange/ImportFile.h"
#include "exchange/PageFrames.h"
#include "exchange/PageText.h"
#include "web/PageSession.h"

#include <QApplication>
#include <QLoggingCategory>
#include <cerrno>
#include <fcntl.h>
#include <csignal>
#include <cstdio>
#include <optional>
#include <unistd.h>

namespace {

constexpr int kUsage = 2;

const char* const kUsageText =
    "用法：quorvane-page --game fucai|ticai [--waits READ,DRAWS,LOAD] [--text-limit N] [--verbose] 网址...\n"
    "\n"
    "按顺序在同一会话中打开网址，从最后一个网页读取开奖号码，以分帧的形式写到标准输出。\n"
    "由 quorvane 的下载窗口和 quorvane-import 启动，一般不直接使用。";

struct Arguments
{
    Game game = Game::Fucai;
    PageWaits waits;
    qsizetype textLimit = ImportLimits::kPageTextChars;
    bool verbose = false;
    QStringList addresses;
};

std::optional<Arguments> parseArguments(const QStringList& args)
{
    Arguments parsed;
    bool gameGiven = false;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        const QString value = args.value(i + 1);
        if (arg == QLatin1String("--game") && (value == tableName(Game::Fucai) || value == tableName(Game::Ticai))) {
            parsed.game = value == tableName(Game::Fucai) ? Game::Fucai : Game::Ticai;
            gameGiven = true;
            ++i;
        } else if (arg == QLatin1String("--waits") && PageWaits::parse(value)) {
            parsed.waits = *PageWaits::parse(value);
            ++i;
        } else if (arg == QLatin1String("--text-limit") && value.toLongLong() > 0) {
            parsed.textLimit = std::min<qsizetype>(value.toLongLong(), ImportLimits::kPageTextChars);
            ++i;
        } else if (arg == QLatin1String("--verbose")) {
            parsed.verbose = true;
        } else if (arg.startsWith(u'-')) {
            return std::nullopt;
        } else {
            parsed.addresses << arg;
        }
    }
    if (!gameGiven || parsed.addresses.isEmpty())
        return std::nullopt;
    return parsed;
}

// Where the frames go: the standard output as it was given, kept on a
// descriptor of its own that the web engine's processes do not inherit. Their
// standard output is /dev/null, so nothing of theirs can enter the frames, and
// the parent sees the end of the answer as soon as the helper ends.
int g_frames = STDOUT_FILENO;

void keepFramesToOurselves()
{
    const int frames = ::fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 3);
    const int nothing = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (frames < 0 || nothing < 0 || ::dup2(nothing, STDOUT_FILENO) < 0)
        return; // the frames stay on the standard output
    ::close(nothing);
    g_frames = frames;
}

// Writes a frame whole; a parent that stopped listening ends the helper.
void write(PageFrames::Kind kind, const QString& text)
{
    const QByteArray frame = PageFrames::encode(kind, text);
    qsizetype written = 0;
    while (written < frame.size()) {
        const ssize_t n = ::write(g_frames, frame.constData() + written, size_t(frame.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            ::_exit(1);
        written += n;
    }
}

// The answer is the last frame: written, the helper ends without waiting for
// the web engine to wind down (its processes end as their pipes close).
[[noreturn]] void answer(PageFrames::Kind kind, const QString& text)
{
    write(kind, text);
    std::fflush(stderr);
    ::_exit(0);
}

} // namespace

int main(int argc, char** argv)
{
    std::signal(SIGPIPE, SIG_IGN);
    // Nothing of the helper is ever shown: the offscreen platform whatever the session.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        std::puts(kUsageText);
        return 0;
    }
    if (args.contains(QLatin1String("--version"))) {
        QCoreApplication app(argc, argv);
        printLine(stdout, versionText(QStringLiteral("quorvane-page")));
        return 0;
    }
    const std::optional<Arguments> parsed = parseArguments(args);
    if (!parsed) {
        std::fputs(kUsageText, stderr);
        std::fputc('\n', stderr);
        return kUsage;
    }
    keepFramesToOurselves();
    // Checked again here: the helper loads nothing but the web, whoever starts it.
    QList<QUrl> pages;
    for (const QString& address : parsed->addresses) {
        const QUrl url = downloadUrl(address);
        if (!url.isValid())
            answer(PageFrames::Kind::Failed, PageText::notLoaded(address));
        pages << url;
    }
    // What page scripts write to their console is no concern of a user.
    if (!parsed->verbose)
        QLoggingCategory::setFilterRules(QStringLiteral("js.*=false"));
    QApplication app(argc, argv);
    PageSession session(parsed->game, parsed->waits, parsed->textLimit);
    QObject::connect(&session, &PageSession::opened, [](const QUrl& page) {
        write(PageFrames::Kind::Opened, page.toString());
    });
    QObject::connect(&session, &PageSession::drawsRead,
                     [](const QString& draws) { answer(PageFrames::Kind::Draws, draws); });
    QObject::connect(&session, &PageSession::failed,
                     [](const QString& message) { answer(PageFrames::Kind::Failed, message); });
    session.load(pages);
    return app.exec();
}
