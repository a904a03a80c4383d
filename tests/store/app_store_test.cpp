#include "app/App.h"
#include "framework/Folders.h"
#include "store/SentenceImporter.h"
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
const QString kFirstDialog
    = QStringLiteral("Texttabelle öffnen... / Bitte wählen Sie das Textdokument mit den Formulierungshilfen aus:");
const QString kSecondDialog
    = QStringLiteral("Texttabelle öffnen... / Bitte wählen Sie das Textdokument mit den Standardformulierungen aus:");

class AppStoreTest : public ::testing::Test
{
protected:
    void SetUp() override { setProgramFolder(m_programDir.path()); }
    void TearDown() override { setProgramFolder(QString()); }

    QString programFile(const QString &name = QStringLiteral("Formulierungshilfen.rbd")) const
    {
        return m_programDir.filePath(name);
    }
    // The old database in the program's folder, opened as at start-up.
    void openOldDb(App &application)
    {
        createSentenceDb(programFile(),
                         {sentenceRow("Alt", "Arbeitsverhalten", "Sorgfalt", 1, 1, 10, 1, "Alter Satz")});
        ASSERT_TRUE(application.OpenSentenceDBwithName(QStringLiteral("Formulierungshilfen.rbd")));
    }
    // Runs the importer inside the event loop, as the menu command does, and
    // returns the loop's exit code once the importer quits the program.
    static int runImportToQuit(App &application, bool &result)
    {
        QObject context;
        QTimer::singleShot(0, &context, [&] { result = application.ImportSentencesFromTabDelimFile(); });
        // An importer that forgets to quit must not hang the test.
        QTimer::singleShot(20000, &context, [] { QCoreApplication::exit(-1); });
        return QApplication::exec();
    }

    TempConfigHome m_home;
    QTemporaryDir m_programDir;
};

} // namespace

// The queries' edge cases are tested on their own; here the application's
// entry points: both key forms, the Du and number switches, the class.
TEST_F(AppStoreTest, SectionListsRandomPickAndWriteBack)
{
    App application;
    createSentenceDb(programFile(),
                     {sentenceRow("Normalform", "Arbeitsverhalten", "Sorgfalt", 1, 1, 10, 7, "P\rQ\rR", "Du P\rDu Q"),
                      sentenceRow("Normalform", "Arbeitsverhalten", "Tempo", 2, 3, 4, 8, "Eins"),
                      sentenceRow("Kurzform", "Arbeitsverhalten", "Tempo", 2, 1, 10, 9, "Kurz")});
    ASSERT_TRUE(application.OpenSentenceDBwithName(QStringLiteral("Formulierungshilfen.rbd")));
    const QString n = QStringLiteral("Normalform");
    const QString a = QStringLiteral("Arbeitsverhalten");
    const QString s = QStringLiteral("Sorgfalt");
    const QString one = QStringLiteral("1");
    EXPECT_EQ(application.GetSentences2Category(n, a, s, one, 5, true, true), QStringLiteral("7-1  Du P\n7-2  Du Q\n"));
    EXPECT_EQ(application.GetSentences2Category(QStringLiteral("Arbeitsverhalten : Sorgfalt 1"), 10, false, false),
              QStringLiteral("P\nQ\nR"));
    const QString picked = application.GetRandSentence2Category(n, a, s, one, 5, false);
    EXPECT_TRUE(picked == QStringLiteral("P") || picked == QStringLiteral("Q") || picked == QStringLiteral("R"));

    // The edited list as the main window passes it, apostrophe included.
    const QString edited = QStringLiteral("Er geht's ruhig an.\nP");
    application.PutSentences2Category(n, a, s, one, 5, false, edited);
    EXPECT_EQ(application.GetSentences2Category(n, a, s, one, 5, false, false), edited);
    // Two rows for Tempo 2 in class 3: nothing is written.
    application.PutSentences2Category(QStringLiteral("Arbeitsverhalten:Tempo 2"), 3, false, QStringLiteral("X"));
    EXPECT_EQ(application.GetSentences2CatNumber(8, QStringLiteral("3"), false), QStringLiteral("Eins"));
    application.PutSentences2Category(QStringLiteral("Arbeitsverhalten:Tempo 2"), 5, false, QStringLiteral("Y"));
    EXPECT_EQ(application.GetSentences2CatNumber(9, QStringLiteral("5"), false), QStringLiteral("Y"));
}

