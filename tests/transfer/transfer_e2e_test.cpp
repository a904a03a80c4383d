// End-to-end runs under an X server of our own: the shipped scripts, a real
// window manager and a target application of our own.
#include "app/App.h"
#include "framework/Controls.h"
#include "framework/Folders.h"
#include "framework/ImplicitInstance.h"
#include "support/GuiTestSupport.h"
#include "support/TargetWindow.h"
#include "support/TestSupport.h"
#include "support/XvfbSession.h"
#include "windows/sentence/SentenceWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {
// The display of the whole run, started in main before the application object.
XvfbSession *g_x = nullptr;

// Every format of the clipboard's content, with its bytes (the selection
// protocol's own targets, such as TARGETS, aside).
std::map<QString, QByteArray> clipboardContent()
{
    std::map<QString, QByteArray> content;
    if (const QMimeData *data = QGuiApplication::clipboard()->mimeData())
        for (const QString &format : data->formats())
            if (format.contains(u'/'))
                content[format] = data->data(format);
    return content;
}

struct RouteRun
{
    const char *className;  // captured as the target's name; its creator code picks the route
    const char *creator;
    const char *connection;
    bool direct;            // inserted by the script, the clipboard kept
    int sentenceLength;     // 0: one sentence
    int pasteDelayMs;       // how late window B fetches the paste
};

const RouteRun kRuns[] = {
    {"Ärger", "Ärge", "ConnectGeneric", false, 0, 0},                  // clipboard and script 175
    {"libreoffice-writer", "MSWD", "ConnectGeneric", false, 0, 0},     // clipboard and script 176
    {"C#+Anwendung", "C#+A", "ConectCustom", true, 200000, 0},         // direct insertion, script 168
    {"libreoffice-writer", "MSWD", "ConectCustom", true, 0, 5000},     // direct insertion, script 174
};

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
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window, kXWaitMs));
    }
    void TearDown() override
    {
        delete existingInstance<SentenceWindow>();
        m_app.reset();
        setProgramFolder(QString());
    }

    void bringProgramToFront()
    {
        ASSERT_TRUE(g_x->activate(QString::number(m_window->winId())));
        ASSERT_TRUE(QTest::qWaitFor([] { return QGuiApplication::applicationState() == Qt::ApplicationActive; },
                                    kXWaitMs));
    }
    std::unique_ptr<TargetWindow> startTarget(const RouteRun &run, const QString &file, int pasteDelayMs = 0)
    {
        auto target = std::make_unique<TargetWindow>(QString::fromUtf8(run.className),
                                                     m_outputs.filePath(file), pasteDelayMs);
        EXPECT_FALSE(target->window().isEmpty());
        return target;
    }

    TempConfigHome m_home;
    QTemporaryDir m_outputs;
    std::unique_ptr<App> m_app;
    SentenceWindow *m_window = nullptr;
};
} // namespace

// Two windows A and B of the target: the one used last takes the sentence;
// once it is closed the other one, even minimised; once none is left, the
// teacher is told, and the sentence waits on the clipboard.
TEST_F(TransferEndToEnd, EveryRouteDeliversIntoTheWindowUsedLastOrSaysThereIsNone)
{
    const QString sentence = m_app->VM_formSentence(
        QString::fromUtf8("#Er/Sie# arbeitet sorgfältig, _s Heft ist „ordentlich“.\n"), false, QStringLiteral("Klaus"));
    ASSERT_EQ(sentence, QString::fromUtf8("Sie arbeitet sorgfältig, Klaus' Heft ist „ordentlich“.\n"));
    QFile png(m_outputs.filePath(QStringLiteral("bild.png"))), html(m_outputs.filePath(QStringLiteral("text.html")));
    ASSERT_TRUE(png.open(QIODevice::WriteOnly) && html.open(QIODevice::WriteOnly));
    png.write(QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(3000, '\x01'));
    html.write("<p>Früher <b>kopiert</b></p>");
    png.close();
    html.close();

    for (const RouteRun &run : kRuns) {
        SCOPED_TRACE(std::string(run.className) + " / " + run.connection);
        const QString name = QString::fromUtf8(run.className);
        QString text = sentence;
        while (text.size() < run.sentenceLength)
            text += sentence;
        text.truncate(std::max<qsizetype>(run.sentenceLength, sentence.size()));
        m_app->pPrefs->SetConnectionType(QString::fromUtf8(run.connection));
        m_app->pPrefs->SetLinkLocked(false);
        auto a = startTarget(run, QStringLiteral("a.txt"));
        auto b = startTarget(run, QStringLiteral("b.txt"), run.pasteDelayMs);

        // Captured when the program goes to the background, as the application calls itself.
        bringProgramToFront();
        ASSERT_TRUE(g_x->activate(a->window()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return m_window->TargetProcNameField->text() == name; }, kXWaitMs));
        EXPECT_EQ(m_app->pPrefs->GetTargetProcessName(), name);
        EXPECT_EQ(m_app->pPrefs->GetTargetProcessCreator(), QString::fromUtf8(run.creator));
        ASSERT_TRUE(g_x->activate(b->window()));
        bringProgramToFront();

        // Another program's image and formatted text stay on the clipboard of the direct routes.
        QProcess owner;
        if (run.direct) {
            owner.start(qEnvironmentVariable("VM_BIN_DIR") + QStringLiteral("/vm-target-window"),
                        {QStringLiteral("--own-clipboard"), QStringLiteral("image/png"), png.fileName(),
                         QStringLiteral("text/html"), html.fileName()});
            ASSERT_TRUE(owner.waitForReadyRead(kXWaitMs));
            ASSERT_TRUE(QTest::qWaitFor([] { return clipboardContent().count(QStringLiteral("text/html")); }, kXWaitMs));
        } else {
            QGuiApplication::clipboard()->setText(QStringLiteral("Früher"));
        }
        const std::map<QString, QByteArray> former = clipboardContent();

        EXPECT_EQ(m_app->TransferSentence(text), 0);
        EXPECT_TRUE(QTest::qWaitFor([&] { return b->text() == text; }, kXWaitMs)) << b->text().size();
        if (run.direct) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return clipboardContent() == former; }, kXWaitMs));
            EXPECT_EQ(former.at(QStringLiteral("image/png")).size(), 3008);
        } else {
            EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
        }

        b.reset();
        g_x->xdotool({QStringLiteral("windowminimize"), a->window()});
        bringProgramToFront();
        const QString second = QStringLiteral("Zweiter Satz für A");
        EXPECT_EQ(m_app->TransferSentence(second), 0);
        EXPECT_TRUE(QTest::qWaitFor([&] { return a->text() == second; }, kXWaitMs));
        EXPECT_EQ(g_x->xdotool({QStringLiteral("getactivewindow")}), a->window());
        EXPECT_EQ(a->text(), second);

        a.reset();
        bringProgramToFront();
        ModalScript answers;
        EXPECT_EQ(m_app->TransferSentence(text), 0);
        QTest::qWait(300);
        EXPECT_EQ(answers.seen, QStringList{QStringLiteral("Text nicht eingefügt\nVon „%1“ ist kein Fenster geöffnet, "
                                                           "in das der Text eingefügt werden kann. Der Text liegt in "
                                                           "der Zwischenablage; Sie können ihn von Hand einfügen.")
                                                .arg(name)});
        EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
        owner.kill();
        owner.waitForFinished();
    }
}

int main(int argc, char **argv)
{
    // The display must be there before the application object connects to it.
    XvfbSession session;
    g_x = &session;
    return runGuiTestsOn(session, argc, argv);
}
