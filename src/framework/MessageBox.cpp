#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>

void MsgBox(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Velmora"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("MsgBox"));
    box.exec();
}

void Beep()
{
    QApplication::beep();
}
