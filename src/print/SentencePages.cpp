#include "SentencePages.h"

#include "framework/EventLoop.h"
#include "framework/Strings.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace SentencePages {

namespace {

// The printable area in points; the painter works in device pixels of the printer.
struct PageGeometry
{
    qreal scale = 1; // device pixels per point
    qreal width = 0;
    qreal height = 0;
    qreal margin = 0;
    QSizeF blockSize() const { return {(width - 2 * margin) * scale, (height - 4 * margin) * scale}; }
    // A paper smaller than its margins has no room for a text block.
    bool hasRoom() const { return width > 2 * margin && height > 4 * margin; }
};

PageGeometry geometryOf(QPagedPaintDevice &device, int margin)
{
    PageGeometry g;
    g.scale = device.logicalDpiY() / 72.0;
    const QRectF area = device.pageLayout().paintRect(QPageLayout::Point);
    g.width = area.width();
    g.height = area.height();
    g.margin = margin;
    return g;
}

// The text laid out in blocks of one page each, on the printer's own metrics.
struct LaidOutText
{
    LaidOutText(QPagedPaintDevice &device, const QString &text, const QFont &textFont, int margin)
        : geometry(geometryOf(device, margin))
    {
        // The empty lines that end the text are left out: they would only open an empty last page.
        QString shown = text;
        while (shown.endsWith(EndOfLine()))
            shown.chop(EndOfLine().size());
        document.documentLayout()->setPaintDevice(&device);
        document.setDocumentMargin(0);
        document.setDefaultFont(textFont);
        document.setPlainText(shown);
        document.setPageSize(geometry.blockSize());
    }

    PageGeometry geometry;
    QTextDocument document;
};

// Draws the lines that the layout put on page (from 0) and no other: a line
// drawn clipped on the page before would still be part of the printed text.
// Pages are drawn in order, so each starts at the block where the one before
// stopped (first, moved on here) and the whole print reads every block once.
void drawLinesOfPage(QPainter &painter, QTextBlock &first, int page, qreal pageHeight)
{
    // The layout moves a line that would cross a page's end to the next page,
    // so its middle tells its page.
    const auto pageOf = [pageHeight](const QPointF &origin, const QTextLine &line) {
        return int((origin.y() + line.y() + line.height() / 2) / pageHeight);
    };
    for (; first.isValid(); first = first.next()) {
        const QTextLayout *layout = first.layout();
        const QPointF origin = layout->position();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const int linePage = pageOf(origin, line);
            if (linePage > page)
                return; // this block goes on on the next page
            if (linePage == page)
                line.draw(&painter, origin);
        }
    }
}

} // namespace

QString headerLine()
{
    return QStringLiteral("Velmora 9") + QString(7, u' ') + QStringLiteral("Kelmarin Software - www.kelmarin.de");
}

bool hasRoom(QPagedPaintDevice &device, int margin)
{
    return geometryOf(device, margin).hasRoom();
}

int pageCount(QPagedPaintDevice &device, const QString &text, const QFont &textFont, int margin)
{
    if (text.isEmpty() || !hasRoom(device, margin))
        return 0;
    return LaidOutText(device, text, textFont, margin).document.pageCount();
}

int print(QPagedPaintDevice &device, const QString &text, const QFont &textFont, int margin)
{
    if (text.isEmpty())
        return 0;
    if (!hasRoom(device, margin))
        return -1;
    LaidOutText laidOut(device, text, textFont, margin);
    const PageGeometry &g = laidOut.geometry;
    QTextDocument &document = laidOut.document;
    const int pages = document.pageCount();

    QPainter painter;
    if (!painter.begin(&device))
        return -1;
    QFont small = QApplication::font();
    small.setPointSize(10);
    const qreal k = g.scale;
    const qreal m = g.margin;
    const QSizeF block = g.blockSize();
    QTextBlock pageStart = document.begin();
    for (int page = 1; page <= pages; ++page) {
        if (page > 1)
            device.newPage();
        painter.setFont(small);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(m * k, m * k), headerLine());
        painter.drawLine(QPointF(m * k, 1.5 * m * k), QPointF((g.width - m) * k, 1.5 * m * k));

        painter.save();
        const qreal top = (page - 1) * block.height();
        painter.translate(m * k, 2 * m * k - top);
        painter.setClipRect(QRectF(QPointF(0, top), block));
        drawLinesOfPage(painter, pageStart, page - 1, block.height());
        painter.restore();

        painter.drawText(QPointF(m * k, (g.height - m / 2) * k), QStringLiteral("Seite ") + Str(page));
        const qreal bottomRule = (g.height - 1.5 * m) * k;
        painter.drawLine(QPointF(m * k, bottomRule), QPointF((g.width - m) * k, bottomRule));
        yieldToEventLoop();
    }
    return painter.end() ? pages : -1;
}

} // namespace SentencePages
