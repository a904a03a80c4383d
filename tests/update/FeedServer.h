#pragma once
// A web server on 127.0.0.1 inside the test process, served by the event loop
// the program's request waits in: it answers every request with one canned
// reply (or never, when the reply is empty) and keeps the request heads.
#include "support/TestSupport.h"

#include <QTcpServer>
#include <QTcpSocket>

class FeedServer
{
public:
    explicit FeedServer(QByteArray reply)
        : m_reply(std::move(reply))
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    m_pending += socket->readAll();
                    if (!m_pending.contains("\r\n\r\n"))
                        return;
                    requests << m_pending.left(m_pending.indexOf("\r\n\r\n"));
                    m_pending.clear();
                    if (!m_reply.isEmpty()) {
                        socket->write(m_reply);
                        socket->disconnectFromHost();
                    }
                });
            }
        });
    }
    // A response of status carrying body, or the feed file name from tests/update/feeds.
    static QByteArray response(const QByteArray &body, const QByteArray &status = "200 OK")
    {
        return "HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(body.size())
               + "\r\nConnection: close\r\n\r\n" + body;
    }
    static QByteArray feedFile(const QString &name)
    {
        return response(readBytes(QStringLiteral(VM_FEED_DIR "/") + name));
    }
    QString baseUrl() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()); }

    QList<QByteArray> requests;

private:
    QTcpServer m_server;
    QByteArray m_reply;
    QByteArray m_pending;
};
