#pragma once
// A printed sentence list sent to what the print dialog chose. A PDF file is
// made in memory and then written as a whole, so that a disk that is full, or
// a place the user may not write to, is noticed and named and no cut-off file
// is left; a printer is asked whether it took every page.
#include <QFont>
#include <QString>

class QPrinter;

namespace PrintOutput {

struct Result
{
    // The pages drawn; -1 when the paper leaves no room inside the margins.
    int pages = 0;
    // Why the printout is not whole, as a German message; "" when it is.
    QString failure;
};

// Prints text as SentencePages lays it out; an empty text prints nothing.
Result print(QPrinter &printer, const QString &text, const QFont &textFont, int margin);

// The header of the message that shows a failure.
QString failureHeader();

} // namespace PrintOutput
