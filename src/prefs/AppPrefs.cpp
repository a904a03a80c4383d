#include "app/App.h"
#include "framework/Folders.h"

PreferencesClass App::ReadPrefs()
{
    const QString folder = preferencesFolder();
    // Without a preferences folder the first-launch flag keeps its value.
    bool existed = !pFirstLaunch;
    PreferencesClass prefs = readPreferencesFile(folder, &existed);
    if (!folder.isEmpty())
        pFirstLaunch = !existed;
    return prefs;
}

void App::SavePrefs(const PreferencesClass &prefs)
{
    const VersionInfo version = pVersionInfo ? *pVersionInfo : VersionInfo();
    writePreferencesFile(preferencesFolder(), prefs, version);
}
