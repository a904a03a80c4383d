#include "AboutDialog.h"

AboutDialog::AboutDialog()
{
    setObjectName(QStringLiteral("AboutDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Über dieses Programm..."));
    resize(484, 238);
}
