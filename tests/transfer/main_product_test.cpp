// The requests to the main product, against a stand-in on the test's own session bus.
#include "app/App.h"
#include "framework/Folders.h"
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"
#include "transfer/AppleEvent.h"

#include <QFile>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// A stand-in main product answering with the replies ("|" between them) in order.
struct Peer : QProcess
{
    Peer(const QString &signature, const QString &replies, const QString &log)
    {
        endWithTest(*this);
        start(qEnvironmentVariable("VM_BIN_DIR") + QStringLiteral("/main_product_peer"),
              QStringList{signature, log} + replies.split(u'|'));
        ready = waitForReadyRead(10000);
    }
    ~Peer() override { kill(), waitForFinished(); }
    bool ready = false;
};

// The texts of the messages shown while request runs, each answered.
QStringList messagesOf(const std::function<void()> &request)
{
    ModalScript answers;
    request();
    return answers.seen;
}
} // namespace

TEST(MainProductRequests, WithoutAnAnswerNotSentAndWithOneTheReplyText)
{
    App app;
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("log"));
    const auto events = [&] { return QString::fromUtf8(readBytes(log)); };
    {
        // Signatures that are no bus names are written so that they are.
        Peer silentPeer(QStringLiteral("ab 1"), QStringLiteral("!hang"), log);
        ASSERT_TRUE(silentPeer.ready);
        AppleEvent silent(QStringLiteral("VMRg"), QStringLiteral("GetS"), QStringLiteral("ab 1"));
        silent.setReplyTimeout(300);
        EXPECT_FALSE(silent.Send());
        EXPECT_EQ(events(), QStringLiteral("VMRg\tGetS\n"));

        const QString notRunning = QStringLiteral("Velmora nicht gefunden\nBitte starten Sie zuerst den Velmora und "
                                                  "danach den VM Companion");
        QString part = QStringLiteral("alt");
        EXPECT_EQ(app.VMGetProgPart(part), -1);
        EXPECT_EQ(part, QStringLiteral("alt"));
        app.pVMCategories = QStringLiteral("Vorher");
        EXPECT_EQ(messagesOf([&] { app.GetCategoriesFromVM4(); }),
                  (QStringList{QStringLiteral("The AppleEvent could not be sent."), QStringLiteral("Vorher")}));
        EXPECT_EQ(app.GetCategoriesFromVM5(), -1);
        EXPECT_EQ(app.pVMCategories, QString());
        EXPECT_EQ(messagesOf([&] { EXPECT_EQ(app.VM5_GetSentences2Category(QStringLiteral("x"), 3), QString()); }),
                  QStringList{notRunning});
        EXPECT_EQ(messagesOf([&] { EXPECT_EQ(app.VM5SwitchProgPart(2), -1); }), QStringList{notRunning});
    }
    QFile::remove(log);
    Peer peer(QStringLiteral("VMRg"),
              QStringLiteral("Arbeitsverhalten|Sozialverhalten||A\\nB|Er arbeitet.||nicht verfügbar|!error|Zeugnisse|!error"),
              log);
    ASSERT_TRUE(peer.ready);
    app.pVMCategories = QStringLiteral("Vorher");
    const QString list = QStringLiteral("Vorher\nArbeitsverhalten\nSozialverhalten\n");
    EXPECT_EQ(messagesOf([&] { EXPECT_EQ(app.GetCategoriesFromVM4(), 0); }), QStringList{list});
    EXPECT_EQ(app.GetCategoriesFromVM5(), 0);
    EXPECT_EQ(app.pVMCategories, QStringLiteral("A\nB"));
    EXPECT_EQ(app.VM5_GetSentences2Category(QStringLiteral("Arbeitsverhalten"), 3), QStringLiteral("Er arbeitet."));
    EXPECT_EQ(app.VM5SwitchProgPart(2), 0);
    EXPECT_EQ(app.VM5SwitchProgPart(7), -2);
    // An error answer comes from a running main product: sent, with nothing in it.
    EXPECT_EQ(messagesOf([&] { EXPECT_EQ(app.VM5SwitchProgPart(0), 0); }), QStringList());
    QString part = QStringLiteral("alt");
    EXPECT_EQ(app.VMGetProgPart(part), 0);
    EXPECT_EQ(part, QStringLiteral("Zeugnisse"));
    EXPECT_EQ(app.SendSimpleAE(QStringLiteral("misc"), QStringLiteral("dosc"), QStringLiteral("VMRg"), part), 0);
    EXPECT_EQ(part, QString());
    EXPECT_EQ(events(), QStringLiteral("VMRg\tGetS\ti:1\nVMRg\tGetS\ti:2\nVMRg\tGetS\ti:3\nVMRg\tGetS\n"
                                       "VMRg\tGetS\ts:Arbeitsverhalten,3\nVMRg\tSwiL\ts:2\nVMRg\tSwiL\ts:7\n"
                                       "VMRg\tSwiL\ts:0\nVMRg\tGtPt\nmisc\tdosc\n"));

    // The main product lies in the program's folder.
    setProgramFolder(dir.path());
    writeBytes(dir.filePath(QStringLiteral("Velmora 9")), "#!/bin/sh\ntouch \"$0.gestartet\"\n", true);
    EXPECT_EQ(app.LaunchVM(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(dir.filePath(QStringLiteral("Velmora 9.gestartet"))); }, 10000));
    setProgramFolder(QString());
}
