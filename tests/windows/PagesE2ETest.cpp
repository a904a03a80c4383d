// End-to-end under an X server of our own: the main window sends the text
// of each page, by button, menu command and double-click, through the
// shipped scripts into a target window of our own; a row dragged out of the
// sentence list and dropped on the target arrives as its formed text.
#include "WindowTestSupport.h"

#include "app/App.h"
#include "framework/Controls.h"
#include "framework/Folders.h"
#include "framework/ImplicitInstance.h"
#include "prefs/PreferencesClass.h"
#include "support/TargetWindow.h"
#include "support/XvfbSession.h"
#include "windows/sentence/ExtendedEditField.h"
#include "windows/sentence/SentenceWindow.h"

#include <QApplication>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {
// The display of the whole run, started in main before the application object.
XvfbSession *g_x = nullptr;

std::vector<SentenceRow> rows()
{
    return {
        sentenceRow("Arbeitsverhalten", "Lernbereitschaft", "Interesse", 1, 1, 10, 7,
                    "#Er/Sie# zeigt „großes“ Interesse.\r_ fragt nach."),
        sentenceRow("Arbeitsverhalten", "Lernbereitschaft", "Interesse", 2, 1, 10, 8, "_ ist aufmerksam."),
    };
}

std::vector<StdPhraseRow> stdRows()
{
    return {{QStringLiteral("Fleiß"), 1, 1, 0, QStringLiteral("_ arbeitet fleißig")},
            {QStringLiteral("Fleiß"), 1, 1, 1, QStringLiteral("wenn #er/sie# will")}};
}

class PagesEndToEnd : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!g_x->isRunning())
            GTEST_SKIP() << "no Xvfb, openbox or xdotool";
        setProgramFolder(qEnvironmentVariable("VM_BIN_DIR"));
        m_fixture = std::make_unique<WindowFixture>();
        m_window = m_fixture->open(rows(), 1, false, stdRows());
        ASSERT_NE(m_window, nullptr);
        // A window mapped while the window manager still settles may stay
        // unexposed; showing it again maps it anew.
        if (!QTest::qWaitForWindowExposed(m_window, 3000)) {
            m_window->hide();
            m_window->show();
        }
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window, kXWaitMs));
        m_window->PrenameEditField->setText(QStringLiteral("Tim"));
    }
    void TearDown() override
    {
        m_fixture.reset();
        setProgramFolder(QString());
    }

    void bringProgramToFront()
    {
        ASSERT_TRUE(g_x->activate(QString::number(m_window->winId())));
        ASSERT_TRUE(QTest::qWaitFor([] { return QGuiApplication::applicationState() == Qt::ApplicationActive; },
                                    kXWaitMs));
        QTest::qWait(100);
    }
    // Runs xdotool on the display while the program keeps handling events.
    void xdotool(const QStringList &arguments)
    {
        QProcess tool;
        tool.setProcessEnvironment(g_x->environment());
        tool.start(QStringLiteral("xdotool"), arguments);
        ASSERT_TRUE(tool.waitForStarted(5000));
        ASSERT_TRUE(QTest::qWaitFor([&tool] { return tool.state() == QProcess::NotRunning; }, kXWaitMs));
    }
    // Moves the pointer there ("--sync" would wait forever when it is there already).
    static QStringList at(const QPoint &global)
    {
        return {QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y()),
                QStringLiteral("sleep"), QStringLiteral("0.2")};
    }
    QPoint rowCentre(Listbox *list, int row) const
    {
        const QRect r = list->visualItemRect(list->topLevelItem(row));
        return list->viewport()->mapToGlobal(r.center());
    }
    void clickTransferButton()
    {
        const QPoint centre =
            m_window->TransferNumListButton->mapToGlobal(m_window->TransferNumListButton->rect().center());
        xdotool(at(centre) << QStringLiteral("click") << QStringLiteral("1"));
    }

    // The centre of a window of another program, on the screen; null when unknown.
    static QPoint windowCentre(const QString &window)
    {
        QProcess geometry;
        geometry.setProcessEnvironment(g_x->environment());
        geometry.start(QStringLiteral("xdotool"),
                       {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
        if (!geometry.waitForFinished(5000))
            return {};
        int x = 0, y = 0, w = 0, h = 0;
        for (const QString &line : QString::fromLatin1(geometry.readAllStandardOutput()).split(u'\n')) {
            const int value = line.section(u'=', 1).toInt();
            if (line.startsWith(QStringLiteral("X=")))
                x = value;
            else if (line.startsWith(QStringLiteral("Y=")))
                y = value;
            else if (line.startsWith(QStringLiteral("WIDTH=")))
                w = value;
            else if (line.startsWith(QStringLiteral("HEIGHT=")))
                h = value;
        }
        return w > 0 ? QPoint(x + w / 2, y + h / 2) : QPoint();
    }
    // Presses at from, holds, moves in steps to to and releases there; the
    // drag runs in the program's own event loop while xdotool moves the mouse.
    static void dragAndDrop(QProcess &drag, const QPoint &from, const QPoint &to)
    {
        drag.setProcessEnvironment(g_x->environment());
        const QString script = QStringLiteral("xdotool mousemove --sync %1 %2 mousedown 1; sleep 0.4; "
                                              "for d in 5 10 20 30 40; do xdotool mousemove_relative --sync 0 $d; "
                                              "sleep 0.1; done; "
                                              "xdotool mousemove --sync %3 %4; sleep 0.3; "
                                              "xdotool mousemove_relative --sync 3 3; sleep 0.3; xdotool mouseup 1")
                                   .arg(from.x())
                                   .arg(from.y())
                                   .arg(to.x())
                                   .arg(to.y());
        drag.start(QStringLiteral("sh"), {QStringLiteral("-c"), script});
        drag.waitForStarted(5000);
    }
    // Puts target beside the program's window, so that both can be seen.
    void placeBeside(const TargetWindow &target)
    {
        g_x->xdotool({QStringLiteral("windowmove"), target.window(),
                      QString::number(m_window->frameGeometry().right() + 40), QStringLiteral("60")});
        QTest::qWait(300);
    }

    QTemporaryDir m_outputs;
    std::unique_ptr<WindowFixture> m_fixture;
    SentenceWindow *m_window = nullptr;
};
} // namespace

