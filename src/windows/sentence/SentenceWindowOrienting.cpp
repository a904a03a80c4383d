// Page "Orientierungsentwurf": a first draft of the whole report.
#include "SentenceWindow.h"

void SentenceWindow::InitOrientingListBox()
{
    // The list of criteria with their level ranges is built here.
    pOrientingListBoxNeedsUpdate = false;
}

QString SentenceWindow::doOrientingListSentences()
{
    return {};
}
