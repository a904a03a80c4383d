// The real program on a real X display: started as a teacher starts it.
#include "support/TestSupport.h"
#include "support/XvfbSession.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

TEST(StartupE2E, FirstLaunchShowsTheWindowAsksForTheTargetAndCtrlQWritesThePreferences)
{
    XvfbSession x;
    if (!x.isRunning())
        GTEST_SKIP() << "no Xvfb, openbox or xdotool";
    // A program folder of its own: the executable copied beside a database, and a preferences folder.
    QTemporaryDir programDir;
    TempConfigHome config;
    const QString program = programDir.filePath(QStringLiteral("vm-companion"));
    ASSERT_TRUE(QFile::copy(qEnvironmentVariable("VM_BIN_DIR") + QStringLiteral("/vm-companion"), program));
    createSentenceDb(programDir.filePath(QStringLiteral("Formulierungshilfen.rbd")),
                     {sentenceRow("Normalform", "Arbeitsverhalten", "Sorgfalt", 1, 1, 10, 1, "_ arbeitet gut.")});
    QProcess process; // ended with the test when it still runs
    process.setProcessEnvironment(x.environment()); // the environment as it is now, with the preferences folder
    process.start(program, {});
    ASSERT_TRUE(process.waitForStarted(5000));
    const QString window = x.waitForWindow(QStringLiteral("Velmora - Satzbausteine"));
    ASSERT_FALSE(window.isEmpty());
    ASSERT_FALSE(x.waitForWindow(QStringLiteral("Velmora")).isEmpty()) << "Bitte Zielanwendung öffnen";
    x.key(QStringLiteral("Return"));
    // The target chooser, when it comes, is cancelled.
    QThread::msleep(1000);
    const QString front = x.xdotool({QStringLiteral("getactivewindow"), QStringLiteral("getwindowname")});
    if (front != QStringLiteral("Velmora - Satzbausteine"))
        x.key(QStringLiteral("Escape"));
    ASSERT_FALSE(x.waitForWindow(QStringLiteral("Velmora - Satzbausteine")).isEmpty());
    x.xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window});
    x.key(QStringLiteral("ctrl+q"));
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 0);
    const QStringList lines = QString::fromUtf8(readBytes(config.prefsFile())).split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), 10);
    EXPECT_EQ(lines.value(1), QStringLiteral("Connection=ConnectGeneric"));
}
