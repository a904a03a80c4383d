// A small target application for the end-to-end runs: one text editor whose
// text is written to a file whenever it changes. Started as
//   vm-target-window CLASSNAME OUTPUTFILE [PASTE_DELAY_MS] [OPTION...]
// its windows carry CLASSNAME as their class; it prints its window id. With a
// delay it fetches the clipboard that long after the paste key, as a busy
// application does. Options:
//   --latin1-class       the class is written in Latin-1, not UTF-8
//   --ignores-first-paste-after-image
//                        the first paste after the clipboard held an image
//                        asks for the image and pastes nothing, as an
//                        application that keeps its own idea of the clipboard
//   --takes-no-paste     no paste key fetches anything
// Once it has seen an image on the clipboard it creates OUTPUTFILE.image.
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QTimer>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>

namespace {
// Asks the clipboard's owner straight for an image, without looking at what it
// offers now (Qt would look first and not ask), and leaves the answer unread.
void askOwnerForImage(const QWidget &window)
{
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return;
    Display *display = x11->display();
    XConvertSelection(display, XInternAtom(display, "CLIPBOARD", False), XInternAtom(display, "image/png", False),
                      XInternAtom(display, "VM_TARGET_PASTE", False), window.winId(), CurrentTime);
    XFlush(display);
}

class Editor : public QPlainTextEdit
{
public:
    int pasteDelayMs = 0;
    bool ignoresFirstPasteAfterImage = false;
    bool takesNoPaste = false;
    bool imageSinceLastPaste = false;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (!event->matches(QKeySequence::Paste))
            return QPlainTextEdit::keyPressEvent(event);
        const bool ignored = takesNoPaste || (ignoresFirstPasteAfterImage && imageSinceLastPaste);
        imageSinceLastPaste = false;
        if (ignored) {
            // Asks for the format it remembers, which the clipboard no longer has.
            if (!takesNoPaste)
                askOwnerForImage(*this);
            return;
        }
        if (pasteDelayMs > 0)
            QTimer::singleShot(pasteDelayMs, this, &QPlainTextEdit::paste);
        else
            paste();
    }
};

// Writes the class as Latin-1 bytes, as older X programs do.
void setLatin1Class(const QWidget &window, const QString &className)
{
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return;
    QByteArray value = className.toLatin1();
    value += '\0' + className.toLatin1() + '\0';
    XChangeProperty(x11->display(), window.winId(), XA_WM_CLASS, XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char *>(value.constData()), static_cast<int>(value.size()));
    XFlush(x11->display());
}
} // namespace

int main(int argc, char **argv)
{
    if (argc < 3)
        return 2;
    QApplication::setApplicationName(QString::fromLocal8Bit(argv[1]));
    QApplication application(argc, argv);
    const QString outputFile = QString::fromLocal8Bit(argv[2]);
    Editor editor;
    const QStringList options = QApplication::arguments().mid(3);
    editor.pasteDelayMs = options.value(0).toInt();
    editor.ignoresFirstPasteAfterImage = options.contains(QStringLiteral("--ignores-first-paste-after-image"));
    editor.takesNoPaste = options.contains(QStringLiteral("--takes-no-paste"));
    editor.setWindowTitle(QStringLiteral("Zeugnis"));
    editor.resize(400, 200);
    QObject::connect(&editor, &QPlainTextEdit::textChanged, &editor, [&] {
        QSaveFile file(outputFile);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(editor.toPlainText().toUtf8());
            file.commit();
        }
    });
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, &editor, [&] {
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        if (!data || !data->formats().contains(QStringLiteral("image/png")))
            return;
        editor.imageSinceLastPaste = true;
        QSaveFile marker(outputFile + QStringLiteral(".image"));
        if (marker.open(QIODevice::WriteOnly))
            marker.commit();
    });
    if (options.contains(QStringLiteral("--latin1-class")))
        setLatin1Class(editor, QApplication::applicationName());
    editor.show();
    std::printf("%llu\n", static_cast<unsigned long long>(editor.winId()));
    std::fflush(stdout);
    return QApplication::exec();
}
