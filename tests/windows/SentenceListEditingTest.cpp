// Editing the sentence list: the mode and its marks, and the round trip of
// an edited list through the database.
#include "WindowTestSupport.h"

#include "app/App.h"
#include "framework/Database.h"
#include "framework/Controls.h"
#include "windows/sentence/ExtendedEditField.h"
#include "windows/sentence/SentenceWindow.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

std::vector<SentenceRow> editRows()
{
    return {sentenceRow("Arbeitsverhalten", "Lernbereitschaft", "Interesse", 1, 1, 10, 1, "P\rQ\rR"),
            sentenceRow("Arbeitsverhalten", "Lernbereitschaft", "Interesse", 2, 1, 10, 2, "Zwei")};
}

QString markedRow(SentenceWindow *w)
{
    for (QAction *a : w->ActionsMenu->actions())
        if (a->isChecked())
            return a->text();
    return {};
}

QStringList menuRows(SentenceWindow *w)
{
    QStringList rows;
    for (QAction *a : w->ActionsMenu->actions())
        rows << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return rows;
}

// Opens the editor of row, types text over it (or appends) and finishes with Return.
void editRow(SentenceWindow *w, int row, const QString &text, bool replace = true)
{
    Listbox *list = w->SentenceListBox;
    list->setFocus();
    list->setListIndex(row);
    list->editItem(list->topLevelItem(row), 0);
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    if (replace) {
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Delete);
    }
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
}

class SentenceListEditingTest : public ::testing::Test
{
protected:
    WindowFixture fixture;
};

TEST_F(SentenceListEditingTest, ActionsMenuSwitchesTheModeAndMarksIt)
{
    SentenceWindow *w = fixture.open(editRows());
    EXPECT_EQ(menuRows(w), (QStringList{QStringLiteral("Liste änderbar"), QStringLiteral("Liste nicht änderbar"),
                                        QStringLiteral("-"), QStringLiteral("Voreinstellungen...")}));
    EXPECT_EQ(markedRow(w), QStringLiteral("Liste nicht änderbar"));
    EXPECT_FALSE(w->IsSentenceListEditable());

    w->TabPanel1->setCurrentIndex(2);
    w->ActionsButton_Action(QStringLiteral("Liste änderbar"));
    EXPECT_TRUE(w->IsSentenceListEditable());
    EXPECT_EQ(w->SentenceListBox->ColumnType(0), Listbox::TypeEditable);
    EXPECT_EQ(w->TabPanel1->currentIndex(), 0);
    EXPECT_FALSE(w->ClassesPopupMenu->isEnabled());
    EXPECT_FALSE(w->CategoriesPopupMenu->isEnabled());
    EXPECT_FALSE(w->CatSectionPopupMenu->isEnabled());
    EXPECT_EQ(markedRow(w), QStringLiteral("Liste änderbar"));

    w->ActionsButton_Action(QStringLiteral("Liste nicht änderbar"));
    EXPECT_FALSE(w->IsSentenceListEditable());
    EXPECT_EQ(w->SentenceListBox->ColumnType(0), Listbox::TypeNormal);
    EXPECT_TRUE(w->ClassesPopupMenu->isEnabled());
    EXPECT_EQ(markedRow(w), QStringLiteral("Liste nicht änderbar"));
    EXPECT_EQ(QApplication::focusWidget(), nullptr);

    // The separator and unknown texts do nothing.
    w->ActionsButton_Action(QString());
    EXPECT_FALSE(w->IsSentenceListEditable());

    // Leaving the page or choosing another category ends the mode.
    w->ActionsButton_Action(QStringLiteral("Liste änderbar"));
    w->TabPanel1->setCurrentIndex(1);
    EXPECT_FALSE(w->IsSentenceListEditable());
    w->ActionsButton_Action(QStringLiteral("Liste änderbar"));
    w->SubCatSectionListBox->setListIndex(1);
    EXPECT_FALSE(w->IsSentenceListEditable());
    EXPECT_EQ(markedRow(w), QStringLiteral("Liste nicht änderbar"));
}

TEST_F(SentenceListEditingTest, ListTextLeavesOutTheTrailingEmptyRows)
{
    SentenceWindow *w = fixture.open(editRows());
    w->InitSentenceList(QStringLiteral("P\n\nR"));
    EXPECT_EQ(w->SentenceListBox->ListCount(), 8);
    EXPECT_EQ(w->GetSentenceListBoxText(), QStringLiteral("P\n\nR"));
    for (int r = 0; r < w->SentenceListBox->ListCount(); ++r)
        w->SentenceListBox->setCell(r, 0, QString());
    EXPECT_EQ(w->GetSentenceListBoxText(), QString());
    w->SentenceListBox->DeleteAllRows();
    EXPECT_EQ(w->GetSentenceListBoxText(), QString());
}

