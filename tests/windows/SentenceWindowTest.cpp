// The main window: its controls and layout, opening on the stored class,
// the category cascade down to the sentence list, the class change, and the
// transfer text formed from the list.
#include "WindowTestSupport.h"
#include "support/GuiTestSupport.h"

#include "app/App.h"
#include "app/Menu.h"
#include "framework/Controls.h"
#include "framework/Folders.h"
#include "prefs/PreferencesClass.h"
#include "print/PrintSentencesWindow.h"
#include "windows/sentence/ExtendedEditField.h"
#include "windows/sentence/SentenceWindow.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Two super-categories; "Sozialverhalten" exists for classes 5 and 6 only.
std::vector<SentenceRow> sampleRows()
{
    return {
        sentenceRow("Arbeitsverhalten", "Lernbereitschaft", "Interesse", 1, 1, 10, 1,
                    "#Er/Sie# zeigt großes Interesse.\r_ arbeitet gern mit.\r#Er/Sie# fragt nach.",
                    "Du zeigst großes Interesse."),
        sentenceRow("Arbeitsverhalten", "Lernbereitschaft", "Interesse", 2, 1, 10, 2, "_ zeigt Interesse."),
        sentenceRow("Arbeitsverhalten", "Lernbereitschaft", "Ausdauer", 1, 1, 10, 3, "_ arbeitet ausdauernd."),
        sentenceRow("Arbeitsverhalten", "Sorgfalt", "Heftführung", 1, 1, 10, 4, "_s Hefte sind sauber."),
        sentenceRow("Sozialverhalten", "Hilfsbereitschaft", "Mitschüler", 1, 5, 6, 5, "_ hilft gern."),
    };
}

QStringList rowsOf(const Listbox *list)
{
    QStringList rows;
    for (int r = 0; r < list->ListCount(); ++r)
        rows << list->List(r);
    return rows;
}

QStringList rowsOf(const PopupMenu *menu)
{
    QStringList rows;
    for (int r = 0; r < menu->ListCount(); ++r)
        rows << menu->List(r);
    return rows;
}

QStringList plus5Empty(QStringList rows)
{
    for (int i = 0; i < 5; ++i)
        rows << QString();
    return rows;
}

class SentenceWindowTest : public ::testing::Test
{
protected:
    WindowFixture fixture;
};

TEST_F(SentenceWindowTest, HasEveryControlWithItsTextsAndOnlyTheCurrentPageVisible)
{
    SentenceWindow *w = fixture.open(sampleRows());
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Velmora - Satzbausteine"));
    const char *names[] = {"TabPanel1", "SuperCatListBox", "PrenameEditField", "MainCatListBox", "StaticText1",
                           "SubCatListBox", "SexPopupMenu", "SubCatSectionListBox", "StaticText3", "StaticText4",
                           "SentenceListBox", "StaticText2", "CatNoEditField", "SubNoEditField",
                           "SentenceEditField", "CategoriesPopupMenu", "NumListEditField", "CatSectionPopupMenu",
                           "Line1", "StaticText5", "StaticText6", "StaticText7", "OrientingListBox", "StaticText8",
                           "TargetProcNameField", "ClassesPopupMenu", "LockBevelButton", "TransferNumListButton",
                           "SentenceFromListField", "StaticText9", "StdCategoriesPopupMenu",
                           "StandardSentencesListBox", "StandardAppendicesListBox", "ActionsButton",
                           "LittleArrows1", "StaticText10", "StaticText11", "CompleteStdSentenceEditField"};
    EXPECT_EQ(std::size(names), 38u);
    for (const char *name : names)
        EXPECT_NE(w->findChild<QWidget *>(QString::fromUtf8(name)), nullptr) << name;

    QStringList pages;
    for (int i = 0; i < w->TabPanel1->count(); ++i)
        pages << w->TabPanel1->tabText(i);
    EXPECT_EQ(pages, (QStringList{QStringLiteral("Satzliste"), QStringLiteral("Nummerneingabe"),
                                  QStringLiteral("Nummernliste"), QStringLiteral("Orientierungsentwurf"),
                                  QStringLiteral("Standardisierte Form")}));
    EXPECT_EQ(w->TabPanel1->currentIndex(), 0);
    EXPECT_EQ(rowsOf(w->SexPopupMenu), (QStringList{QStringLiteral("m"), QStringLiteral("w")}));
    EXPECT_EQ(rowsOf(w->ClassesPopupMenu).size(), 10);
    EXPECT_EQ(rowsOf(w->CatSectionPopupMenu).join(QString()), QStringLiteral("12345"));
    EXPECT_EQ(w->NumListEditField->Text(), QStringLiteral(" "));
    EXPECT_EQ(w->TransferNumListButton->text(), QStringLiteral("Übernehmen"));
    EXPECT_EQ(w->OrientingListBox->headerItem()->text(4), QStringLiteral("bis"));

    // The legacy controls exist but are never shown.
    EXPECT_FALSE(w->CategoriesPopupMenu->isVisible());
    EXPECT_FALSE(w->CatSectionPopupMenu->isVisible());
    EXPECT_FALSE(w->StaticText5->isVisible());

    EXPECT_TRUE(w->SentenceListBox->isVisible());
    EXPECT_FALSE(w->SentenceEditField->isVisible());
    w->TabPanel1->setCurrentIndex(1);
    EXPECT_FALSE(w->SentenceListBox->isVisible());
    EXPECT_TRUE(w->SentenceEditField->isVisible());
    EXPECT_TRUE(w->LittleArrows1->isVisible());
    EXPECT_FALSE(w->CategoriesPopupMenu->isVisible());
    w->TabPanel1->setCurrentIndex(4);
    EXPECT_TRUE(w->CompleteStdSentenceEditField->isVisible());
    EXPECT_TRUE(w->CompleteStdSentenceEditField->isReadOnly());
    EXPECT_TRUE(w->PrenameEditField->isVisible());
}

