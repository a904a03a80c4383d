#pragma once
// When the system asks the program to end (SIGTERM at logout, shutdown or
// kill, SIGHUP when its terminal goes, SIGINT), it quits the way its own quit
// command does. The signal handler only writes a byte into a socket pair; the
// quit runs in the event loop. The session manager's request to save before
// the session ends saves what quitting saves; the session manager then ends
// the program, or the session goes on (a checkpoint, a cancelled logout).
#include <QObject>

class App;
class QSocketNotifier;

class QuitRequests : public QObject
{
    Q_OBJECT
public:
    // One at a time; the requests go to the application object's quit
    // command and its save for the session's end.
    explicit QuitRequests(App &app, QObject *parent = nullptr);
    // The signals' former handling comes back.
    ~QuitRequests() override;

private:
    App &m_app;
    QSocketNotifier *m_notifier = nullptr;
};
