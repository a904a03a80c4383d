#include "app/App.h"
#include "app/FileTypes.h"
#include "app/QtGerman.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VM Companion"));
    installQtGerman(application);
    FileTypes::init();
    App theApp;
    QTimer::singleShot(0, &theApp, &App::Open);
    return QApplication::exec();
}
