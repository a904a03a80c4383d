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
} // namespace

RunningCopy::RunningCopy(const QString &prefsFile)
{
    // The runtime folder is the user's own: $XDG_RUNTIME_DIR, or a private folder that Qt makes.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        return;
    const QString key = copyKey(prefsFile);
    m_lockPath = QDir(runtime).filePath(key + QStringLiteral(".lock"));
    m_socketPath = QDir(runtime).filePath(key + QStringLiteral(".socket"));

    // A lock on an open file ends with the process that holds it, also when it crashes.
    m_lockFd = ::open(QFile::encodeName(m_lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_lockFd < 0)
        return;
    const QDeadlineTimer deadline(kConnectWaitMs);
    for (;;) {
        if (::flock(m_lockFd, LOCK_EX | LOCK_NB) == 0) {
            // A socket left by a copy that crashed is in the way; the lock says no copy uses it.
            QLocalServer::removeServer(m_socketPath);
            m_server.setSocketOptions(QLocalServer::UserAccessOption);
            if (!m_server.listen(m_socketPath)) {
                // Without a socket a later start could not reach this copy; it runs on its own then.
                ::close(m_lockFd);
                m_lockFd = -1;
                return;
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
            return;
        }
        if (askRunningCopy()) {
            m_handedOver = true;
            break;
        }
        // The running copy is just starting; once it is gone, the lock is free.
        if (deadline.hasExpired())
            break;
        QThread::msleep(50);
    }
    ::close(m_lockFd);
    m_lockFd = -1;
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
