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
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {
const QString kNotRunning = QStringLiteral(
    "Velmora nicht gefunden\nBitte starten Sie zuerst den Velmora und danach den VM Companion");

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
    bool startPeer(const QStringList &replies, const QString &signature = QStringLiteral("VMRg"))
    {
        m_busName = mainProductBusName(signature);
        m_peer.start(qEnvironmentVariable("VM_BIN_DIR") + QStringLiteral("/main_product_peer"),
                     QStringList{signature, m_dir.filePath(QStringLiteral("log"))} + replies);
        return m_peer.waitForReadyRead(10000);
    }
    QStringList events() const
    {
        QFile log(m_dir.filePath(QStringLiteral("log")));
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts)
                                             : QStringList();
    }
    // Answers every message while the request runs; their texts.
    template<typename Request>
    QStringList messagesOf(Request request)
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
    ASSERT_TRUE(startPeer({QStringLiteral("Arbeitsverhalten"), QStringLiteral("Sozialverhalten"), QString(),
                           QStringLiteral("A\\nB"), QStringLiteral("Er arbeitet."), QString(),
                           QStringLiteral("nicht verfügbar"), QStringLiteral("!error"), QStringLiteral("Zeugnisse"),
                           QStringLiteral("!error")}));
    m_app.pVMCategories = QStringLiteral("Vorher");
    const QString list = QStringLiteral("Vorher\nArbeitsverhalten\nSozialverhalten\n");
    EXPECT_EQ(messagesOf([&] { EXPECT_EQ(m_app.GetCategoriesFromVM4(), 0); }), QStringList{list});
    EXPECT_EQ(m_app.pVMCategories, list);
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
    QString reply = QStringLiteral("alt");
    EXPECT_EQ(m_app.SendSimpleAE(QStringLiteral("misc"), QStringLiteral("dosc"), QStringLiteral("VMRg"), reply), 0);
    EXPECT_EQ(reply, QString());
    EXPECT_EQ(events().join(u'|'), QStringLiteral("VMRg\tGetS\ti:1|VMRg\tGetS\ti:2|VMRg\tGetS\ti:3|VMRg\tGetS|"
                                                  "VMRg\tGetS\ts:Arbeitsverhalten,3|VMRg\tSwiL\ts:2|VMRg\tSwiL\ts:7|"
                                                  "VMRg\tSwiL\ts:0|VMRg\tGtPt|misc\tdosc"));
}

TEST_F(MainProductRequests, WithoutAnAnswerEveryRequestReportsNotSent)
{
    ASSERT_TRUE(startPeer({QStringLiteral("!hang")}, QStringLiteral("ab 1")));
    EXPECT_EQ(m_busName, QStringLiteral("de.kelmarin.signature.ab_00201"));
    AppleEvent silent(QStringLiteral("VMRg"), QStringLiteral("GetS"), QStringLiteral("ab 1"));
    silent.setReplyTimeout(300);
    EXPECT_FALSE(silent.Send());

    QString reply = QStringLiteral("alt");
    EXPECT_EQ(m_app.SendSimpleAE(QStringLiteral("VMRg"), QStringLiteral("GetS"), QStringLiteral("VMRg"), reply), -1);
    EXPECT_EQ(reply, QString());
    m_app.pVMCategories = QStringLiteral("Vorher");
    EXPECT_EQ(m_app.GetCategoriesFromVM5(), -1);
    EXPECT_EQ(m_app.pVMCategories, QString());
    m_app.pVMCategories = QStringLiteral("Vorher");
    EXPECT_EQ(messagesOf([&] { m_app.GetCategoriesFromVM4(); }),
              (QStringList{QStringLiteral("The AppleEvent could not be sent."), QStringLiteral("Vorher")}));
    EXPECT_EQ(messagesOf([&] { EXPECT_EQ(m_app.VM5_GetSentences2Category(QStringLiteral("x"), 3), QString()); }),
              QStringList{kNotRunning});
    EXPECT_EQ(messagesOf([&] { EXPECT_EQ(m_app.VM5SwitchProgPart(2), -1); }), QStringList{kNotRunning});
    QString part = QStringLiteral("alt");
    EXPECT_EQ(m_app.VMGetProgPart(part), -1);
    EXPECT_EQ(part, QStringLiteral("alt"));
    EXPECT_EQ(events(), QStringList{QStringLiteral("VMRg\tGetS")});
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