TEST_F(SentenceWindowTest, ResizedToItsMinimumKeepsTheBarsAtTheirEdges)
{
    SentenceWindow *w = fixture.open(sampleRows());
    QWidget *content = w->centralWidget();
    ASSERT_EQ(content->size(), QSize(515, 322));
    const QRect prename = w->PrenameEditField->geometry();
    const QRect actions = w->ActionsButton->geometry();
    const QRect transfer = w->TransferNumListButton->geometry();
    const QRect lock = w->LockBevelButton->geometry();
    const QRect panel = w->TabPanel1->geometry();
    const QRect sentences = w->SentenceListBox->geometry();
    const QRect subCats = w->SubCatListBox->geometry();

    w->resize(w->minimumSizeHint().boundedTo(QSize(1, 1)));
    QApplication::processEvents();
    ASSERT_EQ(content->size(), QSize(500, 226));
    const int dw = -15;
    const int dh = -96;
    EXPECT_EQ(w->PrenameEditField->geometry(), prename);
    EXPECT_EQ(w->ActionsButton->geometry(), actions.translated(dw, 0));
    EXPECT_EQ(w->TransferNumListButton->geometry(), transfer.translated(0, dh));
    EXPECT_EQ(w->LockBevelButton->geometry(), lock.translated(dw, dh));
    EXPECT_EQ(content->height() - w->LockBevelButton->geometry().bottom(), 322 - lock.bottom());
    EXPECT_EQ(w->TabPanel1->geometry(), panel.adjusted(0, 0, dw, dh));
    EXPECT_EQ(w->SubCatListBox->geometry(), subCats.adjusted(0, 0, dw, 0));
    EXPECT_EQ(w->SentenceListBox->width(), sentences.width() + dw);
    EXPECT_LT(w->SentenceListBox->height(), sentences.height());

    // And back: everything returns to its place.
    w->resize(w->width() + 15, w->height() + 96);
    QApplication::processEvents();
    EXPECT_EQ(content->size(), QSize(515, 322));
    EXPECT_EQ(w->LockBevelButton->geometry(), lock);
    EXPECT_EQ(w->SentenceListBox->geometry(), sentences);
}

