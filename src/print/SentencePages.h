#pragma once
// The pages of a printed sentence list. Every page carries the header line
// at the margin, a rule one and a half margins below the page top, one block
// of the text from two margins down, the footer "Seite n" half a margin above
// the bottom and a rule one and a half margins above it. Geometry is in
// points of the printable area.
#include <QFont>
#include <QString>

class QPagedPaintDevice;

namespace SentencePages {

constexpr int kPaperMargin = 40;

// "Velmora 9", seven blanks and the maker's line.
QString headerLine();

// Whether the paper of device leaves room for a text block inside the margins.
bool hasRoom(QPagedPaintDevice &device, int margin = kPaperMargin);

// How many pages text takes on device (a printer) with textFont; 0 for an empty text.
int pageCount(QPagedPaintDevice &device, const QString &text, const QFont &textFont, int margin = kPaperMargin);

// Draws text page by page on device (a printer) and returns the number of
// pages drawn; -1 when the device cannot be drawn on, does not finish the
// drawing, or its paper leaves no room inside the margins. An empty text
// draws no page.
int print(QPagedPaintDevice &device, const QString &text, const QFont &textFont, int margin = kPaperMargin);

} // namespace SentencePages