TEST_F(SentenceListEditingTest, DoubleClickTransfersNothingWhileEditing)
{
    SentenceWindow *w = fixture.open(editRows());
    w->ActionsButton_Action(QStringLiteral("Liste änderbar"));
    w->InitSentenceList(QStringLiteral("P"));
    w->SentenceListBox->setListIndex(0);
    // In editing mode the double-click opens the cell editor instead.
    w->SentenceListBox_DoubleClick();
    EXPECT_TRUE(w->IsSentenceListEditable());
}

TEST_F(SentenceListEditingTest, FinishedEditOfAChangedCellSavesTheWholeList)
{
    if (!storeReadsSentences())
        GTEST_SKIP() << "the store does not read or write sentence lists yet";
    SentenceWindow *w = fixture.open(editRows());
    ASSERT_EQ(w->SentenceListBox->ListCount(), 8);
    w->ActionsButton_Action(QStringLiteral("Liste änderbar"));

    editRow(w, 1, QStringLiteral("Annas Heft ist's wert"));
    EXPECT_FALSE(w->pHasDirtyCell);
    EXPECT_EQ(w->SentenceListBox->List(1), QStringLiteral("Annas Heft ist's wert"));
    const QString stored = fixture.storedColumn(QStringLiteral("Sentences"), QStringLiteral("Lernbereitschaft"),
                                                QStringLiteral("Interesse"), 1);
    EXPECT_EQ(QString(stored).replace(u'\r', u'\n'), QStringLiteral("P\nAnnas Heft ist's wert\nR"));
    // The other section is untouched.
    EXPECT_EQ(fixture.storedColumn(QStringLiteral("Sentences"), QStringLiteral("Lernbereitschaft"),
                                   QStringLiteral("Interesse"), 2),
              QStringLiteral("Zwei"));
    // The list is not reloaded; still editable.
    EXPECT_TRUE(w->IsSentenceListEditable());

    // A new variant typed into the second empty row keeps the empty row before it.
    editRow(w, 4, QStringLiteral("Neu"));
    EXPECT_EQ(fixture.storedColumn(QStringLiteral("Sentences"), QStringLiteral("Lernbereitschaft"),
                                   QStringLiteral("Interesse"), 1)
                  .replace(u'\r', u'\n'),
              QStringLiteral("P\nAnnas Heft ist's wert\nR\n\nNeu"));

    // Read back through a fresh start of the window: the apostrophe survived.
    w->ActionsButton_Action(QStringLiteral("Liste nicht änderbar"));
    w->SubCatSectionListBox->setListIndex(1);
    w->SubCatSectionListBox->setListIndex(0);
    EXPECT_EQ(w->SentenceListBox->List(1), QStringLiteral("Annas Heft ist's wert"));
    EXPECT_EQ(w->SentenceListBox->List(4), QStringLiteral("Neu"));
}

TEST_F(SentenceListEditingTest, FinishingAnEditWithoutAChangeWritesNothing)
{
    if (!storeReadsSentences())
        GTEST_SKIP() << "the store does not read or write sentence lists yet";
    SentenceWindow *w = fixture.open(editRows());
    w->ActionsButton_Action(QStringLiteral("Liste änderbar"));
    // Someone else changes the section; an unchanged edit must not write the old list back.
    {
        Database db;
        db.setDatabaseFile(fixture.dbPath());
        ASSERT_TRUE(db.Connect());
        db.SQLExecute(QStringLiteral("UPDATE Saetze SET Sentences = 'anders' WHERE Note = 1"));
    }
    editRow(w, 0, QString(), false);
    EXPECT_EQ(fixture.storedColumn(QStringLiteral("Sentences"), QStringLiteral("Lernbereitschaft"),
                                   QStringLiteral("Interesse"), 1),
              QStringLiteral("anders"));
    // Switching the mode off does not save either.
    w->ActionsButton_Action(QStringLiteral("Liste nicht änderbar"));
    EXPECT_EQ(fixture.storedColumn(QStringLiteral("Sentences"), QStringLiteral("Lernbereitschaft"),
                                   QStringLiteral("Interesse"), 1),
              QStringLiteral("anders"));
}

TEST_F(SentenceListEditingTest, TheDuFormNoticeIsNeverSavedAsASentence)
{
    if (!storeReadsSentences())
        GTEST_SKIP() << "the store does not read or write sentence lists yet";
    SentenceWindow *w = fixture.open(editRows(), 1, true);
    ASSERT_EQ(w->SentenceListBox->List(0), sentenceListDuFormNotice());
    w->ActionsButton_Action(QStringLiteral("Liste änderbar"));
    editRow(w, 1, QStringLiteral("Du arbeitest gern."));
    EXPECT_EQ(fixture.storedColumn(QStringLiteral("DuSentences"), QStringLiteral("Lernbereitschaft"),
                                   QStringLiteral("Interesse"), 1),
              QStringLiteral("Du arbeitest gern."));
    EXPECT_EQ(fixture.storedColumn(QStringLiteral("Sentences"), QStringLiteral("Lernbereitschaft"),
                                   QStringLiteral("Interesse"), 1),
              QStringLiteral("P\rQ\rR"));
}

} // namespace
