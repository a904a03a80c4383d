// On a real X display with the installed fonts: every message of the program
// shows its whole text, the application's commands reach every window, and
// start-up runs as the program runs it (App::Open in the event loop).
#include "app/App.h"
#include "app/MessageDialogs.h"
#include "app/QtGerman.h"
#include "framework/Controls.h"
#include "framework/Database.h"
#include "framework/Folders.h"
#include "framework/ImplicitInstance.h"
#include "print/PrintSentencesWindow.h"
#include "store/DatabaseProblem.h"
#include "store/SentenceQueries.h"
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"
#include "support/XvfbSession.h"
#include "update/UpdateCheckDialog.h"
#include "update/UpdateFeed.h"
#include "windows/dialogs/AboutDialog.h"
#include "windows/dialogs/PrefsDialog.h"
#include "windows/sentence/SentenceWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <deque>
#include <sqlite3.h>

#include <gtest/gtest.h>

namespace {
// Whether label shows its whole text in its box, measured with its own font.
bool showsWhole(const QLabel *label)
{
    const QRect box = label->contentsRect();
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed = QFontMetrics(label->font()).boundingRect(QRect(box.topLeft(), QSize(box.width(), 100000)),
                                                                  flags, label->text());
    return needed.width() <= box.width() && needed.height() <= box.height();
}

class AppTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!g_x->isRunning())
            GTEST_SKIP() << "no Xvfb, openbox or xdotool";
        setProgramFolder(m_programDir.path());
    }
    void TearDown() override
    {
        delete existingInstance<SentenceWindow>();
        setProgramFolder(QString());
    }
    // Runs App::Open inside the event loop; the exit code when the program quits.
    int runOpen(App &application)
    {
        QTimer::singleShot(0, &application, &App::Open);
        // Bound to the application object, so that it ends with the test.
        QTimer::singleShot(3000, &application, [] { if (auto *w = existingInstance<SentenceWindow>()) w->close(); });
        return QApplication::exec();
    }
    TempConfigHome m_home;
    QTemporaryDir m_programDir;
};
} // namespace

