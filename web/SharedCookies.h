#pragma once

// One cookie jar for the whole session: what a page rendered by the web
// engine sets is sent with the text fetches after it, and the other way
// round (some result queries answer only a session that has opened their
// site's page first).

#include <QNetworkCookieJar>

class QWebEngineCookieStore;
class QWebEngineProfile;

class SharedCookies : public QNetworkCookieJar
{
public:
    using QNetworkCookieJar::QNetworkCookieJar;

    // From now on the web engine's cookies and these are one set.
    void shareWith(QWebEngineProfile* profile);

    bool insertCookie(const QNetworkCookie& cookie) override;
    bool updateCookie(const QNetworkCookie& cookie) override;

private:
    QWebEngineCookieStore* m_store = nullptr;
};
