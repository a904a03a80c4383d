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
#include <QProcess>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {
class PrefsDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setProgramFolder(m_programDir.path());
        createSentenceDb(m_programDir.filePath(QStringLiteral("Formulierungshilfen.rbd")),
                         {sentenceRow("Normalform", "Arbeitsverhalten", "Sorgfalt", 1, 1, 10, 1, "Sie", "Du")});
        m_app = std::make_unique<App>();
        m_app->pVersionInfo = std::make_unique<VersionInfo>();
        ASSERT_TRUE(m_app->OpenSentenceDBwithName(QStringLiteral("Formulierungshilfen.rbd")));
    }
    void TearDown() override
    {
        delete existingInstance<PrefsDialog>();
        delete existingInstance<SentenceWindow>();
        m_app.reset();
        setProgramFolder(QString());
    }

    PrefsDialog *openDialog()
    {
        PrefsDialog *dialog = implicitInstance<PrefsDialog>();
        dialog->show();
        return dialog;
    }

    QString prefsFile() const
    {
        QFile file(m_home.prefsFile());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    TempConfigHome m_home;
    QTemporaryDir m_programDir;
    std::unique_ptr<App> m_app;
};
} // namespace

TEST_F(PrefsDialogTest, SaveWithNothingChangedWritesTheFileAndLocksTheLink)
{
    const SentenceDatabase *before = m_app->pSentenceDB.get();
    PrefsDialog *dialog = openDialog();
    EXPECT_EQ(dialog->SentencesDBNameStaticText->text(), QStringLiteral("Formulierungshilfen.rbd"));
    EXPECT_TRUE(dialog->GenericTransferRadioButton->isChecked());
    EXPECT_FALSE(dialog->CustomTransferRadioButton->isChecked());
    EXPECT_EQ(dialog->FontPopupMenu->Text(), QStringLiteral("System"));
    EXPECT_EQ(dialog->FSizePopupMenu->Text(), QStringLiteral("10"));
    dialog->SaveButton->click();
    EXPECT_TRUE(m_app->pPrefs->GetLinkLocked());
    EXPECT_EQ(m_app->pSentenceDB.get(), before) << "the database is not reopened";
    EXPECT_EQ(existingInstance<PrefsDialog>(), nullptr) << "saving closes the dialog";
    EXPECT_NE(implicitInstance<PrefsDialog>(), dialog) << "the next reference makes a new dialog";
    EXPECT_TRUE(prefsFile().contains(QStringLiteral("ListFontName=System\nListFontSize=10\n")));
}

TEST_F(PrefsDialogTest, FontsAndSizesWithoutARowOpenOnTheFallbackRow)
{
    const QStringList fonts = QFontDatabase::families();
    for (const QString &stored : {QStringLiteral("No Such Font 123"), QStringLiteral("System"),
                                  fonts.isEmpty() ? QStringLiteral("System") : fonts.first()}) {
        m_app->pPrefs->SetListFontName(stored);
        m_app->pPrefs->SetListFontSize(15);
        PrefsDialog *dialog = openDialog();
        EXPECT_EQ(dialog->FontPopupMenu->Text(), QStringLiteral("System")) << stored.toStdString();
        EXPECT_EQ(dialog->FontPopupMenu->ListIndex(), dialog->FontPopupMenu->ListCount() - 1);
        EXPECT_EQ(dialog->FSizePopupMenu->Text(), QStringLiteral("8"));
        dialog->SaveButton->click();
        EXPECT_EQ(m_app->pPrefs->GetListFontName(), QStringLiteral("System"));
        EXPECT_EQ(m_app->pPrefs->GetListFontSize(), 8);
    }
    if (fonts.size() > 1) {
        m_app->pPrefs->SetListFontName(fonts.at(1));
        PrefsDialog *dialog = openDialog();
        EXPECT_EQ(dialog->FontPopupMenu->Text(), fonts.at(1));
        dialog->CancelButton->click();
    }
}

TEST_F(PrefsDialogTest, AnUnknownConnectionTypeLeavesBothOffAndIsKept)
{
    m_app->pPrefs->SetConnectionType(QStringLiteral("Telepathie"));
    PrefsDialog *dialog = openDialog();
    EXPECT_FALSE(dialog->CustomTransferRadioButton->isChecked());
    EXPECT_FALSE(dialog->GenericTransferRadioButton->isChecked());
    dialog->SaveButton->click();
    EXPECT_EQ(m_app->pPrefs->GetConnectionType(), QStringLiteral("Telepathie"));

    dialog = openDialog();
    dialog->CustomTransferRadioButton->click();
    dialog->SaveButton->click();
    EXPECT_EQ(m_app->pPrefs->GetConnectionType(), QStringLiteral("ConectCustom"));
}

