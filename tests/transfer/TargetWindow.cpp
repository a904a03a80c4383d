// A small target application for the end-to-end runs: one text editor whose
// text is written to a file whenever it changes. Started as
//   vm-target-window CLASSNAME OUTPUTFILE
// its windows carry CLASSNAME as their class; it prints its window id.
#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 3)
        return 2;
    QApplication::setApplicationName(QString::fromLocal8Bit(argv[1]));
    QApplication application(argc, argv);
    const QString outputFile = QString::fromLocal8Bit(argv[2]);

    QPlainTextEdit editor;
    editor.setWindowTitle(QStringLiteral("Zeugnis"));
    editor.resize(400, 200);
    QObject::connect(&editor, &QPlainTextEdit::textChanged, &editor, [&] {
        QSaveFile file(outputFile);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(editor.toPlainText().toUtf8());
            file.commit();
        }
    });
    editor.show();
    std::printf("%llu\n", static_cast<unsigned long long>(editor.winId()));
    std::fflush(stdout);
    return QApplication::exec();
}
