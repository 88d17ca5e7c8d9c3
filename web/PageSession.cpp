#include "web/PageSession.h"

#include "exchange/DrawText.h"
#include "exchange/ImportFile.h"
#include "exchange/PageText.h"
#include "web/PageView.h"
#include "web/SharedCookies.h"
#include "web/TextFetch.h"

#include <QDateTime>
#include <QNetworkAccessManager>
#include <QTimer>
#include <algorithm>

namespace {

// How long a reading may go unanswered beyond the wait for draws.
constexpr int kAnswerGraceMs = 5000;

// Where the text added since `before` starts: at the start of before's last
// line, which may have grown; the whole text when the page changed more.
qsizetype addedFrom(const QString& text, const QString& before)
{
    if (before.isEmpty() || !text.startsWith(before))
        return 0;
    return before.lastIndexOf(u'\n') + 1;
}

} // namespace

PageSession::PageSession(Game game, PageWaits waits, qsizetype textLimit, QObject* parent)
    : QObject(parent), m_game(game), m_waits(waits), m_textLimit(textLimit),
      m_network(new QNetworkAccessManager(this)), m_fetch(new TextFetch(*m_network, this)),
      m_loadTimer(new QTimer(this)), m_readTimer(new QTimer(this)), m_answerTimer(new QTimer(this))
{
    m_network->setCookieJar(new SharedCookies(m_network));
    m_loadTimer->setSingleShot(true);
    m_readTimer->setSingleShot(true);
    m_answerTimer->setSingleShot(true);
    connect(m_loadTimer, &QTimer::timeout, this,
            [this] { fail(PageText::timedOut(address(), (m_waits.loadWithinMs + 999) / 1000)); });
    connect(m_answerTimer, &QTimer::timeout, this, [this] { fail(PageText::noDraws(address())); });
    connect(m_readTimer, &QTimer::timeout, this, &PageSession::readRendered);
    connect(m_fetch, &TextFetch::textRead, this, &PageSession::textFetched);
    connect(m_fetch, &TextFetch::isPage, this, &PageSession::render);
    connect(m_fetch, &TextFetch::failed, this, &PageSession::fail);
}

PageSession::~PageSession()
{
    m_done = true;
    delete m_view;
}

PageView& PageSession::view()
{
    if (!m_view) {
        m_view = new PageView;
        static_cast<SharedCookies*>(m_network->cookieJar())->shareWith(m_view->profile());
        connect(m_view, &PageView::loaded, this, &PageSession::rendered);
        connect(m_view, &PageView::crashed, this, [this] {
            if (!m_done)
                fail(PageText::crashed(address()));
        });
    }
    return *m_view;
}

void PageSession::load(const QList<QUrl>& pages)
{
    m_pages = pages;
    m_next = 0;
    if (m_pages.isEmpty()) {
        fail(PageText::noDraws(QString()));
        return;
    }
    loadNext();
}

void PageSession::loadNext()
{
    const QUrl url = m_pages[m_next++];
    m_rendering = false;
    // A text file by its name is fetched at once; anything else is asked
    // for and, if a page comes, rendered.
    m_fetch->start(url, !TextFetch::namesTextFile(url), m_textLimit, m_waits.loadWithinMs);
}

void PageSession::pageOpened()
{
    emit opened(m_pages[m_next - 1]);
}

void PageSession::textFetched(const QString& text)
{
    if (m_done)
        return;
    pageOpened();
    if (m_next < m_pages.size()) {
        loadNext();
        return;
    }
    // A text answer is whole when it arrives: read once, no waiting.
    finish(readDrawText(text, m_game));
}

void PageSession::render()
{
    if (m_done)
        return;
    m_rendering = true;
    m_loadTimer->start(m_waits.loadWithinMs);
    view().load(m_pages[m_next - 1]);
}

void PageSession::rendered(bool ok)
{
    if (m_done || !m_rendering || !m_loadTimer->isActive())
        return;
    m_loadTimer->stop();
    if (!ok) {
        fail(PageText::notLoaded(address()));
        return;
    }
    pageOpened();
    if (m_next < m_pages.size()) {
        // Left to the event loop: the finished page is done with its own events first.
        QTimer::singleShot(0, this, [this] {
            if (!m_done)
                loadNext();
        });
        return;
    }
    m_readUntil = QDateTime::currentMSecsSinceEpoch() + m_waits.drawsWithinMs;
    m_answerTimer->start(m_waits.drawsWithinMs + std::max(m_waits.readAgainMs, kAnswerGraceMs) + kLargeTextReadMs);
    readRendered();
}

void PageSession::readRendered()
{
    if (m_done)
        return;
    view().readText(m_textLimit, [this](const QVariant& answer) { renderedTextRead(answer); });
}

void PageSession::renderedTextRead(const QVariant& answer)
{
    if (m_done)
        return;
    if (answer.typeId() != QMetaType::QString) {
        fail(PageText::tooLong(address(), m_textLimit, false));
        return;
    }
    const QString text = answer.toString();
    // The marker page is read from its marker on, wherever the added text starts.
    static const QString markers[] = {QStringLiteral("3D号码："), QStringLiteral("排列三号码：")};
    const bool marked = text.contains(markers[m_game == Game::Fucai ? 0 : 1]);
    const qsizetype from = marked ? 0 : addedFrom(text, m_lastText);
    // The first reading is the page's one parse; a later one parses its whole
    // text only once the added part shows draws.
    if (from == 0) {
        ImportFile file = readDrawText(text, m_game);
        if (!file.draws.empty() || !file.refusal.isEmpty()) {
            finish(std::move(file));
            return;
        }
    } else if (!readDrawText(text.mid(from), m_game).draws.empty()) {
        finish(readDrawText(text, m_game));
        return;
    }
    m_lastText = text;
    if (QDateTime::currentMSecsSinceEpoch() >= m_readUntil) {
        fail(PageText::noDraws(address()));
        return;
    }
    m_readTimer->start(text.size() > kLargeText ? std::max(m_waits.readAgainMs, kLargeTextReadMs)
                                                : m_waits.readAgainMs);
}

void PageSession::finish(ImportFile file)
{
    if (!file.refusal.isEmpty()) {
        fail(file.refusal);
        return;
    }
    if (file.draws.empty()) {
        fail(PageText::noDraws(address()));
        return;
    }
    m_done = true;
    m_loadTimer->stop();
    m_readTimer->stop();
    m_answerTimer->stop();
    m_lastText.clear();
    emit drawsRead(drawLines(file));
}

void PageSession::fail(const QString& message)
{
    if (m_done)
        return;
    m_done = true;
    m_loadTimer->stop();
    m_readTimer->stop();
    m_answerTimer->stop();
    m_fetch->abort();
    if (m_view && m_rendering)
        m_view->stop();
    emit failed(message);
}
