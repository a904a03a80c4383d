// The application's store entry points on real files in a program folder:
// opening, switching, write-back report and the import command.
#include "app/App.h"
#include "framework/Folders.h"
#include "store/SentenceImporter.h"
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTimer>

#include <cstdio>
#include <optional>

#include <gtest/gtest.h>

namespace {
const QString kChooser = QStringLiteral("Datenbank auswählen... / Bitte Datenbank mit den Formulierungshilfen auswählen");
const QString kInUse = QStringLiteral("Satzdatenbank wird schon verwendet!");
const QString kDbName = QStringLiteral("Formulierungshilfen.rbd");
const QString kNoDatabase = QStringLiteral("Keine Satzdatenbank!\nDie Datei „Kaputt.rbd“ ist keine Satzdatenbank oder "
                                           "kann nicht geöffnet werden. Bitte wählen Sie eine andere Datei aus.");

class AppStoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setProgramFolder(m_programDir.path());
        m_app.pPrefs = std::make_unique<PreferencesClass>();
        // Section 2 of "A : T" stands twice for class 3.
        createSentenceDb(file(kDbName), {sentenceRow("Alt", "A", "S", 1, 1, 10, 1, "Alter Satz"),
                                         sentenceRow("N", "A", "T", 2, 3, 4, 8), sentenceRow("N", "A", "T", 2, 1, 10, 9)});
    }
    void TearDown() override { setProgramFolder(QString()); }
    QString file(const QString &name) const { return m_programDir.filePath(name); }
    QString oldSentence() { return m_app.GetSentences2CatNumber(1, QStringLiteral("1"), false); }
    // Files of the program folder that the import made and left.
    QStringList leftOver() const
    {
        return QDir(m_programDir.path()).entryList({QStringLiteral("*.neu")}, QDir::Files | QDir::Hidden);
    }
    static int indexCount(const QString &path)
    {
        return firstValue(path, QStringLiteral("select count(*) as v from sqlite_master where type = 'index'")).toInt();
    }

    TempConfigHome m_home;
    QTemporaryDir m_programDir;
    App m_app;
};
} // namespace

TEST_F(AppStoreTest, OpeningAsksForEveryFileThatWillNotOpenAndTakesABusyOneAsInUse)
{
    const QString path = file(kDbName);
    QDir().mkpath(file(QStringLiteral("Ordner.rbd")));
    writeBytes(file(QStringLiteral("Kaputt.rbd")), QByteArray(3000, '#'));
    writeBytes(file(QStringLiteral("Leer.rbd")), QByteArray());
    createSentenceDb(file(QStringLiteral("Fremd.rbd")), {}); // a database of another layout
    Database foreign;
    ASSERT_TRUE(connectTo(foreign, file(QStringLiteral("Fremd.rbd"))));
    foreign.SQLExecute(QStringLiteral("ALTER TABLE Saetze DROP COLUMN Note"));
    foreign.Close();
    const struct
    {
        const char *name;
        const char *held;           // how another program holds the database file
        std::deque<QString> chosen; // the chooser's answers; "" cancels
        QStringList seen;
        int indexes; // -1: not opened
    } cases[] = {
        {"", "", {QString()}, {kChooser}, -1},
        {"Kaputt.rbd", "", {QString()}, {kChooser}, -1},
        {"Fremd.rbd", "", {QString()}, {kChooser}, -1},
        {"Fehlt.rbd", "", {file(QStringLiteral("Kaputt.rbd")), path}, {kChooser, kNoDatabase, kChooser}, 2},
        {"Ordner.rbd", "", {path}, {kChooser}, 2},
        {"Leer.rbd", "", {path}, {kChooser}, 2},
        {"Formulierungshilfen.rbd", "", {}, {}, 2},
        {"Formulierungshilfen.rbd", "read-only", {}, {kInUse}, 0},
        {"Formulierungshilfen.rbd", "locked", {}, {kInUse}, 0},
    };
    for (const auto &c : cases) {
        m_app.pSentenceDB->Close(); // the file is made anew
        createSentenceDb(path, {sentenceRow("Alt", "A", "S", 1, 1, 10, 1, "Alter Satz")});
        const QString name = QString::fromUtf8(c.name), state = QString::fromUtf8(c.held);
        m_app.pPrefs->SetSentencesDBName(name);
        if (state == QStringLiteral("read-only"))
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        std::optional<LockingProcess> holder; // another program holding the file locked
        if (state == QStringLiteral("locked")) {
            ASSERT_TRUE(holder.emplace(path).locked());
        }
        ModalScript script(c.chosen);
        EXPECT_EQ(m_app.OpenSentenceDBwithName(name), c.indexes >= 0) << c.name;
        EXPECT_EQ(script.seen, c.seen) << c.name << c.held;
        holder.reset();
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        if (c.indexes < 0)
            continue;
        EXPECT_EQ(oldSentence(), QStringLiteral("Alter Satz")) << c.name;
        EXPECT_EQ(indexCount(path), c.indexes) << c.name << c.held;
        EXPECT_EQ(m_app.pPrefs->GetSentencesDBName(), kDbName) << c.name;
    }
}

