#include "app/App.h"
#include "framework/Folders.h"
#include "framework/ImplicitInstance.h"
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"
#include "windows/sentence/SentenceWindow.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
// A program folder of its own, with or without a sentence database.
class StartupTest : public ::testing::Test
{
protected:
    void SetUp() override { setProgramFolder(m_programDir.path()); }
    void TearDown() override
    {
        delete existingInstance<SentenceWindow>();
        setProgramFolder(QString());
    }

    QString dbPath(const QString &name = QStringLiteral("Formulierungshilfen.rbd")) const
    {
        return m_programDir.filePath(name);
    }
    void makeDb(const QString &path)
    {
        createSentenceDb(path, {sentenceRow("Normalform", "A", "B")});
    }

    // Runs App::Open inside the event loop, as the program does; the exit code
    // when Open or a later command quits.
    int runOpen(App &application)
    {
        QTimer::singleShot(0, &application, &App::Open);
        return QApplication::exec();
    }

    static QString readPrefs(const TempConfigHome &home)
    {
        QFile file(home.prefsFile());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    TempConfigHome m_home;
    QTemporaryDir m_programDir;
};
} // namespace

TEST_F(StartupTest, FirstLaunchShowsWindowThenAsksForTheTarget)
{
    makeDb(dbPath());
    App application;
    bool windowShownFirst = false;
    ModalScript script({}, [&] {
        if (!windowShownFirst)
            windowShownFirst = existingInstance<SentenceWindow>() && existingInstance<SentenceWindow>()->isVisible();
    });
    // Once start-up is done, closing the main window quits the program.
    QTimer::singleShot(2500, [] {
        if (auto *window = existingInstance<SentenceWindow>())
            window->close();
    });
    EXPECT_EQ(runOpen(application), 0);
    ASSERT_EQ(script.seen.size(), 2);
    EXPECT_EQ(script.seen[0], QStringLiteral("Bitte Zielanwendung öffnen\nBitte wählen Sie nun das Programm aus, "
                                             "mit welchem Sie Ihr Zeugnisformular erstellen wollen bzw. erstellt haben."));
    EXPECT_TRUE(script.seen[1].startsWith(QStringLiteral("Zielanwendung wählen... / "))) << "then the target chooser";
    EXPECT_TRUE(windowShownFirst);
    EXPECT_EQ(application.pPrefs->GetTargetProcessName(), QString()) << "the chooser was cancelled";
    EXPECT_TRUE(application.pFirstLaunch);
    EXPECT_FALSE(application.pAppIsStartingUp);
    EXPECT_FALSE(application.pIsStartingUp);
    EXPECT_EQ(readPrefs(m_home),
              QStringLiteral("Version=9.0\nConnection=ConnectGeneric\nLastClass=1\nTargetProcessname=\n"
                             "TargetProcessCreator=\nLinkLocked=false\nListFontName=System\nListFontSize=10\n"
                             "SentencesDBName=Formulierungshilfen.rbd\nUseDuForm=false\n"));
}

TEST_F(StartupTest, LaterLaunchAsksNothing)
{
    makeDb(dbPath());
    QFile prefs(m_home.prefsFile());
    ASSERT_TRUE(prefs.open(QIODevice::WriteOnly));
    prefs.write("LastClass=4\n");
    prefs.close();
    App application;
    bool sawModal = false;
    whenModal([&](QWidget *w) { sawModal = true; cancelDialog(w); }, 800);
    QTimer::singleShot(1000, [] { existingInstance<SentenceWindow>()->close(); });
    EXPECT_EQ(runOpen(application), 0);
    EXPECT_FALSE(sawModal);
    EXPECT_FALSE(application.pFirstLaunch);
    EXPECT_TRUE(readPrefs(m_home).contains(QStringLiteral("\nLastClass=4\n")));
}

TEST_F(StartupTest, MissingDatabaseAndChooserCancelledQuitsWithZero)
{
    App application;
    ModalScript script;
    EXPECT_EQ(runOpen(application), 0);
    ASSERT_EQ(script.seen.size(), 2);
    EXPECT_TRUE(script.seen[0].startsWith(QStringLiteral("Datenbank auswählen... / ")));
    EXPECT_EQ(script.seen[1], QStringLiteral("Formulierungshilfen nicht gefunden!\n"
                                             "Die Datenbank mit den Formulierungshilfen wurde nicht gefunden!"));
    EXPECT_EQ(existingInstance<SentenceWindow>(), nullptr) << "the main window is never shown";
}

TEST_F(StartupTest, DatabaseChosenElsewhereConnectsAndStoresItsNameOnly)
{
    QTemporaryDir elsewhere;
    const QString chosen = elsewhere.filePath(QStringLiteral("Andere Sätze.rbd"));
    makeDb(chosen);
    QFile prefs(m_home.prefsFile());
    ASSERT_TRUE(prefs.open(QIODevice::WriteOnly));
    prefs.write("LastClass=2\n");
    prefs.close();
    App application;
    whenModal([&](QWidget *w) { chooseFileInDialog(w, chosen); });
    QTimer::singleShot(1500, [] {
        if (auto *window = existingInstance<SentenceWindow>())
            window->close();
    });
    EXPECT_EQ(runOpen(application), 0);
    EXPECT_EQ(application.pPrefs->GetSentencesDBName(), QStringLiteral("Andere Sätze.rbd"));
    EXPECT_TRUE(readPrefs(m_home).contains(QStringLiteral("SentencesDBName=Andere Sätze.rbd\n")));
}

TEST_F(StartupTest, AFileThatIsNoDatabaseEndsLikeAMissingOne)
{
    QFile garbage(dbPath());
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(3000, '#'));
    garbage.close();
    App application;
    ModalScript script;
    EXPECT_EQ(runOpen(application), 0);
    EXPECT_TRUE(script.seen.join(u'\n').contains(QStringLiteral("Formulierungshilfen nicht gefunden!")));
    garbage.open(QIODevice::ReadOnly);
    EXPECT_EQ(garbage.readAll(), QByteArray(3000, '#')) << "the file is left as it was";
}

TEST_F(StartupTest, ReadOnlyDatabaseSaysInUseAndGoesOn)
{
    makeDb(dbPath());
    QFile::setPermissions(dbPath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    App application;
    ModalScript script;
    application.pPrefs = std::make_unique<PreferencesClass>();
    EXPECT_TRUE(application.OpenSentenceDBwithName(QStringLiteral("Formulierungshilfen.rbd")));
    EXPECT_EQ(script.seen, QStringList{QStringLiteral("Satzdatenbank wird schon verwendet!")});
    EXPECT_EQ(application.GetMainCats(QStringLiteral("1"), QStringLiteral("Normalform")), QStringLiteral("A"));
    QFile::setPermissions(dbPath(), QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(StartupTest, QuitClosesTheDatabaseAndWritesThePreferences)
{
    makeDb(dbPath());
    App application;
    application.pPrefs = std::make_unique<PreferencesClass>();
    ASSERT_TRUE(application.OpenSentenceDBwithName(QStringLiteral("Formulierungshilfen.rbd")));
    application.pPrefs->SetLastClass(7);
    QTimer::singleShot(0, &application, [&application] { application._FileQuit_Action(); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(application.pSentenceDB->isConnected());
    EXPECT_TRUE(readPrefs(m_home).contains(QStringLiteral("\nLastClass=7\n")));
}
