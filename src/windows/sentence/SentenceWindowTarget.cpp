// The bottom bar's target application display and link-lock button.
#include "SentenceWindow.h"

#include "app/App.h"
#include "framework/Controls.h"
#include "framework/EdgeLocks.h"

#include <QLabel>

void SentenceWindow::createTargetControls()
{
    QWidget *content = centralWidget();
    // The design size of the window's content, which the positions refer to.
    if (content->size() != QSize(515, 322))
        content->resize(515, 322);
    auto *locks = new EdgeLocks(content);

    TargetProcNameField = new QLabel(QStringLiteral(" -"), content);
    TargetProcNameField->setObjectName(QStringLiteral("TargetProcNameField"));
    QFont fieldFont = TargetProcNameField->font();
    fieldFont.setBold(true);
    fieldFont.setPointSize(10);
    TargetProcNameField->setFont(fieldFont);
    locks->place(TargetProcNameField, QRect(226, 294, 253, 17), Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge);

    LockBevelButton = new BevelButton(content);
    LockBevelButton->setObjectName(QStringLiteral("LockBevelButton"));
    LockBevelButton->setCheckable(true);
    LockBevelButton->setFocusPolicy(Qt::NoFocus);
    locks->place(LockBevelButton, QRect(484, 289, 26, 26), Qt::RightEdge | Qt::BottomEdge);
    connect(LockBevelButton, &BevelButton::action, this, &SentenceWindow::LockBevelButton_Action);
    LockBevelButton_Open();
}

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
