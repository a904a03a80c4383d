// The script calls, the capture of the target, the link lock and the choice
// of a target, with recording scripts in place of the shipped ones.
#include "ScriptTestSupport.h"

#include "app/App.h"
#include "framework/Controls.h"
#include "framework/ImplicitInstance.h"
#include "framework/ScriptRunner.h"
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"
#include "transfer/ScriptOperations.h"
#include "windows/sentence/SentenceWindow.h"

#include <QFile>
#include <QLabel>

#include <gtest/gtest.h>

namespace {
QString u8(const char *text)
{
    return QString::fromUtf8(text);
}
} // namespace

TEST(ScriptCalls, PassParametersInOrderAndTheSentenceOnStandardInput)
{
    RecordingScripts scripts;
    const QString sentence = u8("Ä Ö Ü ä ö ü ß „ “ –\nzweite Zeile 'Quote' \"Anf\" $HOME `x` *");
    EXPECT_TRUE(setSelectionOther({u8("Ziel Programm"), sentence}));
    EXPECT_TRUE(setSelectionMSWD({sentence}));
    EXPECT_TRUE(setSelectionWithPasteMSWD({u8("Ziel")}));
    runScriptFunction(173, {u8("Ziel"), qint32(-42), QString()});
    EXPECT_EQ(scripts.calls(), (QList<ScriptCall>{{168, {u8("Ziel Programm")}, sentence},
                                                  {174, {}, sentence},
                                                  {176, {u8("Ziel")}, {}},
                                                  {173, {u8("Ziel"), u8("-42"), QString()}, {}}}));
}

TEST(ScriptCalls, GiveTheirOutputWithoutTheFinalLineEndAndSucceedOnlyWithStatusZero)
{
    RecordingScripts scripts;
    const struct
    {
        const char *body;
        const char *output;
        bool succeeded;
    } runs[] = {{"printf 'a\\nb\\n\\n'", "a\nb\n", true},
                {"printf 'dos\\r\\n'", "dos", true},
                {"printf '\\303\\204rger\\n'", "Ärger", true},
                {"echo halb; exit 1", "halb", false},
                {"echo begonnen; exec sleep 60", "", false}};
    for (const auto &run : runs) {
        scripts.writeScript(171, u8(run.body));
        const ScriptResult result = ScriptRunner::run(171, {}, {}, 1000);
        EXPECT_EQ(result.output, u8(run.output)) << run.body;
        EXPECT_EQ(result.succeeded, run.succeeded) << run.body;
    }
    QFile::remove(ScriptRunner::scriptPath(175));
    EXPECT_FALSE(setSelectionWithPaste({u8("Ziel")}));
}

namespace {
class TargetCapture : public ::testing::Test
{
protected:
    ~TargetCapture() override { delete existingInstance<SentenceWindow>(); }
    SentenceWindow *window() { return implicitInstance<SentenceWindow>(); }

    TempConfigHome m_home;
    RecordingScripts m_scripts;
    App m_app;
};
} // namespace

TEST_F(TargetCapture, TakesTheFrontApplicationUnlessExcluded)
{
    const struct
    {
        const char *creator;
        const char *name;
        bool taken;
    } fronts[] = {{"VMRg", "Velmora", false}, {"vmrb", "VM Companion", false}, {"Find", "FINDER", false},
                  {"Mytx", "", false},        {"Mytx", "Mytarget", true},      {"Ärge", "Ärger", true},
                  {"", "Ohne Code", true}}; // a failed creator query does not stop a named application
    for (const auto &front : fronts) {
        m_scripts.setReply(170, u8(front.creator));
        m_scripts.setReply(171, u8(front.name));
        const QString formerName = m_app.pPrefs->GetTargetProcessName();
        const QString formerCreator = m_app.pPrefs->GetTargetProcessCreator();
        m_app.Deactivate();
        EXPECT_EQ(m_app.pPrefs->GetTargetProcessName(), front.taken ? u8(front.name) : formerName) << front.name;
        EXPECT_EQ(m_app.pPrefs->GetTargetProcessCreator(), front.taken ? u8(front.creator) : formerCreator);
        EXPECT_EQ(window()->TargetProcNameField->text(), m_app.pPrefs->GetTargetProcessName());
    }
}

TEST_F(TargetCapture, TheLockButtonStopsTheCapture)
{
    m_scripts.setReply(171, u8("Mytarget"));
    window()->LockBevelButton->click();
    EXPECT_TRUE(m_app.pPrefs->GetLinkLocked());
    EXPECT_TRUE(window()->LockBevelButton->isChecked());
    m_app.Deactivate();
    m_app.pAppIsStartingUp = true;
    window()->LockBevelButton->click();
    m_app.Deactivate();
    m_app.pAppIsStartingUp = false;
    EXPECT_TRUE(m_scripts.calls().isEmpty());
    EXPECT_FALSE(window()->LockBevelButton->isChecked());
    m_app.Deactivate();
    EXPECT_EQ(m_app.pPrefs->GetTargetProcessName(), u8("Mytarget"));
}

TEST_F(TargetCapture, WithoutATargetTheTransferAsksForOne)
{
    m_app.pPrefs->SetTargetProcessCreator(u8("C#+A"));
    m_app.pPrefs->SetConnectionType(u8("ConectCustom"));
    m_scripts.setReply(173, u8("Mous"));
    QTemporaryDir apps;
    QFile entry(apps.filePath(u8("editor.desktop")));
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    entry.write("[Desktop Entry]\nName=Editor\nExec=mousepad %F\n");
    entry.close();
    // The first chooser is cancelled: the stored creator's route runs with the
    // empty name; the second one's choice takes the clipboard route.
    ModalScript answers({QString(), entry.fileName()});
    m_app.TransferSentence(u8("Satz"));
    EXPECT_EQ(answers.seen.value(0), u8("Bitte Zielanwendung öffnen\nBitte wählen Sie nun das Programm aus, mit "
                                        "welchem Sie Ihr Zeugnisformular erstellen wollen bzw. erstellt haben."));
    EXPECT_FALSE(m_app.pPrefs->GetLinkLocked());
    m_app.TransferSentence(u8("Satz"));
    EXPECT_EQ(m_scripts.calls(), (QList<ScriptCall>{{168, {QString()}, u8("Satz")},
                                                    {173, {u8("mousepad")}, {}},
                                                    {175, {u8("mousepad")}, {}}}));
    EXPECT_EQ(m_app.pPrefs->GetTargetProcessCreator(), u8("Mous"));
    EXPECT_TRUE(window()->LockBevelButton->isChecked());
    EXPECT_EQ(window()->TargetProcNameField->text(), u8("mousepad"));
}
