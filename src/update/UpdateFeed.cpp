#include "UpdateFeed.h"

#include "app/MakerWebSite.h"
#include "framework/Strings.h"
#include "framework/TextCompare.h"

#include <QUrl>

namespace UpdateFeed {

namespace {
QString &serverBaseUrl()
{
    static QString base;
    return base;
}
} // namespace

QString feedPath()
{
    return QStringLiteral("/products/velmo/versioninfo_mac.php");
}

QString feedUrl()
{
    if (!serverBaseUrl().isEmpty())
        return serverBaseUrl() + feedPath();
    return makerUrl(feedPath());
}

void setServerBaseUrl(const QString &baseUrl)
{
    serverBaseUrl() = baseUrl;
}

QString taggedText(const QString &text, const QString &tag)
{
    const QString opening = QStringLiteral("<") + tag + QStringLiteral(">");
    const QString closing = QStringLiteral("</") + tag + QStringLiteral(">");
    return NthField(NthField(text, opening, 2), closing, 1);
}

QString pageBody(const QString &page)
{
    return taggedText(page, QStringLiteral("body"));
}

std::unique_ptr<VersionInfo> versionFromText(const QString &text)
{
    if (text.isEmpty())
        return nullptr;
    const QString dot = QStringLiteral(".");
    return std::make_unique<VersionInfo>(text, NthField(text, dot, 1), NthField(text, dot, 2), NthField(text, dot, 3),
                                         text);
}

Feed parsePage(const QString &page)
{
    const QString body = pageBody(page);
    Feed feed;
    feed.latest = versionFromText(taggedText(body, QStringLiteral("kdllatest")));
    feed.updateFrom = versionFromText(taggedText(body, QStringLiteral("kdlupdatefrom")));
    feed.url = taggedText(body, QStringLiteral("url"));
    return feed;
}

bool isWebAddress(const QString &url)
{
    const QUrl address(url.trimmed());
    if (!address.isValid() || address.host().isEmpty())
        return false;
    const QString scheme = address.scheme();
    return textEquals(scheme, QStringLiteral("http")) || textEquals(scheme, QStringLiteral("https"));
}

} // namespace UpdateFeed

QString versionKey(const VersionInfo &version)
{
    const QString twoDigits = QStringLiteral("00");
    return Format(version.pMajorVersion, twoDigits) + Format(version.pMinorVersion, twoDigits)
           + Format(version.pBugFixVersion, twoDigits);
}

int compareVersionKeys(const QString &a, const QString &b)
{
    return textCompare(a, b);
}
