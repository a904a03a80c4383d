// The feed's reading and version order, the request to a web server on
// 127.0.0.1, and the update command showing what the server's feed says.
#include "FeedServer.h"
#include "app/App.h"
#include "app/MessageDialogs.h"
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"
#include "support/UrlRecorder.h"
#include "update/INetSupport.h"
#include "update/UpdateCheckDialog.h"
#include "update/UpdateFeed.h"

#include <QLabel>
#include <QPushButton>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {
QString key(const char *version) { return versionKey(*UpdateFeed::versionFromText(utf8(version))); }
} // namespace

TEST(UpdateFeed, TagsBodyAndVersionOrder)
{
    const struct { const char *page, *tag, *expected; } tags[] = {
        {"x<a>1</a>y<a>2</a>", "a", "1"}, {"<a>1<a>2</a>", "a", "1"}, {"<a>open to the end", "a", "open to the end"},
        {"</a>1<a>", "a", ""},            {"<A>1</A>", "a", ""},
    };
    for (const auto &c : tags)
        EXPECT_EQ(UpdateFeed::taggedText(utf8(c.page), utf8(c.tag)), utf8(c.expected)) << c.page;
    EXPECT_EQ(UpdateFeed::pageBody(utf8("<x>1</x><body>B<body>C</body>")), utf8("B"));

    const struct { const char *version, *key; } keys[] = {
        {"9.1.2", "090102"}, {"10", "100000"}, {"9.x.3b", "090003"}, {" 9 . 1 . 4 ", "090104"}, {"9.100.0", "0910000"}};
    for (const auto &c : keys)
        EXPECT_EQ(key(c.version), utf8(c.key)) << c.version;
    EXPECT_GT(compareVersionKeys(key("9.0.10"), key("9.0.9")), 0);
    EXPECT_LT(compareVersionKeys(key("100.0.0"), key("99.0.0")), 0) << "keys compare as text";
    for (const char *address : {"file:///etc/passwd", "javascript:alert(1)", "www.kelmarin.de/dl", "http://"})
        EXPECT_FALSE(UpdateFeed::isWebAddress(utf8(address))) << address;
}

TEST(UpdateRequest, OneGetReadsTheFeedAndNothingElseGivesAnything)
{
    FeedServer server(FeedServer::feedFile(QStringLiteral("download.html")));
    std::unique_ptr<VersionInfo> latest, updateFrom;
    QString url;
    INetSupport::getLatestVersion(server.baseUrl() + UpdateFeed::feedPath(), latest, updateFrom, url);
    ASSERT_TRUE(latest && updateFrom);
    EXPECT_EQ(latest->pShortVersion + u' ' + updateFrom->pShortVersion, utf8("9.1.0 9.0.0"));
    EXPECT_EQ(url, utf8("http://127.0.0.1/downloads/velmora-9.1.0.tar.gz"));
    ASSERT_EQ(server.requests.size(), 1);
    EXPECT_TRUE(server.requests[0].startsWith("GET /products/velmo/versioninfo_mac.php HTTP/1.1\r\n"));

    // A reply longer than any feed is dropped like an unreadable one; one just below the limit is read.
    const QByteArray feed = "<body><kdllatest>9.4.0</kdllatest></body>";
    FeedServer tooLong(FeedServer::response(feed + QByteArray(INetSupport::kMaxReplyBytes, ' ')));
    FeedServer atLimit(FeedServer::response(feed + QByteArray(INetSupport::kMaxReplyBytes - feed.size(), ' '), "404 Not Found"));
    FeedServer silent{QByteArray()};
    EXPECT_EQ(INetSupport::httpGet(tooLong.baseUrl(), 15), QString());
    EXPECT_TRUE(INetSupport::httpGet(atLimit.baseUrl(), 15).startsWith(QString::fromUtf8(feed)));
    EXPECT_EQ(INetSupport::httpGet(QStringLiteral("http://127.0.0.1:1"), 15), QString());
    EXPECT_EQ(INetSupport::httpGet(silent.baseUrl(), 1), QString());
}

TEST(UpdateCommand, ShowsWhatTheServersFeedSays)
{
    TempConfigHome home;
    App application;
    const QString available = utf8("Es steht eine aktualisierte Version zur Verfügung!\n");
    const QString none = utf8("Keine Aktualisierungen verfügbar.\n");
    // latest: what "Neueste Version:" shows, as plain text.
    const struct { const char *feed, *running; QString shown; bool download; const char *latest; } cases[] = {
        {"download.html", "9.0.3", available + utf8("Klicken Sie auf \"Download\""), true, "9.1.0"},
        {"download.html", "8.5.0", available + utf8("Bestellen Sie Ihr Update über www.kelmarin.de"), false, "9.1.0"},
        {"no_url.html", "9.0.3", available, false, "9.1.0"},
        {"equal.html", "9.0.3", none, false, "9.0.3"},
        {"two_parts.html", "9.1.0", none, false, "9.1"},
        {"outside_body.html", "9.0.3", available, false, "9.1.0"},
        {"markup.html", "9.0.3", none, false, "9.<b>1</b>.x&amp;"},
        {"broken_no_latest.html", "9.0.3", utf8("Keine Versionsinformationen!\nDie Angaben"), false, ""},
        {"broken_garbage.bin", "9.0.3", utf8("Keine Versionsinformationen!\nDie Angaben"), false, ""},
    };
    for (const auto &c : cases) {
        application.pVersionInfo = UpdateFeed::versionFromText(utf8(c.running));
        FeedServer server(FeedServer::feedFile(utf8(c.feed)));
        UpdateFeed::setServerBaseUrl(server.baseUrl());
        QString shown, latest;
        bool download = false;
        UrlRecorder browser;
        whenModal([&](QWidget *w) {
            if (auto *d = qobject_cast<UpdateCheckDialog *>(w)) {
                shown = d->MessageText->text();
                const QLabel *label = d->LatestVersionText;
                const Qt::TextFormat format = label->textFormat();
                latest = format == Qt::PlainText || (format == Qt::AutoText && !Qt::mightBeRichText(label->text()))
                             ? label->text()
                             : QStringLiteral("(as markup) ") + label->text();
                download = d->DownloadButton->isVisible() && d->DownloadButton->isEnabled();
                d->DownloadButton->click();
                d->CloseWindowButton->click();
            } else if (auto *ok = qobject_cast<OKDialog *>(w)) {
                shown = ok->HeaderText->text() + u'\n' + ok->SubText->text();
                ok->OKButton->click();
            }
        });
        application.Search4Updates();
        UpdateFeed::setServerBaseUrl(QString());
        EXPECT_TRUE(shown.startsWith(c.shown)) << c.feed << " " << c.running << ": " << shown.toStdString();
        EXPECT_EQ(latest, utf8(c.latest)) << c.feed;
        EXPECT_EQ(download, c.download) << c.feed;
        EXPECT_EQ(browser.urls.size(), c.download ? 1 : 0) << c.feed;
    }
}
