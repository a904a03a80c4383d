#pragma once
// For the end-to-end transfer runs on an X display of the test's own: a
// target application of our own and the few X tools the runs need.
#include <QProcess>
#include <QString>
#include <QStringList>

class QWidget;
class XvfbSession;

// How long the runs wait for a window or a text to appear.
constexpr int kXWaitMs = 15000;

// Where the runs are: no X server installed, one that failed to start, or
// one running (the display of e2eSession()).
enum class XState { NotInstalled, Failed, Running };
XState e2eXState();
const XvfbSession *e2eSession();
// The main of an end-to-end test program: starts its own X display (before
// the application object connects to one), then runs the tests on it.
int runTestsOnOwnDisplay(int argc, char **argv);

// Whether the X server can be had at all; without it the runs are skipped.
bool xvfbInstalled();
// The folder of the program and its helpers (build/bin).
QString binDir();
// Runs an X tool to its end; true when it succeeded.
bool runTool(const QString &program, const QStringList &arguments);
// Brings window (an id) to the front and waits until it is active.
bool activateWindow(const QString &window);
// Waits until the program's own window is shown; a window mapped while the
// window manager still settles may stay unexposed, so it is shown anew once.
bool waitUntilExposed(QWidget *window);
// Brings the program's window to the front, as when the user works in it,
// and waits until the program is the active application.
bool bringProgramToFront(QWidget *window);

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