TEST_F(AppStoreTest, SentencesByNumberFollowTheDuSwitchOfThePreferences)
{
    App application;
    createSentenceDb(programFile(),
                     {sentenceRow("Normalform", "Arbeitsverhalten", "Sorgfalt", 1, 1, 10, 12, "A\rB\rC", "DA\rDB")});
    ASSERT_TRUE(application.OpenSentenceDBwithName(QStringLiteral("Formulierungshilfen.rbd")));
    const QString cls = QStringLiteral("4");
    EXPECT_EQ(application.GetSentences2CatNumber(12, cls, false), QStringLiteral("A\nB\nC"));
    EXPECT_EQ(application.getSentence2Number(12, 3, cls, false), QStringLiteral("C"));
    EXPECT_EQ(application.getSentence2Number(12, 3, cls, true), QString());
    const QString notice = QStringLiteral(": Kein Formulierungsbaustein mit dieser Satznummer!");
    application.pPrefs->SetUseDu(false);
    EXPECT_EQ(application.getSentences2NumList(QStringLiteral("12-3, 12-4"), cls),
              QStringLiteral(" C  ***12-4") + notice + QStringLiteral("*** "));
    application.pPrefs->SetUseDu(true);
    EXPECT_EQ(application.getSentences2NumList(QStringLiteral("12-2, 12-3"), cls),
              QStringLiteral(" DB  ***12-3") + notice
                  + QStringLiteral(" Sie haben bei den Voreinstellungen die Du-Form eingestellt!*** "));
    application.pPrefs.reset();
    EXPECT_EQ(application.getSentences2NumList(QStringLiteral("12-1"), cls), QStringLiteral(" A"));
}

TEST_F(AppStoreTest, ANumberListSurvivesTheDatabaseReopenedWhileItYields)
{
    App application;
    createSentenceDb(programFile(),
                     {sentenceRow("Normalform", "Arbeitsverhalten", "Sorgfalt", 1, 1, 10, 12, "A\rB\rC", "")});
    ASSERT_TRUE(application.OpenSentenceDBwithName(QStringLiteral("Formulierungshilfen.rbd")));
    // The preferences dialog's save reopens the database; a long list yields meanwhile.
    bool reopened = false;
    QTimer::singleShot(0, &application, [&] {
        reopened = application.OpenSentenceDBwithName(QStringLiteral("Formulierungshilfen.rbd"));
    });
    const int items = 3000;
    QString expected;
    for (int i = 0; i < items; ++i)
        expected += QStringLiteral(" B");
    EXPECT_EQ(application.getSentences2NumList(QStringList(items, QStringLiteral("12-2")).join(u','),
                                               QStringLiteral("4")),
              expected);
    EXPECT_TRUE(reopened) << "the list gave the event loop a turn";
}

