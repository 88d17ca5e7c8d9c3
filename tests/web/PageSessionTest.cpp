// The page helper's run in this process, against the local test server:
// pages laid out at a desktop's size, text over the limit refused whole
// (never cut and read), text answers read without the web engine.
#include "exchange/PageText.h"
#include "tests/ui/exchange/PageServer.h"
#include "web/PageSession.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

// The web engine shares its contexts; this must be set before the application exists.
const bool kSharedContexts = [] {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    return true;
}();

struct Answer
{
    bool done = false;
    QString draws;
    QString failure;
};

constexpr PageWaits kWaits{100, 3000, 20000};

Answer run(const QStringList& urls, qsizetype textLimit = qsizetype(1) << 20, Game game = Game::Fucai)
{
    PageSession session(game, kWaits, textLimit);
    Answer answer;
    QObject::connect(&session, &PageSession::drawsRead, [&](const QString& draws) { answer = {true, draws, {}}; });
    QObject::connect(&session, &PageSession::failed, [&](const QString& message) { answer = {true, {}, message}; });
    QList<QUrl> pages;
    for (const QString& url : urls)
        pages << QUrl(url);
    session.load(pages);
    // A session that never answers leaves the answer empty, which every test's expectations catch.
    (void)QTest::qWaitFor([&] { return answer.done; }, 60000);
    return answer;
}

// The page's text is exactly `text`: no margin, no line breaks of its own.
QByteArray exactPage(const QByteArray& text)
{
    return "<html><body style=\"white-space:pre;margin:0\">" + text + "</body></html>";
}

TEST(PageSession, LaysPagesOutAtADesktopSize)
{
    PageServer server;
    ASSERT_TRUE(server.listening());
    // The page's draws are its window's size, in tens of pixels.
    server.page("/size", QByteArray("<html><body><script>"
                                    "document.body.innerText = '2026001 ' + String(innerWidth / 10).padStart(3, '0') +"
                                    "  '\\n2026002 ' + String(innerHeight / 10).padStart(3, '0');"
                                    "</script></body></html>"));
    const Answer answer = run({server.url("/size")});
    EXPECT_EQ(answer.failure, "");
    EXPECT_EQ(answer.draws, "2026001 128\n2026002 080\n");
}

// A page's text of exactly the limit is read; one character more is
// refused with the limit named, the line across the limit never read as a draw.
TEST(PageSession, RefusesPageTextOverTheLimitWhole)
{
    constexpr qsizetype kLimit = 2000;
    const QByteArray draw = "2026001 073\n";
    const QByteArray exact = QByteArray(kLimit - draw.size() - 1, '-') + "\n" + draw;
    ASSERT_EQ(exact.size(), kLimit);
    // The line across the limit: "2099500 5" inside, " 7 3" beyond.
    const QByteArray across = draw + QByteArray(kLimit - draw.size() - 10, '-') + "\n2099500 5 7 3\n";
    ASSERT_EQ(across.indexOf(" 7 3"), kLimit);
    struct Case
    {
        const char* name;
        QByteArray text;
        bool read;
    };
    const Case cases[] = {
        {"exactly the limit", exact, true},
        {"one character over", exact + "-", false},
        {"a line across the limit", across, false},
    };
    PageServer server;
    ASSERT_TRUE(server.listening());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        server.page("/page", exactPage(c.text));
        server.page("/page.txt", {.body = c.text, .type = "text/plain"});
        for (const char* path : {"/page", "/page.txt"}) {
            SCOPED_TRACE(path);
            const Answer answer = run({server.url(path)}, kLimit);
            if (c.read) {
                EXPECT_EQ(answer.draws, "2026001 073\n") << answer.failure.toStdString();
            } else {
                EXPECT_EQ(answer.draws, "");
                EXPECT_EQ(answer.failure, PageText::tooLong(server.url(path), kLimit, path[5] == '.'));
            }
        }
    }
}

// A table filled by script after loading, and a text answer after the
// page of its site: the draws of the last address.
TEST(PageSession, ReadsScriptFilledPagesAndTextAnswersOfOneSession)
{
    PageServer server;
    ASSERT_TRUE(server.listening());
    server.page("/filled", QByteArray("<html><body><p>福彩3D</p><script>"
                                      "var n = 0; var timer = setInterval(function () {"
                                      "  var p = document.createElement('p');"
                                      "  p.textContent = n < 3 ? '加载中' + n : '2026001 0 7 3';"
                                      "  document.body.appendChild(p);"
                                      "  if (++n > 3) clearInterval(timer);"
                                      "}, 150);</script></body></html>"));
    EXPECT_EQ(run({server.url("/filled")}).draws, "2026001 073\n");

    server.page("/site", {.body = "<html><body>欢迎</body></html>", .setCookie = "visited=yes; Path=/"});
    server.page("/query", {.body = "2026002 1 2 3\n", .type = "text/plain; charset=utf-8", .needsCookie = "visited=yes"});
    EXPECT_EQ(run({server.url("/query")}).failure, PageText::notLoaded(server.url("/query")));
    EXPECT_EQ(run({server.url("/site"), server.url("/query")}).draws, "2026002 123\n");

    server.page("/none", QByteArray("<html><body>今日暂无开奖</body></html>"));
    EXPECT_EQ(run({server.url("/none")}).failure, PageText::noDraws(server.url("/none")));
}

} // namespace
