// The link lock, the choice of a missing target and the script runner, with scripts of the test.
#include "app/App.h"
#include "framework/Controls.h"
#include "framework/Folders.h"
#include "framework/ImplicitInstance.h"
#include "framework/ScriptRunner.h"
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"
#include "windows/sentence/SentenceWindow.h"

#include <QDir>
#include <QLabel>

#include <gtest/gtest.h>

TEST(TargetChoice, TheLockStopsTheCaptureAndATransferWithoutTargetAsksForOne)
{
    TempConfigHome home;
    // Scripts that log each call as one line: number, "|" and each argument, "<" and standard input.
    QTemporaryDir programDir;
    QDir(programDir.path()).mkpath(QStringLiteral("scripts"));
    for (int number : {168, 170, 171, 172, 173, 174, 175, 176})
        writeBytes(programDir.filePath(QStringLiteral("scripts/%1").arg(number)),
                   "#!/bin/sh\n{ basename \"$0\" | tr -d '\\n'; printf '|%s' \"$@\"; printf '<'; cat; echo; }"
                   " >> \"$(dirname \"$0\")/../log\"\n",
                   true);
    setProgramFolder(programDir.path());
    const auto calls = [&] { return QString::fromUtf8(readBytes(programDir.filePath(QStringLiteral("log")))); };
    App app;
    SentenceWindow *window = implicitInstance<SentenceWindow>();
    window->LockBevelButton->click();
    app.Deactivate();
    app.pAppIsStartingUp = true;
    window->LockBevelButton->click();
    app.Deactivate();
    EXPECT_EQ(calls(), QString());
    app.pAppIsStartingUp = false;
    app.Deactivate();

    app.pPrefs->SetTargetProcessCreator(QStringLiteral("C#+A"));
    app.pPrefs->SetConnectionType(QStringLiteral("ConectCustom"));
    QTemporaryDir apps;
    const QString entry = apps.filePath(QStringLiteral("editor.desktop"));
    writeBytes(entry, "[Desktop Entry]\nName=Editor\nExec=mousepad %F\n");
    // The first chooser is cancelled: the stored creator's route runs with the
    // empty name. The second one's choice, with the creator its name gives, is locked.
    ModalScript answers({QString(), entry});
    app.TransferSentence(QStringLiteral("Satz"));
    EXPECT_EQ(answers.seen.value(0), QStringLiteral("Bitte Zielanwendung öffnen\nBitte wählen Sie nun das Programm aus, "
                                                    "mit welchem Sie Ihr Zeugnisformular erstellen wollen bzw. "
                                                    "erstellt haben."));
    EXPECT_FALSE(app.pPrefs->GetLinkLocked());
    app.TransferSentence(QStringLiteral("Satz"));
    // Nothing here fetches the clipboard, nor asks it for a format it lacks:
    // the paste key goes once, as a second one could paste the text twice.
    EXPECT_EQ(calls(), QStringLiteral("170|<\n171|<\n168|<Satz\n173|mousepad<\n175|mousepad<\n"));
    EXPECT_TRUE(window->LockBevelButton->isChecked());
    EXPECT_EQ(window->TargetProcNameField->text(), QStringLiteral("mousepad"));
    delete window;

    // A script that does not end is ended, and has not succeeded.
    writeBytes(ScriptRunner::scriptPath(172), "#!/bin/sh\necho halb; exec sleep 60\n");
    EXPECT_FALSE(ScriptRunner::run(172, {}, {}, 300).succeeded);
    setProgramFolder(QString());
}
