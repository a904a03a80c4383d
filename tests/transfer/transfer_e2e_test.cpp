// End-to-end under an X server, window manager and target application of our own.
#include "app/App.h"
#include "framework/Folders.h"
#include "framework/ImplicitInstance.h"
#include "support/GuiTestSupport.h"
#include "support/TargetWindow.h"
#include "support/TestSupport.h"
#include "support/XvfbSession.h"
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
} // namespace

// Of two windows the one used last takes the sentence, then the other, even minimised; then the teacher is told.
TEST(TransferEndToEnd, EveryRouteDeliversIntoTheWindowUsedLastOrSaysThereIsNone)
{
    if (!g_x->isRunning())
        GTEST_SKIP() << "no Xvfb, openbox or xdotool";
    TempConfigHome home;
    QTemporaryDir files;
    setProgramFolder(qEnvironmentVariable("VM_BIN_DIR"));
    App app;
    SentenceWindow *program = implicitInstance<SentenceWindow>();
    program->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(program, kXWaitMs));
    const QString programWindow = QString::number(program->winId());
    const auto bringToFront = [&](const QString &window) {
        const auto programActive = [] { return QGuiApplication::applicationState() == Qt::ApplicationActive; };
        return g_x->activate(window) && (window != programWindow || QTest::qWaitFor(programActive, kXWaitMs));
    };
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
    } runs[] = {{"Ärger", "Ärge", "ConnectGeneric", nullptr, 0, 0},              // clipboard and script 175
                {"libreoffice-writer", "MSWD", "ConnectGeneric", nullptr, 0, 0}, // clipboard and script 176
                {"C#+Anwendung", "C#+A", "ConectCustom", "image/png", 200000, 0}, // direct insertion, script 168
                {"libreoffice-writer", "MSWD", "ConectCustom", "text/html", 0, 5000}}; // direct insertion, script 174
    for (const auto &run : runs) {
        SCOPED_TRACE(std::string(run.className) + " / " + run.connection);
        const QString name = QString::fromUtf8(run.className);
        QString text = sentence.repeated(run.sentenceLength / sentence.size() + 1);
        text.truncate(std::max<qsizetype>(run.sentenceLength, sentence.size()));
        app.pPrefs->SetConnectionType(QString::fromUtf8(run.connection));
        app.pPrefs->SetLinkLocked(false);
        auto a = std::make_unique<TargetWindow>(name, files.filePath(QStringLiteral("a")));
        auto b = std::make_unique<TargetWindow>(name, files.filePath(QStringLiteral("b")), run.pasteDelayMs);

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
        EXPECT_EQ(app.TransferSentence(text), 0);
        QTest::qWait(300);
        EXPECT_EQ(answers.seen, QStringList{QStringLiteral("Text nicht eingefügt\nVon „%1“ ist kein Fenster geöffnet, "
                                                           "in das der Text eingefügt werden kann. Der Text liegt in "
                                                           "der Zwischenablage; Sie können ihn von Hand einfügen.")
                                                .arg(name)});
        EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
    }
    delete program;
    setProgramFolder(QString());
}
