#include "app/App.h"
#include "framework/FileErrors.h"
#include "framework/Files.h"
#include "framework/Folders.h"

#include <QDir>
#include <QFileInfo>

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
    int folderError = 0;
    const QString folder = preferencesFolder(&folderError);
    // Without a preferences folder there is nothing to write to.
    if (folder.isEmpty() && folderError == 0)
        return true;
    QString reason;
    if (!folder.isEmpty() && writePreferencesFile(folder, prefs, version, &reason))
        return true;
    // A folder that cannot be made is said as one that cannot be written.
    if (folder.isEmpty())
        reason = fileErrorReason(folderError);
    const QString file = QDir(preferencesFolderPath()).filePath(preferencesFileName());
    const QString kept = QFileInfo(writtenFile(file)).isFile()
                             ? QStringLiteral("Die Datei behält die zuletzt gesicherten Einstellungen.")
                             : QStringLiteral("Beim nächsten Start gelten die Grundeinstellungen.");
    ShowOKDialog(QStringLiteral("Einstellungen nicht gesichert!"),
                 QStringLiteral("Die Einstellungen konnten nicht in „%1“ gesichert werden: %2 %3")
                     .arg(QDir::toNativeSeparators(file), reason, kept),
                 QString());
    return false;
}
