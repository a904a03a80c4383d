// The target application and the link lock.
#include "app/App.h"
#include "framework/Controls.h"
#include "framework/ImplicitInstance.h"
#include "framework/OpenDialog.h"
#include "framework/Pictures.h"
#include "transfer/ScriptOperations.h"
#include "transfer/TargetRules.h"
#include "windows/sentence/SentenceWindow.h"

namespace {
// Where the desktop keeps its application entries.
const QString &applicationsFolder()
{
    static const QString folder = QStringLiteral("/usr/share/applications");
    return folder;
}
} // namespace

void App::setTargetProcessName()
{
    // The scripts run in a local event loop; a second deactivation meanwhile
    // must not start a second capture.
    static bool capturing = false;
    if (capturing)
        return;
    capturing = true;

    implicitInstance<SentenceWindow>()->ShowBusyGettingTargetName();
    const QString creator = getFrontprocess({});
    const QString processName = getFrontprocessname({});
    if (isAcceptableTarget(creator, processName)) {
        pPrefs->SetTargetProcessCreator(creator);
        pPrefs->SetTargetProcessname(processName);
    }
    implicitInstance<SentenceWindow>()->ShowTargetProcessName();
    capturing = false;
}

bool App::SelectTargetApp()
{
    const QString path = showOpenDialog(
        QStringLiteral("application/binary"), QStringLiteral("Zielanwendung wählen..."),
        QStringLiteral("Bitte wählen Sie das Programm aus, mit welchem Sie die Zeugnisse schreiben:"),
        applicationsFolder());
    if (path.isEmpty())
        return false;
    const QString processName = targetNameOfApplicationItem(path);
    // Linux files carry no creator code: it comes from the name by the
    // scripts' rule, as for a captured target.
    pPrefs->SetTargetProcessCreator(getCreatorToProcName({processName}));
    pPrefs->SetTargetProcessname(processName);
    pPrefs->SetLinkLocked(true);
    SentenceWindow *window = implicitInstance<SentenceWindow>();
    SetLinkLock(window->LockBevelButton, true);
    window->ShowTargetProcessName();
    return true;
}

bool App::chooseTargetProcessNameAndCreator(QString &processName, QString &creator)
{
    processName = ChooseApp({});
    if (processName.isEmpty())
        return false;
    creator = getCreatorToProcName({processName});
    return isAcceptableTarget(creator, processName);
}

void App::ToggleLinkLock(BevelButton *button)
{
    pPrefs->SetLinkLocked(!pPrefs->GetLinkLocked());
    if (button)
        SetLinkLock(button, pPrefs->GetLinkLocked());
}

void App::SetLinkLock(BevelButton *button, bool locked)
{
    if (!button)
        return;
    button->setIconPicture(locked ? closeLock() : openlock());
    button->setChecked(locked);
    button->repaint();
}
