// The main of the test programs on an X display of their own: the display is
// started before the application object connects to it (the offscreen
// platform when it did not start), then the tests run.
#include "XvfbSession.h"

#include <QApplication>

#include <gtest/gtest.h>

XvfbSession *g_x = nullptr;

int main(int argc, char **argv)
{
    XvfbSession session;
    g_x = &session;
    if (session.isRunning()) {
        qputenv("DISPLAY", session.display().toLocal8Bit());
        qunsetenv("WAYLAND_DISPLAY");
    }
    qputenv("QT_QPA_PLATFORM", session.isRunning() ? "xcb" : "offscreen");
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
