#pragma once

// A small HTTP server on 127.0.0.1 for the download tests: serves pages by
// path with their content type, pages that set a cookie or answer only a
// session holding one, redirects, answers dripped a few bytes at a time or
// sent without their length, and a page that never finishes loading. Runs
// in the test's own event loop; stops when destroyed.

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

class PageServer : public QObject
{
public:
    struct Page
    {
        QByteArray body = {};
        QByteArray type = "text/html; charset=gbk";
        QByteArray setCookie = {};   // sent with the page, e.g. "visited=1; Path=/"
        QByteArray needsCookie = {}; // without it in the request: 403 and an empty body
        QByteArray location = {};    // a redirect (302) there
        bool sendsLength = true;     // false: the body ends when the connection closes
        int dripBytes = 0;           // above 0: the body goes this many bytes every dripMs
        int dripMs = 100;
    };

    PageServer()
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
            }
        });
    }

    bool listening() const { return m_server.isListening(); }
    QString url(const QString& path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
    }
    // Serves `html` (GBK bytes) at `path`.
    void page(const QString& path, const QByteArray& html) { m_pages.insert(path.toLatin1(), {.body = html}); }
    void page(const QString& path, const Page& page) { m_pages.insert(path.toLatin1(), page); }
    // A page that sends its first bytes and then nothing more.
    void hangingPage(const QString& path) { m_hanging = path.toLatin1(); }
    int requests() const { return m_requests; }

private:
    void answer(QTcpSocket* socket)
    {
        QByteArray& request = m_buffers[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        ++m_requests;
        const QByteArray path = request.split(' ').value(1);
        const QByteArray cookies = header(request, "cookie");
        request.clear();
        if (path == m_hanging) {
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=gbk\r\nContent-Length: 100000\r\n\r\n"
                          "<html><body>");
            return;
        }
        const auto found = m_pages.constFind(path);
        QByteArray status = "200 OK";
        Page page;
        if (found == m_pages.constEnd()) {
            status = "404 Not Found";
            page.body = "<html><body>not found</body></html>";
        } else if (!found->needsCookie.isEmpty() && !cookies.contains(found->needsCookie)) {
            status = "403 Forbidden";
        } else {
            page = *found;
            if (!page.location.isEmpty())
                status = "302 Found";
        }
        QByteArray reply = "HTTP/1.1 " + status + "\r\nContent-Type: " + page.type + "\r\n";
        if (!page.setCookie.isEmpty())
            reply += "Set-Cookie: " + page.setCookie + "\r\n";
        if (!page.location.isEmpty())
            reply += "Location: " + page.location + "\r\n";
        reply += "Connection: close\r\n";
        if (page.sendsLength)
            reply += "Content-Length: " + QByteArray::number(page.body.size()) + "\r\n";
        socket->write(reply + "\r\n");
        if (page.dripBytes > 0) {
            drip(socket, page.body, page.dripBytes, page.dripMs);
            return;
        }
        socket->write(page.body);
        socket->disconnectFromHost();
    }

    // Sends `body` a few bytes at a time, then closes; stops when the client goes.
    void drip(QTcpSocket* socket, QByteArray body, int bytes, int everyMs)
    {
        auto* timer = new QTimer(socket);
        QPointer<QTcpSocket> guard(socket);
        connect(timer, &QTimer::timeout, socket, [guard, timer, body, bytes, sent = qsizetype(0)]() mutable {
            if (!guard || guard->state() != QAbstractSocket::ConnectedState) {
                timer->stop();
                return;
            }
            guard->write(body.mid(sent, bytes));
            sent += bytes;
            if (sent >= body.size()) {
                timer->stop();
                guard->disconnectFromHost();
            }
        });
        timer->start(everyMs);
    }

    static QByteArray header(const QByteArray& request, const QByteArray& name)
    {
        for (const QByteArray& line : request.split('\n')) {
            const qsizetype colon = line.indexOf(':');
            if (colon > 0 && line.left(colon).trimmed().toLower() == name)
                return line.mid(colon + 1).trimmed();
        }
        return {};
    }

    QTcpServer m_server;
    QHash<QByteArray, Page> m_pages;
    QHash<QTcpSocket*, QByteArray> m_buffers;
    QByteArray m_hanging;
    int m_requests = 0;
};
