#pragma once

// A small HTTP server on 127.0.0.1 for the download tests: serves pages by
// path with their content type, pages that set a cookie or answer only a
// session holding one, and a page that never finishes loading. Runs in the
// test's own event loop; stops when destroyed.

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

class PageServer : public QObject
{
public:
    struct Page
    {
        QByteArray body = {};
        QByteArray type = "text/html; charset=gbk";
        QByteArray setCookie = {};   // sent with the page, e.g. "visited=1; Path=/"
        QByteArray needsCookie = {}; // without it in the request: 403 and an empty body
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
        }
        QByteArray reply = "HTTP/1.1 " + status + "\r\nContent-Type: " + page.type + "\r\n";
        if (!page.setCookie.isEmpty())
            reply += "Set-Cookie: " + page.setCookie + "\r\n";
        reply += "Connection: close\r\nContent-Length: " + QByteArray::number(page.body.size()) + "\r\n\r\n";
        socket->write(reply + page.body);
        socket->disconnectFromHost();
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
