#include "FeedServer.h"

#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>

FeedServer::FeedServer(QByteArray reply)
    : m_server(new QTcpServer(this))
    , m_reply(std::move(reply))
{
    m_server->listen(QHostAddress::LocalHost, 0);
    connect(m_server, &QTcpServer::newConnection, this, &FeedServer::serve);
}

FeedServer::~FeedServer() = default;

QByteArray FeedServer::response(const QByteArray &body, const QByteArray &status)
{
    return "HTTP/1.1 " + status + "\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: "
           + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

QByteArray FeedServer::feedFile(const QString &name)
{
    QFile file(QStringLiteral(VM_FEED_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return "HTTP/1.1 500 missing test feed\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
    return response(file.readAll());
}

QString FeedServer::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_server->serverPort());
}

QString FeedServer::closedPortUrl()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1").arg(port);
}

void FeedServer::serve()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        auto request = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, request] {
            request->append(socket->readAll());
            const qsizetype end = request->indexOf("\r\n\r\n");
            if (end < 0)
                return;
            requests << request->left(end);
            if (m_reply.isEmpty())
                return; // keeps the caller waiting
            socket->write(m_reply);
            socket->disconnectFromHost();
        });
    }
}
