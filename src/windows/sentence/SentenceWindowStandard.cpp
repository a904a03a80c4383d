// Page "Standardisierte Form": a sentence composed from a standard phrase
// and an optional appendix.
#include "SentenceWindow.h"

#include "ExtendedEditField.h"
#include "framework/Controls.h"

void SentenceWindow::InitStdCategoriesPopUp()
{
    // The standard categories are listed here.
}

void SentenceWindow::FillSentenceListBoxStd() {}

void SentenceWindow::FillSentenceListBoxStdAppendix() {}

QString SentenceWindow::getCategoryStd() const
{
    const int row = StdCategoriesPopupMenu->ListIndex();
    return row >= 0 ? StdCategoriesPopupMenu->List(row) : QString();
}

QString SentenceWindow::formCompleteStdSentence()
{
    return {};
}

void SentenceWindow::FillCompleteStdSentence(const QString &text)
{
    CompleteStdSentenceEditField->setText(text);
}

QString SentenceWindow::GetCompleteStdSentence() const
{
    return CompleteStdSentenceEditField->Text();
}
