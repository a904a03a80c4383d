#include "app/App.h"
#include "app/FileTypes.h"
#include "app/QtGerman.h"
#include "framework/ImplicitInstance.h"
#include "windows/dialogs/AboutDialog.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VM Companion"));
    installQtGerman(application);
    FileTypes::init();
    App theApp;
    // The about box is the default window: made now, shown only on request.
    implicitInstance<AboutDialog>();
    QTimer::singleShot(0, &theApp, &App::Open);
    return QApplication::exec();
}
