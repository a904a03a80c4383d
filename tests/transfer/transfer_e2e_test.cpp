// End-to-end under an X server, window manager and target application of our own.
#include "app/App.h"
#include "framework/Folders.h"
#include "framework/ImplicitInstance.h"
#include "support/GuiTestSupport.h"
#include "support/TargetWindow.h"
#include "support/TestSupport.h"
#include "support/XvfbSession.h"
#include "transfer/TransferRoute.h"
#include "windows/sentence/SentenceWindow.h"

#include <QGuiApplication>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {
// The clipboard's content in format, "" when it offers none.
QByteArray clipboardData(const QString &format)
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasFormat(format) ? data->data(format) : QByteArray();
}

// Brings a window (an id) to the front; for the program's own, until it knows it is active.
bool bringToFront(const QString &window, const QWidget &program)
{
    const auto programActive = [] { return QGuiApplication::applicationState() == Qt::ApplicationActive; };
    return g_x->activate(window)
           && (window != QString::number(program.winId()) || QTest::qWaitFor(programActive, kXWaitMs));
}
} // namespace

// The program's window on the test's display, with preferences of its own.
class TransferEndToEnd : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!g_x->isRunning())
            GTEST_SKIP() << "no Xvfb, openbox or xdotool";
        setProgramFolder(qEnvironmentVariable("VM_BIN_DIR"));
        m_app = std::make_unique<App>();
        program = implicitInstance<SentenceWindow>();
        program->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(program, kXWaitMs));
    }
    void TearDown() override
    {
        delete program;
        setProgramFolder(QString());
    }

    TempConfigHome home;
    QTemporaryDir files;
    std::unique_ptr<App> m_app;
    SentenceWindow *program = nullptr;
};

// Of two windows the one used last takes the sentence, then the other, even minimised; then the teacher is told.
TEST_F(TransferEndToEnd, EveryRouteDeliversIntoTheWindowUsedLastOrSaysThereIsNone)
{
    App &app = *m_app;
    const QString programWindow = QString::number(program->winId());
    const auto bringToFront = [&](const QString &window) { return ::bringToFront(window, *program); };
    const QString sentence = QString::fromUtf8("Sie arbeitet, Klaus' Heft ist „ordentlich“: Ä Ö Ü ß – $HOME.\n");
    // Another program's image or formatted text stays on the clipboard of the direct routes.
    const QString former = files.filePath(QStringLiteral("former"));
    writeBytes(former, QByteArray("\x89PNG\r\n\x1a\n<p>Früher</p>", 22) + QByteArray(3000, '\x01'));

    const struct
    {
        const char *className; // captured as the target's name; its creator code picks the route
        const char *creator;
        const char *connection;
        const char *formerFormat; // on the clipboard before a direct route, from another program
        int sentenceLength;
        int pasteDelayMs; // how late window B fetches the paste
        bool latin1Class; // the class written in Latin-1, as older X programs do
    } runs[] = {{"Ärger", "Ärge", "ConnectGeneric", nullptr, 0, 0, false},              // clipboard and script 175
                {"Zeugnisä", "Zeug", "ConnectGeneric", nullptr, 0, 0, true},             // the same, Latin-1 class
                {"libreoffice-writer", "MSWD", "ConnectGeneric", nullptr, 0, 0, false}, // clipboard and script 176
                {"C#+Anwendung", "C#+A", "ConectCustom", "image/png", 200000, 0, false}, // direct insertion, script 168
                {"libreoffice-writer", "MSWD", "ConectCustom", "text/html", 0, 1000, false}}; // direct insertion, 174
    for (const auto &run : runs) {
        SCOPED_TRACE(std::string(run.className) + " / " + run.connection);
        const QString name = QString::fromUtf8(run.className);
        QString text = sentence.repeated(run.sentenceLength / sentence.size() + 1);
        text.truncate(std::max<qsizetype>(run.sentenceLength, sentence.size()));
        app.pPrefs->SetConnectionType(QString::fromUtf8(run.connection));
        app.pPrefs->SetLinkLocked(false);
        auto a = std::make_unique<TargetWindow>(name, files.filePath(QStringLiteral("a")), 0, PasteHabit::TakesEvery,
                                                run.latin1Class);
        auto b = std::make_unique<TargetWindow>(name, files.filePath(QStringLiteral("b")), run.pasteDelayMs,
                                                PasteHabit::TakesEvery, run.latin1Class);

        // Captured when the program goes to the background, as the application calls itself.
        ASSERT_TRUE(bringToFront(programWindow) && bringToFront(a->window()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return program->TargetProcNameField->text() == name; }, kXWaitMs));
        EXPECT_EQ(app.pPrefs->GetTargetProcessCreator(), QString::fromUtf8(run.creator));
        ASSERT_TRUE(bringToFront(b->window()) && bringToFront(programWindow));
        const QString format = QString::fromUtf8(run.formerFormat ? run.formerFormat : "text/plain");
        if (run.formerFormat)
            QProcess::execute(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard"),
                                                        QStringLiteral("-t"), format, former});
        else
            QGuiApplication::clipboard()->setText(QStringLiteral("Früher"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !clipboardData(format).isEmpty(); }, kXWaitMs));
        const QByteArray formerData = clipboardData(format);

        EXPECT_EQ(app.TransferSentence(text), 0);
        EXPECT_TRUE(QTest::qWaitFor([&] { return b->text() == text; }, kXWaitMs)) << b->text().size();
        const QByteArray expected = run.formerFormat ? formerData : text.toUtf8();
        EXPECT_TRUE(QTest::qWaitFor([&] { return clipboardData(format) == expected; }, kXWaitMs));

        b.reset();
        g_x->xdotool({QStringLiteral("windowminimize"), a->window()});
        ASSERT_TRUE(bringToFront(programWindow));
        EXPECT_EQ(app.TransferSentence(name), 0);
        EXPECT_TRUE(QTest::qWaitFor([&] { return a->text() == name; }, kXWaitMs));
        EXPECT_EQ(g_x->xdotool({QStringLiteral("getactivewindow")}), a->window());

        a.reset();
        ASSERT_TRUE(bringToFront(programWindow));
        ModalScript answers;
        EXPECT_EQ(app.TransferSentence(text), 0); // its message answered while it runs
        EXPECT_EQ(answers.seen, QStringList{QStringLiteral("Text nicht eingefügt\nVon „%1“ ist kein Fenster geöffnet, "
                                                           "in das der Text eingefügt werden kann. Der Text liegt in "
                                                           "der Zwischenablage; Sie können ihn von Hand einfügen.")
                                                .arg(name)});
        EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
    }
}

