#pragma once
// Scripts for the tests that record each call (their number, every argument
// and their standard input, exactly) and answer with a prepared text. The
// program's folder points at a temporary folder holding them while the object lives.
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

struct ScriptCall
{
    int number = 0;
    QStringList arguments;
    QString input;
    bool operator==(const ScriptCall &other) const = default;
};

class RecordingScripts
{
public:
    RecordingScripts();
    ~RecordingScripts();

    // What script number prints (a line end is added, as a shell command prints).
    void setReply(int number, const QString &text);
    // Replaces script number by a script of this shell body.
    void writeScript(int number, const QString &body);
    QList<ScriptCall> calls() const;

private:
    QTemporaryDir m_dir;
};

// For readable failures.
void PrintTo(const ScriptCall &call, std::ostream *os);