TEST_F(PrefsDialogTest, ANewDatabaseIsStoredAndReopened)
{
    const QString other = m_programDir.filePath(QStringLiteral("Zweite.rbd"));
    createSentenceDb(other, {sentenceRow("Kurzform", "Sport", "Fairness")});
    PrefsDialog *dialog = openDialog();
    whenModal([&](QWidget *w) { chooseFileInDialog(w, other); });
    dialog->SelectDBButton->click();
    EXPECT_EQ(dialog->SentencesDBNameStaticText->text(), QStringLiteral("Zweite.rbd"));
    EXPECT_EQ(m_app->pPrefs->GetSentencesDBName(), QStringLiteral("Formulierungshilfen.rbd"))
        << "nothing is stored before saving";
    dialog->SaveButton->click();
    EXPECT_EQ(m_app->pPrefs->GetSentencesDBName(), QStringLiteral("Zweite.rbd"));
    EXPECT_EQ(m_app->GetMainCats(QStringLiteral("1"), QStringLiteral("Kurzform")), QStringLiteral("Sport"));
}

TEST_F(PrefsDialogTest, TheDuFormWarnsWhenCheckedAndAloneReopensTheDatabase)
{
    const SentenceDatabase *before = m_app->pSentenceDB.get();
    PrefsDialog *dialog = openDialog();
    QString header, text;
    whenModal([&](QWidget *w) {
        auto *sheet = qobject_cast<OKSheetDialog *>(w);
        ASSERT_TRUE(sheet);
        header = sheet->HeaderText->text();
        text = sheet->SubText->text();
        sheet->OKButton->click();
    });
    dialog->UseDuCheckBox->click();
    EXPECT_EQ(header, QStringLiteral("ACHTUNG!"));
    EXPECT_EQ(text, QStringLiteral("Sie haben die Verwendung der Formulierungen in \"Du\"-Form gewählt. Bitte beachten "
                                   "Sie, dass diese nur bei den Formulierungen der Kategorie \"Normalform\" zur "
                                   "Verfügung stehen!"));
    bool warnedOnUncheck = false;
    dialog->UseDuCheckBox->click();
    whenModal([&](QWidget *w) { warnedOnUncheck = true; cancelDialog(w); }, 300);
    QTest::qWait(400);
    EXPECT_FALSE(warnedOnUncheck);
    whenModal([](QWidget *w) { static_cast<OKSheetDialog *>(w)->OKButton->click(); });
    dialog->UseDuCheckBox->click();
    dialog->SaveButton->click();
    EXPECT_TRUE(m_app->pPrefs->GetUseDu());
    EXPECT_NE(m_app->pSentenceDB.get(), before) << "the database was reopened";
    EXPECT_TRUE(m_app->pSentenceDB->isConnected());
    EXPECT_TRUE(prefsFile().contains(QStringLiteral("UseDuForm=false")))
        << "the file was written before the Du form changed";
}

TEST_F(PrefsDialogTest, CancelWritesNothingButATargetChosenStaysChosenAndLocked)
{
    // The creator code comes from the shipped scripts beside the program.
    const QString scripts = m_programDir.filePath(QStringLiteral("scripts"));
    ASSERT_EQ(QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"),
                                                       qEnvironmentVariable("VM_BIN_DIR") + QStringLiteral("/scripts"),
                                                       scripts}),
              0);
    const QString entry = m_programDir.filePath(QStringLiteral("writer.desktop"));
    QFile file(entry);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Desktop Entry]\nType=Application\nName=Schreiben\nExec=soffice --writer %U\n"
               "StartupWMClass=libreoffice-writer\n");
    file.close();

    PrefsDialog *dialog = openDialog();
    whenModal([&](QWidget *w) { chooseFileInDialog(w, entry); });
    dialog->SelectTargetButton->click();
    EXPECT_EQ(dialog->TargetProcessName->text(), QStringLiteral("libreoffice-writer"));
    EXPECT_TRUE(dialog->pLinkLocked);
    // The other changes are dropped with the cancel: no database, no size, no file.
    const QString sameDb = m_programDir.filePath(QStringLiteral("Formulierungshilfen.rbd"));
    whenModal([&](QWidget *w) { chooseFileInDialog(w, sameDb); });
    dialog->SelectDBButton->click();
    dialog->FSizePopupMenu->setListIndex(5);
    dialog->CancelButton->click();
    EXPECT_EQ(m_app->pPrefs->GetListFontSize(), 10);
    EXPECT_FALSE(QFile::exists(m_home.prefsFile()) && !prefsFile().isEmpty());
    EXPECT_EQ(m_app->pPrefs->GetTargetProcessName(), QStringLiteral("libreoffice-writer"));
    EXPECT_EQ(m_app->pPrefs->GetTargetProcessCreator(), QStringLiteral("MSWD"));
    EXPECT_TRUE(m_app->pPrefs->GetLinkLocked());
}