// The word processor on both its routes after an image was copied: a target that ignores the first paste
// gets the sentence once by a second one, a slow one once by the first; a target that takes no paste is
// reported, the sentence left on the clipboard. The direct route gives the former content back once the
// sentence is in.
TEST_F(TransferEndToEnd, APasteNotFetchedGoesOnceMoreAndOneNeverFetchedIsReported)
{
    App &app = *m_app;
    const QString name = QStringLiteral("libreoffice-writer");
    app.pPrefs->SetTargetProcessname(name);
    app.pPrefs->SetTargetProcessCreator(QStringLiteral("MSWD"));
    app.pPrefs->SetLinkLocked(true);
    const QString picture = files.filePath(QStringLiteral("picture.png"));
    writeBytes(picture, QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(2000, '\x02'));
    const QString formerText = files.filePath(QStringLiteral("former.txt"));
    writeBytes(formerText, QByteArray("Früher"));
    const QString sentence = utf8("Sie schreibt „sauber“: Ä Ö Ü ß.");
    const QString notTaken = QStringLiteral("Text nicht eingefügt\n„%1“ hat den Text nicht übernommen. Der Text liegt "
                                            "in der Zwischenablage; Sie können ihn von Hand einfügen.")
                                 .arg(name);

    const struct
    {
        const char *connection;
        PasteHabit habit;
        int pasteDelayMs; // how late the target fetches a paste, as a busy word processor
        const char *formerFormat; // what the clipboard held before
        bool arrives;
    } runs[] = {{"ConnectGeneric", PasteHabit::TakesEvery, 0, "image/png", true}, // clipboard and script 176
                {"ConnectGeneric", PasteHabit::IgnoresFirstAfterImage, 0, "image/png", true},
                {"ConnectGeneric", PasteHabit::TakesEvery, 2500, "image/png", true},
                {"ConnectGeneric", PasteHabit::TakesNone, 0, "image/png", false},
                {"ConectCustom", PasteHabit::TakesEvery, 0, "image/png", true}, // direct insertion, script 174
                {"ConectCustom", PasteHabit::IgnoresFirstAfterImage, 0, "image/png", true},
                // A second paste would take the former text given back meanwhile.
                {"ConectCustom", PasteHabit::TakesEvery, 2500, "text/plain", true},
                {"ConectCustom", PasteHabit::TakesNone, 0, "image/png", false}};
    for (const auto &run : runs) {
        SCOPED_TRACE(std::string(run.connection) + " / habit " + std::to_string(static_cast<int>(run.habit))
                     + " / delay " + std::to_string(run.pasteDelayMs));
        app.pPrefs->SetConnectionType(QString::fromUtf8(run.connection));
        TargetWindow target(name, files.filePath(QString::number(&run - runs)), run.pasteDelayMs, run.habit);
        ASSERT_FALSE(target.window().isEmpty());
        const QString format = QString::fromUtf8(run.formerFormat);
        const bool image = format == QStringLiteral("image/png");
        QProcess::execute(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard"),
                                                    QStringLiteral("-t"), format, image ? picture : formerText});
        ASSERT_TRUE(QTest::qWaitFor([&] { return !image || target.sawImage(); }, kXWaitMs));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !clipboardData(format).isEmpty(); }, kXWaitMs));
        const QByteArray former = clipboardData(format);
        ASSERT_TRUE(bringToFront(QString::number(program->winId()), *program));

        ModalScript answers;
        EXPECT_EQ(app.TransferSentence(sentence), 0);
        if (run.arrives) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return target.text() == sentence; }, kXWaitMs)) << target.text().toStdString();
            // A second paste key would bring a second copy as late as the first.
            QTest::qWait(300 + run.pasteDelayMs);
            EXPECT_EQ(target.text(), sentence); // once, not twice
            EXPECT_EQ(answers.seen, QStringList());
            if (QString::fromUtf8(run.connection) == customConnectionType())
                EXPECT_TRUE(QTest::qWaitFor([&] { return clipboardData(format) == former; }, kXWaitMs));
            else
                EXPECT_EQ(QGuiApplication::clipboard()->text(), sentence);
        } else {
            EXPECT_EQ(answers.seen, QStringList{notTaken});
            EXPECT_EQ(target.text(), QString());
            EXPECT_EQ(QGuiApplication::clipboard()->text(), sentence);
        }
    }
}
