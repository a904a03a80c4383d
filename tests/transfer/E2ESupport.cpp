#include "E2ESupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>

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
