// Editing the sentence list: the editable cell type of its column, the
// dirty flag, and writing the whole list back when a changed cell's edit is
// finished.
#include "SentenceWindow.h"

#include "app/App.h"
#include "framework/Controls.h"
#include "framework/EventLoop.h"
#include "framework/Strings.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTabWidget>

class SentenceWindow::SaveRunning
{
public:
    explicit SaveRunning(SentenceWindow &window)
        : m_window(window)
    {
        ++m_window.m_savesRunning;
    }
    ~SaveRunning()
    {
        if (--m_window.m_savesRunning == 0)
            emit m_window.savesEnded();
    }
    SaveRunning(const SaveRunning &) = delete;
    SaveRunning &operator=(const SaveRunning &) = delete;

private:
    SentenceWindow &m_window;
};

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

QString SentenceWindow::sentenceListText() const
{
    // The notice shown for a section without Du-form sentences is no sentence
    // and is never written into the section.
    QStringList lines = GetSentenceListBoxText().split(EndOfLine());
    lines.removeAll(sentenceListDuFormNotice());
    QString text = lines.join(EndOfLine());
    while (text.endsWith(EndOfLine()))
        text.chop(EndOfLine().size());
    return text;
}

bool SentenceWindow::writeSentenceList()
{
    ++m_saveAttempts;
    const QString text = sentenceListText();
    // The rows go back to the section they were read from, whatever the lists
    // show now, and only over the variants they were read from.
    ShownSection &shown = m_shownSection;
    App &a = app();
    const bool written = shown.superCategory.isEmpty()
                             ? a.PutSentences2Category(pCurrCategory + QStringLiteral(" ") + pCurrCatSection,
                                                       pCurrClass, pCurrUseDu, text, shown.readText)
                             : a.PutSentences2Category(shown.superCategory, shown.mainCategory, shown.subCategory,
                                                       pCurrCatSection, pCurrClass, pCurrUseDu, text, shown.readText);
    if (written) {
        shown.readText = text;
        m_quitStayedForEdit = false;
    }
    m_unsavedEdit = !written;
    return written;
}

QString SentenceWindow::shownSectionName() const
{
    QString section = QStringLiteral("Klasse ") + QString::number(pCurrClass) + QStringLiteral(", ");
    if (!m_shownSection.superCategory.isEmpty())
        section += m_shownSection.superCategory + QStringLiteral(" / ");
    return section + QString(pCurrCategory).replace(QStringLiteral(" : "), QStringLiteral(" / "))
           + QStringLiteral(", Stufe ") + pCurrCatSection + (pCurrUseDu ? QStringLiteral(" (Du-Form)") : QString());
}

bool SentenceWindow::SaveSentences()
{
    if (writeSentenceList())
        return true;
    showNotSaved(QStringLiteral("Ihre Änderung steht weiter in der Liste und kann von dort kopiert werden."));
    return false;
}

void SentenceWindow::showNotSaved(const QString &whereTheEditIs)
{
    App &a = app();
    a.ShowOKDialog(QStringLiteral("Formulierungen nicht gespeichert!"),
                   QStringLiteral("Die Formulierungen für ") + shownSectionName()
                       + QStringLiteral(" konnten nicht gespeichert werden. ") + a.pWriteBackProblem + u' '
                       + whereTheEditIs,
                   QString());
}

void SentenceWindow::finishOpenCell()
{
    // The editor of a cell being edited is the widget of the list's current index.
    QWidget *editor = SentenceListBox->indexWidget(SentenceListBox->currentIndex());
    if (!editor)
        return;
    QMetaObject::invokeMethod(SentenceListBox, "commitData", Q_ARG(QWidget *, editor));
    QMetaObject::invokeMethod(SentenceListBox, "closeEditor", Q_ARG(QWidget *, editor),
                              Q_ARG(QAbstractItemDelegate::EndEditHint, QAbstractItemDelegate::NoHint));
}

bool SentenceWindow::commitOpenCell(Leaving leaving, const std::function<void()> &beforeStaying)
{
    const SaveRunning running(*this);
    const int attemptsBefore = m_saveAttempts;
    m_leaving = true;
    finishOpenCell();
    m_leaving = false;
    if (!m_unsavedEdit)
        return true;
    // An edit saved in vain before is tried once more now; one that the open cell has just tried is not.
    if (m_saveAttempts == attemptsBefore && writeSentenceList())
        return true;
    QGuiApplication::clipboard()->setText(sentenceListText());
    if (leaving == Leaving::Program && m_quitStayedForEdit) {
        // The last quit stayed for this edit and said where it is: this one goes.
        m_unsavedEdit = false;
        return false;
    }
    QString where = QStringLiteral("Ihre Änderung ist nicht gespeichert. Die geänderten Formulierungen stehen jetzt in "
                                   "der Zwischenablage und können von dort eingefügt werden.");
    if (leaving == Leaving::Program) {
        // The edit stays in the list and unsaved: finishing a cell or quitting tries again.
        m_quitStayedForEdit = true;
        where += QStringLiteral(" Das Programm bleibt dafür geöffnet; danach können Sie es beenden.");
        if (beforeStaying)
            beforeStaying();
    } else {
        m_unsavedEdit = false; // the list is replaced; the edit is on the clipboard
    }
    showNotSaved(where);
    return false;
}

void SentenceWindow::SentenceListBox_CellGotFocus(int, int)
{
    pHasDirtyCell = false;
}

void SentenceWindow::SentenceListBox_CellTextChange(int, int)
{
    pHasDirtyCell = true;
    m_quitStayedForEdit = false;
}

void SentenceWindow::SentenceListBox_CellAction(int, int)
{
    // An edit that did not reach the database is saved again whenever a cell
    // is finished, changed or not.
    if (!pHasDirtyCell && !m_unsavedEdit)
        return;
    pHasDirtyCell = false;
    const SaveRunning running(*this);
    if (m_leaving)
        writeSentenceList();
    else
        SaveSentences();
}
