// The preferences dialog as the user works it: the settings shown, changed,
// saved into the preferences file and the database reopened, or dropped.
#include "app/App.h"
#include "app/MessageDialogs.h"
#include "framework/Controls.h"
#include "framework/Folders.h"
#include "framework/ImplicitInstance.h"
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"
#include "windows/dialogs/PrefsDialog.h"
#include "windows/sentence/SentenceWindow.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <deque>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {
class PrefsDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setProgramFolder(m_programDir.path());
        createSentenceDb(m_programDir.filePath(QStringLiteral("Formulierungshilfen.rbd")),
                         {sentenceRow("Normalform", "Arbeitsverhalten", "Sorgfalt")});
        m_app.pVersionInfo = std::make_unique<VersionInfo>();
        ASSERT_TRUE(m_app.OpenSentenceDBwithName(QStringLiteral("Formulierungshilfen.rbd")));
    }
    void TearDown() override
    {
        delete existingInstance<PrefsDialog>();
        delete existingInstance<SentenceWindow>();
        setProgramFolder(QString());
    }
    PrefsDialog *openDialog()
    {
        implicitInstance<PrefsDialog>()->show();
        return existingInstance<PrefsDialog>();
    }
    QString prefsFile() const { return QString::fromUtf8(readBytes(m_home.prefsFile())); }

    // While it lives, the disk takes no more than a few bytes of a file from this process.
    struct FullDisk
    {
        rlimit before = {};
        sighandler_t formerHandler = ::signal(SIGXFSZ, SIG_IGN);
        FullDisk()
        {
            ::getrlimit(RLIMIT_FSIZE, &before);
            const rlimit full = {32, before.rlim_max};
            ::setrlimit(RLIMIT_FSIZE, &full);
        }
        ~FullDisk()
        {
            ::setrlimit(RLIMIT_FSIZE, &before);
            ::signal(SIGXFSZ, formerHandler);
        }
    };

    TempConfigHome m_home;
    QTemporaryDir m_programDir;
    App m_app;
};
} // namespace

TEST_F(PrefsDialogTest, SaveWritesTheChangesAndOpensTheChosenDatabase)
{
    const QString other = m_programDir.filePath(QStringLiteral("Zweite.rbd"));
    createSentenceDb(other, {sentenceRow("Kurzform", "Sport", "Fairness")});
    m_app.pPrefs->SetListFontName(QStringLiteral("No Such Font"));
    PrefsDialog *dialog = openDialog();
    EXPECT_TRUE(dialog->GenericTransferRadioButton->isChecked());
    EXPECT_EQ(dialog->FontPopupMenu->Text(), QStringLiteral("System")) << "an unknown font shows as System";

    dialog->CustomTransferRadioButton->click();
    dialog->FSizePopupMenu->setListIndex(6);
    whenModal([&](QWidget *w) { chooseFileInDialog(w, other); });
    dialog->SelectDBButton->click();
    QString warning;
    whenModalOf<OKSheetDialog>([&warning](OKSheetDialog *d) {
        warning = d->HeaderText->text();
        d->OKButton->click();
    });
    dialog->UseDuCheckBox->click();
    EXPECT_EQ(warning, QStringLiteral("ACHTUNG!"));
    EXPECT_EQ(m_app.pPrefs->GetSentencesDBName(), QStringLiteral("Formulierungshilfen.rbd")) << "not before saving";
    dialog->SaveButton->click();

    EXPECT_EQ(existingInstance<PrefsDialog>(), nullptr) << "saving closes the dialog";
    EXPECT_TRUE(m_app.pPrefs->GetUseDu());
    EXPECT_TRUE(m_app.pPrefs->GetLinkLocked());
    EXPECT_EQ(m_app.pPrefs->GetSentencesDBName(), QStringLiteral("Zweite.rbd"));
    EXPECT_EQ(m_app.GetMainCats(QStringLiteral("1"), QStringLiteral("Kurzform")), QStringLiteral("Sport"));
    const QString file = prefsFile();
    // The file is written before the link lock, the database and the Du form are taken.
    for (const char *line : {"\nConnection=ConectCustom\n", "\nLinkLocked=false\n", "\nListFontName=System\n",
                             "\nListFontSize=14\n", "\nSentencesDBName=Formulierungshilfen.rbd\n",
                             "\nUseDuForm=false\n"})
        EXPECT_TRUE(file.contains(QString::fromUtf8(line))) << line << file.toStdString();
}

