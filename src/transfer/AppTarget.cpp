// The target application and the link lock.
#include "app/App.h"

void App::setTargetProcessName() {}

bool App::SelectTargetApp()
{
    return false;
}

bool App::chooseTargetProcessNameAndCreator(QString &, QString &)
{
    return false;
}

void App::ToggleLinkLock(BevelButton *) {}

void App::SetLinkLock(BevelButton *, bool) {}
