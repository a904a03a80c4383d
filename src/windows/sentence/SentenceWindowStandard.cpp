// Page "Standardisierte Form": a sentence composed from a standard phrase
// and an optional appendix.
#include "SentenceWindow.h"

#include "ExtendedEditField.h"
#include "LineListFill.h"
#include "app/App.h"
#include "framework/Controls.h"
#include "framework/EventLoop.h"
#include "framework/MessageBox.h"
#include "framework/Strings.h"

namespace {
// Adds every line of lines as a row, empty lines too.
void addEveryLine(Listbox *list, const QString &lines)
{
    for (const QString &line : Fields(lines, EndOfLine())) {
        list->AddRow(line);
        yieldToEventLoop();
    }
}
} // namespace

void SentenceWindow::InitStdCategoriesPopUp()
{
    initFromLines(StdCategoriesPopupMenu, app().pStdVMCategories);
    // Selecting row 0 of an empty pop-up raises no change; the page still has
    // to learn that the open database cannot fill its lists.
    if (StdCategoriesPopupMenu->ListCount() == 0 && app().pSentenceDB && app().pSentenceDB->isConnected())
        StdCategoriesPopupMenu_Change();
}

void SentenceWindow::StdCategoriesPopupMenu_Change()
{
    FillSentenceListBoxStd();
    FillCompleteStdSentence(formCompleteStdSentence());
}

void SentenceWindow::StandardSentencesListBox_Change()
{
    FillSentenceListBoxStdAppendix();
    FillCompleteStdSentence(formCompleteStdSentence());
}

void SentenceWindow::StandardAppendicesListBox_Change()
{
    FillCompleteStdSentence(formCompleteStdSentence());
}

void SentenceWindow::FillSentenceListBoxStd()
{
    if (StdCategoriesPopupMenu->ListIndex() < 0) {
        MsgBox(QStringLiteral("Runtime ERROR: FillStdSentenceListBox"));
        return;
    }
    const QString phrases = app().GetSentences2CategoryStd(getCategoryStd());
    // A category without phrases keeps the list as it was.
    if (phrases.isEmpty())
        return;
    StandardSentencesListBox->DeleteAllRows();
    addEveryLine(StandardSentencesListBox, phrases);
    StandardSentencesListBox->setListIndex(0);
}

void SentenceWindow::FillSentenceListBoxStdAppendix()
{
    if (StdCategoriesPopupMenu->ListIndex() < 0) {
        MsgBox(QStringLiteral("Runtime ERROR: FillSentenceListBoxStdAppendix"));
        return;
    }
    // Phrases are numbered from 1 in their list order.
    const QString appendices =
        app().GetAppendices2StdSentences(getCategoryStd(), StandardSentencesListBox->ListIndex() + 1);
    StandardAppendicesListBox->DeleteAllRows();
    if (appendices.isEmpty())
        return;
    addEveryLine(StandardAppendicesListBox, appendices);
    // The appendix is optional: none is chosen until the user picks one.
    StandardAppendicesListBox->setListIndex(-1);
}

QString SentenceWindow::getCategoryStd() const
{
    const int row = StdCategoriesPopupMenu->ListIndex();
    return row >= 0 ? StdCategoriesPopupMenu->List(row) : QString();
}

QString SentenceWindow::formCompleteStdSentence()
{
    QString r;
    const int phraseRow = StandardSentencesListBox->ListIndex();
    if (phraseRow >= 0) {
        const QString phrase = StandardSentencesListBox->List(phraseRow);
        const int appendixRow = StandardAppendicesListBox->ListIndex();
        const QString appendix = appendixRow >= 0 ? StandardAppendicesListBox->List(appendixRow) : QString();
        if (phrase.isEmpty())
            r.clear();
        else if (appendix.isEmpty())
            r = phrase + QStringLiteral(".");
        else
            r = phrase + QStringLiteral(", ") + appendix;
    }
    return formForPupil(r);
}

void SentenceWindow::FillCompleteStdSentence(const QString &text)
{
    CompleteStdSentenceEditField->setText(text);
}

QString SentenceWindow::GetCompleteStdSentence() const
{
    return CompleteStdSentenceEditField->Text();
}
