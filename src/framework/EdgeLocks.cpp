#include "EdgeLocks.h"

#include <QEvent>
#include <QWidget>

EdgeLocks::EdgeLocks(QWidget *container)
    : QObject(container)
    , m_container(container)
    , m_designSize(container->size())
{
    container->installEventFilter(this);
}

void EdgeLocks::place(QWidget *control, const QRect &rect, Qt::Edges edges)
{
    if (m_entries.isEmpty())
        m_designSize = m_container->size();
    control->setGeometry(rect);
    m_entries.append({control, rect, edges});
    apply();
}

void EdgeLocks::apply()
{
    const int dw = m_container->width() - m_designSize.width();
    const int dh = m_container->height() - m_designSize.height();
    for (const Entry &e : std::as_const(m_entries)) {
        if (!e.control)
            continue;
        QRect r = e.designRect;
        if ((e.edges & Qt::RightEdge) && (e.edges & Qt::LeftEdge))
            r.setWidth(qMax(0, r.width() + dw));
        else if (e.edges & Qt::RightEdge)
            r.moveLeft(r.left() + dw);
        if ((e.edges & Qt::BottomEdge) && (e.edges & Qt::TopEdge))
            r.setHeight(qMax(0, r.height() + dh));
        else if (e.edges & Qt::BottomEdge)
            r.moveTop(r.top() + dh);
        e.control->setGeometry(r);
    }
}

bool EdgeLocks::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_container && event->type() == QEvent::Resize)
        apply();
    return QObject::eventFilter(watched, event);
}