TEST_F(PrefsDialogTest, AFileThatIsNoDatabaseLeavesTheWorkingOneOpenAndStored)
{
    const QString chooser =
        QStringLiteral("Datenbank auswählen... / Bitte Datenbank mit den Formulierungshilfen auswählen");
    const struct
    {
        const char *name;
        const char *sql; // run on a sentence database of the file's own; "" for a file of text
        bool taken;
    } cases[] = {
        {"Kaputt.rbd", "", false},
        {"OhneNote.rbd", "ALTER TABLE Saetze DROP COLUMN Note", false},
        {"OhneDu.rbd", "ALTER TABLE Saetze DROP COLUMN DuSentences", false},
        {"Fremd.rbd", "DROP TABLE Saetze; CREATE TABLE Saetze (a, b)", false},
        {"OhneStandard.rbd", "DROP TABLE Standardsaetze", false},
        // More tables, columns and indexes, and none of the columns that no query reads.
        {"Mehr.rbd",
         "CREATE TABLE Notizen (x); CREATE INDEX Nummern ON Saetze (Nr); ALTER TABLE Saetze ADD COLUMN Extra; "
         "ALTER TABLE Saetze DROP COLUMN id; ALTER TABLE Standardsaetze DROP COLUMN Katnr",
         true},
    };
    for (const auto &c : cases) {
        const QString name = utf8(c.name), path = m_programDir.filePath(name);
        SCOPED_TRACE(c.name);
        if (*c.sql) {
            createSentenceDb(path, {sentenceRow("Kurzform", "Sport", "Fairness")});
            Database db;
            ASSERT_TRUE(connectTo(db, path));
            db.SQLExecute(utf8(c.sql));
            ASSERT_FALSE(db.Error()) << db.ErrorMessage().toStdString();
        } else {
            writeBytes(path, "Kein Datenbankinhalt\n");
        }
        PrefsDialog *dialog = openDialog();
        ModalScript script({path});
        dialog->SelectDBButton->click();
        dialog->SaveButton->click();
        const QStringList refused{chooser,
                                  QStringLiteral("Die Datei „%1“ ist keine Satzdatenbank oder kann nicht "
                                                 "geöffnet werden. Die bisherige Datenbank bleibt geöffnet.")
                                      .arg(name)};
        EXPECT_EQ(script.seen, c.taken ? QStringList{chooser} : refused);
        EXPECT_EQ(m_app.pPrefs->GetSentencesDBName(), c.taken ? name : QStringLiteral("Formulierungshilfen.rbd"));
        EXPECT_EQ(m_app.GetMainCats(QStringLiteral("1"), utf8(c.taken ? "Kurzform" : "Normalform")),
                  utf8(c.taken ? "Sport" : "Arbeitsverhalten"));
    }
}

TEST_F(PrefsDialogTest, CancelDropsTheChangesAndAnUnknownConnectionIsKept)
{
    m_app.pPrefs->SetConnectionType(QStringLiteral("Telepathie"));
    PrefsDialog *dialog = openDialog();
    EXPECT_FALSE(dialog->CustomTransferRadioButton->isChecked() || dialog->GenericTransferRadioButton->isChecked());
    dialog->FSizePopupMenu->setListIndex(5);
    dialog->CancelButton->click();
    EXPECT_EQ(m_app.pPrefs->GetListFontSize(), 10);
    EXPECT_EQ(prefsFile(), QString());
    openDialog()->SaveButton->click();
    EXPECT_TRUE(prefsFile().contains(QStringLiteral("\nConnection=Telepathie\n")));
}