TEST_F(SentenceWindowTest, OpeningRunsTheCascadeDownToTheSentenceListOfTheStoredClass)
{
    SentenceWindow *w = fixture.open(sampleRows(), 2);
    EXPECT_EQ(w->getClass(), QStringLiteral("2"));
    EXPECT_EQ(rowsOf(w->SuperCatListBox), QStringList{QStringLiteral("Arbeitsverhalten")});
    EXPECT_EQ(rowsOf(w->MainCatListBox),
              (QStringList{QStringLiteral("Lernbereitschaft"), QStringLiteral("Sorgfalt")}));
    EXPECT_EQ(rowsOf(w->SubCatListBox), (QStringList{QStringLiteral("Interesse"), QStringLiteral("Ausdauer")}));
    EXPECT_EQ(rowsOf(w->SubCatSectionListBox), (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    for (const Listbox *list : {w->SuperCatListBox, w->MainCatListBox, w->SubCatListBox, w->SubCatSectionListBox})
        EXPECT_EQ(list->ListIndex(), 0);
    EXPECT_EQ(w->getCurrSection(), QStringLiteral("1"));
    // The legacy pop-up holds every criterion of the class.
    EXPECT_EQ(w->CategoriesPopupMenu->ListCount(), 3);
    EXPECT_EQ(w->getCategory(), QStringLiteral("Lernbereitschaft : Interesse"));
    EXPECT_EQ(w->getSection(), QStringLiteral("1"));
    EXPECT_TRUE(w->pOrientingListBoxNeedsUpdate || w->TabPanel1->currentIndex() == 3);

    if (!storeReadsSentences())
        GTEST_SKIP() << "the store does not read sentence lists yet";
    EXPECT_EQ(rowsOf(w->SentenceListBox),
              plus5Empty({QStringLiteral("#Er/Sie# zeigt großes Interesse."), QStringLiteral("_ arbeitet gern mit."),
                          QStringLiteral("#Er/Sie# fragt nach.")}));
    EXPECT_EQ(w->SentenceListBox->ListIndex(), -1);
    EXPECT_EQ(w->pCurrCategory, QStringLiteral("Lernbereitschaft : Interesse"));
    EXPECT_EQ(w->pCurrCatSection, QStringLiteral("1"));
    EXPECT_EQ(w->pCurrClass, 2);
    EXPECT_FALSE(w->pCurrUseDu);

    // Choosing another criterion runs the rest of the cascade again.
    w->MainCatListBox->setListIndex(1);
    EXPECT_EQ(rowsOf(w->SubCatListBox), QStringList{QStringLiteral("Heftführung")});
    EXPECT_EQ(rowsOf(w->SubCatSectionListBox), QStringList{QStringLiteral("1")});
    EXPECT_EQ(rowsOf(w->SentenceListBox), plus5Empty({QStringLiteral("_s Hefte sind sauber.")}));
    EXPECT_EQ(w->pCurrCategory, QStringLiteral("Sorgfalt : Heftführung"));

    // Selecting the row already selected runs the cascade too.
    w->SentenceListBox->setListIndex(0);
    w->SubCatSectionListBox->setListIndex(0);
    EXPECT_EQ(w->SentenceListBox->ListIndex(), -1);
}

TEST_F(SentenceWindowTest, ClassChangeReloadsEveryLevelAndIsStoredInThePreferences)
{
    SentenceWindow *w = fixture.open(sampleRows(), 1);
    EXPECT_EQ(rowsOf(w->SuperCatListBox), QStringList{QStringLiteral("Arbeitsverhalten")});
    w->TabPanel1->setCurrentIndex(2);
    w->pOrientingListBoxNeedsUpdate = false;

    w->ClassesPopupMenu->setListIndex(4);
    EXPECT_EQ(fixture.application().pPrefs->GetLastClass(), 5);
    EXPECT_EQ(rowsOf(w->SuperCatListBox),
              (QStringList{QStringLiteral("Arbeitsverhalten"), QStringLiteral("Sozialverhalten")}));
    EXPECT_EQ(w->CategoriesPopupMenu->ListCount(), 4);
    // The orienting list waits for its page.
    EXPECT_TRUE(w->pOrientingListBoxNeedsUpdate);

    w->SuperCatListBox->setListIndex(1);
    EXPECT_EQ(rowsOf(w->MainCatListBox), QStringList{QStringLiteral("Hilfsbereitschaft")});
    EXPECT_EQ(rowsOf(w->SubCatListBox), QStringList{QStringLiteral("Mitschüler")});
    if (storeReadsSentences()) {
        EXPECT_EQ(rowsOf(w->SentenceListBox), plus5Empty({QStringLiteral("_ hilft gern.")}));
        EXPECT_EQ(w->pCurrClass, 5);
    }

    // Back to class 1: the class-5 category is gone from every level.
    w->ClassesPopupMenu->setListIndex(0);
    EXPECT_EQ(rowsOf(w->SuperCatListBox), QStringList{QStringLiteral("Arbeitsverhalten")});
    EXPECT_EQ(w->getCurrMainCategory(), QStringLiteral("Lernbereitschaft"));
    EXPECT_EQ(w->CategoriesPopupMenu->ListCount(), 3);

    // The stored class is what the next start selects.
    w->ClassesPopupMenu->setListIndex(6);
    fixture.application().Close();
    bool existed = false;
    const PreferencesClass stored = readPreferencesFile(preferencesFolder(), &existed);
    EXPECT_TRUE(existed);
    EXPECT_EQ(stored.GetLastClass(), 7);
}

TEST_F(SentenceWindowTest, SampleDatabaseFillsEveryLevelForEveryClass)
{
    const QString sample = sampleDatabase();
    if (sample.isEmpty())
        GTEST_SKIP() << "the build made no sample database";
    SentenceWindow *w = fixture.openExisting(sample, 1);
    ASSERT_NE(w, nullptr);
    int classesWithSentences = 0;
    for (int row = 0; row < 10; ++row) {
        w->ClassesPopupMenu->setListIndex(row);
        EXPECT_EQ(fixture.application().pPrefs->GetLastClass(), row + 1);
        if (w->SuperCatListBox->ListCount() == 0)
            continue;
        // Every level of the cascade holds rows and its first row is chosen.
        for (const Listbox *list : {w->SuperCatListBox, w->MainCatListBox, w->SubCatListBox, w->SubCatSectionListBox}) {
            EXPECT_GT(list->ListCount(), 0) << "class " << row + 1;
            EXPECT_EQ(list->ListIndex(), 0) << "class " << row + 1;
        }
        EXPECT_GT(w->CategoriesPopupMenu->ListCount(), 0);
        if (storeReadsSentences() && w->SentenceListBox->ListCount() > 5) {
            ++classesWithSentences;
            EXPECT_EQ(w->pCurrClass, row + 1);
            EXPECT_EQ(w->pCurrCatSection, w->getCurrSection());
            EXPECT_EQ(w->pCurrCategory, w->getCurrMainCategory() + QStringLiteral(" : ") + w->getCurrSubCategory());
        }
    }
    if (storeReadsSentences()) {
        EXPECT_GT(classesWithSentences, 0);
    }
}

TEST_F(SentenceWindowTest, ClassChangeWithTheOrientingPageInFrontRebuildsItAtOnce)
{
    SentenceWindow *w = fixture.open(sampleRows(), 1);
    w->TabPanel1->setCurrentIndex(3);
    EXPECT_FALSE(w->pOrientingListBoxNeedsUpdate);
    w->pOrientingListBoxNeedsUpdate = true;
    w->ClassesPopupMenu->setListIndex(2);
    EXPECT_FALSE(w->pOrientingListBoxNeedsUpdate);
}

TEST_F(SentenceWindowTest, DuringStartUpAClassChangeLoadsNothing)
{
    SentenceWindow *w = fixture.open(sampleRows(), 1);
    fixture.application().pIsStartingUp = true;
    w->ClassesPopupMenu->setListIndex(4);
    fixture.application().pIsStartingUp = false;
    EXPECT_EQ(fixture.application().pPrefs->GetLastClass(), 1);
    EXPECT_EQ(w->SuperCatListBox->ListCount(), 1);
}

TEST_F(SentenceWindowTest, AStoredClassBelowOneOpensOnClassOne)
{
    SentenceWindow *w = fixture.open(sampleRows(), 0);
    EXPECT_EQ(w->getClass(), QStringLiteral("1"));
    EXPECT_EQ(rowsOf(w->SuperCatListBox), QStringList{QStringLiteral("Arbeitsverhalten")});
    EXPECT_EQ(fixture.application().pPrefs->GetLastClass(), 1);
}

TEST_F(SentenceWindowTest, AClassWithoutCategoriesLeavesTheListsEmptyWithoutAMessage)
{
    std::vector<SentenceRow> rows = {sentenceRow("A", "B", "C", 1, 9, 10, 1, "x")};
    bool messageShown = false;
    whenModal([&messageShown](QWidget *modal) {
        messageShown = true;
        cancelDialog(modal);
    }, 300);
    SentenceWindow *w = fixture.open(rows, 3);
    QTest::qWait(400);
    EXPECT_FALSE(messageShown);
    EXPECT_EQ(w->SuperCatListBox->ListCount(), 0);
    EXPECT_EQ(w->CategoriesPopupMenu->ListCount(), 0);
    EXPECT_EQ(w->SentenceListBox->ListCount(), 0);
}

TEST_F(SentenceWindowTest, LegacyFillWithoutACategoryReportsBothIndexes)
{
    SentenceWindow *w = fixture.open(sampleRows());
    w->CategoriesPopupMenu->DeleteAllRows();
    QString shown;
    whenModal([&shown](QWidget *modal) {
        shown = dialogText(modal);
        cancelDialog(modal);
    });
    w->FillSentenceListBox();
    EXPECT_EQ(shown, QStringLiteral("Runtime ERROR: FillSentenceListBox\ntheCatSectionIndex: 0\n"
                                    "theCategoriesIndex: -1"));
}

TEST_F(SentenceWindowTest, DuFormShowsTheNoticeForASectionWithoutDuSentences)
{
    if (!storeReadsSentences())
        GTEST_SKIP() << "the store does not read sentence lists yet";
    SentenceWindow *w = fixture.open(sampleRows(), 1, true);
    // Interesse, section 1 has a Du sentence.
    EXPECT_EQ(rowsOf(w->SentenceListBox), plus5Empty({QStringLiteral("Du zeigst großes Interesse.")}));
    EXPECT_TRUE(w->pCurrUseDu);
    w->SubCatSectionListBox->setListIndex(1);
    EXPECT_EQ(rowsOf(w->SentenceListBox), plus5Empty({sentenceListDuFormNotice()}));
    EXPECT_TRUE(sentenceListDuFormNotice().startsWith(QStringLiteral("*** Keine Formulierungen zu diesem Kriterium")));
    // Selecting the notice makes it the transfer text like a sentence.
    w->SentenceListBox->setListIndex(0);
    EXPECT_EQ(w->SentenceFromListField->Text(), sentenceListDuFormNotice());
}

TEST_F(SentenceWindowTest, WithoutDuFormAnEmptySectionLeavesTheListAsItWas)
{
    if (!storeReadsSentences())
        GTEST_SKIP() << "the store does not read sentence lists yet";
    std::vector<SentenceRow> rows = sampleRows();
    rows.push_back(sentenceRow("Arbeitsverhalten", "Lernbereitschaft", "Interesse", 3, 1, 10, 6, ""));
    SentenceWindow *w = fixture.open(rows, 1);
    const QStringList before = rowsOf(w->SentenceListBox);
    w->SubCatSectionListBox->setListIndex(2);
    EXPECT_EQ(w->getCurrSection(), QStringLiteral("3"));
    EXPECT_EQ(rowsOf(w->SentenceListBox), before);
    EXPECT_EQ(w->pCurrCatSection, QStringLiteral("3"));
}

TEST_F(SentenceWindowTest, SelectingASentenceSetsTheTransferTextAndAltCollectsSentences)
{
    SentenceWindow *w = fixture.open(sampleRows());
    w->InitSentenceList(QStringLiteral("Satz eins.\nSatz zwei.\nSatz drei."));
    ASSERT_EQ(w->SentenceListBox->ListCount(), 8);
    EXPECT_EQ(w->SentenceListBox->ListIndex(), -1);
    w->SentenceFromListField->setText(QStringLiteral("unverändert"));
    // Nothing selected: the transfer text stays.
    w->SentenceListBox->setListIndex(-1);
    EXPECT_EQ(w->SentenceFromListField->Text(), QStringLiteral("unverändert"));
    w->SentenceListBox->setListIndex(0);
    EXPECT_EQ(w->SentenceFromListField->Text(), QStringLiteral("Satz eins."));
    w->SentenceListBox->setListIndex(1);
    EXPECT_EQ(w->SentenceFromListField->Text(), QStringLiteral("Satz zwei."));
    {
        AltKeyHeld alt;
        ASSERT_TRUE(QGuiApplication::queryKeyboardModifiers().testFlag(Qt::AltModifier));
        w->SentenceListBox->setListIndex(2);
        EXPECT_EQ(w->SentenceFromListField->Text(), QStringLiteral("Satz zwei. Satz drei."));
        // The row already selected, selected again, is collected again.
        w->SentenceListBox->setListIndex(2);
        EXPECT_EQ(w->SentenceFromListField->Text(), QStringLiteral("Satz zwei. Satz drei. Satz drei."));
        // An empty row appends a single blank.
        w->SentenceListBox->setListIndex(4);
        EXPECT_EQ(w->SentenceFromListField->Text(), QStringLiteral("Satz zwei. Satz drei. Satz drei. "));
    }
    ASSERT_FALSE(QGuiApplication::queryKeyboardModifiers().testFlag(Qt::AltModifier));
    w->SentenceListBox->setListIndex(5);
    EXPECT_EQ(w->SentenceFromListField->Text(), QString());
    // A refill leaves the transfer text alone and selects no row.
    w->SentenceListBox->setListIndex(0);
    w->SentenceFromListField->setText(QStringLiteral("getippt"));
    w->InitSentenceList(QStringLiteral("Neu."));
    EXPECT_EQ(w->SentenceListBox->ListIndex(), -1);
    EXPECT_EQ(w->SentenceListBox->ListCount(), 6);
    EXPECT_EQ(w->SentenceFromListField->Text(), QStringLiteral("getippt"));
    // An empty text changes nothing at all.
    w->SentenceListBox->setListIndex(0);
    w->InitSentenceList(QString());
    EXPECT_EQ(w->SentenceListBox->ListIndex(), 0);
    EXPECT_EQ(w->SentenceListBox->ListCount(), 6);
}

TEST_F(SentenceWindowTest, FirstNameAndGenderChangesFormTheTransferTextAgain)
{
    if (!formingFillsNames())
        GTEST_SKIP() << "sentence forming is not built yet";
    SentenceWindow *w = fixture.open(sampleRows());
    w->InitSentenceList(QStringLiteral("#Er/Sie# zeigt großes Interesse.\n_ arbeitet gern mit."));
    w->SentenceListBox->setListIndex(1);
    EXPECT_EQ(w->SentenceFromListField->Text(), QStringLiteral("_ arbeitet gern mit."));
    w->PrenameEditField->setFocus();
    QTest::keyClicks(w->PrenameEditField, QStringLiteral("Anna"));
    EXPECT_EQ(w->getName(), QStringLiteral("Anna"));
    EXPECT_EQ(w->SentenceFromListField->Text(), QStringLiteral("Anna arbeitet gern mit."));

    w->SentenceListBox->setListIndex(0);
    EXPECT_EQ(w->SentenceFromListField->Text(), QStringLiteral("Er zeigt großes Interesse."));
    w->SexPopupMenu->setListIndex(1);
    EXPECT_EQ(w->getSex(), QStringLiteral("w"));
    EXPECT_EQ(w->SentenceFromListField->Text(), QStringLiteral("Sie zeigt großes Interesse."));

    // The genitive of a name ending in s.
    w->InitSentenceList(QStringLiteral("_s Hefte sind sauber."));
    w->SentenceListBox->setListIndex(0);
    w->PrenameEditField->setText(QStringLiteral("Jonas"));
    EXPECT_EQ(w->SentenceFromListField->Text(), QStringLiteral("Jonas' Hefte sind sauber."));

    // With Alt held every keystroke appends the sentence formed anew.
    w->PrenameEditField->setText(QString());
    EXPECT_EQ(w->SentenceFromListField->Text(), QStringLiteral("_s Hefte sind sauber."));
    {
        AltKeyHeld alt;
        QTest::keyClicks(w->PrenameEditField, QStringLiteral("Li"), Qt::AltModifier);
    }
    EXPECT_EQ(w->SentenceFromListField->Text(),
              QStringLiteral("_s Hefte sind sauber. Ls Hefte sind sauber. Lis Hefte sind sauber."));
}

TEST_F(SentenceWindowTest, GenderChangeDuringStartUpLeavesTheTransferText)
{
    SentenceWindow *w = fixture.open(sampleRows());
    w->InitSentenceList(QStringLiteral("Satz."));
    w->SentenceListBox->setListIndex(0);
    w->SentenceFromListField->setText(QStringLiteral("bleibt"));
    fixture.application().pIsStartingUp = true;
    w->SexPopupMenu->setListIndex(1);
    fixture.application().pIsStartingUp = false;
    EXPECT_EQ(w->SentenceFromListField->Text(), QStringLiteral("bleibt"));
}

TEST_F(SentenceWindowTest, TextFieldsSelectAllThemselvesAndKeepTheirLengthLimits)
{
    SentenceWindow *w = fixture.open(sampleRows());
    w->TabPanel1->setCurrentIndex(1);
    w->SentenceEditField->setText(QStringLiteral("Ein ganzer Satz."));
    w->SentenceEditField->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), w->SentenceEditField);
    app().MenuBar()->updateMenuItems();
    EXPECT_TRUE(app().MenuBar()->Child(QStringLiteral("EditSelectAll"))->isEnabled());
    app().MenuBar()->runCommand(QStringLiteral("EditSelectAll"));
    EXPECT_EQ(w->SentenceEditField->textCursor().selectedText(), QStringLiteral("Ein ganzer Satz."));

    w->CatNoEditField->setFocus();
    QTest::keyClicks(w->CatNoEditField, QStringLiteral("1234"));
    EXPECT_EQ(w->CatNoEditField->Text(), QStringLiteral("123"));
    EXPECT_EQ(w->getCatNo(), 123);
    // Without a sentence number nothing is looked up while the variant is typed.
    w->CatNoEditField->setText(QString());
    w->SubNoEditField->setFocus();
    QTest::keyClicks(w->SubNoEditField, QStringLiteral("456"));
    EXPECT_EQ(w->SubNoEditField->Text(), QStringLiteral("45"));
    // Return makes no second line in a one-line field.
    QTest::keyClick(w->SubNoEditField, Qt::Key_Return);
    EXPECT_EQ(w->SubNoEditField->Text(), QStringLiteral("45"));
}

