#pragma once
// Controls placed at fixed positions that keep their distance to the window
// edges they are locked to when the window is resized: locked left and
// right, a control grows with the width; locked right only, it moves.
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

class QWidget;

class EdgeLocks : public QObject
{
    Q_OBJECT
public:
    // Watches container's resizes; its size when the first control is locked is the design size.
    explicit EdgeLocks(QWidget *container);

    // Places control at rect (in the container) and locks it to edges.
    void place(QWidget *control, const QRect &rect, Qt::Edges edges);
    // Positions every control for the container's current size.
    void apply();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Entry
    {
        QPointer<QWidget> control;
        QRect designRect;
        Qt::Edges edges;
    };
    QWidget *m_container;
    QSize m_designSize;
    QList<Entry> m_entries;
};