TEST_F(PagesEndToEnd, EveryWayOfTransferPutsTheFormedTextIntoTheTarget)
{
    TargetWindow target(QStringLiteral("Zeugnisschreiber"), m_outputs.filePath(QStringLiteral("target.txt")));
    ASSERT_FALSE(target.window().isEmpty());
    PreferencesClass &prefs = *app().pPrefs;
    prefs.SetTargetProcessname(QStringLiteral("Zeugnisschreiber"));
    prefs.SetTargetProcessCreator(QStringLiteral("Zeug"));
    prefs.SetConnectionType(QStringLiteral("ConnectGeneric"));
    prefs.SetLinkLocked(true);

    QString expected;
    const auto arrives = [&](const QString &text) {
        expected += text;
        EXPECT_TRUE(QTest::qWaitFor([&] { return target.text() == expected; }, kXWaitMs))
            << "target holds: " << target.text().toStdString() << "\nexpected: " << expected.toStdString();
        expected = target.text();
    };

    // "Satzliste": a double-click on a sentence.
    bringProgramToFront();
    xdotool(at(rowCentre(m_window->SentenceListBox, 1))
            << QStringLiteral("click") << QStringLiteral("--repeat") << QStringLiteral("2") << QStringLiteral("--delay")
            << QStringLiteral("80") << QStringLiteral("1"));
    arrives(QStringLiteral("Tim fragt nach."));

    // The button on each page.
    struct Page
    {
        int index;
        std::function<void()> prepare;
        QString text;
    };
    const Page pages[] = {
        {0, [this] { m_window->SentenceListBox->setListIndex(0); }, QStringLiteral("Er zeigt „großes“ Interesse.")},
        {1,
         [this] {
             m_window->CatNoEditField->setText(QStringLiteral("8"));
             m_window->SubNoEditField->setText(QStringLiteral("1"));
         },
         QStringLiteral("Tim ist aufmerksam.")},
        {2, [this] { m_window->NumListEditField->setText(QStringLiteral("7-2, 8-1")); },
         QStringLiteral(" Tim fragt nach. Tim ist aufmerksam.")},
        {3, [this] { m_window->OrientingListBox->setCell(0, 2, QStringLiteral("2")); },
         QStringLiteral(" Tim ist aufmerksam.")},
        {4, [] {}, QStringLiteral("Tim arbeitet fleißig.")},
    };
    for (const Page &page : pages) {
        SCOPED_TRACE(page.index);
        bringProgramToFront();
        m_window->TabPanel1->setCurrentIndex(page.index);
        page.prepare();
        QTest::qWait(100);
        clickTransferButton();
        arrives(page.text);
    }

    // The menu command, on the standard page with the appendix chosen.
    bringProgramToFront();
    m_window->StandardAppendicesListBox->setListIndex(0);
    xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), QStringLiteral("ctrl+u")});
    arrives(QStringLiteral("Tim arbeitet fleißig, wenn er will"));
}

