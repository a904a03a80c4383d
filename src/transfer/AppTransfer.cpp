// Transfer to the target application.
#include "app/App.h"

int App::TransferSentence(const QString &)
{
    return 0;
}
