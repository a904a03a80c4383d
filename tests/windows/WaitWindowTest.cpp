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
    rows.reserve(kCriteria);
    for (int i = 0; i < kCriteria; ++i) {
        const QByteArray sub = "Kriterium " + QByteArray::number(i + 1);
        rows.push_back(sentenceRow("Arbeitsverhalten", "Fleiß", sub.constData(), 1, 1, 10, i + 1));
    }
    return rows;
}

struct CloseAttempt
{
    const char *name;
    std::function<void(WaitMessagesWindow &)> attempt;
};

class WaitWindowDuringBuild : public ::testing::TestWithParam<CloseAttempt>
{
};

TEST_P(WaitWindowDuringBuild, StaysUntilTheBuildEndsIt)
{
    WindowFixture fixture;
    SentenceWindow *window = fixture.open(manyCriteria());
    ASSERT_NE(window, nullptr);

    // Once the build has begun to add rows, the close is tried.
    int rowsWhenTried = -1;
    bool visibleAfterTry = false;
    QTimer tryClose;
    QObject::connect(&tryClose, &QTimer::timeout, [&] {
        WaitMessagesWindow *wait = existingInstance<WaitMessagesWindow>();
        if (rowsWhenTried >= 0 || !wait || !wait->isVisible() || window->OrientingListBox->ListCount() == 0)
            return;
        rowsWhenTried = window->OrientingListBox->ListCount();
        GetParam().attempt(*wait);
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
    EXPECT_EQ(window->OrientingListBox->Cell(kCriteria - 1, 1), QStringLiteral("Fleiß : Kriterium 2000"));
    EXPECT_FALSE(window->pOrientingListBoxNeedsUpdate);
    WaitMessagesWindow *wait = existingInstance<WaitMessagesWindow>();
    ASSERT_NE(wait, nullptr);
    EXPECT_FALSE(wait->isVisible());

    // The same window serves the next build.
    window->InitOrientingListBox();
    EXPECT_EQ(existingInstance<WaitMessagesWindow>(), wait);
    EXPECT_EQ(window->OrientingListBox->ListCount(), kCriteria);
}

INSTANTIATE_TEST_SUITE_P(
    Attempts, WaitWindowDuringBuild,
    ::testing::Values(CloseAttempt{"EscapeKey", [](WaitMessagesWindow &wait) { QTest::keyClick(&wait, Qt::Key_Escape); }},
                      // What the platform delivers when the window manager closes a window.
                      CloseAttempt{"WindowManagerClose",
                                   [](WaitMessagesWindow &wait) {
                                       QCloseEvent close;
                                       QCoreApplication::sendEvent(wait.windowHandle(), &close);
                                   }}),
    [](const ::testing::TestParamInfo<CloseAttempt> &param) { return std::string(param.param.name); });

TEST(WaitWindow, HasNoTitleBarButtonsAndItsWheelTurns)
{
    WindowFixture fixture;
    ASSERT_NE(fixture.open(manyCriteria()), nullptr);
    WaitMessagesWindow *wait = implicitInstance<WaitMessagesWindow>();
    const Qt::WindowFlags buttons =
        Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
    EXPECT_FALSE(wait->windowFlags() & buttons);

    wait->show();
    const QImage before = wait->ProgressWheel1->grab().toImage();
    QTest::qWait(300);
    const QImage after = wait->ProgressWheel1->grab().toImage();
    wait->hide();
    EXPECT_NE(before, after);
}
} // namespace
