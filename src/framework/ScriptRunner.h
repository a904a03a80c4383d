#pragma once
// The compiled scripts that talk to other applications: executable files in
// scripts/ beside the program, named by their number, run with text
// arguments; their standard output is the result.
#include <QString>
#include <QStringList>

class ScriptRunner
{
public:
    // A script that has not finished by then is ended. Activating a window
    // alone may take a few seconds on a busy desktop.
    static constexpr int kDefaultTimeoutMs = 30000;

    // Runs script number with arguments and returns its standard output
    // without the final line end. The caller waits in a local event loop that
    // leaves user input queued, so the program keeps answering clipboard
    // requests of the application the script talks to. A missing script, one
    // that fails to start and one that had to be ended give "".
    static QString run(int number, const QStringList &arguments = {}, int timeoutMs = kDefaultTimeoutMs);
    // Where script number lies.
    static QString scriptPath(int number);
};
