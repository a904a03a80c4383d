// The main of the widget tests. With VM_TEST_ON_XVFB it first starts an X display of the program's own
// for the application object to connect to (the offscreen platform when it did not start). A dialog
// that no step of a test answers fails that test and is closed (GuiTestSupport.h).
#include "GuiTestSupport.h"
#include "XvfbSession.h"

#include <QApplication>

#include <gtest/gtest.h>

#ifdef VM_TEST_ON_XVFB
XvfbSession *g_x = nullptr;
#endif

int main(int argc, char **argv)
{
#ifdef VM_TEST_ON_XVFB
    XvfbSession session;
    g_x = &session;
    if (session.isRunning()) {
        qputenv("DISPLAY", session.display().toLocal8Bit());
        qunsetenv("WAYLAND_DISPLAY");
    }
    qputenv("QT_QPA_PLATFORM", session.isRunning() ? "xcb" : "offscreen");
#endif
    QApplication application(argc, argv);
#ifdef VM_TEST_ON_XVFB
    // The name the program's own main gives it: the test's windows then carry the program's class, by which
    // the target capture knows them as the program itself, as it knows the program's own windows.
    QApplication::setApplicationName(QStringLiteral("VM Companion"));
#endif
    QApplication::setQuitOnLastWindowClosed(false);
    closeUnansweredDialogs();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
