// The transfer text of each page and the ways it leaves the window.
#include "SentenceWindow.h"

#include "ExtendedEditField.h"
#include "app/App.h"
#include "framework/Controls.h"

#include <QTabWidget>

QString SentenceWindow::GetTransferSentence()
{
    switch (TabPanel1->currentIndex()) {
    case 0:
        return SentenceFromListField->Text();
    case 1:
        return formForPupil(SentenceEditField->Text());
    case 2:
        return formForPupil(app().getSentences2NumList(NumListEditField->Text(), getClass()));
    case 3:
        return formForPupil(doOrientingListSentences());
    case 4:
        return GetCompleteStdSentence();
    default:
        return {};
    }
}

void SentenceWindow::DoTransfer()
{
    app().TransferSentence(GetTransferSentence());
}

void SentenceWindow::sentenceDoubleClick()
{
    const int row = SentenceListBox->ListIndex();
    if (row >= 0)
        app().TransferSentence(formForPupil(SentenceListBox->List(row)));
}

void SentenceWindow::TransferNumListButton_Action()
{
    DoTransfer();
}
