#pragma once
// The main window.
#include <QMainWindow>

class BevelButton;

class SentenceWindow : public QMainWindow
{
    Q_OBJECT
public:
    SentenceWindow();

    bool getContent(int classLevel);
    void UpdateListFont();
    void ShowTargetProcessName();
    void updateSentence2Number();

    BevelButton *LockBevelButton = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
};
