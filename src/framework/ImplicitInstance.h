#pragma once
// A window class with one implicit instance: made on first reference, gone
// when the window closes (the window sets Qt::WA_DeleteOnClose), made anew on
// the next reference.
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <functional>

// Qt deletes a closed window only later; the instance ends at the close
// itself, so that a reference right after the close makes a new window.
class ImplicitInstanceWatcher : public QObject
{
public:
    ImplicitInstanceWatcher(QWidget *window, std::function<void()> release)
        : QObject(window)
        , m_release(std::move(release))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::Close) {
            // A close that goes through hides the window next; a hidden
            // window has nothing left to hide.
            m_closing = true;
            if (!window->isVisible() && window->testAttribute(Qt::WA_DeleteOnClose))
                m_release();
        } else if (event->type() == QEvent::Hide && m_closing) {
            if (window->testAttribute(Qt::WA_DeleteOnClose))
                m_release();
            m_closing = false;
        } else if (event->type() == QEvent::Show) {
            m_closing = false;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_release;
    bool m_closing = false;
};

template <class W>
struct ImplicitInstance
{
    static inline QPointer<W> instance;
};

template <class W>
W *implicitInstance()
{
    if (!ImplicitInstance<W>::instance) {
        W *window = new W();
        ImplicitInstance<W>::instance = window;
        new ImplicitInstanceWatcher(window, [window] {
            if (ImplicitInstance<W>::instance == window)
                ImplicitInstance<W>::instance = nullptr;
        });
    }
    return ImplicitInstance<W>::instance;
}

// The instance if it exists now, without making one.
template <class W>
W *existingInstance()
{
    return ImplicitInstance<W>::instance;
}