TEST_F(AppStoreTest, ReopeningKeepsTheWorkOfTheOpenDatabaseAndTheWriteBackSaysWhy)
{
    ASSERT_TRUE(m_app.OpenSentenceDBwithName(kDbName));
    // A number list yields between its items; the database may be reopened meanwhile.
    bool reopened = false;
    QTimer::singleShot(0, &m_app, [&] { reopened = m_app.OpenSentenceDBwithName(kDbName); });
    EXPECT_EQ(m_app.getSentences2NumList(QStringList(3000, QStringLiteral("1-1")).join(u','), QStringLiteral("4")),
              QStringLiteral(" Alter Satz").repeated(3000));
    EXPECT_TRUE(reopened);
    // The write-back says why it wrote nothing.
    EXPECT_FALSE(m_app.PutSentences2Category(QStringLiteral("A:T 2"), 3, false, QStringLiteral("X")));
    EXPECT_TRUE(m_app.pWriteBackProblem.contains(QStringLiteral("mehrfach")));
    EXPECT_TRUE(m_app.PutSentences2Category(QStringLiteral("N"), QStringLiteral("A"), QStringLiteral("T"),
                                            QStringLiteral("2"), 5, false, QStringLiteral("Y")));
    EXPECT_EQ(m_app.pWriteBackProblem, QString());
}

TEST_F(AppStoreTest, ImportReplacesTheDatabaseOnlyWhenEveryRowIsStored)
{
    const QStringList files{testDataPath(QStringLiteral("store/Formulierungen.txt")),
                            testDataPath(QStringLiteral("store/Standardformulierungen.txt"))};
    ASSERT_TRUE(m_app.OpenSentenceDBwithName(kDbName));
    {
        // The standard phrases fail: their table is gone once the sentences stand.
        bool dropped = false;
        ModalScript script({files[0], files[1]}, [this, &dropped] {
            if (!dropped && m_app.pSentenceDB->DatabaseFile().endsWith(QStringLiteral(".neu")))
                m_app.pSentenceDB->SQLExecute(QStringLiteral("DROP TABLE Standardsaetze"));
            dropped = m_app.pSentenceDB->DatabaseFile().endsWith(QStringLiteral(".neu"));
        });
        EXPECT_FALSE(m_app.ImportSentencesFromTabDelimFile());
        EXPECT_TRUE(script.seen.last().startsWith(QStringLiteral("Die Datenbank „Formulierungshilfen.rbd“ wurde "
                                                                 "nicht ersetzt und bleibt unverändert. Fehler: no such")))
            << script.seen.join(u'|').toStdString();
    }
    EXPECT_EQ(leftOver(), QStringList()) << "no temporary file is left";
    EXPECT_EQ(oldSentence(), QStringLiteral("Alter Satz"));

    ModalScript script({files[0], files[1]});
    QTimer::singleShot(0, &m_app, [this] { m_app.ImportSentencesFromTabDelimFile(); });
    QTimer::singleShot(20000, &m_app, [] { QCoreApplication::exit(-1); });
    EXPECT_EQ(QApplication::exec(), 0);
    ASSERT_EQ(script.seen.size(), 5);
    EXPECT_EQ(script.seen[1], QStringLiteral("IMPORT Formulierungshilfen KOMPLETT!\n\n7 Zeilen importiert.\n"
                                             "4 Datensätze erzeugt"));
    EXPECT_EQ(script.seen[3], QStringLiteral("IMPORT Standardformulierungen KOMPLETT!\n\n3 Zeilen importiert."));
    EXPECT_EQ(firstValue(file(kDbName), QStringLiteral("select count(*) as v from Saetze")), QStringLiteral("4"));
    EXPECT_EQ(indexCount(file(kDbName)), 2);
}

