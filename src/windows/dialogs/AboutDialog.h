#pragma once
// The about box; the application's default window, made hidden at start-up.
#include <QDialog>

class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    AboutDialog();
};
