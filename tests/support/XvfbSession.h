#pragma once
// An X display of the test's own: Xvfb on a free display number with openbox
// as window manager, and xdotool to look at and type into its windows.
#include <QProcess>
#include <QString>
#include <QStringList>

class XvfbSession
{
public:
    XvfbSession();
    ~XvfbSession();

    // Whether Xvfb, openbox and xdotool are there and the display started.
    bool isRunning() const { return m_running; }
    QString display() const { return m_display; }
    // An environment for programs that run on this display.
    QProcessEnvironment environment() const;

    // Runs xdotool with args on this display; its standard output, trimmed.
    QString xdotool(const QStringList &args, int *exitCode = nullptr) const;
    // Waits until a visible window with that exact title exists; its id or "".
    QString waitForWindow(const QString &title, int timeoutMs = 10000) const;
    // Sends keys (xdotool key syntax) to the window in front.
    void key(const QString &keys) const;
    // Brings window (an id) to the front and waits until it is active.
    bool activate(const QString &window) const;

private:
    QString m_display;
    QProcess m_xvfb;
    QProcess m_windowManager;
    bool m_running = false;
};

// The display of a test program built with VM_TEST_ON_XVFB (GuiTestMain.cpp).
extern XvfbSession *g_x;
