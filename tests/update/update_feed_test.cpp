// The feed's page reading, version keys and the request to the web server.
#include "update/INetSupport.h"
#include "update/UpdateFeed.h"
#include "FeedServer.h"

#include <QFile>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QString feedText(const QString &name)
{
    QFile file(QStringLiteral(VM_FEED_DIR "/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return QString::fromUtf8(file.readAll());
}

struct VersionParts
{
    int major, minor, bugFix;
};

void expectVersion(const VersionInfo *v, const QString &text, VersionParts parts)
{
    ASSERT_NE(v, nullptr) << text.toStdString();
    EXPECT_EQ(v->pShortVersion, text);
    EXPECT_EQ(v->pLongVersion, text);
    EXPECT_EQ(v->pMajorVersion, parts.major);
    EXPECT_EQ(v->pMinorVersion, parts.minor);
    EXPECT_EQ(v->pBugFixVersion, parts.bugFix);
    EXPECT_EQ(v->pNonReleaseVersion, 0);
}

VersionInfo version(const QString &text)
{
    return *UpdateFeed::versionFromText(text);
}

} // namespace

TEST(UpdateFeedTags, TextBetweenTheFirstTagAndItsEnd)
{
    struct Case
    {
        const char *text;
        const char *tag;
        const char *expected;
    } cases[] = {
        {"<a>1</a>", "a", "1"},
        {"x<a>1</a>y<a>2</a>", "a", "1"},
        {"<a>1<a>2</a>", "a", "1"},      // a second opening tag ends the field
        {"<a>open to the end", "a", "open to the end"},
        {"no tag here", "a", ""},
        {"</a>1<a>", "a", ""},
        {"<a></a>", "a", ""},
        {"<kdllatest>9.1.0</kdllatest>", "kdllatest", "9.1.0"},
        {"<KDLLATEST>9.1.0</KDLLATEST>", "kdllatest", ""}, // tags are lower case
    };
    for (const Case &c : cases)
        EXPECT_EQ(UpdateFeed::taggedText(QString::fromUtf8(c.text), QString::fromUtf8(c.tag)),
                  QString::fromUtf8(c.expected))
            << c.text;
}

TEST(UpdateFeedTags, OnlyTheBodyIsRead)
{
    EXPECT_EQ(UpdateFeed::pageBody(QStringLiteral("<kdllatest>1</kdllatest><body>B</body><url>u</url>")),
              QStringLiteral("B"));
    EXPECT_EQ(UpdateFeed::pageBody(QStringLiteral("<body>first<body>second</body>")), QStringLiteral("first"));
    EXPECT_EQ(UpdateFeed::pageBody(QStringLiteral("<kdllatest>9.1.0</kdllatest>")), QString());
    EXPECT_EQ(UpdateFeed::pageBody(QString()), QString());
}

TEST(UpdateFeedVersions, VersionTextsGiveTheirParts)
{
    const std::pair<const char *, VersionParts> cases[] = {
        {"9.1.2", {9, 1, 2}}, {"9.1", {9, 1, 0}},    {"10", {10, 0, 0}},
        {"9.x.3b", {9, 0, 3}}, {"neu", {0, 0, 0}}, {" 9 . 1 . 4 ", {9, 1, 4}},
    };
    for (const auto &[text, parts] : cases)
        expectVersion(UpdateFeed::versionFromText(QString::fromUtf8(text)).get(), QString::fromUtf8(text), parts);
    EXPECT_EQ(UpdateFeed::versionFromText(QString()), nullptr);
}

TEST(UpdateFeedVersions, KeysAreTwoDigitsPerPart)
{
    struct Case
    {
        const char *version;
        const char *key;
    } cases[] = {
        {"9.1.2", "090102"}, {"10.0.0", "100000"}, {"9.1", "090100"},   {"0.0.0", "000000"},
        {"9.0.3", "090003"}, {"99.99.99", "999999"}, {"9.100.0", "0910000"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(versionKey(version(QString::fromUtf8(c.version))), QString::fromUtf8(c.key)) << c.version;
}

TEST(UpdateFeedVersions, KeysCompareAsText)
{
    struct Case
    {
        const char *a;
        const char *b;
        int sign;
    } cases[] = {
        {"9.1.0", "9.0.3", 1},  {"9.0.3", "9.0.3", 0},  {"9.0.1", "9.0.3", -1}, {"10.0.0", "9.9.9", 1},
        {"9.1", "9.1.0", 0},    {"9.0.10", "9.0.9", 1}, {"8.5.0", "9.0.0", -1},
        // A part of 100 or more orders by the longer text, not by its number.
        {"100.0.0", "99.0.0", -1},
    };
    for (const Case &c : cases) {
        const int r = compareVersionKeys(versionKey(version(QString::fromUtf8(c.a))),
                                         versionKey(version(QString::fromUtf8(c.b))));
        EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.a << " vs " << c.b;
    }
}

TEST(UpdateFeedAddresses, OnlyWebAddressesAreOffered)
{
    for (const char *address : {"https://www.kelmarin.de/dl/vm 9.tar.gz", "  HTTP://www.kelmarin.de/  "})
        EXPECT_TRUE(UpdateFeed::isWebAddress(QString::fromUtf8(address))) << address;
    for (const char *address : {"", "file:///etc/passwd", "javascript:alert(1)", "www.kelmarin.de/dl", "http://"})
        EXPECT_FALSE(UpdateFeed::isWebAddress(QString::fromUtf8(address))) << address;
}

// The feeds the server serves are read in the request and dialog tests; this
// one has a tag that is never closed.
TEST(UpdateFeedPages, AnUnclosedTagReadsToTheNextTag)
{
    const auto feed = UpdateFeed::parsePage(feedText(QStringLiteral("broken_unclosed.html")));
    expectVersion(feed.latest.get(), QStringLiteral("9.2.0"), {9, 2, 0});
    ASSERT_NE(feed.updateFrom, nullptr);
    EXPECT_EQ(feed.updateFrom->pMajorVersion, 9);
}

// Against a web server on 127.0.0.1.

TEST(UpdateRequest, OneGetOfTheFeedPathAndTheFeedRead)
{
    FeedServer server(FeedServer::feedFile(QStringLiteral("download.html")));
    std::unique_ptr<VersionInfo> latest, updateFrom;
    QString url = QStringLiteral("old");
    EXPECT_EQ(INetSupport::getLatestVersion(server.baseUrl() + UpdateFeed::feedPath(), latest, updateFrom, url), 0);
    expectVersion(latest.get(), QStringLiteral("9.1.0"), {9, 1, 0});
    expectVersion(updateFrom.get(), QStringLiteral("9.0.0"), {9, 0, 0});
    EXPECT_EQ(url, QStringLiteral("http://127.0.0.1/downloads/velmora-9.1.0.tar.gz"));

    ASSERT_EQ(server.requests.size(), 1);
    const QByteArray head = server.requests.first();
    EXPECT_TRUE(head.startsWith("GET /products/velmo/versioninfo_mac.php HTTP/1.1\r\n")) << head.constData();
    EXPECT_FALSE(head.toLower().contains("content-length")) << "the request carries no body";
}

TEST(UpdateRequest, MissingTagsLeaveTheRecordsAsTheyWere)
{
    FeedServer server(FeedServer::feedFile(QStringLiteral("broken_no_latest.html")));
    auto latest = UpdateFeed::versionFromText(QStringLiteral("1.2.3"));
    std::unique_ptr<VersionInfo> updateFrom;
    QString url;
    EXPECT_EQ(INetSupport::getLatestVersion(server.baseUrl() + UpdateFeed::feedPath(), latest, updateFrom, url), 0);
    expectVersion(latest.get(), QStringLiteral("1.2.3"), {1, 2, 3});
    expectVersion(updateFrom.get(), QStringLiteral("9.0.0"), {9, 0, 0});
    EXPECT_EQ(url, QStringLiteral("http://127.0.0.1/downloads/velmora.tar.gz"));
}

TEST(UpdateRequest, NoReplyGivesNoVersions)
{
    struct Case
    {
        const char *what;
        QString base;
    };
    FeedServer emptyReply(FeedServer::response(QByteArray()));
    FeedServer noBodyTag(FeedServer::feedFile(QStringLiteral("broken_no_body_tag.html")));
    const Case cases[] = {
        {"unreachable server", FeedServer::closedPortUrl()},
        {"reply without body", emptyReply.baseUrl()},
        {"page without <body>", noBodyTag.baseUrl()},
    };
    for (const Case &c : cases) {
        std::unique_ptr<VersionInfo> latest, updateFrom;
        QString url = QStringLiteral("stale");
        EXPECT_EQ(INetSupport::getLatestVersion(c.base + UpdateFeed::feedPath(), latest, updateFrom, url), 0)
            << c.what;
        EXPECT_EQ(latest, nullptr) << c.what;
        EXPECT_EQ(updateFrom, nullptr) << c.what;
        EXPECT_EQ(url, QString()) << c.what;
    }
}

TEST(UpdateRequest, TheStatusIsNotLookedAt)
{
    FeedServer server(FeedServer::response(
        "<html><body><kdllatest>9.4.0</kdllatest><kdlupdatefrom>9.0.0</kdlupdatefrom></body></html>",
        "404 Not Found"));
    EXPECT_EQ(INetSupport::httpGet(server.baseUrl() + UpdateFeed::feedPath(), 15),
              QStringLiteral("<html><body><kdllatest>9.4.0</kdllatest><kdlupdatefrom>9.0.0</kdlupdatefrom></body>"
                             "</html>"));
}

TEST(UpdateRequest, ASilentServerEndsInTheTimeOutWhileEventsAreHandled)
{
    FeedServer silent{QByteArray()};
    int turns = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&turns] { ++turns; });
    ticker.start(10);
    EXPECT_EQ(INetSupport::httpGet(silent.baseUrl() + UpdateFeed::feedPath(), 1), QString());
    EXPECT_EQ(silent.requests.size(), 1);
    EXPECT_GT(turns, 0);
}
