#pragma once
// One running copy of the program per user and preferences file. The first
// start holds a lock in a folder of the user's alone and listens on a local
// socket beside it until it quits; a later start connects, which brings the
// first copy's windows to the front, and ends once the first copy answers.
// While the first copy quits, a later start waits a few seconds for its lock
// and runs as a copy of its own. The folder is the first of the user's runtime
// folder, the preferences folder and a folder of the program's own in the
// temporary folder that works; where none does, the program runs unguarded.
#include <QLocalServer>
#include <QObject>
#include <QString>

class RunningCopy : public QObject
{
    Q_OBJECT
public:
    // Keyed by the user and the preferences file at prefsFile.
    explicit RunningCopy(const QString &prefsFile);
    ~RunningCopy() override;

    // True when another copy runs and has been asked to come to the front;
    // false when this process is the running copy (or none can be told apart).
    bool handedOver() const { return m_handedOver; }

signals:
    // The program was started again while this copy runs.
    void startedAgain();

private:
    enum class Place { Unusable, Taken, HandedOver, Busy };
    // Takes the lock and the socket of key in folder, or reaches the copy that holds them.
    Place takePlace(const QString &folder, const QString &key);
    bool askRunningCopy();

    QString m_socketPath;
    int m_lockFd = -1;
    bool m_handedOver = false;
    QLocalServer m_server;
};

// Brings the main window, and a dialog open over it, to the front.
void bringProgramToFront();
