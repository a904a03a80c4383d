#include "XServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char **environ;

namespace {
pid_t spawn(const std::vector<std::string> &command)
{
    std::vector<char *> argv;
    for (const std::string &word : command)
        argv.push_back(const_cast<char *>(word.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

void end(pid_t &pid)
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            pid = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    pid = -1;
}

bool running(pid_t pid)
{
    return pid > 0 && waitpid(pid, nullptr, WNOHANG) == 0;
}

bool windowManagerRuns(const QString &display)
{
    const std::string command = "DISPLAY=" + display.toStdString() + " xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null";
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return false;
    char line[256] = {};
    const bool found = fgets(line, sizeof line, pipe) && std::string(line).find("window id") != std::string::npos;
    pclose(pipe);
    return found;
}
} // namespace

XServer::~XServer()
{
    stop();
}

bool XServer::toolsInstalled()
{
    return !QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()
           && !QStandardPaths::findExecutable(QStringLiteral("openbox")).isEmpty();
}

bool XServer::start()
{
    for (int attempt = 0; attempt < 10 && m_server < 0; ++attempt) {
        const int number = 200 + static_cast<int>(QRandomGenerator::global()->bounded(600));
        if (QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number))
            || QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)))
            continue;
        const QString display = QStringLiteral(":%1").arg(number);
        m_server = spawn({"Xvfb", display.toStdString(), "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        for (int i = 0; i < 250 && running(m_server); ++i) {
            if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number))) {
                m_display = display;
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        if (m_display.isEmpty())
            end(m_server);
    }
    if (m_display.isEmpty())
        return false;

    setenv("DISPLAY", m_display.toLocal8Bit().constData(), 1);
    m_windowManager = spawn({"openbox", "--sm-disable"});
    for (int i = 0; i < 250 && running(m_windowManager); ++i) {
        if (windowManagerRuns(m_display)) {
            // Give it a moment to take over the screen before windows appear.
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    stop();
    return false;
}

void XServer::stop()
{
    end(m_windowManager);
    end(m_server);
    m_display.clear();
}

QString binDir()
{
    return qEnvironmentVariable("VM_BIN_DIR", QCoreApplication::applicationDirPath());
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
