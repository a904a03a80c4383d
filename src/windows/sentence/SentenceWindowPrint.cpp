// The menu command "Satzliste drucken...".
#include "SentenceWindow.h"

bool SentenceWindow::_PrintSentenceListItem_Action()
{
    // The print window is shown here and takes this list's Du-form setting.
    return false;
}
