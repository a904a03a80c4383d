#pragma once
// The main window.
#include <QMainWindow>

class SentenceWindow : public QMainWindow
{
    Q_OBJECT
public:
    SentenceWindow();

protected:
    void closeEvent(QCloseEvent *event) override;
};
