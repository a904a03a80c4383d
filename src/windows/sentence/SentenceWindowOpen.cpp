// Opening the main window, the class level and the content of every page,
// the list fonts, the actions menu and the window's menu commands.
#include "SentenceWindow.h"

#include "ExtendedEditField.h"
#include "app/App.h"
#include "framework/Controls.h"
#include "framework/Strings.h"
#include "framework/TextCompare.h"
#include "windows/dialogs/PrefsDialog.h"
#include "framework/ImplicitInstance.h"

#include <QApplication>
#include <QMenu>
#include <QSet>
#include <QSignalBlocker>
#include <QTabWidget>

namespace {
const QString &editableRowText()
{
    static const QString text = QStringLiteral("Liste änderbar");
    return text;
}

const QString &notEditableRowText()
{
    static const QString text = QStringLiteral("Liste nicht änderbar");
    return text;
}

const QString &prefsRowText()
{
    static const QString text = QStringLiteral("Voreinstellungen...");
    return text;
}

// The lines of list, each only at its first appearance.
QString distinctLines(const QString &list)
{
    QStringList distinct;
    QSet<QString> seen;
    for (const QString &line : Fields(list, EndOfLine()))
        if (!seen.contains(line)) {
            seen.insert(line);
            distinct.append(line);
        }
    return distinct.join(EndOfLine());
}
} // namespace

void SentenceWindow::Open()
{
    pOrientingListBoxNeedsUpdate = true;
    // The lists follow the class the pop-up shows.
    getContent(shownClassLevel());
    UpdateListFont();
    ShowTargetProcessName();
}

bool SentenceWindow::getContent(int classLevel)
{
    const QString classText = Format(classLevel, QStringLiteral("##"));
    const bool read = app().GetCategories(classText) == 0;
    if (!read && !startingUp()) {
        // A file emptied or damaged under the program reads nothing: the class shown and its lists stay.
        app().ShowOKDialog(QStringLiteral("Klasse nicht gewechselt!"),
                           QStringLiteral("Die Kategorien der Klasse %1 konnten nicht gelesen werden. ").arg(classLevel)
                               + app().readProblemText(),
                           QString());
        const QSignalBlocker quiet(ClassesPopupMenu);
        setClassPopUp(shownClassLevel());
        return false;
    }
    app().pPrefs->SetLastClass(classLevel);
    if (read)
        app().GetStdCategories();
    if (TabPanel1->currentIndex() == 3)
        InitOrientingListBox();
    else
        pOrientingListBoxNeedsUpdate = true;
    m_categoryFillHeld = true;
    m_categoryFillPending = false;
    InitCategoriesPopUp();
    InitStdCategoriesPopUp();
    // The categories hold the rows the super-category query reads (the same
    // conditions, the same order by number): their super-categories at
    // first appearance are that list, without reading the table again.
    app().pVMSuperCategories = distinctLines(app().pVMCategoriesSuperCat);
    const int redrawsBefore = m_sentenceListRedraws;
    InitSuperCatList();
    m_categoryFillHeld = false;
    // The pop-up's fill shows only where the cascade drew no sentence list.
    if (m_categoryFillPending && m_sentenceListRedraws == redrawsBefore)
        FillSentenceListBox();
    return true;
}

// The stored class level, or the nearest one the pop-up has a row for.
int SentenceWindow::shownClassLevel() const
{
    return qBound(kLowestClass, app().pPrefs->GetLastClass(), kHighestClass);
}

void SentenceWindow::setClassPopUp(int classLevel)
{
    ClassesPopupMenu->setListIndex(classLevel - 1);
}

void SentenceWindow::ClassesPopupMenu_Open()
{
    ClassesPopupMenu->setListIndex(shownClassLevel() - 1);
}

void SentenceWindow::ClassesPopupMenu_Change()
{
    if (startingUp())
        return;
    getContent(ClassesPopupMenu->ListIndex() + 1);
}

void SentenceWindow::SetListFont(const QString &fontName, int fontSize)
{
    // "System" is the desktop's own font.
    const QString family =
        fontName.isEmpty() || textEquals(fontName, QStringLiteral("System")) ? QApplication::font().family() : fontName;
    for (QWidget *control : std::initializer_list<QWidget *>{SentenceListBox, SentenceFromListField, SuperCatListBox,
                                                             MainCatListBox, SubCatListBox, SubCatSectionListBox}) {
        QFont font = control->font();
        font.setFamily(family);
        if (fontSize > 0)
            font.setPixelSize(fontSize);
        control->setFont(font);
        control->repaint();
    }
}

void SentenceWindow::UpdateListFont()
{
    SetListFont(app().pPrefs->GetListFontName(), app().pPrefs->GetListFontSize());
}

void SentenceWindow::InitActionsMenuItems()
{
    ActionsMenu->clear();
    QAction *editable = ActionsMenu->addAction(editableRowText());
    QAction *notEditable = ActionsMenu->addAction(notEditableRowText());
    editable->setCheckable(true);
    notEditable->setCheckable(true);
    (IsSentenceListEditable() ? editable : notEditable)->setChecked(true);
    ActionsMenu->addSeparator();
    ActionsMenu->addAction(prefsRowText());
}

void SentenceWindow::ActionsButton_Open()
{
    InitActionsMenuItems();
}

void SentenceWindow::ActionsButton_Action(const QString &rowText)
{
    if (textEquals(rowText, editableRowText())) {
        SetSentenceListEditable(true);
    } else if (textEquals(rowText, notEditableRowText())) {
        // The menu takes the focus without the cell losing it: the edit is finished here, as Return does.
        finishOpenCell();
        SetSentenceListEditable(false);
        if (QWidget *focused = focusWidget())
            focused->clearFocus();
    } else if (textEquals(rowText, prefsRowText())) {
        implicitInstance<PrefsDialog>()->show();
        InitActionsMenuItems();
    }
}

bool SentenceWindow::_TransferMenuItem_Action()
{
    DoTransfer();
    return false;
}