TEST_F(PagesEndToEnd, ARowDroppedOnTheTargetArrivesFormed)
{
    TargetWindow target(QStringLiteral("Ablage"), m_outputs.filePath(QStringLiteral("drop.txt")));
    ASSERT_FALSE(target.window().isEmpty());
    m_window->SexPopupMenu->setListIndex(1);
    placeBeside(target);
    bringProgramToFront();
    const QPoint from = rowCentre(m_window->SentenceListBox, 0);
    const QPoint to = windowCentre(target.window());
    ASSERT_FALSE(to.isNull());

    QProcess drag;
    dragAndDrop(drag, from, to);
    const QString formed = QStringLiteral("Sie zeigt „großes“ Interesse.");
    EXPECT_TRUE(QTest::qWaitFor([&] { return target.text() == formed; }, kXWaitMs)) << target.text().toStdString();
    (void)QTest::qWaitFor([&drag] { return drag.state() == QProcess::NotRunning; }, kXWaitMs);
}

TEST_F(PagesEndToEnd, HoldingTheButtonDragsTheTransferTextAndADropElsewhereTransfersNothingMore)
{
    // The stored target would receive any transfer the release started.
    TargetWindow stored(QStringLiteral("Zeugnisschreiber"), m_outputs.filePath(QStringLiteral("stored.txt")));
    TargetWindow dropTarget(QStringLiteral("Ablage"), m_outputs.filePath(QStringLiteral("drop.txt")));
    ASSERT_FALSE(stored.window().isEmpty());
    ASSERT_FALSE(dropTarget.window().isEmpty());
    PreferencesClass &prefs = *app().pPrefs;
    prefs.SetTargetProcessname(QStringLiteral("Zeugnisschreiber"));
    prefs.SetTargetProcessCreator(QStringLiteral("Zeug"));
    prefs.SetConnectionType(QStringLiteral("ConnectGeneric"));
    prefs.SetLinkLocked(true);
    placeBeside(dropTarget);
    bringProgramToFront();
    m_window->TabPanel1->setCurrentIndex(1);
    m_window->CatNoEditField->setText(QStringLiteral("8"));
    m_window->SubNoEditField->setText(QStringLiteral("1"));

    const QPoint to = windowCentre(dropTarget.window());
    ASSERT_FALSE(to.isNull());
    QProcess drag;
    dragAndDrop(drag, m_window->TransferNumListButton->mapToGlobal(m_window->TransferNumListButton->rect().center()),
                to);
    EXPECT_TRUE(QTest::qWaitFor([&] { return dropTarget.text() == QStringLiteral("Tim ist aufmerksam."); }, kXWaitMs))
        << dropTarget.text().toStdString();
    (void)QTest::qWaitFor([&drag] { return drag.state() == QProcess::NotRunning; }, kXWaitMs);
    QTest::qWait(500);
    EXPECT_EQ(stored.text(), QString());
    EXPECT_FALSE(m_window->TransferNumListButton->Value());
}

int main(int argc, char **argv)
{
    // The display must be there before the application object connects to it.
    XvfbSession session;
    g_x = &session;
    return runGuiTestsOn(session, argc, argv);
}
