// Start-up as the program runs it (App::Open in the event loop), the message
// dialogs' buttons and Qt's own dialogs in German.
#include "app/App.h"
#include "app/MessageDialogs.h"
#include "app/QtGerman.h"
#include "framework/Controls.h"
#include "framework/Database.h"
#include "framework/Folders.h"
#include "framework/ImplicitInstance.h"
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"
#include "support/UrlRecorder.h"
#include "windows/sentence/SentenceWindow.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
class StartupTest : public ::testing::Test
{
protected:
    void SetUp() override { setProgramFolder(m_programDir.path()); }
    void TearDown() override
    {
        delete existingInstance<SentenceWindow>();
        setProgramFolder(QString());
    }
    // Runs App::Open inside the event loop; the exit code when the program quits.
    int runOpen(App &application)
    {
        QTimer::singleShot(0, &application, &App::Open);
        QTimer::singleShot(3000, [] { if (auto *w = existingInstance<SentenceWindow>()) w->close(); });
        return QApplication::exec();
    }
    TempConfigHome m_home;
    QTemporaryDir m_programDir;
};
} // namespace

TEST_F(StartupTest, WithoutDatabaseTheGermanChooserThenTheMessageEndTheProgram)
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

TEST_F(StartupTest, WithoutStandardPhrasesTheStandardPageSaysSo)
{
    const QString path = m_programDir.filePath(QStringLiteral("Formulierungshilfen.rbd"));
    createSentenceDb(path, {sentenceRow("Normalform", "A", "B")});
    {
        Database db;
        db.setDatabaseFile(path);
        ASSERT_TRUE(db.Connect());
        db.SQLExecute(QStringLiteral("DELETE FROM Standardsaetze"));
        db.Commit();
    }
    App application;
    application.pFirstLaunch = false;
    QFile prefs(m_home.prefsFile());
    ASSERT_TRUE(prefs.open(QIODevice::WriteOnly));
    prefs.write("LastClass=4\n");
    prefs.close();
    ModalScript script;
    EXPECT_EQ(runOpen(application), 0);
    EXPECT_EQ(script.seen, QStringList{QStringLiteral("Runtime ERROR: FillStdSentenceListBox")});
}

TEST(MessageDialogs, OKUnlessACaptionIsGivenAndTheLinkLeavesItOpen)
{
    TempConfigHome home;
    App application;
    UrlRecorder browser;
    const struct
    {
        const char *caption, *shown;
    } cases[] = {{"", "OK"}, {"Weiter", "Weiter"}};
    for (const auto &c : cases) {
        QString button;
        bool openAfterLink = false;
        whenModalOf<OKDialog>([&](OKDialog *d) {
            button = d->OKButton->text();
            d->BevelButton1->click();
            openAfterLink = d->isVisible();
            d->OKButton->click();
        });
        application.ShowOKDialog(QStringLiteral("Kopf"), QStringLiteral("Text"), QString::fromUtf8(c.caption));
        EXPECT_EQ(button, QString::fromUtf8(c.shown));
        EXPECT_TRUE(openAfterLink);
    }
    EXPECT_EQ(browser.urls.size(), 2);
}
