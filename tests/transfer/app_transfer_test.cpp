// The link lock and the choice of a target when none is stored, with
// recording scripts in place of the shipped ones.
#include "app/App.h"
#include "framework/Controls.h"
#include "framework/Folders.h"
#include "framework/ImplicitInstance.h"
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"
#include "windows/sentence/SentenceWindow.h"

#include <QDir>
#include <QFile>
#include <QLabel>

#include <gtest/gtest.h>

namespace {
// Scripts that log each call as one line: number, "|" and each argument, "<" and standard input.
class RecordingScripts
{
public:
    RecordingScripts()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("scripts"));
        for (int number : {168, 170, 171, 172, 173, 174, 175, 176}) {
            QFile script(m_dir.filePath(QStringLiteral("scripts/%1").arg(number)));
            if (script.open(QIODevice::WriteOnly))
                script.write("#!/bin/sh\n{ basename \"$0\" | tr -d '\\n'; printf '|%s' \"$@\"; printf '<'; cat; echo; }"
                             " >> \"$(dirname \"$0\")/../log\"\n");
            script.close();
            script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
        }
        setProgramFolder(m_dir.path());
    }
    ~RecordingScripts() { setProgramFolder(QString()); }
    QString calls() const
    {
        QFile log(m_dir.filePath(QStringLiteral("log")));
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
    }

private:
    QTemporaryDir m_dir;
};

class TargetChoice : public ::testing::Test
{
protected:
    ~TargetChoice() override { delete existingInstance<SentenceWindow>(); }
    SentenceWindow *window() { return implicitInstance<SentenceWindow>(); }

    TempConfigHome m_home;
    RecordingScripts m_scripts;
    App m_app;
};
} // namespace

TEST_F(TargetChoice, TheLockButtonStopsTheCapture)
{
    window()->LockBevelButton->click();
    EXPECT_TRUE(m_app.pPrefs->GetLinkLocked());
    m_app.Deactivate();
    m_app.pAppIsStartingUp = true;
    window()->LockBevelButton->click();
    m_app.Deactivate();
    EXPECT_EQ(m_scripts.calls(), QString());
    m_app.pAppIsStartingUp = false;
    m_app.Deactivate();
    EXPECT_EQ(m_scripts.calls(), QStringLiteral("170|<\n171|<\n"));
    EXPECT_FALSE(window()->LockBevelButton->isChecked());
}

TEST_F(TargetChoice, WithoutATargetTheTransferAsksForOne)
{
    m_app.pPrefs->SetTargetProcessCreator(QStringLiteral("C#+A"));
    m_app.pPrefs->SetConnectionType(QStringLiteral("ConectCustom"));
    QTemporaryDir apps;
    QFile entry(apps.filePath(QStringLiteral("editor.desktop")));
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    entry.write("[Desktop Entry]\nName=Editor\nExec=mousepad %F\n");
    entry.close();
    // The first chooser is cancelled: the stored creator's route runs with the
    // empty name. The second one's choice, with the creator its name gives, is locked.
    ModalScript answers({QString(), entry.fileName()});
    const QString sentence = QStringLiteral("Satz");
    m_app.TransferSentence(sentence);
    EXPECT_EQ(answers.seen.value(0), QStringLiteral("Bitte Zielanwendung öffnen\nBitte wählen Sie nun das Programm aus, "
                                                    "mit welchem Sie Ihr Zeugnisformular erstellen wollen bzw. "
                                                    "erstellt haben."));
    EXPECT_FALSE(m_app.pPrefs->GetLinkLocked());
    m_app.TransferSentence(sentence);
    const QString name = QStringLiteral("mousepad");
    EXPECT_EQ(m_scripts.calls(), QStringLiteral("168|<Satz\n173|mousepad<\n175|mousepad<\n"));
    EXPECT_TRUE(window()->LockBevelButton->isChecked());
    EXPECT_EQ(window()->TargetProcNameField->text(), name);
}
