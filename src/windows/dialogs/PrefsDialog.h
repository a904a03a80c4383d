#pragma once
// The preferences dialog.
#include <QDialog>

class PrefsDialog : public QDialog
{
    Q_OBJECT
public:
    PrefsDialog();
};