TEST_F(AppStoreTest, ImportBuildsTheDatabaseReportsAndQuits)
{
    App application;
    openOldDb(application);
    ModalScript script({testDataPath(QStringLiteral("store/Formulierungen.txt")),
                        testDataPath(QStringLiteral("store/Standardformulierungen.txt"))});
    bool result = true;
    EXPECT_EQ(runImportToQuit(application, result), 0);
    EXPECT_FALSE(result);
    EXPECT_EQ(
        script.seen,
        (QStringList{kFirstDialog,
                     QStringLiteral("IMPORT Formulierungshilfen KOMPLETT!\n\n7 Zeilen importiert.\n"
                                    "4 Datensätze erzeugt"),
                     kSecondDialog, QStringLiteral("IMPORT Standardformulierungen KOMPLETT!\n\n3 Zeilen importiert."),
                     QStringLiteral("Das Programm wird nun beendet und kann neu gestartet werden!")}));
    EXPECT_FALSE(application.pSentenceDB->isConnected());
    EXPECT_FALSE(QFile::exists(SentenceImporter::temporaryPathFor(programFile())));

    // The new file stands in place of the old one.
    ASSERT_TRUE(application.OpenSentenceDBwithName(QStringLiteral("Formulierungshilfen.rbd")));
    EXPECT_EQ(application.GetSentences2CatNumber(1, QStringLiteral("2"), false),
              QStringLiteral("_ arbeitet stets äußerst engagiert mit.\n#Er/Sie# zeigt große Einsatzfreude."));
    EXPECT_EQ(application.getSentence2Number(3, 2, QStringLiteral("6"), false),
              QStringLiteral("#Er/Sie# geht's ruhig an."));
    EXPECT_EQ(application.GetAppendices2StdSentences(QStringLiteral("Versetzung"), 1),
              QStringLiteral("Herzlichen Glückwunsch!"));
}

TEST_F(AppStoreTest, ImportWithoutStandardPhrasesStillQuits)
{
    App application;
    openOldDb(application);
    ModalScript script({testDataPath(QStringLiteral("store/Formulierungen.txt")), QString()});
    bool result = true;
    EXPECT_EQ(runImportToQuit(application, result), 0);
    ASSERT_EQ(script.seen.size(), 5);
    EXPECT_EQ(script.seen[3], QStringLiteral("IMPORT Standardformulierungen KOMPLETT!\n\n0 Zeilen importiert."));
    ASSERT_TRUE(application.OpenSentenceDBwithName(QStringLiteral("Formulierungshilfen.rbd")));
    EXPECT_EQ(application.GetSentences2CategoryStd(QStringLiteral("Versetzung")), QString());
    EXPECT_FALSE(application.getSentence2Number(4, 1, QStringLiteral("9"), false).isEmpty());
}

TEST_F(AppStoreTest, CancelledOrUnreadableImportChangesNothing)
{
    App application;
    openOldDb(application);
    bool result = true;
    {
        ModalScript script({QString()});
        result = application.ImportSentencesFromTabDelimFile();
        EXPECT_FALSE(result);
        EXPECT_EQ(script.seen, QStringList{kFirstDialog});
    }
    EXPECT_EQ(application.GetSentences2CatNumber(1, QStringLiteral("1"), false), QStringLiteral("Alter Satz"));
    {
        // The file vanishes between choosing and reading.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Weg.txt"));
        QFile::copy(testDataPath(QStringLiteral("store/Formulierungen.txt")), path);
        ModalScript script({path}, [path] { QFile::remove(path); });
        result = application.ImportSentencesFromTabDelimFile();
        EXPECT_EQ(script.seen,
                  (QStringList{kFirstDialog, QStringLiteral("Die Textdatei „Weg.txt“ kann nicht gelesen werden!")}));
    }
    EXPECT_FALSE(result);
    EXPECT_EQ(application.GetSentences2CatNumber(1, QStringLiteral("1"), false), QStringLiteral("Alter Satz"));
}