TEST_F(AppTest, EveryMessageShowsItsWholeText)
{
    App application;
    // Every message of the program as it shows it, and a text longer than any of them: the dialog grows.
    const QString chooseTarget = QStringLiteral("Bitte wählen Sie nun das Programm aus, mit welchem Sie Ihr "
                                                "Zeugnisformular erstellen wollen bzw. erstellt haben.");
    const QString longest = QString(12, u' ').replace(u' ', chooseTarget + u' ');
    const QString notSaved = QStringLiteral("Die Formulierungen für Klasse 10, Normalform / Arbeitsverhalten / "
                                            "Selbstständigkeit, Stufe 5 (Du-Form) konnten nicht gespeichert werden. ");
    const struct { bool sheet; const char *header; QString text; } messages[] = {
        {false, "Bitte Zielanwendung öffnen", chooseTarget},
        {false, "Formulierungshilfen nicht gefunden!",
         QStringLiteral("Die Datenbank mit den Formulierungshilfen wurde nicht gefunden!")},
        {false, "Keine Satzdatenbank!",
         QStringLiteral("Die Datei „Formulierungshilfen Sicherung vom 7. Dezember 2026.rbd“ ist keine Satzdatenbank "
                        "oder kann nicht geöffnet werden. Bitte wählen Sie eine andere Datei aus.")},
        {false, "Keine Versionsinformationen!",
         QStringLiteral("Die Angaben zur neuesten Version konnten nicht vom Server gelesen werden. Bitte prüfen Sie "
                        "Ihre Internetverbindung und versuchen Sie es später noch einmal.")},
        {false, "Drucker nicht gefunden!",
         QStringLiteral("Der Drucker wurde nicht gefunden oder es ist keiner eingestellt!")},
        {false, "Velmora nicht gefunden",
         QStringLiteral("Bitte starten Sie zuerst den Velmora und danach den VM Companion")},
        {false, "Text nicht eingefügt",
         QStringLiteral("Von „LibreOffice Writer“ ist kein Fenster geöffnet, in das der Text eingefügt werden kann. "
                        "Der Text liegt in der Zwischenablage; Sie können ihn von Hand einfügen.")},
        {false, "Text nicht eingefügt",
         QStringLiteral("„LibreOffice Writer“ hat den Text nicht übernommen. Der Text liegt in der Zwischenablage; "
                        "Sie können ihn von Hand einfügen.")},
        {false, "Formulierungen nicht gespeichert!",
         QStringLiteral("Die Formulierungen für Klasse 10, Normalform / Arbeitsverhalten / Selbstständigkeit, Stufe 5 "
                        "(Du-Form) konnten nicht gespeichert werden. Die Datenbank wird gerade von einem anderen "
                        "Programm verwendet. Ihre Änderung steht weiter in der Liste und kann von dort kopiert werden.")},
        {false, "Einstellungen nicht gesichert!",
         QStringLiteral("Die Einstellungen konnten nicht in „/home/annegret.schmidt-wiesenthal/Dokumente/Schule/"
                        "Zeugnisvorlagen-2026/.config/de.kelmarin.vm9.prf“ gesichert werden: Ihr Speicherplatz auf "
                        "dem Datenträger ist aufgebraucht. Die Datei behält die zuletzt gesicherten Einstellungen.")},
        {false, "Einstellungen nicht gesichert!",
         QStringLiteral("Die Einstellungen konnten nicht in „/home/annegret.schmidt-wiesenthal/Dokumente/Schule/"
                        "Zeugnisvorlagen-2026/.config/de.kelmarin.vm9.prf“ gesichert werden: An der Stelle der Datei "
                        "liegt keine gewöhnliche Datei, sondern eine benannte Pipe, ein Gerät oder etwas Ähnliches, das "
                        "das Programm nicht ersetzt. Beim nächsten Start gelten die Grundeinstellungen.")},
        {false, "Formulierungen nicht gespeichert!",
         notSaved + SentenceQueries::writeProblemText({SentenceQueries::WriteOutcome::ChangedElsewhere, {}})
             + QStringLiteral(" Ihre Änderung steht weiter in der Liste und kann von dort kopiert werden.")},
        {false, "Formulierungen nicht gespeichert!",
         notSaved + databaseProblemText(SQLITE_IOERR)
             + QStringLiteral(" Ihre Änderung steht weiter in der Liste und kann von dort kopiert werden.")},
        {false, "Formulierungen nicht gespeichert!",
         notSaved + databaseProblemText(SQLITE_READONLY_DBMOVED)
             + QStringLiteral(" Ihre Änderung ist nicht gespeichert. Die geänderten Formulierungen stehen jetzt in "
                              "der Zwischenablage und können von dort eingefügt werden. Das Programm bleibt dafür geöffnet; "
                              "danach können Sie es beenden.")},
        {false, "Klasse nicht gewechselt!",
         QStringLiteral("Die Kategorien der Klasse 10 konnten nicht gelesen werden. ")
             + databaseProblemText(SQLITE_READONLY_DBMOVED)},
        {false, "Ausdruck unvollständig!",
         QStringLiteral("Der Ausdruck konnte nicht vollständig in die Datei „/home/annegret.schmidt-wiesenthal/"
                        "Dokumente/Schule/Satzlisten/Satzliste Klasse 10.pdf“ geschrieben werden: Der Datenträger "
                        "ist voll.")},
        {false, "Ausdruck unvollständig!",
         QStringLiteral("Der Ausdruck konnte nicht vollständig an den Drucker „Lehrerzimmer_Laserdrucker_2“ übergeben "
                        "werden. Bitte prüfen Sie den Drucker und drucken Sie dann noch einmal.")},
        {true, "Nummer ungültig!", QStringLiteral("Eine Formulierung mit dieser Nummer ist nicht vorhanden.")},
        {true, "Nummer ungültig!",
         QStringLiteral("Eine „Du“-Formulierungen mit dieser Nummer ist nicht vorhanden. Die korrespondierende "
                        "normale Formulierung wird verwendet.")},
        {true, "Nummer ungültig!",
         QStringLiteral("Eine Formulierungen mit dieser Nummer ist nicht vorhanden. Die korrespondierende "
                        "„Du“-Formulierung wird verwendet.")},
        {true, "ACHTUNG!",
         QStringLiteral("Sie haben die Verwendung der Formulierungen in \"Du\"-Form gewählt. Bitte beachten Sie, dass "
                        "diese nur bei den Formulierungen der Kategorie \"Normalform\" zur Verfügung stehen!")},
        {false, "Formulierungshilfen nicht gefunden!", longest},
        {true, "Formulierungshilfen nicht gefunden!", longest},
    };
    for (const auto &m : messages) {
        const QString header = QString::fromUtf8(m.header);
        bool whole = false;
        whenModal([&whole](QWidget *w) {
            auto *d = static_cast<OKDialog *>(w);
            whole = showsWhole(d->HeaderText) && showsWhole(d->SubText)
                    && d->OKButton->geometry().top() > d->SubText->geometry().bottom();
            d->OKButton->click();
        });
        m.sheet ? application.ShowOKSheetDialog(header, m.text, QString()) : application.ShowOKDialog(header, m.text, QString());
        EXPECT_TRUE(whole) << m.header << ": " << m.text.toStdString();
    }

    // The update dialog's messages, the preferences dialog's explanations and the about box.
    application.pVersionInfo = UpdateFeed::versionFromText(QStringLiteral("9.0.3"));
    UpdateCheckDialog update;
    const auto v = [](const char *t) { return *UpdateFeed::versionFromText(QString::fromUtf8(t)); };
    for (const char *running : {"9.0.3", "8.0.0", "9.2.0"}) {
        update.SetContent(v("9.1.0"), v("9.0.0"), v(running), QStringLiteral("http://127.0.0.1/x.tar.gz"));
        EXPECT_TRUE(showsWhole(update.MessageText)) << update.MessageText->text().toStdString();
    }
    PrefsDialog prefs;
    for (QLabel *l : {prefs.StaticText1, prefs.StaticText2, prefs.StaticText5, prefs.StaticText7})
        EXPECT_TRUE(showsWhole(l)) << l->text().toStdString();
    AboutDialog about;
    EXPECT_TRUE(showsWhole(about.StaticText2));
}

