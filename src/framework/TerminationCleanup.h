#pragma once
// Files that must not outlive a process that a signal ends (SIGINT, SIGTERM,
// SIGHUP): the code that makes such a file names it for as long as the file
// is its own, and a tool that wants the cleanup has the signals remove the
// named files before the process ends as the signal says. Programs that
// handle these signals themselves do not ask for it, and naming costs nothing.
#include <QStringList>

// From now on, SIGINT, SIGTERM and SIGHUP remove the named files first.
void removeNamedFilesOnTermination();

// Names files for removal by those signals while it lives (one at a time).
class RemovedOnTermination
{
public:
    explicit RemovedOnTermination(const QStringList &paths);
    ~RemovedOnTermination();
    RemovedOnTermination(const RemovedOnTermination &) = delete;
    RemovedOnTermination &operator=(const RemovedOnTermination &) = delete;
};
