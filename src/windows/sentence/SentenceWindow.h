#pragma once
// The main window.
#include <QMainWindow>

class BevelButton;
class QLabel;

class SentenceWindow : public QMainWindow
{
    Q_OBJECT
public:
    SentenceWindow();

    bool getContent(int classLevel);
    void UpdateListFont();
    void updateSentence2Number();

    // The target application's name and the link lock, in the bottom bar.
    void ShowTargetProcessName();
    void ShowBusyGettingTargetName();
    QLabel *TargetProcNameField = nullptr;
    BevelButton *LockBevelButton = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createTargetControls();
    void LockBevelButton_Open();
    void LockBevelButton_Action();
};