// Ctrl+Q quits the program from each of its windows, and the preferences are written.
TEST_F(AppTest, CtrlQQuitsFromEveryWindowAndWritesThePreferences)
{
    createSentenceDb(m_programDir.filePath(QStringLiteral("Formulierungshilfen.rbd")), {sentenceRow("A", "B", "C")});
    const std::function<QWidget *()> windows[] = {
        [] { return static_cast<QWidget *>(implicitInstance<AboutDialog>()); },
        [] { return static_cast<QWidget *>(implicitInstance<PrintSentencesWindow>()); },
        [] { return static_cast<QWidget *>(implicitInstance<PrefsDialog>()); },
    };
    for (const auto &window : windows) {
        QFile::remove(m_home.prefsFile());
        App application;
        application.pPrefs = std::make_unique<PreferencesClass>();
        ASSERT_TRUE(application.OpenSentenceDBwithName(QStringLiteral("Formulierungshilfen.rbd")));
        application.pPrefs->SetLastClass(6);
        QWidget *front = window();
        front->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(front, 5000));
        ASSERT_TRUE(g_x->activate(QString::number(front->winId())));
        QTimer::singleShot(100, [] { g_x->key(QStringLiteral("ctrl+q")); });
        QTimer failSafe;
        failSafe.callOnTimeout([] { QCoreApplication::exit(1); });
        failSafe.start(8000);
        EXPECT_EQ(QApplication::exec(), 0) << front->metaObject()->className();
        EXPECT_TRUE(readBytes(m_home.prefsFile()).contains("\nLastClass=6\n")) << front->metaObject()->className();
        delete front;
    }
}

