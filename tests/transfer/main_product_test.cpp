// The application's requests to the main product, against a stand-in main
// product on the test's own session bus, and without it.
#include "app/App.h"
#include "framework/Folders.h"
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"
#include "transfer/AppleEvent.h"
#include "transfer/MainProductBus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

namespace {
class MainProductRequests : public ::testing::Test
{
protected:
    ~MainProductRequests() override
    {
        m_peer.kill();
        m_peer.waitForFinished();
        // The bus drops the name only when it notices the closed connection.
        QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
        std::ignore = QTest::qWaitFor([&] { return !bus->isServiceRegistered(m_busName).value(); }, 10000);
    }
    // A peer answering with the replies ("|" between them) in order; it logs its events.
    bool startPeer(const QString &signature, const QString &replies)
    {
        m_busName = mainProductBusName(signature);
        m_peer.start(qEnvironmentVariable("VM_BIN_DIR") + QStringLiteral("/main_product_peer"),
                     QStringList{signature, m_dir.filePath(QStringLiteral("log"))} + replies.split(u'|'));
        return m_peer.waitForReadyRead(10000);
    }
    QString events() const
    {
        QFile log(m_dir.filePath(QStringLiteral("log")));
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
    }
    // The texts of the messages shown while request runs, each answered.
    QStringList messagesOf(const std::function<void()> &request)
    {
        ModalScript answers;
        request();
        return answers.seen;
    }

    App m_app;
    QTemporaryDir m_dir;
    QProcess m_peer;
    QString m_busName;
};
} // namespace

TEST_F(MainProductRequests, EachRequestSendsItsEventAndUsesTheReplyText)
{
    ASSERT_TRUE(startPeer(QStringLiteral("VMRg"), QStringLiteral("Arbeitsverhalten|Sozialverhalten||A\\nB|Er arbeitet.||"
                                                                 "nicht verfügbar|!error|Zeugnisse|!error")));
    m_app.pVMCategories = QStringLiteral("Vorher");
    const QString list = QStringLiteral("Vorher\nArbeitsverhalten\nSozialverhalten\n");
    EXPECT_EQ(messagesOf([&] { EXPECT_EQ(m_app.GetCategoriesFromVM4(), 0); }), QStringList{list});
    EXPECT_EQ(m_app.GetCategoriesFromVM5(), 0);
    EXPECT_EQ(m_app.pVMCategories, QStringLiteral("A\nB"));
    EXPECT_EQ(m_app.VM5_GetSentences2Category(QStringLiteral("Arbeitsverhalten"), 3), QStringLiteral("Er arbeitet."));
    EXPECT_EQ(m_app.VM5SwitchProgPart(2), 0);
    EXPECT_EQ(m_app.VM5SwitchProgPart(7), -2);
    // An error answer comes from a running main product: sent, with nothing in it.
    EXPECT_EQ(messagesOf([&] { EXPECT_EQ(m_app.VM5SwitchProgPart(0), 0); }), QStringList());
    QString part = QStringLiteral("alt");
    EXPECT_EQ(m_app.VMGetProgPart(part), 0);
    EXPECT_EQ(part, QStringLiteral("Zeugnisse"));
    EXPECT_EQ(m_app.SendSimpleAE(QStringLiteral("misc"), QStringLiteral("dosc"), QStringLiteral("VMRg"), part), 0);
    EXPECT_EQ(part, QString());
    EXPECT_EQ(events(), QStringLiteral("VMRg\tGetS\ti:1\nVMRg\tGetS\ti:2\nVMRg\tGetS\ti:3\nVMRg\tGetS\n"
                                       "VMRg\tGetS\ts:Arbeitsverhalten,3\nVMRg\tSwiL\ts:2\nVMRg\tSwiL\ts:7\n"
                                       "VMRg\tSwiL\ts:0\nVMRg\tGtPt\nmisc\tdosc\n"));
}

TEST_F(MainProductRequests, WithoutAnAnswerEveryRequestReportsNotSent)
{
    // Signatures that are no bus names are written so that they are.
    ASSERT_TRUE(startPeer(QStringLiteral("ab 1"), QStringLiteral("!hang")));
    AppleEvent silent(QStringLiteral("VMRg"), QStringLiteral("GetS"), QStringLiteral("ab 1"));
    silent.setReplyTimeout(300);
    EXPECT_FALSE(silent.Send());
    EXPECT_EQ(events(), QStringLiteral("VMRg\tGetS\n"));

    const QString notRunning = QStringLiteral("Velmora nicht gefunden\nBitte starten Sie zuerst den Velmora und "
                                              "danach den VM Companion");
    QString part = QStringLiteral("alt");
    EXPECT_EQ(m_app.VMGetProgPart(part), -1);
    EXPECT_EQ(part, QStringLiteral("alt"));
    m_app.pVMCategories = QStringLiteral("Vorher");
    EXPECT_EQ(messagesOf([&] { m_app.GetCategoriesFromVM4(); }),
              (QStringList{QStringLiteral("The AppleEvent could not be sent."), QStringLiteral("Vorher")}));
    EXPECT_EQ(m_app.GetCategoriesFromVM5(), -1);
    EXPECT_EQ(m_app.pVMCategories, QString());
    EXPECT_EQ(messagesOf([&] { EXPECT_EQ(m_app.VM5_GetSentences2Category(QStringLiteral("x"), 3), QString()); }),
              QStringList{notRunning});
    EXPECT_EQ(messagesOf([&] { EXPECT_EQ(m_app.VM5SwitchProgPart(2), -1); }), QStringList{notRunning});
}

TEST_F(MainProductRequests, LaunchStartsTheItemInTheProgramFolder)
{
    setProgramFolder(m_dir.path());
    QFile item(m_dir.filePath(QStringLiteral("Velmora 9")));
    ASSERT_TRUE(item.open(QIODevice::WriteOnly));
    item.write("#!/bin/sh\ntouch \"$(dirname \"$0\")/gestartet\"\n");
    item.close();
    item.setPermissions(item.permissions() | QFileDevice::ExeOwner);
    EXPECT_EQ(m_app.LaunchVM(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(m_dir.filePath(QStringLiteral("gestartet"))); }, 10000));
    setProgramFolder(QString());
}
