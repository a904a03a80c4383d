#include "ScriptTestSupport.h"

#include "app/App.h"
#include "app/MessageDialogs.h"
#include "framework/Controls.h"
#include "framework/Folders.h"
#include "framework/ImplicitInstance.h"
#include "framework/Pictures.h"
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"
#include "windows/sentence/SentenceWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
const QString kFormer = QStringLiteral("vorher");

// The lock pictures as the program ships them (each is loaded once and kept).
void loadLockPictures()
{
    const QString scripts = programFolder();
    setProgramFolder(qEnvironmentVariable("VM_BIN_DIR"));
    closeLock();
    openlock();
    setProgramFolder(scripts);
}

QImage shownPicture(const BevelButton *button)
{
    return button->icon().pixmap(closeLock().size()).toImage();
}

class AppTransferTest : public ::testing::Test
{
protected:
    AppTransferTest()
    {
        loadLockPictures();
        QGuiApplication::clipboard()->setText(kFormer);
    }
    ~AppTransferTest() override
    {
        if (SentenceWindow *window = existingInstance<SentenceWindow>())
            delete window;
    }

    void setTarget(const QString &creator, const QString &name, const QString &connection)
    {
        m_app.pPrefs->SetTargetProcessCreator(creator);
        m_app.pPrefs->SetTargetProcessname(name);
        m_app.pPrefs->SetConnectionType(connection);
    }
    static QString clipboardText() { return QGuiApplication::clipboard()->text(); }
    SentenceWindow *window() { return implicitInstance<SentenceWindow>(); }

    TempConfigHome m_home;
    RecordingScripts m_scripts;
    App m_app;
};

struct RouteRun
{
    const char *creator;
    const char *connection;
    int script;
    bool withName;
    bool withSentence;
    bool onClipboard;
};
} // namespace

TEST_F(AppTransferTest, EveryRouteRunsItsScriptWithItsArguments)
{
    const QString sentence = QString::fromUtf8("Sie arbeitet sorgfältig, Klaus' Heft ist „ordentlich“.\nZeile 2");
    const RouteRun runs[] = {
        {"MSWD", "ConnectGeneric", 176, true, false, true}, {"C#+A", "ConnectGeneric", 175, true, false, true},
        {"BOBO", "ConnectGeneric", 175, true, false, true}, {"Mytx", "ConnectGeneric", 175, true, false, true},
        {"MSWD", "ConectCustom", 174, false, true, false},  {"C#+A", "ConectCustom", 168, true, true, false},
        {"BOBO", "ConectCustom", 175, true, false, true},   {"Mytx", "ConectCustom", 175, true, false, true},
        // This creator takes nothing, by either connection.
        {"RBv2", "ConectCustom", 0, false, false, false},   {"RBv2", "ConnectGeneric", 0, false, false, false},
    };
    int callsBefore = 0;
    for (const RouteRun &run : runs) {
        QGuiApplication::clipboard()->setText(kFormer);
        setTarget(QString::fromUtf8(run.creator), QStringLiteral("Ziel Anwendung"), QString::fromUtf8(run.connection));
        EXPECT_EQ(m_app.TransferSentence(sentence), 0);

        QStringList arguments;
        if (run.withName)
            arguments << QStringLiteral("Ziel Anwendung");
        if (run.withSentence)
            arguments << sentence;
        const QList<ScriptCall> calls = m_scripts.calls().mid(callsBefore);
        callsBefore = m_scripts.calls().size();
        EXPECT_EQ(calls, (run.script ? QList<ScriptCall>{{run.script, arguments}} : QList<ScriptCall>{}))
            << run.creator << " / " << run.connection;
        EXPECT_EQ(clipboardText(), run.onClipboard ? sentence : kFormer) << run.creator << " / " << run.connection;
    }
}

TEST_F(AppTransferTest, AnEmptySentenceIsTransferredLikeAnyOther)
{
    setTarget(QStringLiteral("C#+A"), QStringLiteral("Ziel"), QStringLiteral("ConectCustom"));
    m_app.TransferSentence(QString());
    setTarget(QStringLiteral("Mytx"), QStringLiteral("Ziel"), QStringLiteral("ConectCustom"));
    m_app.TransferSentence(QString());
    EXPECT_EQ(m_scripts.calls(), (QList<ScriptCall>{{168, {QStringLiteral("Ziel"), QString()}},
                                                    {175, {QStringLiteral("Ziel")}}}));
    EXPECT_EQ(clipboardText(), QString());
}

