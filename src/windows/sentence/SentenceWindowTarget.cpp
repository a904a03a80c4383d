// The bottom bar's target application and link lock.
#include "SentenceWindow.h"

#include "app/App.h"
#include "framework/Controls.h"

#include <QLabel>

void SentenceWindow::ShowTargetProcessName()
{
    TargetProcNameField->setText(app().pPrefs->GetTargetProcessName());
}

void SentenceWindow::ShowBusyGettingTargetName()
{
    TargetProcNameField->setText(QStringLiteral("Zielanwendung wird gesucht...."));
    TargetProcNameField->repaint();
}

void SentenceWindow::LockBevelButton_Open()
{
    app().SetLinkLock(LockBevelButton, app().pPrefs->GetLinkLocked());
}

void SentenceWindow::LockBevelButton_Action()
{
    app().ToggleLinkLock(LockBevelButton);
}
