#pragma once
// A web server on 127.0.0.1 inside the test process: it answers every
// request with one canned reply (or with nothing at all) and keeps the
// request heads it got. It is served by the event loop the program's request
// waits in.
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

class QTcpServer;

class FeedServer : public QObject
{
    Q_OBJECT
public:
    // A server that answers with reply (a whole HTTP response), or that
    // accepts and never answers when reply is empty.
    explicit FeedServer(QByteArray reply);
    ~FeedServer() override;

    // A "200 OK" response (or another status) carrying body.
    static QByteArray response(const QByteArray &body, const QByteArray &status = "200 OK");
    // The feed file name from tests/update/feeds as a response.
    static QByteArray feedFile(const QString &name);

    // "http://127.0.0.1:PORT"
    QString baseUrl() const;
    // A base address on which nothing listens.
    static QString closedPortUrl();

    QList<QByteArray> requests;

private:
    void serve();

    QTcpServer *m_server;
    QByteArray m_reply;
};
