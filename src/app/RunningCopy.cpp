#include "RunningCopy.h"

#include "framework/ImplicitInstance.h"
#include "windows/sentence/SentenceWindow.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// How long a later start waits for a first copy that holds the lock but does not listen yet.
constexpr int kConnectWaitMs = 5000;
// How long a later start waits for the running copy's answer on one connection.
constexpr int kAnswerWaitMs = 2000;

// The key of one user's program with one preferences file.
QString copyKey(const QString &prefsFile)
{
    const QFileInfo info(prefsFile);
    const QString folder = info.dir().canonicalPath().isEmpty() ? info.absolutePath() : info.dir().canonicalPath();
    const QByteArray id = QByteArray::number(::getuid()) + '\n' + QFile::encodeName(folder + u'/' + info.fileName());
    return QStringLiteral("vm-companion-")
           + QString::fromLatin1(QCryptographicHash::hash(id, QCryptographicHash::Sha256).toHex().left(16));
}

// Whether folder is the user's and no other user can put anything into it. A
// link is no folder of the user's, wherever it points: another user may have
// planted it in a shared folder.
bool belongsToUserAlone(const QString &folder)
{
    struct stat st = {};
    if (::lstat(QFile::encodeName(folder).constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
        return false;
    // A group of the user's own may write (private user groups).
    return !(st.st_mode & S_IWOTH) && (!(st.st_mode & S_IWGRP) || st.st_gid == ::getegid());
}
} // namespace

RunningCopy::RunningCopy(const QString &prefsFile)
{
    // Qt's runtime folder is $XDG_RUNTIME_DIR or a private folder of its own, and
    // none when another user made that one. A place that does not work (a stray
    // entry at the lock or the socket, a folder that takes no files) fails alike
    // for every start, so later starts meet the running copy at the next place.
    QStringList places{QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)};
    if (QDir::isAbsolutePath(prefsFile))
        places << QFileInfo(prefsFile).absolutePath();
    places << QDir::tempPath() + QStringLiteral("/vm-companion-") + QString::number(::geteuid());
    const QString key = copyKey(prefsFile);
    for (const QString &folder : places) {
        if (folder.isEmpty())
            continue;
        ::mkdir(QFile::encodeName(folder).constData(), 0700);
        if (belongsToUserAlone(folder) && takePlace(folder, key) != Place::Unusable)
            return;
    }
}

RunningCopy::Place RunningCopy::takePlace(const QString &folder, const QString &key)
{
    const QString lockPath = QDir(folder).filePath(key + QStringLiteral(".lock"));
    m_socketPath = QDir(folder).filePath(key + QStringLiteral(".socket"));

    // A lock on an open file ends with the process that holds it, also when it crashes.
    m_lockFd = ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    struct stat st = {};
    if (m_lockFd >= 0 && (::fstat(m_lockFd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid())) {
        ::close(m_lockFd);
        m_lockFd = -1;
    }
    if (m_lockFd < 0)
        return Place::Unusable;
    Place place = Place::Busy;
    const QDeadlineTimer deadline(kConnectWaitMs);
    for (;;) {
        if (::flock(m_lockFd, LOCK_EX | LOCK_NB) == 0) {
            // A socket left by a copy that crashed is in the way; the lock says no copy uses it.
            QLocalServer::removeServer(m_socketPath);
            m_server.setSocketOptions(QLocalServer::UserAccessOption);
            if (!m_server.listen(m_socketPath)) {
                // Without a socket here a later start could not reach this copy.
                place = Place::Unusable;
                break;
            }
            connect(&m_server, &QLocalServer::newConnection, this, [this] {
                emit startedAgain();
                // The answer tells the later start that this copy is alive and has come to the front.
                while (QLocalSocket *socket = m_server.nextPendingConnection()) {
                    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
                    socket->write("1", 1);
                    socket->disconnectFromServer();
                }
            });
            // A copy that is quitting would bring no window to the front: a later start
            // finds no one listening and waits for the lock instead.
            connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { m_server.close(); });
            return Place::Taken;
        }
        if (askRunningCopy()) {
            m_handedOver = true;
            place = Place::HandedOver;
            break;
        }
        // The running copy is just starting; once it is gone, the lock is free.
        if (deadline.hasExpired())
            break;
        QThread::msleep(50);
    }
    ::close(m_lockFd);
    m_lockFd = -1;
    return place;
}

RunningCopy::~RunningCopy()
{
    if (m_lockFd >= 0) {
        m_server.close();
        ::close(m_lockFd);
    }
}

bool RunningCopy::askRunningCopy()
{
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(1000))
        return false;
    // The connection is the request. The kernel takes it also for a copy that no
    // longer reads it; only the running copy's answer means it has come to the front.
    const QDeadlineTimer deadline(kAnswerWaitMs);
    while (socket.bytesAvailable() < 1 && !deadline.hasExpired())
        if (!socket.waitForReadyRead(int(deadline.remainingTime())))
            break;
    return socket.bytesAvailable() > 0;
}

void bringProgramToFront()
{
    QWidget *dialog = QApplication::activeModalWidget();
    for (QWidget *window : {static_cast<QWidget *>(existingInstance<SentenceWindow>()), dialog}) {
        if (!window || !window->isVisible())
            continue;
        if (window->isMinimized())
            window->showNormal();
        window->raise();
        window->activateWindow();
    }
}