// A file chosen outside the program's folder is looked for there by name when
// saving; the chooser that asks for it again may be cancelled, also after a
// file that is no database.
TEST_F(PrefsDialogTest, AMissingFileWhoseChooserIsCancelledIsSaidToBeMissing)
{
    QTemporaryDir elsewhere;
    const QString other = elsewhere.filePath(QStringLiteral("Zweite.rbd"));
    createSentenceDb(other, {sentenceRow("Kurzform", "Sport", "Fairness")});
    const QString broken = m_programDir.filePath(QStringLiteral("Kaputt.rbd"));
    writeBytes(broken, "Kein Datenbankinhalt\n");
    const QString chooser = QStringLiteral("Datenbank auswählen... / Bitte Datenbank mit den Formulierungshilfen auswählen");
    const QString missing = QStringLiteral("Die Datei „Zweite.rbd“ wurde im Programmordner nicht gefunden. Die "
                                           "bisherige Datenbank bleibt geöffnet.");
    const struct
    {
        std::deque<QString> chosen; // in the dialog, then in the chooser of the reopening
        QStringList seen;
    } cases[] = {
        {{other}, {chooser, chooser, missing}},
        {{other, broken},
         {chooser, chooser,
          QStringLiteral("Keine Satzdatenbank!\nDie Datei „Kaputt.rbd“ ist keine Satzdatenbank oder kann nicht "
                         "geöffnet werden. Bitte wählen Sie eine andere Datei aus."),
          chooser, missing}},
    };
    for (const auto &c : cases) {
        PrefsDialog *dialog = openDialog();
        ModalScript script(c.chosen);
        dialog->SelectDBButton->click();
        dialog->SaveButton->click();
        EXPECT_EQ(script.seen, c.seen);
        EXPECT_EQ(existingInstance<PrefsDialog>(), nullptr);
        EXPECT_EQ(m_app.pPrefs->GetSentencesDBName(), QStringLiteral("Formulierungshilfen.rbd"));
        EXPECT_EQ(m_app.GetMainCats(QStringLiteral("1"), QStringLiteral("Normalform")),
                  QStringLiteral("Arbeitsverhalten"));
    }
}

TEST_F(PrefsDialogTest, SaveOnAFullDiskSaysWhyAndTheDialogStaysWithTheOldFileIntact)
{
    const QByteArray old = "Version=9.0\nListFontSize=10\n";
    writeBytes(m_home.prefsFile(), old);
    const QString leftover = m_home.prefsFile() + QStringLiteral(".neu"); // the name earlier versions used
    const auto newFiles = [this] { return QDir(m_home.path()).entryList({QStringLiteral("*.neu")}, QDir::Files); };
    PrefsDialog *dialog = openDialog();
    dialog->FSizePopupMenu->setListIndex(6);
    QStringList shown;
    const auto answer = [&shown](OKDialog *d) {
        shown << d->HeaderText->text() << d->SubText->text();
        d->OKButton->click();
    };
    whenModalOf<OKDialog>(answer);
    {
        FullDisk full;
        dialog->SaveButton->click();
    }
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown.at(0), QStringLiteral("Einstellungen nicht gesichert!"));
    EXPECT_TRUE(shown.at(1).startsWith(QStringLiteral("Die Einstellungen konnten nicht in „") + m_home.prefsFile()
                                       + QStringLiteral("“ gesichert werden: Das System erlaubt")))
        << shown.at(1).toStdString();
    EXPECT_EQ(existingInstance<PrefsDialog>(), dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(readBytes(m_home.prefsFile()), old);
    EXPECT_EQ(newFiles(), QStringList());
    EXPECT_EQ(m_app.pPrefs->GetListFontSize(), 10) << "settings that were not saved are not taken";

    // With room again, a new file left by an interrupted save is no obstacle and is gone.
    writeBytes(leftover, "Version=9.0\nList");
    dialog->SaveButton->click();
    EXPECT_EQ(existingInstance<PrefsDialog>(), nullptr);
    EXPECT_TRUE(prefsFile().contains(QStringLiteral("\nListFontSize=14\n")));
    EXPECT_EQ(newFiles(), QStringList());
    // A preferences folder that cannot be made (a file in its way) is said as one that cannot be written.
    const QString noFolder = m_home.prefsFile() + QStringLiteral("/config");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(noFolder));
    whenModalOf<OKDialog>(answer);
    openDialog()->SaveButton->click();
    EXPECT_EQ(shown.value(3), QStringLiteral("Die Einstellungen konnten nicht in „%1/de.kelmarin.vm9.prf“ gesichert "
                                             "werden: Der Ordner ist nicht vorhanden. Beim nächsten Start gelten die "
                                             "Grundeinstellungen.").arg(noFolder));
    // A missing preferences folder is made, with the missing folders above it, for the user alone.
    const QString newFolder = m_home.path() + QStringLiteral("/neu/config");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(newFolder));
    openDialog()->SaveButton->click();
    EXPECT_TRUE(readBytes(QDir(newFolder).filePath(preferencesFileName())).contains("\nListFontSize=14\n"));
    for (const QString &made : {QFileInfo(newFolder).path(), newFolder}) {
        struct stat st = {};
        EXPECT_TRUE(::stat(QFile::encodeName(made).constData(), &st) == 0 && (st.st_mode & 07777) == 0700)
            << made.toStdString() << ": " << std::oct << st.st_mode;
    }
}
