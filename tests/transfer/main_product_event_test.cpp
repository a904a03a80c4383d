// The event layer on a real session bus: what reaches the service, what comes
// back, and every way a send fails.
#include "main_product_support.h"
#include "transfer/AppleEvent.h"
#include "transfer/MainProductBus.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
const QString kVMRg = QStringLiteral("VMRg");
const QString kGetS = QStringLiteral("GetS");
} // namespace

TEST(MainProductBus, BusNamesAreValidForAnySignature)
{
    EXPECT_EQ(mainProductBusName(kVMRg), QStringLiteral("de.kelmarin.signature.VMRg"));
    EXPECT_EQ(mainProductBusName(QStringLiteral("ab 1")), QStringLiteral("de.kelmarin.signature.ab_00201"));
    EXPECT_EQ(mainProductBusName(QStringLiteral("1abc")), QStringLiteral("de.kelmarin.signature._0031abc"));
    EXPECT_NE(mainProductBusName(QStringLiteral("a_bc")), mainProductBusName(QStringLiteral("a.bc")));

    // The bus itself judges the names: asking for an invalid one is an error.
    QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    ASSERT_NE(bus, nullptr);
    for (const QString &signature : {kVMRg, QStringLiteral("ab 1"), QStringLiteral("1abc"), QStringLiteral("Ä-.*"),
                                     QStringLiteral("????"), QString()}) {
        const QDBusReply<bool> registered = bus->isServiceRegistered(mainProductBusName(signature));
        EXPECT_TRUE(registered.isValid()) << signature.toStdString() << ": "
                                          << registered.error().message().toStdString();
    }
}

// What the service's replies and their direct objects look like is tested
// through the application's requests; here the failures of the layer itself.
TEST(AppleEventSend, RepliesWithoutTextAreEmptyErrorsAndSilenceAreNotSent)
{
    StandInMainProduct peer({QStringLiteral("!none"), QStringLiteral("!int"), QStringLiteral("vorher"),
                             QStringLiteral("!error"), QStringLiteral("!hang")});
    ASSERT_TRUE(peer.isReady());
    AppleEvent event(kVMRg, kGetS, kVMRg);
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(event.Send()) << "a reply without text is still a sent event";
        EXPECT_EQ(event.ReplyString(), QString());
    }
    ASSERT_TRUE(event.Send());
    EXPECT_EQ(event.ReplyString(), QStringLiteral("vorher"));

    // A failed send leaves no reply of an earlier one behind.
    EXPECT_FALSE(event.Send());
    EXPECT_EQ(event.ReplyString(), QString());
    EXPECT_TRUE(event.lastError().contains(QStringLiteral("Failed"))) << event.lastError().toStdString();

    event.setReplyTimeout(300);
    EXPECT_FALSE(event.Send());
    EXPECT_TRUE(event.lastError().contains(QStringLiteral("NoReply"))) << event.lastError().toStdString();
}

// Run only as a child of the test below, in an environment without a session bus.
TEST(AppleEventNoBusChild, NotSent)
{
    if (qEnvironmentVariable("VM_NO_BUS_CHILD") != QStringLiteral("1"))
        GTEST_SKIP() << "runs as a child process of AppleEventNoBus";
    AppleEvent event(kVMRg, kGetS, kVMRg);
    event.setIntegerParam(kDirectObjectKeyword, 1);
    EXPECT_FALSE(event.Send());
    EXPECT_FALSE(event.lastError().isEmpty());
    EXPECT_EQ(event.ReplyString(), QString());
    // And again: a second try on the same dead connection fails the same way.
    EXPECT_FALSE(event.Send());
}

TEST(AppleEventNoBus, UnreachableSessionBusIsNotSent)
{
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    const QString missingSocket = QStringLiteral("unix:path=") + runtime.filePath(QStringLiteral("no-bus"));
    for (const QString &address : {QString(), missingSocket}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("VM_NO_BUS_CHILD"), QStringLiteral("1"));
        if (!address.isEmpty())
            env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
        QProcess child;
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=AppleEventNoBusChild.*")});
        // A generous bound only to keep a hang from blocking the whole run.
        const bool finished = child.waitForFinished(30000);
        if (!finished)
            child.kill();
        const QString output = QString::fromLocal8Bit(child.readAll());
        EXPECT_TRUE(finished) << "address '" << address.toStdString() << "': " << output.toStdString();
        EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << output.toStdString();
        EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
        EXPECT_TRUE(output.contains(QStringLiteral("[  PASSED  ] 1 test"))) << output.toStdString();
    }
}
