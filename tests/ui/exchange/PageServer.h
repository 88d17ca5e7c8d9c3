#pragma once

// A small HTTP server on 127.0.0.1 for the download tests: serves GBK pages
// by path, and one path whose page never finishes loading. Runs in the test's
// own event loop; stops when destroyed.

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

class PageServer : public QObject
{
public:
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
    void page(const QString& path, const QByteArray& html) { m_pages.insert(path.toLatin1(), html); }
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
        request.clear();
        if (path == m_hanging) {
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=gbk\r\nContent-Length: 100000\r\n\r\n"
                          "<html><body>");
            return;
        }
        const auto found = m_pages.constFind(path);
        const QByteArray body =
            found == m_pages.constEnd() ? QByteArray("<html><body>not found</body></html>") : *found;
        socket->write((found == m_pages.constEnd() ? "HTTP/1.1 404 Not Found\r\n" : "HTTP/1.1 200 OK\r\n") +
                      QByteArray("Content-Type: text/html; charset=gbk\r\nConnection: close\r\nContent-Length: ") +
                      QByteArray::number(body.size()) + "\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QHash<QByteArray, QByteArray> m_pages;
    QHash<QTcpSocket*, QByteArray> m_buffers;
    QByteArray m_hanging;
    int m_requests = 0;
};
