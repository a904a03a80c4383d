#pragma once
// Fetching the version feed from the maker's web server.
#include "app/VersionInfo.h"

#include <QString>

#include <memory>

class INetSupport
{
public:
    // Fetches the feed at feedURL and reads its newest version, the lowest
    // version with a free update and the download address. A record whose
    // tag the page lacks is left as it was; url is set in every case.
    // Returns 0.
    static int getLatestVersion(const QString &feedURL, std::unique_ptr<VersionInfo> &latest,
                                std::unique_ptr<VersionInfo> &updateFrom, QString &url);

    // One HTTP GET of url; the reply's body as text, whatever its status.
    // Waits at most timeoutSeconds in a local event loop, so that windows keep
    // answering meanwhile; "" when no reply came (no connection, time-out)
    // or the reply is longer than kMaxReplyBytes.
    static QString httpGet(const QString &url, int timeoutSeconds);

    static constexpr int kTimeoutSeconds = 15;
    // Far above any real feed.
    static constexpr qint64 kMaxReplyBytes = 64 * 1024;
};