TEST_F(SentenceWindowTest, TransferMenuItemIsEnabledWhileTheWindowIsInFront)
{
    fixture.open(sampleRows());
    app().MenuBar()->updateMenuItems();
    EXPECT_TRUE(app().MenuBar()->Child(QStringLiteral("TransferMenuItem"))->isEnabled());
    EXPECT_TRUE(app().MenuBar()->hasHandlerNow(QStringLiteral("PrintSentenceListItem")));
}

TEST_F(SentenceWindowTest, PrintCommandShowsThePrintWindowWithTheListsDuForm)
{
    SentenceWindow *w = fixture.open(sampleRows(), 1, true);
    w->pCurrUseDu = true;
    app().MenuBar()->runCommand(QStringLiteral("PrintSentenceListItem"));
    PrintSentencesWindow *print = PrintSentencesWindow::instance();
    EXPECT_TRUE(print->isVisible());
    EXPECT_TRUE(print->pUseDuSentences);
    print->close();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    w->pCurrUseDu = false;
    app().MenuBar()->runCommand(QStringLiteral("PrintSentenceListItem"));
    EXPECT_FALSE(PrintSentencesWindow::instance()->pUseDuSentences);
    delete PrintSentencesWindow::instance();
}

TEST_F(SentenceWindowTest, TargetNameAndBusyNoticeShowInTheBottomBar)
{
    SentenceWindow *w = fixture.open(sampleRows());
    EXPECT_EQ(w->TargetProcNameField->text(), QString());
    w->ShowBusyGettingTargetName();
    EXPECT_EQ(w->TargetProcNameField->text(), QStringLiteral("Zielanwendung wird gesucht...."));
    fixture.application().pPrefs->SetTargetProcessname(QStringLiteral("LibreOffice Writer"));
    w->ShowTargetProcessName();
    EXPECT_EQ(w->TargetProcNameField->text(), QStringLiteral("LibreOffice Writer"));
}

TEST_F(SentenceWindowTest, ListFontGoesToTheSixListControlsOnly)
{
    SentenceWindow *w = fixture.open(sampleRows());
    w->SetListFont(QStringLiteral("System"), 14);
    for (QWidget *c : std::initializer_list<QWidget *>{w->SentenceListBox, w->SentenceFromListField,
                                                       w->SuperCatListBox, w->MainCatListBox, w->SubCatListBox,
                                                       w->SubCatSectionListBox})
        EXPECT_EQ(c->font().pixelSize(), 14) << c->objectName().toStdString();
    EXPECT_NE(w->SentenceEditField->font().pixelSize(), 14);
    EXPECT_NE(w->StandardSentencesListBox->font().pixelSize(), 14);
}

} // namespace
