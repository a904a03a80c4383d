// The wait window over the orienting list's build on a collection of 2,000
// criteria, on the X display of the end-to-end run: neither the Escape key
// nor a close request of the window manager ends it while the build runs;
// the build completes and hides it, and its wheel turns while it is shown.
// Under the window manager it has no buttons, and minimising it hides nothing.
#include "WindowTestSupport.h"
#include "support/TargetWindow.h"
#include "support/XvfbSession.h"

#include "framework/Controls.h"
#include "framework/ImplicitInstance.h"
#include "windows/sentence/SentenceWindow.h"
#include "windows/sentence/WaitMessagesWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QImage>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>

namespace {
constexpr int kCriteria = 2000;

std::vector<SentenceRow> manyCriteria()
{
    std::vector<SentenceRow> rows;
    for (int i = 0; i < kCriteria; ++i) {
        const QByteArray sub = "Kriterium " + QByteArray::number(i + 1);
        rows.push_back(sentenceRow("Arbeitsverhalten", "Fleiß", sub.constData(), 1, 1, 10, i + 1));
    }
    return rows;
}

// Escape, and what the platform delivers when the window manager closes a window.
const std::function<void(WaitMessagesWindow &)> closeAttempts[] = {
    [](WaitMessagesWindow &wait) { QTest::keyClick(&wait, Qt::Key_Escape); },
    [](WaitMessagesWindow &wait) {
        QCloseEvent close;
        QCoreApplication::sendEvent(wait.windowHandle(), &close);
    }};

TEST(WaitWindow, StaysUntilTheBuildEndsItServesTheNextBuildAndItsWheelTurns)
{
    WindowFixture fixture;
    SentenceWindow *window = fixture.open(manyCriteria());
    ASSERT_NE(window, nullptr);
    WaitMessagesWindow *first = nullptr;
    for (const auto &attempt : closeAttempts) {
        // Once the build has begun to add rows, the close is tried.
        window->OrientingListBox->DeleteAllRows();
        int rowsWhenTried = -1;
        bool visibleAfterTry = false;
        QTimer tryClose;
        QObject::connect(&tryClose, &QTimer::timeout, [&] {
            WaitMessagesWindow *wait = existingInstance<WaitMessagesWindow>();
            if (rowsWhenTried >= 0 || !wait || !wait->isVisible() || window->OrientingListBox->ListCount() == 0)
                return;
            rowsWhenTried = window->OrientingListBox->ListCount();
            attempt(*wait);
            QCoreApplication::processEvents();
            visibleAfterTry = wait->isVisible();
        });
        tryClose.start(0);
        window->InitOrientingListBox();
        tryClose.stop();

        ASSERT_GE(rowsWhenTried, 1) << "the build gave no turn while it ran";
        EXPECT_LT(rowsWhenTried, kCriteria);
        EXPECT_TRUE(visibleAfterTry);
        EXPECT_EQ(window->OrientingListBox->ListCount(), kCriteria);
        EXPECT_FALSE(window->pOrientingListBoxNeedsUpdate);
        WaitMessagesWindow *wait = existingInstance<WaitMessagesWindow>();
        ASSERT_NE(wait, nullptr);
        EXPECT_FALSE(wait->isVisible());
        EXPECT_EQ(wait, first ? first : wait) << "the same window serves the next build";
        first = wait;
    }
    // It offers no title bar buttons, and its wheel turns while it is shown.
    EXPECT_FALSE(first->windowFlags()
                 & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    first->show();
    const QImage before = first->ProgressWheel1->grab().toImage();
    QImage after = before;
    (void)QTest::qWaitFor([&] { return (after = first->ProgressWheel1->grab().toImage()) != before; }, kXWaitMs);
    first->hide();
    EXPECT_NE(before, after);
}

// A property of an X window on the test's display, as xprop prints it.
QString xprop(WId window, const char *property)
{
    QProcess tool;
    tool.setProcessEnvironment(g_x->environment());
    tool.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window), QString::fromUtf8(property)});
    tool.waitForFinished(5000);
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

TEST(WaitWindow, HasNoTitleBarButtonsAndMinimisingItLeavesTheMainWindowShown)
{
    if (!g_x->isRunning())
        GTEST_SKIP() << "no Xvfb, openbox or xdotool";
    WindowFixture fixture;
    SentenceWindow *window = fixture.open({sentenceRow("Arbeitsverhalten", "Fleiß", "Ausdauer")});
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window, kXWaitMs));
    WaitMessagesWindow *wait = implicitInstance<WaitMessagesWindow>();
    wait->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(wait, kXWaitMs));
    // The window manager has taken it on once it has given it a frame.
    ASSERT_TRUE(QTest::qWaitFor([wait] { return xprop(wait->winId(), "_NET_FRAME_EXTENTS").contains(u'='); },
                                kXWaitMs));
    EXPECT_TRUE(xprop(wait->winId(), "_NET_FRAME_EXTENTS").endsWith(QStringLiteral("= 0, 0, 0, 0")))
        << "a title bar holds buttons";
    const QString actions = xprop(wait->winId(), "_NET_WM_ALLOWED_ACTIONS");
    for (const char *action : {"_NET_WM_ACTION_MINIMIZE", "_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_CLOSE"})
        EXPECT_FALSE(actions.contains(QString::fromUtf8(action))) << action;

    g_x->xdotool({QStringLiteral("windowminimize"), QString::number(wait->winId())});
    QTest::qWait(500);
    EXPECT_FALSE(xprop(window->winId(), "_NET_WM_STATE").contains(QStringLiteral("_NET_WM_STATE_HIDDEN")));
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(wait->isVisible() && !wait->isMinimized());
    wait->hide();
}
} // namespace
