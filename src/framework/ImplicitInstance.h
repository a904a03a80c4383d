#pragma once
// A window class with one implicit instance: made on first reference, gone
// when the window closes (the window sets Qt::WA_DeleteOnClose), made anew on
// the next reference.
#include <QPointer>

template <class W>
struct ImplicitInstance
{
    static inline QPointer<W> instance;
};

template <class W>
W *implicitInstance()
{
    if (!ImplicitInstance<W>::instance)
        ImplicitInstance<W>::instance = new W();
    return ImplicitInstance<W>::instance;
}

// The instance if it exists now, without making one.
template <class W>
W *existingInstance()
{
    return ImplicitInstance<W>::instance;
}
