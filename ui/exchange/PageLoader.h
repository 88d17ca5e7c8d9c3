#pragma once

#include "store/DrawStore.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

class QTimer;
class QWebEnginePage;
class QWebEngineProfile;

// How long a PageLoader waits.
struct PageWaits
{
    int readAgainMs = 500;     // between readings of a loaded page without draws
    int drawsWithinMs = 20000; // after loading, for draws to appear
    int loadWithinMs = 60000;  // for each page to finish loading
};

// Loads result pages as a person's browser shows them: the addresses of one
// line of the address list in order, in one off-the-record session whose
// cookies last as long as the loader, scripts run; then reads the rendered
// text of the last page. Result pages that fill their table by script after
// loading are read again until their draws appear.
class PageLoader : public QObject
{
    Q_OBJECT
public:
    explicit PageLoader(QObject* parent = nullptr, PageWaits waits = {});
    ~PageLoader() override;
    void setWaits(const PageWaits& waits) { m_waits = waits; }

    // Starts loading `pages` (at least one); a run still going is dropped.
    // Ends in pageRead or failed.
    void load(const QList<QUrl>& pages, Game game);
    bool isLoading() const { return m_state != State::Idle; }
    // Ends the run now, as the user asked: the page is left, cancelled follows.
    void cancel();
    // The page of the current or last run; null before the first.
    QWebEnginePage* page() const { return m_page; }

    static QString noDraws(const QString& address);
    static QString notLoaded(const QString& address);
    static QString timedOut(const QString& address, int seconds);
    static QString crashed(const QString& address);

signals:
    // A page of the run finished loading (each navigation once).
    void pageLoaded(const QUrl& page);
    // The last page's text, once it holds draws of the game.
    void pageRead(const QString& text);
    void failed(const QString& message);
    void cancelled();

private:
    enum class State
    {
        Idle,
        Loading,
        Reading
    };

    void loadNext();
    void loadFinished(bool ok);
    void readText();
    void textRead(const QString& text);
    void fail(const QString& message);
    void leavePage();
    QString address() const { return m_pages.value(m_next - 1).toString(); }

    PageWaits m_waits;
    QWebEngineProfile* m_profile = nullptr;
    QWebEnginePage* m_page = nullptr;
    QTimer* m_loadTimer;
    QTimer* m_readTimer;
    QTimer* m_answerTimer; // a page busy in its scripts never answers for its text
    QList<QUrl> m_pages;
    qsizetype m_next = 0; // the page after the one loading
    Game m_game = Game::Fucai;
    State m_state = State::Idle;
    int m_run = 0; // answers of an earlier run are dropped
    qint64 m_readUntil = 0;
};
