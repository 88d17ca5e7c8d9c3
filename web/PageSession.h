#pragma once

// The page helper's run: the addresses of one line in order, in one session
// (cookies shared between the text fetches and the web engine), then the
// draws of the last page. A text answer (plain text, CSV, JSON) is fetched
// and read once; a page is rendered by the web engine, made only when a page
// needs it, and read until its draws appear. Each reading looks only at the
// text added since the one before; text over the limit is refused, never cut.

#include "core/Game.h"
#include "exchange/ImportFile.h"
#include "exchange/PageWaits.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

class PageView;
class QNetworkAccessManager;
class QTimer;
class TextFetch;

class PageSession : public QObject
{
    Q_OBJECT
public:
    // Text past this many characters is read at most every kLargeTextReadMs.
    static constexpr qsizetype kLargeText = qsizetype(1) << 20;
    static constexpr int kLargeTextReadMs = 2000;

    PageSession(Game game, PageWaits waits, qsizetype textLimit, QObject* parent = nullptr);
    ~PageSession() override;

    void load(const QList<QUrl>& pages);

signals:
    void opened(const QUrl& page);
    // The draws of the last page, one "<issue> <number>" per line.
    void drawsRead(const QString& draws);
    void failed(const QString& message);

private:
    void loadNext();
    void pageOpened();
    void textFetched(const QString& text);
    void render();
    void rendered(bool ok);
    void readRendered();
    void renderedTextRead(const QVariant& answer);
    // Ends the run with the draws read, or with why there are none.
    void finish(ImportFile file);
    void fail(const QString& message);
    PageView& view();
    QString address() const { return m_pages.value(m_next - 1).toString(); }

    Game m_game;
    PageWaits m_waits;
    qsizetype m_textLimit;
    QNetworkAccessManager* m_network;
    TextFetch* m_fetch;
    PageView* m_view = nullptr;
    QTimer* m_loadTimer;
    QTimer* m_readTimer;
    QTimer* m_answerTimer; // a page busy in its scripts never answers for its text
    QList<QUrl> m_pages;
    qsizetype m_next = 0;
    bool m_rendering = false;
    bool m_done = false;
    QString m_lastText; // of the last reading, whose added text the next reading looks at
    qint64 m_readUntil = 0;
};