TEST_F(AppTransferTest, WithoutATargetAsksForOneThenTheChosenApplicationReceivesTheSentence)
{
    setTarget(QStringLiteral("C#+A"), QString(), QStringLiteral("ConectCustom"));
    m_scripts.setReply(173, QStringLiteral("Mous"));
    QTemporaryDir apps;
    const QString entry = apps.filePath(QStringLiteral("editor.desktop"));
    QFile file(entry);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Desktop Entry]\nName=Editor\nExec=mousepad %F\n");
    file.close();
    ASSERT_FALSE(window()->LockBevelButton->isChecked());
    // The first chooser is cancelled, the second one takes the entry.
    ModalScript script({QString(), entry});

    EXPECT_EQ(m_app.TransferSentence(QStringLiteral("Satz")), 0);
    ASSERT_EQ(script.seen.size(), 2);
    EXPECT_EQ(script.seen[0], QStringLiteral("Bitte Zielanwendung öffnen\nBitte wählen Sie nun das Programm aus, "
                                             "mit welchem Sie Ihr Zeugnisformular erstellen wollen bzw. erstellt haben."));
    EXPECT_TRUE(script.seen[1].startsWith(QStringLiteral("Zielanwendung wählen... / ")));
    // After a cancel the stored creator's route runs with the empty name.
    EXPECT_EQ(m_scripts.calls(), (QList<ScriptCall>{{168, {QString(), QStringLiteral("Satz")}}}));
    EXPECT_FALSE(m_app.pPrefs->GetLinkLocked());

    m_app.TransferSentence(QStringLiteral("Satz"));
    EXPECT_EQ(m_app.pPrefs->GetTargetProcessName(), QStringLiteral("mousepad"));
    EXPECT_EQ(m_app.pPrefs->GetTargetProcessCreator(), QStringLiteral("Mous"));
    EXPECT_TRUE(m_app.pPrefs->GetLinkLocked());
    // The open window shows the new target and lock.
    EXPECT_TRUE(window()->LockBevelButton->isChecked());
    EXPECT_EQ(window()->TargetProcNameField->text(), QStringLiteral("mousepad"));
    EXPECT_EQ(m_scripts.calls().mid(1), (QList<ScriptCall>{{173, {QStringLiteral("mousepad")}},
                                                           {175, {QStringLiteral("mousepad")}}}));
    EXPECT_EQ(clipboardText(), QStringLiteral("Satz"));
}

TEST_F(AppTransferTest, CaptureTakesTheFrontApplicationUnlessExcluded)
{
    setTarget(QStringLiteral("Alte"), QStringLiteral("Alter Editor"), QString());
    const struct
    {
        const char *creator;
        const char *name;
        bool taken;
    } fronts[] = {{"VMRg", "Velmora", false},     {"VMRb", "vm-companion", false}, {"vmrb", "vm-companion", false},
                  {"Find", "Finder", false},      {"Find", "FINDER", false},       {"Mytx", "", false},
                  {"Mytx", "Mytarget", true},     {"Find", "Finder2", true},
                  {"", "Ohne Code", true}}; // a failed creator query does not stop a named application
    for (const auto &front : fronts) {
        m_scripts.setReply(170, QString::fromUtf8(front.creator));
        m_scripts.setReply(171, QString::fromUtf8(front.name));
        const QString formerName = m_app.pPrefs->GetTargetProcessName();
        const QString formerCreator = m_app.pPrefs->GetTargetProcessCreator();
        m_app.setTargetProcessName();
        EXPECT_EQ(m_app.pPrefs->GetTargetProcessName(), front.taken ? QString::fromUtf8(front.name) : formerName)
            << front.name;
        EXPECT_EQ(m_app.pPrefs->GetTargetProcessCreator(),
                  front.taken ? QString::fromUtf8(front.creator) : formerCreator)
            << front.name;
        EXPECT_EQ(window()->TargetProcNameField->text(), m_app.pPrefs->GetTargetProcessName());
    }
}

