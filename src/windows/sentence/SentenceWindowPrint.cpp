// The menu command "Satzliste drucken...".
#include "SentenceWindow.h"

#include "print/PrintSentencesWindow.h"

bool SentenceWindow::_PrintSentenceListItem_Action()
{
    // The print window prints the Sie or Du form as this list shows it.
    showPrintSentencesWindow(pCurrUseDu);
    return false;
}
