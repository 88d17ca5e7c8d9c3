#pragma once

// Fetches one address with Qt Network, for answers that are text (plain
// text, CSV, JSON): they are read as they arrive, never rendered. Redirects
// are followed at most kMostRedirects times and only to http and https; the
// text is refused as soon as it passes the byte limit; the whole fetch has
// one deadline.
//
// As a probe, the fetch is for an address whose kind is not known: a text
// answer is read as above, anything else (a page) is left at its headers
// for the web engine.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

class TextFetch : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMostRedirects = 10;

    TextFetch(QNetworkAccessManager& network, QObject* parent = nullptr);
    ~TextFetch() override;

    void start(const QUrl& url, bool probe, qsizetype byteLimit, int withinMs);
    void abort();

    // Whether a content type is one of the text answers.
    static bool isTextType(const QByteArray& contentType);
    // Whether an address names a text file by its ending (.txt, .csv, .json).
    static bool namesTextFile(const QUrl& url);
    // The answer's bytes as text: in its declared character set, or as a history file is decoded.
    static QString decode(const QByteArray& bytes, const QByteArray& contentType);

signals:
    void textRead(const QString& text);
    void isPage(); // a probe's answer is a page
    void failed(const QString& message);

private:
    void request(const QUrl& url);
    bool redirecting() const;
    void headersArrived();
    void bytesArrived();
    void replyFinished();
    void fail(const QString& message);
    void drop();
    QString address() const { return m_url.toString(); }

    QNetworkAccessManager& m_network;
    QNetworkReply* m_reply = nullptr;
    QTimer* m_deadline;
    QUrl m_url;
    QByteArray m_bytes;
    QByteArray m_type;
    qsizetype m_limit = 0;
    int m_withinMs = 0;
    int m_redirects = 0;
    bool m_probe = false;
    bool m_decided = false; // the answer's kind is known
};
