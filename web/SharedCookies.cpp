#include "web/SharedCookies.h"

#include <QNetworkCookie>
#include <QWebEngineCookieStore>
#include <QWebEngineProfile>

void SharedCookies::shareWith(QWebEngineProfile* profile)
{
    m_store = profile->cookieStore();
    for (const QNetworkCookie& cookie : allCookies())
        m_store->setCookie(cookie);
    // The base class's own insert: a cookie from the engine is not sent back to it.
    QObject::connect(m_store, &QWebEngineCookieStore::cookieAdded, this,
                     [this](const QNetworkCookie& cookie) { QNetworkCookieJar::insertCookie(cookie); });
    QObject::connect(m_store, &QWebEngineCookieStore::cookieRemoved, this,
                     [this](const QNetworkCookie& cookie) { QNetworkCookieJar::deleteCookie(cookie); });
}

bool SharedCookies::insertCookie(const QNetworkCookie& cookie)
{
    const bool inserted = QNetworkCookieJar::insertCookie(cookie);
    if (inserted && m_store)
        m_store->setCookie(cookie);
    return inserted;
}

bool SharedCookies::updateCookie(const QNetworkCookie& cookie)
{
    const bool updated = QNetworkCookieJar::updateCookie(cookie);
    if (updated && m_store)
        m_store->setCookie(cookie);
    return updated;
}
