#pragma once
// An X server of the test's own (Xvfb on a free display) with openbox as
// window manager, started before the application object and ended with it.
#include <QProcess>
#include <QString>

#include <sys/types.h>

class XServer
{
public:
    XServer() = default;
    ~XServer();
    XServer(const XServer &) = delete;
    XServer &operator=(const XServer &) = delete;

    // Whether Xvfb and openbox are installed.
    static bool toolsInstalled();
    // Starts Xvfb and openbox and waits until the window manager runs.
    bool start();
    // ":N" once started.
    QString display() const { return m_display; }

private:
    void stop();

    pid_t m_server = -1;
    pid_t m_windowManager = -1;
    QString m_display;
};

// How long the end-to-end runs wait for a window or a text to appear.
constexpr int kXWaitMs = 15000;

// Runs an X tool to its end; true when it succeeded.
bool runTool(const QString &program, const QStringList &arguments);
// Brings window (an id) to the front and waits until it is active.
bool activateWindow(const QString &window);

// The folder of the program and its helpers (build/bin).
QString binDir();

// The small editor of TargetWindow.cpp, run as application className; its
// text is kept in outputFile.
class TargetWindow
{
public:
    TargetWindow(const QString &className, const QString &outputFile);
    ~TargetWindow();
    TargetWindow(const TargetWindow &) = delete;
    TargetWindow &operator=(const TargetWindow &) = delete;

    // Its window id, "" when it did not start.
    QString window() const { return m_window; }
    QString text() const;

private:
    QProcess m_process;
    QString m_output;
    QString m_window;
};
