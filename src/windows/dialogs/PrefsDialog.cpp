#include "PrefsDialog.h"

PrefsDialog::PrefsDialog()
{
    setObjectName(QStringLiteral("PrefsDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Voreinstellungen"));
}
