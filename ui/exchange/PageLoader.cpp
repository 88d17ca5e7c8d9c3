#include "ui/exchange/PageLoader.h"

#include "exchange/DrawText.h"

#include <QDateTime>
#include <QPointer>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <algorithm>

namespace {

// How long a reading may go unanswered beyond the wait for draws.
constexpr int kAnswerGraceMs = 5000;

} // namespace

QString PageLoader::noDraws(const QString& address)
{
    return QStringLiteral("页面中没有找到开奖数据：") + address;
}

QString PageLoader::notLoaded(const QString& address)
{
    return QStringLiteral("网页无法打开，请检查网络连接和下载地址：") + address;
}

QString PageLoader::crashed(const QString& address)
{
    return QStringLiteral("网页进程意外结束，已放弃下载：") + address;
}

QString PageLoader::timedOut(const QString& address, int seconds)
{
    return QStringLiteral("网页在%1秒内没有加载完成，已放弃下载：%2").arg(seconds).arg(address);
}

PageLoader::PageLoader(QObject* parent, PageWaits waits)
    : QObject(parent), m_waits(waits), m_loadTimer(new QTimer(this)), m_readTimer(new QTimer(this)),
      m_answerTimer(new QTimer(this))
{
    m_loadTimer->setSingleShot(true);
    m_readTimer->setSingleShot(true);
    m_answerTimer->setSingleShot(true);
    connect(m_answerTimer, &QTimer::timeout, this, [this] { fail(noDraws(address())); });
    connect(m_loadTimer, &QTimer::timeout, this,
            [this] { fail(timedOut(address(), (m_waits.loadWithinMs + 999) / 1000)); });
    connect(m_readTimer, &QTimer::timeout, this, &PageLoader::readText);
}

// The pages (an earlier run's too, still waiting for their deletion) must go
// before their profile, and while this object can still take the answers a
// page gives as it goes.
PageLoader::~PageLoader()
{
    m_state = State::Idle;
    qDeleteAll(findChildren<QWebEnginePage*>(Qt::FindDirectChildrenOnly));
}

void PageLoader::load(const QList<QUrl>& pages, Game game)
{
    ++m_run;
    m_loadTimer->stop();
    m_readTimer->stop();
    // A fresh page for each run: the events of an abandoned load can never
    // be taken for this run's. The session (the profile) stays.
    if (m_page) {
        m_page->disconnect(this);
        m_page->deleteLater();
    }
    if (!m_profile) {
        // Made at the first load: the web engine starts with it, which the
        // program's start should not wait for. No storage name: off the
        // record, cookies held in memory for this loader's life; nothing
        // cached, so every run sees the page as it is now.
        m_profile = new QWebEngineProfile(this);
        m_profile->setHttpCacheType(QWebEngineProfile::NoCache);
    }
    m_page = new QWebEnginePage(m_profile, this);
    m_page->setObjectName(QStringLiteral("WebBrowser1"));
    // A results page needs its scripts and nothing of this machine's: no
    // local files, and no pictures to fetch.
    QWebEngineSettings* settings = m_page->settings();
    settings->setAttribute(QWebEngineSettings::AutoLoadImages, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    connect(m_page, &QWebEnginePage::loadFinished, this, &PageLoader::loadFinished);
    connect(m_page, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status) {
                if (status != QWebEnginePage::NormalTerminationStatus && m_state != State::Idle)
                    fail(crashed(address()));
            });
    m_pages = pages;
    m_next = 0;
    m_game = game;
    if (m_pages.isEmpty()) {
        m_state = State::Idle;
        return;
    }
    loadNext();
}

void PageLoader::loadNext()
{
    m_state = State::Loading;
    m_loadTimer->start(m_waits.loadWithinMs);
    m_page->load(m_pages[m_next++]);
}

void PageLoader::loadFinished(bool ok)
{
    if (m_state != State::Loading)
        return;
    m_loadTimer->stop();
    if (!ok) {
        fail(notLoaded(address()));
        return;
    }
    emit pageLoaded(m_pages.value(m_next - 1));
    if (m_next < m_pages.size()) {
        // Left to the event loop: the finished page is done with its own events first.
        const int run = m_run;
        QTimer::singleShot(0, this, [this, run] {
            if (run == m_run && m_state == State::Loading)
                loadNext();
        });
        return;
    }
    m_state = State::Reading;
    m_readUntil = QDateTime::currentMSecsSinceEpoch() + m_waits.drawsWithinMs;
    m_answerTimer->start(m_waits.drawsWithinMs + std::max(m_waits.readAgainMs, kAnswerGraceMs));
    readText();
}

void PageLoader::readText()
{
    if (m_state != State::Reading)
        return;
    const int run = m_run;
    QPointer<PageLoader> self(this);
    // The rendered text, as a person sees it: a table's cells come apart by
    // tabs, its rows by line ends; a JSON or text answer is its text.
    m_page->runJavaScript(QStringLiteral("(document.body || document.documentElement || {innerText: ''})"
                                         ".innerText.slice(0, %1)")
                              .arg(ImportLimits::kPageTextChars),
                          [self, run](const QVariant& text) {
                              if (self && run == self->m_run)
                                  self->textRead(text.toString());
                          });
}

void PageLoader::textRead(const QString& text)
{
    if (m_state != State::Reading)
        return;
    if (!readDrawText(text, m_game).draws.empty()) {
        m_state = State::Idle;
        m_answerTimer->stop();
        leavePage();
        emit pageRead(text);
        return;
    }
    if (QDateTime::currentMSecsSinceEpoch() >= m_readUntil) {
        fail(noDraws(address()));
        return;
    }
    m_readTimer->start(m_waits.readAgainMs);
}

void PageLoader::fail(const QString& message)
{
    m_loadTimer->stop();
    m_readTimer->stop();
    m_answerTimer->stop();
    const bool loading = m_state == State::Loading;
    m_state = State::Idle;
    ++m_run;
    if (loading && m_page)
        m_page->triggerAction(QWebEnginePage::Stop);
    leavePage();
    emit failed(message);
}

void PageLoader::cancel()
{
    if (m_state == State::Idle)
        return;
    m_loadTimer->stop();
    m_readTimer->stop();
    m_answerTimer->stop();
    const bool loading = m_state == State::Loading;
    m_state = State::Idle;
    ++m_run; // whatever the page still answers belongs to no run
    if (loading && m_page)
        m_page->triggerAction(QWebEnginePage::Stop);
    leavePage();
    emit cancelled();
}

// A page left as it is keeps its scripts running for the session.
void PageLoader::leavePage()
{
    if (m_page)
        m_page->setUrl(QUrl(QStringLiteral("about:blank")));
}
