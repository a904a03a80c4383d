#include "XvfbSession.h"

#include "TestSupport.h"

#include <QElapsedTimer>
#include <QStandardPaths>
#include <QThread>

XvfbSession::XvfbSession()
{
    for (const char *tool : {"Xvfb", "openbox", "xdotool"})
        if (QStandardPaths::findExecutable(QString::fromUtf8(tool)).isEmpty())
            return;
    // Both end with the test, also when it is killed.
    endWithTest(m_xvfb);
    endWithTest(m_windowManager);
    // Xvfb picks a free display itself and names it once it takes connections.
    m_xvfb.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                          QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                                          QStringLiteral("tcp")});
    if (!m_xvfb.waitForReadyRead(10000))
        return;
    m_display = QStringLiteral(":") + QString::fromLatin1(m_xvfb.readLine().trimmed());
    m_running = true;
    // A window mapped before the window manager has taken over the display is never shown:
    // openbox runs its startup command once it manages the display.
    m_windowManager.setProcessEnvironment(environment());
    m_windowManager.start(QStringLiteral("openbox"), {QStringLiteral("--startup"), QStringLiteral("echo ready")});
    QElapsedTimer clock;
    clock.start();
    QByteArray said;
    while (!said.contains("ready") && m_windowManager.state() != QProcess::NotRunning && clock.elapsed() < 15000) {
        m_windowManager.waitForReadyRead(500);
        said += m_windowManager.readAllStandardOutput();
    }
}

XvfbSession::~XvfbSession()
{
    // Asked to end first, so that Xvfb removes its lock file; QProcess kills what remains.
    for (QProcess *p : {&m_windowManager, &m_xvfb}) {
        p->terminate();
        p->waitForFinished(3000);
    }
}

QProcessEnvironment XvfbSession::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return env;
}

QString XvfbSession::xdotool(const QStringList &args, int *exitCode) const
{
    QProcess p;
    p.setProcessEnvironment(environment());
    p.start(QStringLiteral("xdotool"), args);
    p.waitForFinished(10000);
    if (exitCode)
        *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

QString XvfbSession::waitForWindow(const QString &title, int timeoutMs) const
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        const QString ids = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                                     QStringLiteral("^") + title + QStringLiteral("$")});
        if (!ids.isEmpty())
            return ids.split(u'\n').first();
        QThread::msleep(50);
    }
    return {};
}

void XvfbSession::key(const QString &keys) const
{
    xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), keys});
}

bool XvfbSession::activate(const QString &window) const
{
    int code = -1;
    xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window}, &code);
    return code == 0;
}
