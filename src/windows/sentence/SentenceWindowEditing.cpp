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

bool SentenceWindow::SaveSentences()
{
    // The notice shown for a section without Du-form sentences is no sentence
    // and is never written into the section.
    QStringList lines = GetSentenceListBoxText().split(EndOfLine());
    lines.removeAll(sentenceListDuFormNotice());
    QString text = lines.join(EndOfLine());
    while (text.endsWith(EndOfLine()))
        text.chop(EndOfLine().size());
    // The rows go back to the section they were read from, whatever the lists show now.
    const ShownSection &shown = m_shownSection;
    App &a = app();
    const bool written = shown.superCategory.isEmpty()
                             ? a.PutSentences2Category(pCurrCategory + QStringLiteral(" ") + pCurrCatSection,
                                                       pCurrClass, pCurrUseDu, text)
                             : a.PutSentences2Category(shown.superCategory, shown.mainCategory, shown.subCategory,
                                                       pCurrCatSection, pCurrClass, pCurrUseDu, text);
    if (written)
        return true;
    QString section = QStringLiteral("Klasse ") + QString::number(pCurrClass) + QStringLiteral(", ");
    if (!shown.superCategory.isEmpty())
        section += shown.superCategory + QStringLiteral(" / ");
    section += QString(pCurrCategory).replace(QStringLiteral(" : "), QStringLiteral(" / ")) + QStringLiteral(", Stufe ")
               + pCurrCatSection + (pCurrUseDu ? QStringLiteral(" (Du-Form)") : QString());
    a.ShowOKDialog(QStringLiteral("Formulierungen nicht gespeichert!"),
                   QStringLiteral("Die Formulierungen für ") + section
                       + QStringLiteral(" konnten nicht gespeichert werden. ") + a.pWriteBackProblem
                       + QStringLiteral(" Ihre Änderung steht weiter in der Liste und kann von dort kopiert werden."),
                   QString());
    return false;
}

bool SentenceWindow::commitOpenCell()
{
    // The editor of a cell being edited is the widget of the list's current index.
    QWidget *editor = SentenceListBox->indexWidget(SentenceListBox->currentIndex());
    if (!editor)
        return true;
    m_lastSaveFailed = false;
    // The same way out of the cell as Return: the text goes into the row and the cell action saves it.
    QMetaObject::invokeMethod(SentenceListBox, "commitData", Q_ARG(QWidget *, editor));
    QMetaObject::invokeMethod(SentenceListBox, "closeEditor", Q_ARG(QWidget *, editor),
                              Q_ARG(QAbstractItemDelegate::EndEditHint, QAbstractItemDelegate::NoHint));
    return !m_lastSaveFailed;
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
    // A failed save leaves the cell dirty, so that finishing it again tries again.
    m_lastSaveFailed = !SaveSentences();
    pHasDirtyCell = m_lastSaveFailed;
}
