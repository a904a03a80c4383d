// Pages "Nummerneingabe" and "Nummernliste": sentences by their number.
#include "SentenceWindow.h"

#include "ExtendedEditField.h"
#include "framework/Strings.h"

void SentenceWindow::updateSentence2Number()
{
    // The numbered variant is looked up and shown in SentenceEditField here.
}

int SentenceWindow::getCatNo() const
{
    return CatNoEditField->Text().isEmpty() ? 0 : ValInt(CatNoEditField->Text());
}

int SentenceWindow::getSubNo() const
{
    return SubNoEditField->Text().isEmpty() ? 0 : ValInt(SubNoEditField->Text());
}

void SentenceWindow::LittleArrows1_Up() {}

void SentenceWindow::LittleArrows1_Down() {}
