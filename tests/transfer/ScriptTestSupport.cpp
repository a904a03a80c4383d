#include "ScriptTestSupport.h"

#include "framework/Folders.h"

#include <QDir>
#include <QFile>

namespace {
// Each call gets a folder calls/N holding "number", "input" and one file per argument.
const char kRecordingScript[] = R"SH(#!/bin/sh
n=0
while ! mkdir "$(dirname "$0")/../calls/$n" 2>/dev/null; do n=$((n + 1)); done
call="$(dirname "$0")/../calls/$n"
basename "$0" > "$call/number"
cat > "$call/input"
i=1
for argument in "$@"; do printf '%s' "$argument" > "$call/$i"; i=$((i + 1)); done
)SH";

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
    for (int number : {168, 170, 171, 172, 173, 174, 175, 176}) {
        QFile file(m_dir.filePath(QStringLiteral("scripts/%1").arg(number)));
        if (file.open(QIODevice::WriteOnly))
            file.write(kRecordingScript);
        file.close();
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    }
    setProgramFolder(m_dir.path());
}

RecordingScripts::~RecordingScripts()
{
    setProgramFolder(QString());
}

QList<ScriptCall> RecordingScripts::calls() const
{
    QList<ScriptCall> result;
    for (QDir call(m_dir.filePath(QStringLiteral("calls/0"))); call.exists();
         call.setPath(m_dir.filePath(QStringLiteral("calls/%1").arg(result.size())))) {
        ScriptCall entry{readText(call.filePath(QStringLiteral("number"))).trimmed().toInt(), {},
                         readText(call.filePath(QStringLiteral("input")))};
        for (int i = 1; call.exists(QString::number(i)); ++i)
            entry.arguments << readText(call.filePath(QString::number(i)));
        result << entry;
    }
    return result;
}