TEST_F(AppTest, WithoutDatabaseTheGermanChooserThenTheMessageEndTheProgram)
{
    ASSERT_TRUE(installQtGerman(*qApp));
    App application;
    QStringList labels;
    whenModalOf<QFileDialog>([&labels](QFileDialog *d) {
        for (const char *name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
            labels << d->findChild<QLabel *>(QString::fromUtf8(name))->text();
        auto *box = d->findChild<QDialogButtonBox *>();
        labels << box->button(QDialogButtonBox::Open)->text() << box->button(QDialogButtonBox::Cancel)->text();
        d->reject();
    });
    QString message;
    whenModalOf<OKDialog>([&message](OKDialog *d) {
        message = d->HeaderText->text();
        d->OKButton->click();
    }, 15000);
    EXPECT_EQ(runOpen(application), 0);
    EXPECT_EQ(labels, (QStringList{QStringLiteral("Suchen in:"), QStringLiteral("Datei&name:"),
                                   QStringLiteral("Dateien des Typs:"), QStringLiteral("&Öffnen"),
                                   QStringLiteral("Abbrechen")}));
    EXPECT_EQ(message, QStringLiteral("Formulierungshilfen nicht gefunden!"));
    EXPECT_EQ(existingInstance<SentenceWindow>(), nullptr) << "the main window is never shown";
}

TEST_F(AppTest, WithoutStandardPhrasesTheStandardPageSaysSo)
{
    const QString path = m_programDir.filePath(QStringLiteral("Formulierungshilfen.rbd"));
    createSentenceDb(path, {sentenceRow("Normalform", "A", "B")});
    {
        Database db;
        ASSERT_TRUE(connectTo(db, path));
        db.SQLExecute(QStringLiteral("DELETE FROM Standardsaetze"));
        db.Commit();
    }
    writeBytes(m_home.prefsFile(), {}); // no first launch
    App application;
    ModalScript script;
    EXPECT_EQ(runOpen(application), 0);
    EXPECT_EQ(script.seen, QStringList{QStringLiteral("Runtime ERROR: FillStdSentenceListBox")});
}

// A file chosen at start-up that is no sentence database is named and refused, and the chooser opens again.
TEST_F(AppTest, AChosenFileThatIsNoDatabaseIsNamedBeforeTheChooserOpensAgain)
{
    const QString good = m_programDir.filePath(QStringLiteral("Gut.rbd"));
    createSentenceDb(good, {sentenceRow("Normalform", "A", "B")});
    writeBytes(m_programDir.filePath(QStringLiteral("Notizen.rbd")), "Notizen, keine Datenbank\n");
    writeBytes(m_programDir.filePath(QStringLiteral("Leer.rbd")), QByteArray());
    writeBytes(m_home.prefsFile(), "SentencesDBName=Fehlt.rbd\n"); // no first launch
    App application;
    ModalScript script({m_programDir.filePath(QStringLiteral("Notizen.rbd")),
                        m_programDir.filePath(QStringLiteral("Leer.rbd")), good});
    EXPECT_EQ(runOpen(application), 0);
    const QString chooser = QStringLiteral("Datenbank auswählen... / Bitte Datenbank mit den Formulierungshilfen auswählen");
    const auto refused = [](const char *name) {
        return QStringLiteral("Keine Satzdatenbank!\nDie Datei „%1“ ist keine Satzdatenbank oder kann nicht geöffnet "
                              "werden. Bitte wählen Sie eine andere Datei aus.").arg(QString::fromUtf8(name));
    };
    EXPECT_EQ(script.seen, (QStringList{chooser, refused("Notizen.rbd"), chooser, refused("Leer.rbd"), chooser}));
    EXPECT_TRUE(readBytes(m_home.prefsFile()).contains("\nSentencesDBName=Gut.rbd\n"));
}

// A class level beyond the last one in the preferences file starts the window
// on the last class, with its lists filled, and that class is written back.
TEST_F(AppTest, AStoredClassBeyondTheLastStartsOnTheLastClass)
{
    createSentenceDb(m_programDir.filePath(QStringLiteral("Formulierungshilfen.rbd")),
                     {sentenceRow("Normalform", "Arbeitsverhalten", "Sorgfalt", 1, 9, 10, 1, "_ arbeitet gut.")});
    writeBytes(m_home.prefsFile(), "LastClass=11\n");
    App application;
    QString shownClass;
    QStringList superCategories;
    // Looks at the window once start-up is over.
    QTimer look;
    look.callOnTimeout([&] {
        SentenceWindow *window = existingInstance<SentenceWindow>();
        if (!window || application.pAppIsStartingUp)
            return;
        look.stop();
        shownClass = window->ClassesPopupMenu->Text();
        for (int row = 0; row < window->SuperCatListBox->ListCount(); ++row)
            superCategories << window->SuperCatListBox->List(row);
        window->close();
    });
    look.start(50);
    EXPECT_EQ(runOpen(application), 0);
    EXPECT_EQ(shownClass, QStringLiteral("10"));
    EXPECT_EQ(superCategories, QStringList{QStringLiteral("Normalform")});
    EXPECT_TRUE(readBytes(m_home.prefsFile()).contains("\nLastClass=10\n"));
}
