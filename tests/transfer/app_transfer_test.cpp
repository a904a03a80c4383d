// The link lock and the choice of a target when none is stored, with
// recording scripts in place of the shipped ones.
#include "ScriptTestSupport.h"

#include "app/App.h"
#include "framework/Controls.h"
#include "framework/ImplicitInstance.h"
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"
#include "windows/sentence/SentenceWindow.h"

#include <QFile>
#include <QLabel>

#include <gtest/gtest.h>

namespace {
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
    EXPECT_TRUE(m_scripts.calls().isEmpty());
    m_app.pAppIsStartingUp = false;
    m_app.Deactivate();
    EXPECT_EQ(m_scripts.calls(), (QList<ScriptCall>{{170, {}, {}}, {171, {}, {}}}));
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
    EXPECT_EQ(m_scripts.calls(),
              (QList<ScriptCall>{{168, {QString()}, sentence}, {173, {name}, {}}, {175, {name}, {}}}));
    EXPECT_TRUE(window()->LockBevelButton->isChecked());
    EXPECT_EQ(window()->TargetProcNameField->text(), name);
}
