#include "QuitRequests.h"

#include "app/App.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr std::array kQuitSignals = {SIGTERM, SIGHUP, SIGINT};
// The socket pair's ends: the handler writes into [0], the event loop reads [1].
int g_pipe[2] = {-1, -1};
struct sigaction g_former[kQuitSignals.size()];

// Only what is safe inside a signal handler: one write, errno kept.
void onQuitSignal(int signal)
{
    const int savedErrno = errno;
    const char byte = char(signal);
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[0], &byte, 1);
    errno = savedErrno;
}
} // namespace

QuitRequests::QuitRequests(App &app, QObject *parent)
    : QObject(parent)
    , m_app(app)
{
    Q_ASSERT(g_pipe[0] < 0);
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_pipe) != 0)
        return;
    m_notifier = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(g_pipe[1], bytes, sizeof bytes) > 0) {
        }
        // The quit command itself ignores a request while a quit waits in its
        // message, and carries one out after a save of the sentence list.
        m_app._FileQuit_Action();
    });
    struct sigaction action = {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < kQuitSignals.size(); ++i)
        ::sigaction(kQuitSignals[i], &action, &g_former[i]);
    if (auto *gui = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        // Messages only with the manager's leave; an edit that cannot be saved stops the
        // logout, so that it can be copied.
        connect(gui, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &manager) {
            const bool mayAsk = manager.allowsInteraction();
            if (!m_app.saveForSessionEnd(mayAsk))
                manager.cancel();
            if (mayAsk)
                manager.release();
        });
    }
}

QuitRequests::~QuitRequests()
{
    if (g_pipe[0] < 0)
        return;
    for (size_t i = 0; i < kQuitSignals.size(); ++i)
        ::sigaction(kQuitSignals[i], &g_former[i], nullptr);
    delete m_notifier;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}
