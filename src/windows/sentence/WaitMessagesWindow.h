#pragma once
// The small sheet "Bitte warten" shown over the main window while a long
// list is built.
#include <QDialog>

class QLabel;
class QProgressBar;

class WaitMessagesWindow : public QDialog
{
    Q_OBJECT
public:
    WaitMessagesWindow();

    QLabel *MessageText;
    QProgressBar *ProgressWheel1;
};
