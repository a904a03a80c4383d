#include "app/App.h"
#include "app/FileTypes.h"
#include "app/QtGerman.h"
#include "app/QuitRequests.h"
#include "app/RunningCopy.h"
#include "framework/Folders.h"
#include "prefs/PreferencesClass.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <csignal>

int main(int argc, char *argv[])
{
    // A write beyond a file-size limit fails with EFBIG and is reported like a full disk,
    // instead of ending the program with the open edit.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VM Companion"));
    // A second start for the same user and preferences brings the running copy to the front.
    // A preferences folder that cannot be made is still the one every start names.
    const QString prefsFolder = preferencesFolder();
    RunningCopy runningCopy(
        QDir(prefsFolder.isEmpty() ? preferencesFolderPath() : prefsFolder).filePath(preferencesFileName()));
    if (runningCopy.handedOver())
        return 0;
    QObject::connect(&runningCopy, &RunningCopy::startedAgain, &bringProgramToFront);
    installQtGerman(application);
    FileTypes::init();
    App theApp;
    QuitRequests quitRequests(theApp);
    QTimer::singleShot(0, &theApp, &App::Open);
    return QApplication::exec();
}
