// The yardstick for the program's start-up: a Qt program that shows one window.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal Window"));
    window.resize(515, 322);
    window.show();
    return QApplication::exec();
}
