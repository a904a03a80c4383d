#include "ScriptRunner.h"

#include "Folders.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

QString ScriptRunner::scriptPath(int number)
{
    return QDir(programFolder()).filePath(QStringLiteral("scripts/") + QString::number(number));
}

ScriptResult ScriptRunner::run(int number, const QStringList &arguments, const QByteArray &input, int timeoutMs)
{
    const QString path = scriptPath(number);
    if (!QFileInfo(path).isExecutable())
        return {};

    QProcess process;
    // The scripts' complaints go where the program's own would go.
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    if (input.isEmpty())
        process.setStandardInputFile(QProcess::nullDevice());

    QEventLoop loop;
    bool failedToStart = false;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            failedToStart = true;
            loop.quit();
        }
    });
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);

    process.start(path, arguments);
    if (!input.isEmpty()) {
        // Written while the loop runs; a script that does not read it ends all the same.
        process.write(input);
        process.closeWriteChannel();
    }
    deadline.start(timeoutMs);
    if (!failedToStart && process.state() != QProcess::NotRunning)
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    if (failedToStart)
        return {};
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(2000);
        return {};
    }
    ScriptResult result;
    result.output = QString::fromUtf8(process.readAllStandardOutput());
    if (result.output.endsWith(u'\n')) {
        result.output.chop(1);
        if (result.output.endsWith(u'\r'))
            result.output.chop(1);
    }
    if (process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    result.succeeded = result.exitCode == 0;
    return result;
}
