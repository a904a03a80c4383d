#pragma once
// When the system asks the program to end (SIGTERM at logout, shutdown or
// kill, SIGHUP when its terminal goes, SIGINT, and the session manager's
// end-of-session request), it quits the way its own quit command does. The
// signal handler only writes a byte into a socket pair; the quit runs in the
// event loop.
#include <QObject>

#include <functional>

class QSocketNotifier;

class QuitRequests : public QObject
{
    Q_OBJECT
public:
    // One at a time; quit is the program's quit command.
    explicit QuitRequests(std::function<void()> quit, QObject *parent = nullptr);
    // The signals' former handling comes back.
    ~QuitRequests() override;

private:
    void quitNow();

    std::function<void()> m_quit;
    QSocketNotifier *m_notifier = nullptr;
    bool m_quitting = false;
};
