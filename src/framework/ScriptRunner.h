#pragma once
// The compiled scripts that talk to other applications: executable files in
// scripts/ beside the program, named by their number, run with text
// arguments (and, for texts of any length, standard input); their standard
// output is the result, their exit status tells whether they succeeded.
#include <QByteArray>
#include <QString>
#include <QStringList>

struct ScriptResult
{
    // Standard output without the final line end.
    QString output;
    // Ended by itself with exit status 0.
    bool succeeded = false;
    // Its exit status when it ended by itself, else -1.
    int exitCode = -1;
};

class ScriptRunner
{
public:
    // A script that has not finished by then is ended. Activating a window
    // alone may take a few seconds on a busy desktop.
    static constexpr int kDefaultTimeoutMs = 30000;

    // Runs script number with arguments, input on its standard input (none
    // when empty). The caller waits in a local event loop that leaves user
    // input queued, so the program keeps answering clipboard requests of the
    // application the script talks to. A missing script, one that fails to
    // start and one that had to be ended give "" and no success.
    static ScriptResult run(int number, const QStringList &arguments = {}, const QByteArray &input = {},
                            int timeoutMs = kDefaultTimeoutMs);
    // Where script number lies.
    static QString scriptPath(int number);
};