TEST_F(AppTransferTest, CaptureShowsTheBusyNoticeWhileTheScriptsRun)
{
    m_scripts.writeScript(170, QStringLiteral("sleep 0.4; echo Mytx"));
    m_scripts.setReply(171, QStringLiteral("Mytarget"));
    QString shownMeanwhile;
    QLabel *field = window()->TargetProcNameField;
    QTimer::singleShot(100, [&] { shownMeanwhile = field->text(); });
    m_app.setTargetProcessName();
    EXPECT_EQ(shownMeanwhile, QStringLiteral("Zielanwendung wird gesucht...."));
    EXPECT_EQ(field->text(), QStringLiteral("Mytarget"));
}

TEST_F(AppTransferTest, DeactivationCapturesOnlyWhileUnlockedAndAfterStartUp)
{
    m_scripts.setReply(170, QStringLiteral("Mytx"));
    m_scripts.setReply(171, QStringLiteral("Mytarget"));
    m_app.pPrefs->SetLinkLocked(true);
    m_app.Deactivate();
    m_app.pPrefs->SetLinkLocked(false);
    m_app.pAppIsStartingUp = true;
    m_app.Deactivate();
    m_app.pAppIsStartingUp = false;
    EXPECT_TRUE(m_scripts.calls().isEmpty());
    EXPECT_EQ(m_app.pPrefs->GetTargetProcessName(), QString());

    m_app.Deactivate();
    EXPECT_EQ(m_scripts.calls(), (QList<ScriptCall>{{170, {}}, {171, {}}}));
    EXPECT_EQ(m_app.pPrefs->GetTargetProcessName(), QStringLiteral("Mytarget"));
}

TEST_F(AppTransferTest, TheLockButtonTogglesTheStoredLock)
{
    ASSERT_FALSE(closeLock().isNull());
    ASSERT_NE(closeLock().toImage(), openlock().toImage());
    BevelButton *button = window()->LockBevelButton;
    ASSERT_TRUE(button);
    EXPECT_EQ(shownPicture(button), openlock().toImage());
    EXPECT_FALSE(button->isChecked());
    button->click();
    EXPECT_TRUE(m_app.pPrefs->GetLinkLocked());
    EXPECT_TRUE(button->isChecked());
    EXPECT_EQ(shownPicture(button), closeLock().toImage());
    button->click();
    EXPECT_FALSE(m_app.pPrefs->GetLinkLocked());
    EXPECT_FALSE(button->isChecked());

    // Without a button the stored lock still flips.
    m_app.ToggleLinkLock(nullptr);
    EXPECT_TRUE(m_app.pPrefs->GetLinkLocked());

    // A new window shows the stored lock and target in place of the layout's " -".
    m_app.pPrefs->SetTargetProcessname(QString::fromUtf8("Écrit"));
    delete window();
    button = window()->LockBevelButton;
    EXPECT_TRUE(button->isChecked());
    EXPECT_EQ(window()->TargetProcNameField->text(), QString::fromUtf8("Écrit"));

    // Showing a state leaves the stored lock alone; no button, no harm.
    m_app.SetLinkLock(button, false);
    EXPECT_FALSE(button->isChecked());
    EXPECT_EQ(shownPicture(button), openlock().toImage());
    EXPECT_TRUE(m_app.pPrefs->GetLinkLocked());
    m_app.SetLinkLock(nullptr, true);
}


TEST_F(AppTransferTest, ChoosingARunningApplicationAppliesTheExclusions)
{
    QString name = QStringLiteral("x");
    QString creator = QStringLiteral("y");
    m_scripts.setReply(172, QString());
    EXPECT_FALSE(m_app.chooseTargetProcessNameAndCreator(name, creator));
    EXPECT_EQ(name, QString());

    m_scripts.setReply(172, QStringLiteral("Mytarget"));
    m_scripts.setReply(173, QStringLiteral("Myta"));
    EXPECT_TRUE(m_app.chooseTargetProcessNameAndCreator(name, creator));
    EXPECT_EQ(name, QStringLiteral("Mytarget"));
    EXPECT_EQ(creator, QStringLiteral("Myta"));

    m_scripts.setReply(172, QStringLiteral("vm-companion"));
    m_scripts.setReply(173, QStringLiteral("VMRb"));
    EXPECT_FALSE(m_app.chooseTargetProcessNameAndCreator(name, creator));
    EXPECT_EQ(m_app.pPrefs->GetTargetProcessName(), QString());
}