TEST_F(AppStoreTest, ImportRefusesADatabaseFileThatIsOneOfItsTextsOrNoDatabase)
{
    const QString sentences = testDataPath(QStringLiteral("store/Formulierungen.txt"));
    const QString refused = QStringLiteral("Die Datei „%1“ wird nicht durch die neue Datenbank ersetzt: ").arg(file(kDbName));
    const QString summary = QStringLiteral("IMPORT Formulierungshilfen KOMPLETT!\n\n7 Zeilen importiert.\n"
                                           "4 Datensätze erzeugt");
    const struct
    {
        const char *working;       // the database the program works with
        std::deque<QString> chosen; // the text files chosen in the two dialogs
        QString last;               // the importer's last message
        const char *linkedTo = "";  // where the database's name leads when the program works with another
    } cases[] = {
        {"Formulierungshilfen.rbd", {file(kDbName)},
         refused + QStringLiteral("Sie ist die Textdatei „%1“, aus der die Datenbank entstehen soll.").arg(file(kDbName))},
        {"Formulierungshilfen.rbd", {sentences, file(kDbName)},
         refused + QStringLiteral("Sie ist die Textdatei „%1“, aus der die Datenbank entstehen soll.").arg(file(kDbName))},
        {"Zweite.rbd", {sentences}, refused + QStringLiteral("Sie ist keine Satzdatenbank.")},
        {"Zweite.rbd", {sentences},
         QStringLiteral("Im Ordner „%1“ kann keine neue Datenbank angelegt werden: Der Ordner ist nicht vorhanden.")
             .arg(file(QStringLiteral("fehlt"))),
         "fehlt/neu.rbd"},
    };
    for (const auto &c : cases) {
        const QString working = file(QString::fromUtf8(c.working));
        createSentenceDb(working, {sentenceRow("Alt", "A", "S", 1, 1, 10, 1, "Alter Satz")});
        if (working != file(kDbName)) {
            QFile::remove(file(kDbName));
            if (*c.linkedTo)
                ASSERT_TRUE(QFile::link(QString::fromUtf8(c.linkedTo), file(kDbName)));
            else
                writeBytes(file(kDbName), "Notizen, keine Datenbank\n");
        }
        ASSERT_TRUE(m_app.OpenSentenceDBwithName(QString::fromUtf8(c.working)));
        const QByteArray before = readBytes(file(kDbName));
        ModalScript script(c.chosen);
        EXPECT_FALSE(m_app.ImportSentencesFromTabDelimFile());
        EXPECT_EQ(script.seen.last(), c.last) << script.seen.join(u'|').toStdString();
        EXPECT_EQ(script.seen.contains(summary), c.chosen.size() > 1) << "the sentences stand before the second file";
        EXPECT_EQ(readBytes(file(kDbName)), before) << c.working;
        EXPECT_EQ(leftOver(), QStringList()) << "no temporary file is left";
        EXPECT_EQ(oldSentence(), QStringLiteral("Alter Satz")) << "the working database stays open";
        m_app.pSentenceDB->Close();
    }
}

