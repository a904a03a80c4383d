// A small target application for the end-to-end runs: one text editor whose
// text is written to a file whenever it changes. Started as
//   vm-target-window CLASSNAME OUTPUTFILE [PASTE_DELAY_MS]
// its windows carry CLASSNAME as their class; it prints its window id. With a
// delay it fetches the clipboard that long after the paste key, as a busy
// application does.
#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QTimer>

#include <cstdio>

namespace {
class Editor : public QPlainTextEdit
{
public:
    int pasteDelayMs = 0;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (pasteDelayMs > 0 && event->matches(QKeySequence::Paste))
            QTimer::singleShot(pasteDelayMs, this, &QPlainTextEdit::paste);
        else
            QPlainTextEdit::keyPressEvent(event);
    }
};
} // namespace

int main(int argc, char **argv)
{
    if (argc < 3)
        return 2;
    QApplication::setApplicationName(QString::fromLocal8Bit(argv[1]));
    QApplication application(argc, argv);
    const QString outputFile = QString::fromLocal8Bit(argv[2]);
    Editor editor;
    editor.pasteDelayMs = argc > 3 ? QByteArray(argv[3]).toInt() : 0;
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
