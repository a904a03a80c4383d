#pragma once
// The plain message box and the beep.
#include <QString>

// Shows text in a modal box with one "OK" button and waits for it.
void MsgBox(const QString &text);
void Beep();
