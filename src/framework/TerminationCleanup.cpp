#include "TerminationCleanup.h"

#include <QFile>

#include <climits>
#include <csignal>
#include <cstring>
#include <unistd.h>

namespace {
constexpr int kMaxFiles = 4;
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

// Plain memory, so that the signal handler can read it.
char g_files[kMaxFiles][PATH_MAX];
volatile sig_atomic_t g_fileCount = 0;

void removeAndEnd(int signal)
{
    for (int i = 0; i < g_fileCount; ++i)
        ::unlink(g_files[i]);
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

// Keeps the signals away while the names change.
class SignalsHeld
{
public:
    SignalsHeld()
    {
        sigset_t held;
        sigemptyset(&held);
        for (const int signal : kSignals)
            sigaddset(&held, signal);
        sigprocmask(SIG_BLOCK, &held, &m_former);
    }
    ~SignalsHeld() { sigprocmask(SIG_SETMASK, &m_former, nullptr); }

private:
    sigset_t m_former;
};
} // namespace

void removeNamedFilesOnTermination()
{
    for (const int signal : kSignals)
        ::signal(signal, removeAndEnd);
}

RemovedOnTermination::RemovedOnTermination(const QStringList &paths)
{
    const SignalsHeld held;
    int count = 0;
    for (const QString &path : paths) {
        const QByteArray name = QFile::encodeName(path);
        if (count == kMaxFiles || name.size() >= PATH_MAX)
            continue;
        std::memcpy(g_files[count], name.constData(), size_t(name.size()) + 1);
        ++count;
    }
    g_fileCount = count;
}

RemovedOnTermination::~RemovedOnTermination()
{
    const SignalsHeld held;
    g_fileCount = 0;
}
