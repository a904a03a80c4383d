// The update dialog's texts and "Download" button, and the update command
// against a web server on 127.0.0.1.
#include "FeedServer.h"
#include "support/UrlRecorder.h"

#include "app/App.h"
#include "app/MakerWebSite.h"
#include "app/MessageDialogs.h"
#include "framework/Controls.h"
#include "framework/ImplicitInstance.h"
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"
#include "update/UpdateCheckDialog.h"
#include "update/UpdateFeed.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QString kAvailable = QStringLiteral("Es steht eine aktualisierte Version zur Verfügung!\n");
const QString kNoUpdates = QStringLiteral("Keine Aktualisierungen verfügbar.\n");
const QString kDownloadLines =
    QStringLiteral("Klicken Sie auf \"Download\" um die neueste Version auf Ihren Computer herunterzuladen.\n"
                   "Diese neue Version ist kostenlos für Lizenzinhaber. ");
const QString kOrderLine = QStringLiteral("Bestellen Sie Ihr Update über www.kelmarin.de");
const QString kDownloadUrl = QStringLiteral("http://127.0.0.1/downloads/velmora-9.1.0.tar.gz");

std::unique_ptr<VersionInfo> version(const char *text)
{
    return UpdateFeed::versionFromText(QString::fromUtf8(text));
}

class UpdateDialogTest : public ::testing::Test
{
protected:
    void runningVersion(const char *text) { application.pVersionInfo = version(text); }

    TempConfigHome home;
    App application;
};

// What the dialog showed when the update command opened it.
struct Shown
{
    bool dialog = false;
    QString title, appVersion, latestVersion, message, okText;
    bool downloadVisible = false;
    bool downloadEnabled = false;
};

// Runs the update command against server, reads the dialog (or the message
// shown instead) and closes it with its own button.
Shown checkForUpdates(App &application, const QString &serverBase)
{
    UpdateFeed::setServerBaseUrl(serverBase);
    Shown shown;
    whenModal([&shown](QWidget *w) {
        if (auto *d = qobject_cast<UpdateCheckDialog *>(w)) {
            shown.dialog = true;
            shown.title = d->windowTitle();
            shown.appVersion = d->AppVersionText->text();
            shown.latestVersion = d->LatestVersionText->text();
            shown.message = d->MessageText->text();
            shown.downloadVisible = d->DownloadButton->isVisible();
            shown.downloadEnabled = d->DownloadButton->isEnabled();
            QTest::mouseClick(d->CloseWindowButton, Qt::LeftButton);
        } else if (auto *ok = qobject_cast<OKDialog *>(w)) {
            shown.okText = ok->HeaderText->text() + u'\n' + ok->SubText->text();
            QTest::mouseClick(ok->OKButton, Qt::LeftButton);
        } else {
            cancelDialog(w);
        }
    });
    application.Search4Updates();
    UpdateFeed::setServerBaseUrl(QString());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return shown;
}

} // namespace

TEST_F(UpdateDialogTest, SetContentByTheVersionsOfTheFeed)
{
    struct Case
    {
        const char *what;
        const char *latest;
        const char *updateFrom;
        const char *current;
        QString url;
        QString message;
        bool download;
    } cases[] = {
        // The feeds of the server are in TheCommandShowsTheFeedOfTheServer; these are the rest.
        {"equal to kdlupdatefrom", "9.1.0", "9.0.3", "9.0.3", kDownloadUrl, kAvailable + kDownloadLines, true},
        {"a newer major", "10.0.0", "9.0.0", "9.9.9", kDownloadUrl, kAvailable + kDownloadLines, true},
        {"no web address", "9.1.0", "9.0.0", "9.0.3", QStringLiteral("file:///etc/passwd"), kAvailable, false},
    };
    for (const Case &c : cases) {
        runningVersion(c.current);
        UpdateCheckDialog dialog;
        EXPECT_EQ(dialog.MessageText->text(), QStringLiteral("-"));
        dialog.show();
        dialog.SetContent(*version(c.latest), *version(c.updateFrom), *version(c.current), c.url);
        EXPECT_EQ(dialog.AppVersionText->text(), QString::fromUtf8(c.current)) << c.what;
        EXPECT_EQ(dialog.LatestVersionText->text(), QString::fromUtf8(c.latest)) << c.what;
        EXPECT_EQ(dialog.MessageText->text(), c.message) << c.what;
        EXPECT_EQ(dialog.DownloadButton->isVisible(), c.download) << c.what;
        EXPECT_EQ(dialog.DownloadButton->isEnabled(), c.download) << c.what;
        EXPECT_EQ(dialog.pDownloadURL, c.download ? c.url : QString()) << c.what;
        if (c.download) {
            // Neither button is the default; both open their page and leave the dialog open.
            UrlRecorder browser;
            EXPECT_FALSE(dialog.DownloadButton->isDefault() || dialog.CloseWindowButton->isDefault());
            QTest::mouseClick(dialog.DownloadButton, Qt::LeftButton);
            dialog.BevelButton1->click();
            EXPECT_EQ(browser.urls, (QList<QUrl>{QUrl(c.url), QUrl(makerHomePageUrl())})) << c.what;
            EXPECT_TRUE(dialog.isVisible());
        }
        dialog.hide();
    }
}

