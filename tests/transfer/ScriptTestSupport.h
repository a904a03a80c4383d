#pragma once
// Scripts for the tests that record each call: their number, every argument
// and their standard input, exactly. The program's folder points at a
// temporary folder holding them while the object lives.
#include <QStringList>
#include <QTemporaryDir>

#include <ostream>

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
    QList<ScriptCall> calls() const;

private:
    QTemporaryDir m_dir;
};

inline void PrintTo(const ScriptCall &call, std::ostream *os)
{
    *os << call.number << "(" << call.arguments.join(u',').toStdString() << " < " << call.input.toStdString() << ")";
}
