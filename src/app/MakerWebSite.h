#pragma once
// The maker's web server: one host, from which the web-site and update-feed
// addresses are built.
#include <QString>

inline QString makerHost()
{
    return QStringLiteral("www.kelmarin.de");
}

inline QString makerUrl(const QString &pathAndQuery)
{
    return QStringLiteral("http://") + makerHost() + pathAndQuery;
}

inline QString makerHomePageUrl()
{
    return makerUrl(QStringLiteral("/home.cgi?url=/products/velmo/"));
}
