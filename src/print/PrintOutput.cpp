#include "PrintOutput.h"

#include "framework/FileErrors.h"
#include "framework/Files.h"
#include "print/SentencePages.h"

#include <QBuffer>
#include <QDir>
#include <QPdfWriter>
#include <QPrinter>

#include <cerrno>

namespace PrintOutput {

namespace {

QString fileFailure(const QString &path, const QString &reason)
{
    return QStringLiteral("Der Ausdruck konnte nicht vollständig in die Datei „%1“ geschrieben werden: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

QString printerFailure(const QString &printerName)
{
    return QStringLiteral("Der Ausdruck konnte nicht vollständig an den Drucker „%1“ übergeben werden. Bitte "
                          "prüfen Sie den Drucker und drucken Sie dann noch einmal.")
        .arg(printerName);
}

// Qt's own PDF output writes its file without telling of a failed write: the
// pages are made with the printer's settings into memory here instead.
Result printIntoFile(QPrinter &printer, const QString &text, const QFont &textFont, int margin)
{
    const QString path = printer.outputFileName();
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    int pages = -1;
    {
        QPdfWriter writer(&pdf);
        writer.setPdfVersion(printer.pdfVersion());
        writer.setResolution(printer.resolution());
        writer.setPageLayout(printer.pageLayout());
        writer.setTitle(printer.docName());
        writer.setCreator(printer.creator());
        pages = SentencePages::print(writer, text, textFont, margin);
    }
    if (pages < 0)
        return {0, fileFailure(path, fileErrorReason(ENOMEM))};
    const int error = replaceFileWith(path, pdf.data());
    return {pages, error ? fileFailure(path, fileErrorReason(error)) : QString()};
}

} // namespace

Result print(QPrinter &printer, const QString &text, const QFont &textFont, int margin)
{
    if (text.isEmpty())
        return {};
    if (!SentencePages::hasRoom(printer, margin))
        return {-1, {}};
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return printIntoFile(printer, text, textFont, margin);
    const int pages = SentencePages::print(printer, text, textFont, margin);
    if (pages < 0 || printer.printerState() == QPrinter::Error)
        return {qMax(pages, 0), printerFailure(printer.printerName())};
    return {pages, {}};
}

QString failureHeader()
{
    return QStringLiteral("Ausdruck unvollständig!");
}

} // namespace PrintOutput
