#pragma once
// When the system asks the program to end (SIGTERM at logout, shutdown or
// kill, SIGHUP when its terminal goes, SIGINT), it quits the way its own quit
// command does. The signal handler only writes a byte into a socket pair; the
// quit runs in the event loop. The session manager's request to save before
// the session ends saves what quitting saves; the session manager then ends
// the program, or the session goes on (a checkpoint, a cancelled logout).
#include <QObject>

#include <functional>

class QSocketNotifier;

class QuitRequests : public QObject
{
    Q_OBJECT
public:
    // One at a time; quit is the program's quit command, save saves what it
    // saves, with messages only when its argument allows them, and tells
    // whether all of it was saved.
    QuitRequests(std::function<void()> quit, std::function<bool(bool)> save, QObject *parent = nullptr);
    // The signals' former handling comes back.
    ~QuitRequests() override;

private:
    void quitNow();

    std::function<void()> m_quit;
    std::function<bool(bool)> m_save;
    QSocketNotifier *m_notifier = nullptr;
    bool m_quitting = false;
};
