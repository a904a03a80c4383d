// Page "Satzliste": the four-level category cascade, the sentence list and
// the transfer text formed from it; the getters every page uses; the
// reactions to a changed first name or gender; the page switch.
#include "SentenceWindow.h"

#include "ExtendedEditField.h"
#include "LineListFill.h"
#include "app/App.h"
#include "framework/Controls.h"
#include "framework/EventLoop.h"
#include "framework/MessageBox.h"
#include "framework/Strings.h"
#include "framework/TextCompare.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTabWidget>

namespace {
template <class Control>
QString selectedText(const Control *control)
{
    const int row = control->ListIndex();
    return row >= 0 ? control->List(row) : QString();
}

bool useDuSentences()
{
    return app().pPrefs && app().pPrefs->pUseDuSentences;
}

QString duFormNotice()
{
    return QStringLiteral("*** Keine Formulierungen zu diesem Kriterium vorhanden! Sie haben bei den "
                          "Voreinstellungen die Du-Form eingestellt! ***");
}

// With the Du form on, an empty section says why it is empty.
QString withDuFormNotice(const QString &text, bool useDu)
{
    if (useDu && QString(text).remove(EndOfLine()).isEmpty())
        return duFormNotice();
    return text;
}

// The collecting key as the keyboard holds it now, not as the last event saw
// it: Option (Alt), or Ctrl where the desktop takes Alt-clicks for itself.
bool optionKeyDown()
{
    return QGuiApplication::queryKeyboardModifiers() & (Qt::AltModifier | Qt::ControlModifier);
}
} // namespace

QString sentenceListDuFormNotice()
{
    return duFormNotice();
}

void SentenceWindow::InitSuperCatList()
{
    initFromLines(SuperCatListBox, app().pVMSuperCategories);
}

void SentenceWindow::InitMainCatList()
{
    initFromLines(MainCatListBox, app().pVMMainCategories);
}

void SentenceWindow::InitSubCatList()
{
    initFromLines(SubCatListBox, app().pVMSubCategories);
}

void SentenceWindow::InitSubCatSectionList()
{
    initFromLines(SubCatSectionListBox, app().pVMSubCatSections);
}

void SentenceWindow::InitCategoriesPopUp()
{
    initFromLines(CategoriesPopupMenu, app().pVMCategories);
}

void SentenceWindow::SuperCatListBox_Change()
{
    app().pVMMainCategories = app().GetMainCats(getClass(), getCurrSuperCategory());
    InitMainCatList();
}

void SentenceWindow::MainCatListBox_Change()
{
    app().pVMSubCategories = app().GetSubCats(getClass(), getCurrSuperCategory(), getCurrMainCategory());
    InitSubCatList();
}

void SentenceWindow::SubCatListBox_Change()
{
    app().pVMSubCatSections =
        app().GetSubCatSections(getClass(), getCurrSuperCategory(), getCurrMainCategory(), getCurrSubCategory());
    InitSubCatSectionList();
}

void SentenceWindow::SubCatSectionListBox_Change()
{
    FillSentenceListBox(getCurrSuperCategory(), getCurrMainCategory(), getCurrSubCategory(), getCurrSection(),
                        useDuSentences());
}

void SentenceWindow::FillSentenceListBox(const QString &superCategory, const QString &mainCategory,
                                         const QString &subCategory, const QString &section, bool useDu)
{
    commitOpenCell();
    SetSentenceListEditable(false);
    SentenceListBox->setColumnType(0, Listbox::TypeNormal);
    if (superCategory.isEmpty() || mainCategory.isEmpty() || subCategory.isEmpty())
        return;
    const int classLevel = ValInt(getClass());
    const QString text = app().GetSentences2Category(superCategory, mainCategory, subCategory, section, classLevel,
                                                     useDu, false);
    pCurrCategory = mainCategory + QStringLiteral(" : ") + subCategory;
    m_shownSection = {superCategory, mainCategory, subCategory, text};
    pCurrCatSection = section;
    pCurrClass = classLevel;
    pCurrUseDu = useDu;
    InitSentenceList(withDuFormNotice(text, useDu));
}

void SentenceWindow::FillSentenceListBox()
{
    commitOpenCell();
    SetSentenceListEditable(false);
    SentenceListBox->setColumnType(0, Listbox::TypeNormal);
    const int sectionIndex = CatSectionPopupMenu->ListIndex();
    const int categoryIndex = CategoriesPopupMenu->ListIndex();
    if (sectionIndex < 0 || categoryIndex < 0) {
        MsgBox(QStringLiteral("Runtime ERROR: FillSentenceListBox") + EndOfLine() + QStringLiteral("theCatSectionIndex: ")
               + Str(sectionIndex) + EndOfLine() + QStringLiteral("theCategoriesIndex: ") + Str(categoryIndex));
        return;
    }
    const QString category = getCategory();
    const QString section = getSection();
    const bool useDu = useDuSentences();
    const int classLevel = ValInt(getClass());
    const QString text =
        app().GetSentences2Category(category + QStringLiteral(" ") + section, classLevel, useDu, false);
    pCurrCategory = category;
    m_shownSection = {};
    m_shownSection.readText = text;
    pCurrCatSection = section;
    pCurrClass = classLevel;
    pCurrUseDu = useDu;
    InitSentenceList(withDuFormNotice(text, useDu));
}

