// End-to-end runs under an X server of our own: the shipped scripts, a real
// window manager and a target application of our own.
#include "app/App.h"
#include "framework/Controls.h"
#include "framework/Folders.h"
#include "framework/ImplicitInstance.h"
#include "support/TestSupport.h"
#include "support/TargetWindow.h"
#include "support/XvfbSession.h"
#include "windows/sentence/SentenceWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {
// The display of the whole run, started in main before the application object.
XvfbSession *g_x = nullptr;

const char kTemplate[] = "#Er/Sie# arbeitet sorgfältig, _s Heft ist „ordentlich“.";
const char kExpected[] = "Sie arbeitet sorgfältig, Klaus' Heft ist „ordentlich“.";

class TransferEndToEnd : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!g_x->isRunning())
            GTEST_SKIP() << "no Xvfb, openbox or xdotool";
        setProgramFolder(qEnvironmentVariable("VM_BIN_DIR"));
        m_app = std::make_unique<App>();
        m_window = implicitInstance<SentenceWindow>();
        m_window->show();
        // A window mapped while the window manager still settles may stay
        // unexposed; showing it again maps it anew.
        if (!QTest::qWaitForWindowExposed(m_window, 3000)) {
            m_window->hide();
            m_window->show();
        }
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window, kXWaitMs));
    }
    void TearDown() override
    {
        delete existingInstance<SentenceWindow>();
        m_app.reset();
        setProgramFolder(QString());
    }

    // Brings the program to the front, as when the user works in it.
    void bringProgramToFront()
    {
        ASSERT_TRUE(g_x->activate(QString::number(m_window->winId())));
        ASSERT_TRUE(QTest::qWaitFor([] { return QGuiApplication::applicationState() == Qt::ApplicationActive; },
                                    kXWaitMs));
    }
    // Brings window to the front and waits until the program's capture has run.
    void switchTo(const QString &window)
    {
        QLabel *field = m_window->TargetProcNameField;
        field->setText(QStringLiteral("?"));
        ASSERT_TRUE(g_x->activate(window));
        const auto captured = [field] {
            return field->text() != QStringLiteral("?")
                   && field->text() != QStringLiteral("Zielanwendung wird gesucht....");
        };
        ASSERT_TRUE(QTest::qWaitFor(captured, kXWaitMs));
    }
    QString outputFile(const QString &name) const { return m_outputs.filePath(name); }

    TempConfigHome m_home;
    QTemporaryDir m_outputs;
    std::unique_ptr<App> m_app;
    SentenceWindow *m_window = nullptr;
};
} // namespace

TEST_F(TransferEndToEnd, DeactivationTakesTheFrontWindowAsTargetButNotExcludedOnes)
{
    TargetWindow target(QStringLiteral("Zeugnisschreiber"), outputFile(QStringLiteral("target.txt")));
    ASSERT_FALSE(target.window().isEmpty());
    bringProgramToFront();
    switchTo(target.window());
    EXPECT_EQ(m_app->pPrefs->GetTargetProcessName(), QStringLiteral("Zeugnisschreiber"));
    EXPECT_EQ(m_app->pPrefs->GetTargetProcessCreator(), QStringLiteral("Zeug"));
    EXPECT_EQ(m_window->TargetProcNameField->text(), QStringLiteral("Zeugnisschreiber"));

    TargetWindow itself(QStringLiteral("vm-companion"), outputFile(QStringLiteral("itself.txt")));
    TargetWindow finder(QStringLiteral("Finder"), outputFile(QStringLiteral("finder.txt")));
    TargetWindow product(QStringLiteral("Velmora"), outputFile(QStringLiteral("product.txt")));
    TargetWindow unnamed(QStringLiteral("Unbenannt"), outputFile(QStringLiteral("unnamed.txt")));
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"),
                {QStringLiteral("-id"), unnamed.window(), QStringLiteral("-remove"), QStringLiteral("WM_CLASS")});
    ASSERT_TRUE(xprop.waitForFinished(kXWaitMs) && xprop.exitCode() == 0);
    for (const TargetWindow *excluded : {&itself, &finder, &product, &unnamed}) {
        bringProgramToFront();
        switchTo(excluded->window());
        EXPECT_EQ(m_app->pPrefs->GetTargetProcessName(), QStringLiteral("Zeugnisschreiber"));
        EXPECT_EQ(m_window->TargetProcNameField->text(), QStringLiteral("Zeugnisschreiber"));
    }
}

