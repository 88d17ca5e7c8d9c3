// The program's side of the page helper, with a stand-in helper: its answer
// taken only from a clean exit, every other ending one message, 取消 and the
// watchdog ending the helper and what it started.
#include "exchange/PageLoader.h"
#include "exchange/PageText.h"

#include <QSignalSpy>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>

namespace {

const QUrl kPage(QStringLiteral("http://127.0.0.1:9/3d"));

struct Ending
{
    QString draws;
    QString failure;
    bool cancelled = false;
    QStringList logged;
    QList<QUrl> opened;
};

Ending runHelper(PageLoader& loader, const char* mode)
{
    loader.setProgram(QStringLiteral(QUORVANE_FAKE_PAGE_HELPER), {QString::fromLatin1(mode)});
    Ending ending;
    bool done = false;
    QObject::connect(&loader, &PageLoader::pageRead, [&](const QString& draws) { ending.draws = draws, done = true; });
    QObject::connect(&loader, &PageLoader::failed, [&](const QString& message) {
        ending.failure = message;
        done = true;
    });
    QObject::connect(&loader, &PageLoader::logged, [&](const QString& line) { ending.logged << line; });
    QObject::connect(&loader, &PageLoader::pageLoaded, [&](const QUrl& page) { ending.opened << page; });
    loader.load({kPage}, Game::Fucai);
    EXPECT_TRUE(loader.isLoading());
    EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 20000)) << mode;
    EXPECT_FALSE(loader.isLoading());
    return ending;
}

bool gone(pid_t pid)
{
    // A process ended but not yet reaped by whoever adopted it counts as gone.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray text = stat.readAll();
    return text.mid(text.lastIndexOf(')') + 2, 1) == "Z";
}

TEST(PageLoader, TakesTheAnswerOnlyFromACleanExit)
{
    const QString address = kPage.toString();
    struct Case
    {
        const char* mode;
        QString draws;
        QString failure;
    };
    const Case cases[] = {
        {"text", "2026001 073\n2026002 123\n", {}},
        {"failed", {}, PageText::noDraws(address)},
        {"crash", {}, PageText::helperEnded(address, "崩溃")},
        {"exit3", {}, PageText::helperEnded(address, "退出码 3")},
        {"silent", {}, PageText::helperMalformed(address, "没有回答就结束了")},
        {"malformed", {}, PageText::helperMalformed(address, "无法识别的帧头")},
        {"trailing", {}, PageText::helperMalformed(address, "最后一帧之后还有内容")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        PageLoader loader;
        const Ending ending = runHelper(loader, c.mode);
        EXPECT_EQ(ending.draws, c.draws);
        EXPECT_EQ(ending.failure, c.failure);
    }
    PageLoader missing;
    missing.setProgram(QStringLiteral("/nonexistent/quorvane-page"));
    QSignalSpy failed(&missing, &PageLoader::failed);
    missing.load({kPage}, Game::Fucai);
    ASSERT_TRUE(failed.count() == 1 || failed.wait(5000));
    EXPECT_EQ(failed.first().first().toString(), PageText::helperMissing("/nonexistent/quorvane-page"));
}

// 取消 and the deadline end the helper and the process it started, at once.
TEST(PageLoader, CancelAndTheDeadlineEndTheWholeHelper)
{
    for (const bool cancel : {true, false}) {
        SCOPED_TRACE(cancel ? "cancel" : "deadline");
        PageLoader loader(nullptr, PageWaits{100, 100, 100});
        loader.setStartGraceMs(500);
        loader.setProgram(QStringLiteral(QUORVANE_FAKE_PAGE_HELPER), {QStringLiteral("hang")});
        QStringList pids;
        QObject::connect(&loader, &PageLoader::logged, [&](const QString& line) { pids = line.split(u' '); });
        QSignalSpy cancelled(&loader, &PageLoader::cancelled);
        QSignalSpy failed(&loader, &PageLoader::failed);
        QSignalSpy opened(&loader, &PageLoader::pageLoaded);
        loader.load({kPage}, Game::Fucai);
        ASSERT_TRUE(QTest::qWaitFor([&] { return pids.size() == 2; }, 10000));
        EXPECT_EQ(opened.count(), 1);
        if (cancel) {
            loader.cancel();
            EXPECT_EQ(cancelled.count(), 1);
        } else {
            ASSERT_TRUE(failed.wait(loader.deadlineMs(1) + 5000));
            EXPECT_EQ(failed.first().first().toString(),
                      PageText::timedOut(kPage.toString(), (loader.deadlineMs(1) + 999) / 1000));
        }
        EXPECT_FALSE(loader.isLoading());
        for (const QString& pid : pids)
            EXPECT_TRUE(QTest::qWaitFor([&] { return gone(pid_t(pid.toInt())); }, 3000)) << pid.toStdString();
        EXPECT_EQ(cancelled.count() + failed.count(), 1);
    }
}

// The watchdog counts what the helper started too.
TEST(PageLoader, WatchdogEndsAHelperWhoseProcessesHoldTooMuch)
{
    PageLoader loader;
    loader.setMemoryLimit(qint64(128) << 20);
    const Ending ending = runHelper(loader, "eat");
    EXPECT_EQ(ending.failure, PageText::tooMuchMemory(kPage.toString(), qint64(128) << 20));
}

} // namespace
