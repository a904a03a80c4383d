// The update check.
#include "app/App.h"
#include "framework/ImplicitInstance.h"
#include "update/INetSupport.h"
#include "update/UpdateCheckDialog.h"
#include "update/UpdateFeed.h"

namespace {
// The request waits in a local event loop, in which the menu stays usable:
// a second update command meanwhile is not started on top of the first.
bool g_checkingForUpdates = false;
} // namespace

void App::Search4Updates()
{
    if (g_checkingForUpdates)
        return;
    g_checkingForUpdates = true;
    std::unique_ptr<VersionInfo> latest;
    std::unique_ptr<VersionInfo> updateFrom;
    QString url;
    const int r = INetSupport::getLatestVersion(UpdateFeed::feedUrl(), latest, updateFrom, url);
    g_checkingForUpdates = false;
    if (r != 0)
        return;
    // Without both versions of the feed there is nothing to compare.
    if (!latest || !updateFrom || !pVersionInfo) {
        ShowOKDialog(QStringLiteral("Keine Versionsinformationen!"),
                     QStringLiteral("Die Angaben zur neuesten Version konnten nicht vom Server gelesen werden. "
                                    "Bitte prüfen Sie Ihre Internetverbindung und versuchen Sie es später noch "
                                    "einmal."),
                     QString());
        return;
    }
    UpdateCheckDialog *dialog = implicitInstance<UpdateCheckDialog>();
    dialog->SetContent(*latest, *updateFrom, *pVersionInfo, url);
    dialog->exec();
}
