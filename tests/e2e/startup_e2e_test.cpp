// The real program on a real X display: started as a teacher starts it.
#include "support/TestSupport.h"
#include "support/XvfbSession.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {
class StartupE2ETest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!m_x.isRunning())
            GTEST_SKIP() << "no Xvfb, openbox or xdotool";
        // A program folder of its own: the executable copied beside a database.
        ASSERT_TRUE(QFile::copy(qEnvironmentVariable("VM_BIN_DIR") + QStringLiteral("/vm-companion"), program()));
    }

    QString program() const { return m_programDir.filePath(QStringLiteral("vm-companion")); }

    // Started with the preferences folder of the test (the environment is taken at the start).
    void start()
    {
        m_process.setProcessEnvironment(m_x.environment());
        m_process.start(program(), {});
        ASSERT_TRUE(m_process.waitForStarted(5000));
    }

    XvfbSession m_x;
    QTemporaryDir m_programDir;
    TempConfigHome m_config;
    QProcess m_process; // ended with the test when it still runs
};
} // namespace

TEST_F(StartupE2ETest, FirstLaunchShowsTheWindowAndAsksForTheTarget)
{
    createSentenceDb(m_programDir.filePath(QStringLiteral("Formulierungshilfen.rbd")),
                     {sentenceRow("Normalform", "Arbeitsverhalten", "Sorgfalt", 1, 1, 10, 1, "_ arbeitet gut.")});
    start();
    const QString window = m_x.waitForWindow(QStringLiteral("Velmora - Satzbausteine"));
    ASSERT_FALSE(window.isEmpty());
    ASSERT_FALSE(m_x.waitForWindow(QStringLiteral("Velmora")).isEmpty()) << "Bitte Zielanwendung öffnen";
    m_x.key(QStringLiteral("Return"));
    // The target chooser, when it comes, is cancelled.
    QThread::msleep(1000);
    const QString front = m_x.xdotool({QStringLiteral("getactivewindow"), QStringLiteral("getwindowname")});
    if (front != QStringLiteral("Velmora - Satzbausteine"))
        m_x.key(QStringLiteral("Escape"));
    ASSERT_FALSE(m_x.waitForWindow(QStringLiteral("Velmora - Satzbausteine")).isEmpty());
    m_x.xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window});
    m_x.key(QStringLiteral("ctrl+q"));
    ASSERT_TRUE(m_process.waitForFinished(10000));
    EXPECT_EQ(m_process.exitCode(), 0);
    const QStringList lines = QString::fromUtf8(readBytes(m_config.prefsFile())).split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), 10);
    EXPECT_EQ(lines.value(1), QStringLiteral("Connection=ConnectGeneric"));
}