TEST_F(AppStoreTest, ASaveAfterTheFileWasReplacedGoesToTheFileNowThereUnlessItChangedTheSection)
{
    const struct
    {
        const char *replacement; // what is renamed over the database file, "" deletes it
        const char *storedThere; // the section's text in the replacement
        bool written;
        const char *problem;
        long cutTo = -1; // the file itself emptied or cut short to this size instead
        // Emptied, a class change said so, the replacement put there, and then first this:
        // "class change", "save" or "list" (the main categories read).
        const char *restoredThen = "";
    } cases[] = {
        {"same", "Alter Satz", true, ""},
        {"changed", "Satz einer Kollegin", false, "an anderer Stelle geändert"},
        {"no database", "", false, "ersetzt oder gelöscht"},
        {"", "", false, "ersetzt oder gelöscht"},
        {"emptied", "", false, "geleert, ersetzt oder gelöscht", 0},
        {"cut short", "", false, "beschädigt", 4096},
        // The saved bytes written into the same file, as cp does.
        {"copied back", "Alter Satz", true, "", 0, "class change"},
        {"copied back", "Alter Satz", true, "", 0, "save"},
        {"copied back", "Alter Satz", true, "", 0, "list"},
        {"same", "Alter Satz", true, "", 0, "class change"},
    };
    const QString path = file(kDbName);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.replacement);
        createSentenceDb(path, {sentenceRow("Alt", "A", "S", 1, 1, 10, 1, "Alter Satz")});
        ASSERT_TRUE(m_app.OpenSentenceDBwithName(kDbName));
        const QString read = m_app.GetSentences2Category(utf8("Alt"), utf8("A"), utf8("S"), utf8("1"), 4, false, false);
        const QByteArray backup = readBytes(path);
        // A backup tool or a colleague's copy: a new file moved over the old one.
        const QString copy = file(QStringLiteral("Kopie.rbd"));
        const QString kind = utf8(c.replacement);
        if (kind == QStringLiteral("no database"))
            writeBytes(copy, QByteArray(4096, '#'));
        else if (!kind.isEmpty() && (c.cutTo < 0 || kind == QStringLiteral("same")))
            createSentenceDb(copy, {sentenceRow("Alt", "A", "S", 1, 1, 10, 1, c.storedThere)});
        ASSERT_EQ(c.cutTo >= 0 ? ::truncate(qPrintable(path), c.cutTo) == 0
                  : kind.isEmpty() ? QFile::remove(path)
                                   : ::rename(qPrintable(copy), qPrintable(path)) == 0,
                  true);
        const QString restoredThen = utf8(c.restoredThen);
        if (!restoredThen.isEmpty()) {
            EXPECT_NE(m_app.GetCategories(QStringLiteral("4")), 0);
            EXPECT_TRUE(m_app.readProblemText().contains(utf8("geleert"))) << m_app.readProblemText().toStdString();
            if (kind == QStringLiteral("copied back"))
                writeBytes(path, backup);
            else
                ASSERT_EQ(::rename(qPrintable(copy), qPrintable(path)), 0);
            if (restoredThen == QStringLiteral("class change")) {
                EXPECT_EQ(m_app.GetCategories(QStringLiteral("4")), 0) << m_app.readProblemText().toStdString();
            } else if (restoredThen == QStringLiteral("list")) {
                EXPECT_EQ(m_app.GetMainCats(QStringLiteral("4"), utf8("Alt")), utf8("A"));
            }
        }
        EXPECT_EQ(m_app.PutSentences2Category(utf8("Alt"), utf8("A"), utf8("S"), utf8("1"), 4, false,
                                              QStringLiteral("Neuer Satz"), read),
                  c.written);
        EXPECT_TRUE(m_app.pWriteBackProblem.contains(utf8(c.problem))) << m_app.pWriteBackProblem.toStdString();
        // A class change reads the file as it is now; one that reads nothing says why.
        const bool unreadable = c.cutTo >= 0 && restoredThen.isEmpty();
        EXPECT_EQ(m_app.GetCategories(QStringLiteral("4")) != 0, unreadable);
        EXPECT_TRUE(!unreadable || m_app.readProblemText().contains(utf8(c.problem)))
            << m_app.readProblemText().toStdString();
        // Shown again, the section shows what the file at the path holds.
        const QString expected = c.written ? QStringLiteral("Neuer Satz") : utf8(c.storedThere);
        if (!expected.isEmpty()) {
            EXPECT_EQ(firstValue(path, QStringLiteral("select Sentences as v from Saetze")), expected);
            EXPECT_EQ(m_app.GetSentences2Category(utf8("Alt"), utf8("A"), utf8("S"), utf8("1"), 4, false, false),
                      expected);
        }
    }
}
