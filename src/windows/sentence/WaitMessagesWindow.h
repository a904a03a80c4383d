#pragma once
// The small window "Bitte warten" shown over the main window while a long
// list is built or a long text is drawn up.
#include <QDialog>

class QLabel;

class WaitMessagesWindow : public QDialog
{
    Q_OBJECT
public:
    WaitMessagesWindow();

    QLabel *MessageText;
    // A wheel that turns while the window is shown, so that the work shows.
    QWidget *ProgressWheel1;

    // The work it stands for ends it by hiding it; neither a key nor the
    // window manager closes it while that work runs.
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
