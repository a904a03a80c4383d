#include "E2ESupport.h"

#include "support/XvfbSession.h"

#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {
XState g_x = XState::NotInstalled;
const XvfbSession *g_session = nullptr;
} // namespace

XState e2eXState()
{
    return g_x;
}

const XvfbSession *e2eSession()
{
    return g_session;
}

int runTestsOnOwnDisplay(int argc, char **argv)
{
    std::unique_ptr<XvfbSession> session;
    if (xvfbInstalled()) {
        session = std::make_unique<XvfbSession>();
        g_x = session->isRunning() ? XState::Running : XState::Failed;
    }
    if (g_x == XState::Running) {
        g_session = session.get();
        qputenv("DISPLAY", session->display().toLocal8Bit());
        qunsetenv("WAYLAND_DISPLAY");
    }
    qputenv("QT_QPA_PLATFORM", g_x == XState::Running ? "xcb" : "offscreen");
    int status = 0;
    {
        QApplication application(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
        ::testing::InitGoogleTest(&argc, argv);
        status = RUN_ALL_TESTS();
    }
    g_session = nullptr;
    return status;
}

bool xvfbInstalled()
{
    return !QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty();
}

QString binDir()
{
    return qEnvironmentVariable("VM_BIN_DIR", QCoreApplication::applicationDirPath());
}

bool runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(kXWaitMs) && process.exitCode() == 0;
}

bool activateWindow(const QString &window)
{
    return runTool(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QStringLiteral("--sync"), window});
}

TargetWindow::TargetWindow(const QString &className, const QString &outputFile)
    : m_output(outputFile)
{
    m_process.start(binDir() + QStringLiteral("/vm-target-window"), {className, outputFile});
    if (m_process.waitForReadyRead(kXWaitMs))
        m_window = QString::fromLatin1(m_process.readLine().trimmed());
}

TargetWindow::~TargetWindow()
{
    m_process.kill();
    m_process.waitForFinished(3000);
}

QString TargetWindow::text() const
{
    QFile file(m_output);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool waitUntilExposed(QWidget *window)
{
    if (!QTest::qWaitForWindowExposed(window, 3000)) {
        window->hide();
        window->show();
    }
    return QTest::qWaitForWindowExposed(window, kXWaitMs);
}

bool bringProgramToFront(QWidget *window)
{
    return activateWindow(QString::number(window->winId()))
           && QTest::qWaitFor([] { return QGuiApplication::applicationState() == Qt::ApplicationActive; },
                              kXWaitMs);
}
