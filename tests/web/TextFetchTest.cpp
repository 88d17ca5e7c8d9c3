// Text answers fetched with Qt Network against the local test server: what
// is taken as text, redirects, the byte limit while reading, a slow drip.
#include "exchange/PageText.h"
#include "tests/ui/exchange/PageServer.h"
#include "web/TextFetch.h"

#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Outcome
{
    enum Kind
    {
        Text,
        Page,
        Failed,
        None
    } kind = None;
    QString value;
};

Outcome fetch(const QString& url, bool probe, qsizetype limit = 1 << 20, int withinMs = 5000)
{
    QNetworkAccessManager network;
    TextFetch fetch(network);
    Outcome outcome;
    QObject::connect(&fetch, &TextFetch::textRead, [&](const QString& text) { outcome = {Outcome::Text, text}; });
    QObject::connect(&fetch, &TextFetch::isPage, [&] { outcome = {Outcome::Page, {}}; });
    QObject::connect(&fetch, &TextFetch::failed, [&](const QString& message) { outcome = {Outcome::Failed, message}; });
    fetch.start(QUrl(url), probe, limit, withinMs);
    QTest::qWaitFor([&] { return outcome.kind != Outcome::None; }, withinMs + 5000);
    return outcome;
}

TEST(TextFetch, TakesTextAnswersAndLeavesPagesToTheEngine)
{
    struct Case
    {
        const char* type;
        QByteArray body;
        Outcome::Kind kind;
        const char* text;
    };
    const Case cases[] = {
        {"text/plain; charset=utf-8", "2026001 073\n", Outcome::Text, "2026001 073\n"},
        {"text/plain; charset=gbk", "\xc6\xda 1", Outcome::Text, "期 1"},
        {"text/plain", "\xc6\xda 1", Outcome::Text, "期 1"}, // no charset: read as a history file is
        {"text/csv", "期号,号码\n2026001,073\n", Outcome::Text, "期号,号码\n2026001,073\n"},
        {"application/json;charset=UTF-8", R"({"result":[]})", Outcome::Text, R"({"result":[]})"},
        {"application/vnd.draws+json", "[]", Outcome::Text, "[]"},
        {"TEXT/PLAIN", "x", Outcome::Text, "x"},
        {"text/html; charset=gbk", "<html></html>", Outcome::Page, ""},
        {"application/xhtml+xml", "<html></html>", Outcome::Page, ""},
        {"application/octet-stream", "x", Outcome::Page, ""},
    };
    PageServer server;
    ASSERT_TRUE(server.listening());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        server.page("/answer", {.body = c.body, .type = c.type});
        const Outcome outcome = fetch(server.url("/answer"), true);
        EXPECT_EQ(outcome.kind, c.kind) << outcome.value.toStdString();
        EXPECT_EQ(outcome.value, QString::fromUtf8(c.text));
    }
    // An address named as a text file is read as text whatever its type says.
    server.page("/draws.txt", {.body = "2026001 073\n", .type = "text/html"});
    EXPECT_EQ(fetch(server.url("/draws.txt"), false).value, "2026001 073\n");
    EXPECT_TRUE(TextFetch::namesTextFile(QUrl("http://a.example/3D_ASC.TXT")));
    EXPECT_TRUE(TextFetch::namesTextFile(QUrl("http://a.example/q.json?x=1")));
    EXPECT_FALSE(TextFetch::namesTextFile(QUrl("http://a.example/txt")));
}

TEST(TextFetch, FollowsTenRedirectsOnTheWebOnly)
{
    PageServer server;
    ASSERT_TRUE(server.listening());
    server.page("/draws", {.body = "2026001 073\n", .type = "text/plain"});
    // A chain of n redirects ending at the draws.
    auto chain = [&](int n) {
        for (int i = 0; i < n; ++i)
            server.page(QStringLiteral("/hop%1-%2").arg(n).arg(i),
                        {.location = (i + 1 < n ? server.url(QStringLiteral("/hop%1-%2").arg(n).arg(i + 1))
                                                : server.url("/draws"))
                                         .toLatin1()});
        return server.url(QStringLiteral("/hop%1-0").arg(n));
    };
    const Outcome ten = fetch(chain(10), true);
    EXPECT_EQ(ten.value, "2026001 073\n") << ten.kind;
    EXPECT_EQ(fetch(chain(11), true).value, PageText::tooManyRedirects(chain(11)));
    server.page("/loop", {.location = server.url("/loop").toLatin1()});
    EXPECT_EQ(fetch(server.url("/loop"), true).value, PageText::tooManyRedirects(server.url("/loop")));
    for (const char* elsewhere : {"file:///etc/passwd", "ftp://127.0.0.1/draws", "data:text/plain,2026001%20073"}) {
        SCOPED_TRACE(elsewhere);
        server.page("/away", {.location = elsewhere});
        const Outcome outcome = fetch(server.url("/away"), true);
        EXPECT_EQ(outcome.kind, Outcome::Failed);
        EXPECT_EQ(outcome.value, PageText::badRedirect(server.url("/away")));
    }
}

// The limit holds while the text arrives, with its length announced or not:
// a text of exactly the limit is read, one byte more is refused whole.
TEST(TextFetch, RefusesTextOverTheByteLimitAsItArrives)
{
    PageServer server;
    ASSERT_TRUE(server.listening());
    constexpr qsizetype kLimit = 4096;
    const QByteArray exact = QByteArray(kLimit - 12, ' ') + "2026001 073\n";
    ASSERT_EQ(exact.size(), kLimit);
    for (const bool sendsLength : {true, false}) {
        SCOPED_TRACE(sendsLength ? "length announced" : "length not announced");
        server.page("/exact", {.body = exact, .type = "text/plain", .sendsLength = sendsLength});
        server.page("/over", {.body = exact + "2", .type = "text/plain", .sendsLength = sendsLength});
        EXPECT_EQ(fetch(server.url("/exact"), true, kLimit).value, QString::fromLatin1(exact));
        const Outcome over = fetch(server.url("/over"), true, kLimit);
        EXPECT_EQ(over.kind, Outcome::Failed);
        EXPECT_EQ(over.value, PageText::tooLong(server.url("/over"), kLimit, true));
    }
    // Far more than the limit, dripped over 2.6 s: refused once the limit
    // passes, well before the fetch's deadline, not read to the end.
    server.page("/flood", {.body = QByteArray(64 * kLimit, 'x'), .type = "text/plain", .sendsLength = false,
                           .dripBytes = 1024, .dripMs = 10});
    EXPECT_EQ(fetch(server.url("/flood"), true, kLimit, 1500).value,
              PageText::tooLong(server.url("/flood"), kLimit, true));
}

TEST(TextFetch, GivesUpOnASlowDripAtItsDeadlineAndNamesMissingPages)
{
    PageServer server;
    ASSERT_TRUE(server.listening());
    server.page("/drip", {.body = QByteArray(1000, ' '), .type = "text/plain", .dripBytes = 1, .dripMs = 50});
    EXPECT_EQ(fetch(server.url("/drip"), true, 1 << 20, 1000).value, PageText::timedOut(server.url("/drip"), 1));
    EXPECT_EQ(fetch(server.url("/missing"), true).value, PageText::notLoaded(server.url("/missing")));
    EXPECT_EQ(fetch("http://127.0.0.1:9/closed", true).value, PageText::notLoaded("http://127.0.0.1:9/closed"));
}

} // namespace