TEST_F(TransferEndToEnd, TheLinkLockKeepsTheTarget)
{
    TargetWindow target(QStringLiteral("Zeugnisschreiber"), outputFile(QStringLiteral("target.txt")));
    TargetWindow other(QStringLiteral("Anderes"), outputFile(QStringLiteral("other.txt")));
    bringProgramToFront();
    switchTo(target.window());
    ASSERT_EQ(m_app->pPrefs->GetTargetProcessName(), QStringLiteral("Zeugnisschreiber"));

    bringProgramToFront();
    m_window->LockBevelButton->click();
    ASSERT_TRUE(m_app->pPrefs->GetLinkLocked());
    m_window->TargetProcNameField->setText(QStringLiteral("unverändert"));
    ASSERT_TRUE(g_x->activate(other.window()));
    ASSERT_TRUE(QTest::qWaitFor([] { return QGuiApplication::applicationState() != Qt::ApplicationActive; },
                                kXWaitMs));
    QTest::qWait(500);
    EXPECT_EQ(m_app->pPrefs->GetTargetProcessName(), QStringLiteral("Zeugnisschreiber"));
    // No capture ran: no busy notice, no refresh.
    EXPECT_EQ(m_window->TargetProcNameField->text(), QStringLiteral("unverändert"));
}

namespace {
struct RouteRun
{
    const char *className;
    const char *creator;
    const char *connection;
    bool keepsClipboard;
};
} // namespace

TEST_F(TransferEndToEnd, EveryRouteDeliversTheFormedSentenceExactly)
{
    const QString sentence =
        m_app->VM_formSentence(QString::fromUtf8(kTemplate), false, QStringLiteral("Klaus"));
    ASSERT_EQ(sentence, QString::fromUtf8(kExpected));
    const RouteRun runs[] = {
        {"Zeugnisschreiber", "Zeug", "ConnectGeneric", false},      // clipboard and script 175
        {"libreoffice-writer", "MSWD", "ConnectGeneric", false},    // clipboard and script 176
        {"Zeugnisschreiber", "C#+A", "ConectCustom", true},         // direct insertion, script 168
        {"libreoffice-writer", "MSWD", "ConectCustom", true},       // direct insertion, script 174
    };
    int n = 0;
    for (const RouteRun &route : runs) {
        SCOPED_TRACE(std::string(route.creator) + " / " + route.connection);
        TargetWindow target(QString::fromUtf8(route.className), outputFile(QStringLiteral("route%1.txt").arg(++n)));
        ASSERT_FALSE(target.window().isEmpty());
        m_app->pPrefs->SetTargetProcessname(QString::fromUtf8(route.className));
        m_app->pPrefs->SetTargetProcessCreator(QString::fromUtf8(route.creator));
        m_app->pPrefs->SetConnectionType(QString::fromUtf8(route.connection));
        m_app->pPrefs->SetLinkLocked(true);
        bringProgramToFront();
        const QString former = QStringLiteral("Früherer Inhalt %1\n").arg(n);
        QGuiApplication::clipboard()->setText(former);

        EXPECT_EQ(m_app->TransferSentence(sentence), 0);
        EXPECT_TRUE(QTest::qWaitFor([&] { return target.text() == sentence; }, kXWaitMs))
            << target.text().toStdString();
        QTest::qWait(200);
        EXPECT_EQ(target.text(), sentence);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), route.keepsClipboard ? former : sentence);
    }
}

int main(int argc, char **argv)
{
    // The display must be there before the application object connects to it.
    XvfbSession session;
    g_x = &session;
    return runGuiTestsOn(session, argc, argv);
}
