#include "web/TextFetch.h"

#include "exchange/DownloadList.h"
#include "exchange/ImportFile.h"
#include "exchange/PageText.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringDecoder>
#include <QTimer>

namespace {

// Some result sites answer only what looks like a desktop browser.
const QByteArray kUserAgent =
    "Mozilla/5.0 (X11; Linux x86_64) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/108.0.0.0 Safari/537.36";

} // namespace

TextFetch::TextFetch(QNetworkAccessManager& network, QObject* parent)
    : QObject(parent), m_network(network), m_deadline(new QTimer(this))
{
    m_deadline->setSingleShot(true);
    connect(m_deadline, &QTimer::timeout, this,
            [this] { fail(PageText::timedOut(address(), (m_withinMs + 999) / 1000)); });
}

TextFetch::~TextFetch()
{
    drop();
}

bool TextFetch::isTextType(const QByteArray& contentType)
{
    const QByteArray type = contentType.split(';').value(0).trimmed().toLower();
    return type == "text/plain" || type == "text/csv" || type == "application/csv" || type == "application/json" ||
           type == "text/json" || type == "text/x-json" || (type.startsWith("application/") && type.endsWith("+json"));
}

bool TextFetch::namesTextFile(const QUrl& url)
{
    const QString path = url.path().toLower();
    return path.endsWith(QLatin1String(".txt")) || path.endsWith(QLatin1String(".csv")) ||
           path.endsWith(QLatin1String(".json"));
}

QString TextFetch::decode(const QByteArray& bytes, const QByteArray& contentType)
{
    const qsizetype at = contentType.toLower().indexOf("charset=");
    if (at >= 0) {
        const QByteArray charset = contentType.mid(at + 8).split(';').value(0).trimmed().replace('"', "");
        QStringDecoder decoder(charset.constData());
        if (decoder.isValid())
            return decoder.decode(bytes);
    }
    return decodeText(bytes);
}

void TextFetch::start(const QUrl& url, bool probe, qsizetype byteLimit, int withinMs)
{
    drop();
    m_url = url;
    m_probe = probe;
    m_decided = !probe;
    m_limit = byteLimit;
    m_withinMs = withinMs;
    m_redirects = 0;
    request(url);
    m_deadline->start(withinMs);
}

// Redirects are followed here, not by Qt: each target is looked at before it is asked for.
void TextFetch::request(const QUrl& url)
{
    m_bytes.clear();
    m_type.clear();
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, kUserAgent);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    m_reply = m_network.get(request);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &TextFetch::headersArrived);
    connect(m_reply, &QNetworkReply::readyRead, this, &TextFetch::bytesArrived);
    connect(m_reply, &QNetworkReply::finished, this, &TextFetch::replyFinished);
}

bool TextFetch::redirecting() const
{
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return status >= 300 && status < 400 && m_reply->attribute(QNetworkRequest::RedirectionTargetAttribute).isValid();
}

void TextFetch::headersArrived()
{
    if (!m_reply)
        return;
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status < 200 || redirecting())
        return; // no answer yet, or a redirect's own headers
    m_type = m_reply->header(QNetworkRequest::ContentTypeHeader).toByteArray();
    if (status >= 400) {
        fail(PageText::notLoaded(address()));
        return;
    }
    if (!m_decided) {
        m_decided = true;
        if (!isTextType(m_type)) {
            drop();
            emit isPage();
            return;
        }
    }
    // A length announced over the limit is refused before any of it comes.
    const qint64 announced = m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    if (announced > m_limit)
        fail(PageText::tooLong(address(), m_limit, true));
}

void TextFetch::bytesArrived()
{
    if (!m_reply)
        return;
    if (redirecting()) {
        m_reply->readAll(); // a redirect's own body
        return;
    }
    if (!m_decided)
        headersArrived();
    if (!m_reply)
        return;
    m_bytes += m_reply->read(m_limit + 1 - m_bytes.size());
    if (m_bytes.size() > m_limit)
        fail(PageText::tooLong(address(), m_limit, true));
}

void TextFetch::replyFinished()
{
    if (!m_reply)
        return;
    if (redirecting()) {
        const QUrl target =
            m_reply->url().resolved(m_reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl());
        if (!isWebScheme(target)) {
            fail(PageText::badRedirect(address()));
            return;
        }
        if (++m_redirects > kMostRedirects) {
            fail(PageText::tooManyRedirects(address()));
            return;
        }
        QNetworkReply* done = m_reply;
        m_reply = nullptr;
        done->disconnect(this);
        done->deleteLater();
        request(target);
        return;
    }
    const QNetworkReply::NetworkError error = m_reply->error();
    if (error != QNetworkReply::NoError) {
        fail(PageText::notLoaded(address()));
        return;
    }
    bytesArrived();
    if (!m_reply)
        return;
    if (!m_decided)
        headersArrived();
    if (!m_reply)
        return;
    drop();
    emit textRead(decode(m_bytes, m_type));
    m_bytes.clear();
}

void TextFetch::fail(const QString& message)
{
    drop();
    m_bytes.clear();
    emit failed(message);
}

void TextFetch::abort()
{
    drop();
    m_bytes.clear();
}

void TextFetch::drop()
{
    m_deadline->stop();
    if (!m_reply)
        return;
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}