TEST_F(AppStoreTest, ImportThatCannotCreateTheDatabaseKeepsTheOldOne)
{
    App application;
    // The database in use lies elsewhere; the program folder's name is taken by a folder.
    QTemporaryDir elsewhere;
    const QString oldPath = elsewhere.filePath(QStringLiteral("Alt.rbd"));
    createSentenceDb(oldPath, {sentenceRow("Alt", "Arbeitsverhalten", "Sorgfalt", 1, 1, 10, 1, "Alter Satz")});
    ASSERT_TRUE(application.OpenSentenceDBwithName(oldPath));
    ASSERT_TRUE(QDir().mkpath(programFile()));
    ModalScript script({testDataPath(QStringLiteral("store/Formulierungen.txt"))});
    bool result = true;
    result = application.ImportSentencesFromTabDelimFile();
    EXPECT_FALSE(result);
    EXPECT_EQ(script.seen, (QStringList{kFirstDialog, QStringLiteral("Database not created")}));
    EXPECT_FALSE(QFile::exists(SentenceImporter::temporaryPathFor(programFile())));
    EXPECT_EQ(application.GetSentences2CatNumber(1, QStringLiteral("1"), false), QStringLiteral("Alter Satz"));
}

TEST_F(AppStoreTest, CreateDbReplacesTheFileOnlyWhenTheNewOneStands)
{
    App application;
    openOldDb(application);
    application.pSentenceDB->Close();
    SentenceDatabase *before = application.pSentenceDB.get();
    // The temporary name taken by a folder: no new database, the old file untouched.
    const QString temp = SentenceImporter::temporaryPathFor(programFile());
    ASSERT_TRUE(QDir().mkpath(temp));
    EXPECT_FALSE(application.CreateDB(QStringLiteral("Formulierungshilfen.rbd")));
    EXPECT_EQ(application.pSentenceDB.get(), before);
    ASSERT_TRUE(application.pSentenceDB->Connect());
    EXPECT_EQ(application.GetSentences2CatNumber(1, QStringLiteral("1"), false), QStringLiteral("Alter Satz"));
    application.pSentenceDB->Close();
    QDir(temp).removeRecursively();

    ASSERT_TRUE(application.CreateDB(QStringLiteral("Formulierungshilfen.rbd")));
    EXPECT_NE(application.pSentenceDB.get(), before);
    EXPECT_EQ(QFileInfo(application.pSentenceDB->DatabaseFile()).canonicalFilePath(),
              QFileInfo(programFile()).canonicalFilePath());
    EXPECT_EQ(application.GetSentences2CatNumber(1, QStringLiteral("1"), false), QString());
    EXPECT_TRUE(application.InsertDBRec(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("U"), 1, 3, 4, 12,
                                        QStringLiteral("A\rB"), QStringLiteral("DA\rDB")));
    EXPECT_TRUE(application.InsertStdDBRec(QStringLiteral("A"), 1, 12, 0, QStringLiteral("Satz")));
    EXPECT_EQ(application.getSentence2Number(12, 2, QStringLiteral("4"), true), QStringLiteral("DB"));
    EXPECT_EQ(application.GetSentences2CategoryStd(QStringLiteral("A")), QStringLiteral("Satz"));
    const auto rs = application.pSentenceDB->SQLSelect(QStringLiteral("select id from Saetze"));
    ASSERT_TRUE(rs && !rs->IsEOF());
    EXPECT_EQ(rs->Field(QStringLiteral("id")), QStringLiteral("30012"));
}

TEST_F(AppStoreTest, FailedInsertionsShowTheDatabaseErrorAndTheRow)
{
    App application;
    // A database without tables: every insertion fails.
    application.pSentenceDB->setDatabaseFile(programFile(QStringLiteral("leer.rbd")));
    ASSERT_TRUE(application.pSentenceDB->CreateDatabaseFile());
    ModalScript script;
    EXPECT_FALSE(application.InsertDBRec(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("U"), 1, 3, 4, 12,
                                         QStringLiteral("A"), QString()));
    EXPECT_FALSE(application.InsertStdDBRec(QStringLiteral("A"), 1, 12, 0, QStringLiteral("Satz")));
    ASSERT_EQ(script.seen.size(), 2);
    EXPECT_EQ(script.seen[0], QStringLiteral("no such table: Saetze: 30012"));
    EXPECT_EQ(script.seen[1], QStringLiteral("no such table: Standardsaetze: A-1120"));
}
