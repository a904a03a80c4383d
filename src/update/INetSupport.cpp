#include "INetSupport.h"

#include "update/UpdateFeed.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

int INetSupport::getLatestVersion(const QString &feedURL, std::unique_ptr<VersionInfo> &latest,
                                  std::unique_ptr<VersionInfo> &updateFrom, QString &url)
{
    const QString page = httpGet(feedURL, kTimeoutSeconds);
    UpdateFeed::Feed feed = UpdateFeed::parsePage(page);
    if (feed.latest)
        latest = std::move(feed.latest);
    if (feed.updateFrom)
        updateFrom = std::move(feed.updateFrom);
    url = feed.url;
    return 0;
}

QString INetSupport::httpGet(const QString &url, int timeoutSeconds)
{
    QNetworkAccessManager manager;
    std::unique_ptr<QNetworkReply> reply(manager.get(QNetworkRequest(QUrl(url))));

    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QByteArray body;
    bool tooLong = false;
    // The body is taken as it comes, so that a reply far larger than any feed
    // is dropped at the limit instead of filling the memory.
    const auto takeArrived = [&] {
        body += reply->read(kMaxReplyBytes + 1 - body.size());
        if (body.size() > kMaxReplyBytes) {
            tooLong = true;
            loop.quit();
        }
    };
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, takeArrived);
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    timeout.start(timeoutSeconds * 1000);
    if (!reply->isFinished())
        loop.exec();
    if (!tooLong)
        takeArrived();

    if (tooLong || !reply->isFinished()) {
        reply->abort();
        return {};
    }
    // The status is not looked at: a page that comes with an error status is
    // searched for the tags like any other.
    return QString::fromUtf8(body);
}
