#pragma once
// The version feed on the maker's web server: where it lies, how its page is
// read, and how versions are ordered. No window and no network here.
#include "app/VersionInfo.h"

#include <QString>

#include <memory>

namespace UpdateFeed {

// The path of the feed on the maker's web server.
QString feedPath();
// The feed's full address: the maker's web server, or the server set for a test.
QString feedUrl();
// Points feedUrl() at another server ("http://127.0.0.1:PORT"); empty restores
// the maker's. Only the tests call this.
void setServerBaseUrl(const QString &baseUrl);

// The text after the first "<tag>" up to the following "</tag>", or up to a
// second "<tag>" should one come first; "" when the text has no "<tag>".
QString taggedText(const QString &text, const QString &tag);
// The part of a page between "<body>" and "</body>" that alone is read.
QString pageBody(const QString &page);
// A version from its text "major.minor.bugfix" (missing or odd parts give 0);
// nullptr for an empty text.
std::unique_ptr<VersionInfo> versionFromText(const QString &text);

// Everything the feed tells, each record nullptr when its tag is missing or empty.
struct Feed
{
    std::unique_ptr<VersionInfo> latest;
    std::unique_ptr<VersionInfo> updateFrom;
    QString url;
};
Feed parsePage(const QString &page);

// Whether a download address from the feed may be opened in the web browser:
// only web addresses are, never a local file or another program's scheme.
bool isWebAddress(const QString &url);

} // namespace UpdateFeed

// Major, minor and bug-fix version each as at least two digits: 9.1.2 gives "090102".
QString versionKey(const VersionInfo &version);
// Keys are compared as text; for parts up to 99 that is the order of the versions.
int compareVersionKeys(const QString &a, const QString &b);
