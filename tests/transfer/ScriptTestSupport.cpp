#include "ScriptTestSupport.h"

#include "framework/Folders.h"

#include <QDir>
#include <QFile>

#include <ostream>

namespace {
// Each call gets a folder calls/N holding "number", "input" and one file per argument.
const char kRecordingScript[] = R"SH(#!/bin/sh
here=$(dirname "$0")
n=0
while ! mkdir "$here/../calls/$n" 2>/dev/null; do n=$((n + 1)); done
call="$here/../calls/$n"
printf '%s' "$(basename "$0")" > "$call/number"
cat > "$call/input"
i=1
for argument in "$@"; do printf '%s' "$argument" > "$call/$i"; i=$((i + 1)); done
[ -f "$here/../reply-$(basename "$0")" ] && cat "$here/../reply-$(basename "$0")"
exit 0
)SH";

void writeFile(const QString &path, const QByteArray &data, bool executable)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    file.write(data);
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
} // namespace

RecordingScripts::RecordingScripts()
{
    QDir(m_dir.path()).mkpath(QStringLiteral("scripts"));
    QDir(m_dir.path()).mkpath(QStringLiteral("calls"));
    for (int number : {168, 170, 171, 172, 173, 174, 175, 176})
        writeFile(m_dir.filePath(QStringLiteral("scripts/%1").arg(number)), kRecordingScript, true);
    setProgramFolder(m_dir.path());
}

RecordingScripts::~RecordingScripts()
{
    setProgramFolder(QString());
}

void RecordingScripts::setReply(int number, const QString &text)
{
    writeFile(m_dir.filePath(QStringLiteral("reply-%1").arg(number)), (text + u'\n').toUtf8(), false);
}

void RecordingScripts::writeScript(int number, const QString &body)
{
    writeFile(m_dir.filePath(QStringLiteral("scripts/%1").arg(number)),
              (QStringLiteral("#!/bin/sh\n") + body + u'\n').toUtf8(), true);
}

QList<ScriptCall> RecordingScripts::calls() const
{
    QList<ScriptCall> result;
    for (int n = 0;; ++n) {
        const QDir call(m_dir.filePath(QStringLiteral("calls/%1").arg(n)));
        if (!call.exists())
            break;
        ScriptCall entry{readText(call.filePath(QStringLiteral("number"))).toInt(), {},
                         readText(call.filePath(QStringLiteral("input")))};
        for (int i = 1; QFile::exists(call.filePath(QString::number(i))); ++i)
            entry.arguments << readText(call.filePath(QString::number(i)));
        result << entry;
    }
    return result;
}

void PrintTo(const ScriptCall &call, std::ostream *os)
{
    *os << call.number << "(" << call.arguments.join(QStringLiteral(", ")).toStdString() << " < "
        << call.input.toStdString() << ")";
}