TEST_F(UpdateDialogTest, TheCommandShowsTheFeedOfTheServer)
{
    struct Case
    {
        const char *feed;
        const char *running;
        QString latest;
        QString message;
        bool download;
    } cases[] = {
        {"download.html", "9.0.3", QStringLiteral("9.1.0"), kAvailable + kDownloadLines, true},
        {"download.html", "8.5.0", QStringLiteral("9.1.0"), kAvailable + kOrderLine, false},
        {"no_url.html", "9.0.3", QStringLiteral("9.1.0"), kAvailable, false},
        {"empty_url.html", "9.0.3", QStringLiteral("9.1.0"), kAvailable, false},
        {"equal.html", "9.0.3", QStringLiteral("9.0.3"), kNoUpdates, false},
        {"older.html", "9.0.3", QStringLiteral("9.0.1"), kNoUpdates, false},
        {"two_parts.html", "9.1.0", QStringLiteral("9.1"), kNoUpdates, false},
        {"two_parts.html", "9.0.3", QStringLiteral("9.1"), kAvailable + kDownloadLines, true},
        {"outside_body.html", "9.0.3", QStringLiteral("9.1.0"), kAvailable, false},
    };
    for (const Case &c : cases) {
        const QString what = QString::fromUtf8(c.feed) + QStringLiteral(" by ") + QString::fromUtf8(c.running);
        runningVersion(c.running);
        FeedServer server(FeedServer::feedFile(QString::fromUtf8(c.feed)));
        const Shown shown = checkForUpdates(application, server.baseUrl());
        ASSERT_TRUE(shown.dialog) << what.toStdString() << shown.okText.toStdString();
        EXPECT_EQ(server.requests.size(), 1) << what.toStdString();
        EXPECT_EQ(shown.title, QStringLiteral("Aktualisierungen"));
        EXPECT_EQ(shown.appVersion, QString::fromUtf8(c.running)) << what.toStdString();
        EXPECT_EQ(shown.latestVersion, c.latest) << what.toStdString();
        EXPECT_EQ(shown.message, c.message) << what.toStdString();
        EXPECT_EQ(shown.downloadVisible, c.download) << what.toStdString();
        EXPECT_EQ(shown.downloadEnabled, c.download) << what.toStdString();
        // The dialog is closed and gone; the next check makes a new one.
        EXPECT_EQ(existingInstance<UpdateCheckDialog>(), nullptr) << what.toStdString();
    }
}

TEST_F(UpdateDialogTest, ASecondCommandWhileTheFirstWaitsIsNotStarted)
{
    runningVersion("9.0.3");
    FeedServer slow(FeedServer::feedFile(QStringLiteral("download.html")));
    slow.setDelay(300);
    UpdateFeed::setServerBaseUrl(slow.baseUrl());
    ModalScript closer; // closes every dialog that comes up, keeping its text
    int requestsWhenSecondCame = 0;
    QTimer::singleShot(50, &application, [this, &slow, &requestsWhenSecondCame] {
        requestsWhenSecondCame = int(slow.requests.size());
        application.Search4Updates();
    });
    application.Search4Updates();
    UpdateFeed::setServerBaseUrl(QString());
    EXPECT_EQ(requestsWhenSecondCame, 1);
    EXPECT_EQ(slow.requests.size(), 1);
    ASSERT_EQ(closer.seen.size(), 1);
    EXPECT_TRUE(closer.seen[0].contains(QStringLiteral("9.1.0"))) << "the update dialog";
}

TEST_F(UpdateDialogTest, AFeedWithoutVersionsIsReportedInsteadOfTheDialog)
{
    runningVersion("9.0.3");
    FeedServer emptyReply(FeedServer::response(QByteArray()));
    FeedServer noLatest(FeedServer::feedFile(QStringLiteral("broken_no_latest.html")));
    FeedServer outside(FeedServer::feedFile(QStringLiteral("only_outside_body.html")));
    FeedServer noBodyTag(FeedServer::feedFile(QStringLiteral("broken_no_body_tag.html")));
    FeedServer garbage(FeedServer::feedFile(QStringLiteral("broken_garbage.bin")));
    const QString bases[] = {FeedServer::closedPortUrl(), emptyReply.baseUrl(), noLatest.baseUrl(),
                             outside.baseUrl(),           noBodyTag.baseUrl(),  garbage.baseUrl()};
    for (const QString &base : bases) {
        const Shown shown = checkForUpdates(application, base);
        EXPECT_FALSE(shown.dialog) << base.toStdString();
        EXPECT_TRUE(shown.okText.startsWith(QStringLiteral("Keine Versionsinformationen!\n")))
            << base.toStdString() << shown.okText.toStdString();
        EXPECT_TRUE(shown.okText.contains(QStringLiteral("nicht vom Server gelesen"))) << base.toStdString();
    }
}
