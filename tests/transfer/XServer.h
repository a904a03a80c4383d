#pragma once
// An X server of the test's own (Xvfb on a free display) with openbox as
// window manager, started before the application object and ended with it.
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
