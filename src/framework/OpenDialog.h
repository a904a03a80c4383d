#pragma once
// The open dialog with a file-type filter, a title and a prompt. It is Qt's
// own dialog (not the desktop's), so that tests can type a path into it.
#include <QString>

// The chosen file's path; "" when the dialog is cancelled.
QString showOpenDialog(const QString &fileTypeName, const QString &title, const QString &prompt,
                       const QString &startFolder);
