// The wait window over the orienting list's build on a collection of 2,000
// criteria, on the X display of the end-to-end run: neither the Escape key
// nor a close request of the window manager ends it while the build runs;
// the build completes and hides it, and its wheel turns while it is shown.
#include "WindowTestSupport.h"

#include "framework/Controls.h"
#include "framework/ImplicitInstance.h"
#include "windows/sentence/SentenceWindow.h"
#include "windows/sentence/WaitMessagesWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QImage>
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
    QTest::qWait(300);
    const QImage after = first->ProgressWheel1->grab().toImage();
    first->hide();
    EXPECT_NE(before, after);
}

} // namespace
