#include "app/App.h"
#include "framework/Folders.h"

#include <QDir>

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

bool App::SavePrefs(const PreferencesClass &prefs)
{
    const VersionInfo version = pVersionInfo ? *pVersionInfo : VersionInfo();
    const QString folder = preferencesFolder();
    // Without a preferences folder there is nothing to write to.
    if (folder.isEmpty())
        return true;
    QString reason;
    if (writePreferencesFile(folder, prefs, version, &reason))
        return true;
    ShowOKDialog(QStringLiteral("Einstellungen nicht gesichert!"),
                 QStringLiteral("Die Einstellungen konnten nicht in „%1“ gesichert werden: %2 Die Datei behält die "
                                "zuletzt gesicherten Einstellungen.")
                     .arg(QDir::toNativeSeparators(QDir(folder).filePath(preferencesFileName())), reason),
                 QString());
    return false;
}
