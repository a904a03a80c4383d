// Editing the sentence list: the editable cell type of its column, the
// dirty flag, and writing the whole list back when a changed cell's edit is
// finished.
#include "SentenceWindow.h"

#include "app/App.h"
#include "framework/Controls.h"
#include "framework/EventLoop.h"
#include "framework/Strings.h"

#include <QTabWidget>

void SentenceWindow::SetSentenceListEditable(bool editable)
{
    SentenceListBox->setColumnType(0, editable ? Listbox::TypeEditable : Listbox::TypeNormal);
    CategoriesPopupMenu->setEnabled(!editable);
    CatSectionPopupMenu->setEnabled(!editable);
    ClassesPopupMenu->setEnabled(!editable);
    if (editable)
        TabPanel1->setCurrentIndex(0);
    InitActionsMenuItems();
}

bool SentenceWindow::IsSentenceListEditable() const
{
    return SentenceListBox->ColumnType(0) == Listbox::TypeEditable;
}

QString SentenceWindow::GetSentenceListBoxText() const
{
    QString text;
    for (int row = SentenceListBox->ListCount() - 1; row >= 0; --row)
        text = SentenceListBox->List(row) + EndOfLine() + text;
    while (text.endsWith(EndOfLine())) {
        text.chop(EndOfLine().size());
        yieldToEventLoop();
    }
    return text;
}

void SentenceWindow::SaveSentences()
{
    // The notice shown for a section without Du-form sentences is no sentence
    // and is never written into the section.
    QStringList lines = GetSentenceListBoxText().split(EndOfLine());
    lines.removeAll(sentenceListDuFormNotice());
    QString text = lines.join(EndOfLine());
    while (text.endsWith(EndOfLine()))
        text.chop(EndOfLine().size());
    app().PutSentences2Category(getCurrSuperCategory(), getCurrMainCategory(), getCurrSubCategory(),
                                getCurrSection(), pCurrClass, pCurrUseDu, text);
}

void SentenceWindow::SentenceListBox_CellGotFocus(int, int)
{
    pHasDirtyCell = false;
}

void SentenceWindow::SentenceListBox_CellTextChange(int, int)
{
    pHasDirtyCell = true;
}

void SentenceWindow::SentenceListBox_CellAction(int, int)
{
    if (!pHasDirtyCell)
        return;
    SaveSentences();
    pHasDirtyCell = false;
}