// An empty text shows only the empty rows: the rows of the section shown
// before must never stand under another section.
void SentenceWindow::InitSentenceList(const QString &text)
{
    ++m_sentenceListRedraws;
    SentenceListBox->DeleteAllRows();
    for (const QString &line : Fields(text, EndOfLine())) {
        SentenceListBox->AddRow(line);
        yieldToEventLoop();
    }
    // Room for new variants while the list is edited.
    for (int i = 0; i < 5; ++i) {
        SentenceListBox->AddRow(QString());
        yieldToEventLoop();
    }
    SentenceListBox->setListIndex(-1);
}

QString SentenceWindow::formForPupil(const QString &text) const
{
    return app().VM_formSentence(text, textEquals(getSex(), QStringLiteral("m")), getName());
}

void SentenceWindow::updateSentenceFromList()
{
    const int row = SentenceListBox->ListIndex();
    if (row < 0)
        return;
    const QString sentence = formForPupil(SentenceListBox->List(row));
    if (optionKeyDown())
        SentenceFromListField->setText(SentenceFromListField->Text() + QStringLiteral(" ") + sentence);
    else
        SentenceFromListField->setText(sentence);
}

void SentenceWindow::SentenceListBox_Change()
{
    updateSentenceFromList();
}

bool SentenceWindow::SentenceListBox_CellBackgroundPaint(QPainter &g, const QRect &cell, int row, int)
{
    g.fillRect(cell, row % 2 == 0 ? QColor(250, 250, 230) : QColor(230, 250, 230));
    return false;
}

void SentenceWindow::SentenceListBox_DoubleClick()
{
    if (!IsSentenceListEditable())
        sentenceDoubleClick();
}

void SentenceWindow::PrenameEditField_TextChange()
{
    SentenceListBox->setListIndex(SentenceListBox->ListIndex());
    updateSentence2Number();
    FillCompleteStdSentence(formCompleteStdSentence());
}

bool SentenceWindow::PrenameEditField_KeyDown(const QString &)
{
    return false;
}

void SentenceWindow::SexPopupMenu_Open()
{
    SexPopupMenu->setListIndex(0);
}

void SentenceWindow::SexPopupMenu_Change()
{
    if (!startingUp()) {
        const int row = SentenceListBox->ListIndex();
        if (row >= 0)
            SentenceListBox->setListIndex(row);
        updateSentence2Number();
    }
    FillCompleteStdSentence(formCompleteStdSentence());
}

void SentenceWindow::CategoriesPopupMenu_Change()
{
    if (m_categoryFillHeld) {
        m_categoryFillPending = true;
        return;
    }
    FillSentenceListBox();
}

void SentenceWindow::CatSectionPopupMenu_Open()
{
    CatSectionPopupMenu->setListIndex(0);
}

void SentenceWindow::CatSectionPopupMenu_Change()
{
    if (!startingUp())
        FillSentenceListBox();
}

QString SentenceWindow::getSex() const
{
    return selectedText(SexPopupMenu);
}

QString SentenceWindow::getCategory() const
{
    return selectedText(CategoriesPopupMenu);
}

QString SentenceWindow::getSection() const
{
    return selectedText(CatSectionPopupMenu);
}

QString SentenceWindow::getName() const
{
    const QString name = PrenameEditField->Text();
    return name.isEmpty() ? QStringLiteral("_") : name;
}

QString SentenceWindow::getClass() const
{
    return ClassesPopupMenu->List(ClassesPopupMenu->ListIndex());
}

QString SentenceWindow::getCurrSuperCategory() const
{
    return SuperCatListBox->List(SuperCatListBox->ListIndex());
}

QString SentenceWindow::getCurrMainCategory() const
{
    return MainCatListBox->List(MainCatListBox->ListIndex());
}

QString SentenceWindow::getCurrSubCategory() const
{
    return SubCatListBox->List(SubCatListBox->ListIndex());
}

QString SentenceWindow::getCurrSection() const
{
    return SubCatSectionListBox->List(SubCatSectionListBox->ListIndex());
}

void SentenceWindow::TabPanel1_Change()
{
    const int page = TabPanel1->currentIndex();
    if (page > 0 && IsSentenceListEditable())
        SetSentenceListEditable(false);
    if (page == 3 && pOrientingListBoxNeedsUpdate)
        InitOrientingListBox();
}
