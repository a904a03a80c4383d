#include "TargetRules.h"

#include "framework/TextCompare.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTextStream>

bool isAcceptableTarget(const QString &creator, const QString &processName)
{
    if (textEquals(creator, QStringLiteral("VMRg")) || textEquals(creator, QStringLiteral("VMRb")))
        return false;
    return !textEquals(processName, QStringLiteral("Finder")) && !processName.isEmpty();
}

namespace {
struct DesktopEntry
{
    QString name;
    QString exec;
    QString windowClass;
};

DesktopEntry readDesktopEntry(const QString &path)
{
    DesktopEntry entry;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return entry;
    QTextStream in(&file);
    bool inMainGroup = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(u'[')) {
            inMainGroup = line == QStringLiteral("[Desktop Entry]");
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (!inMainGroup || eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        if (key == QStringLiteral("Name"))
            entry.name = value;
        else if (key == QStringLiteral("Exec"))
            entry.exec = value;
        else if (key == QStringLiteral("StartupWMClass"))
            entry.windowClass = value;
    }
    return entry;
}

// The program an Exec line starts: its first word that is neither "env" nor
// a variable setting, without its folder.
QString programOfExecLine(const QString &exec)
{
    // A word in double quotes may hold blanks, as a folder name may.
    for (QString word : QProcess::splitCommand(exec)) {
        word.remove(u'"');
        word.remove(u'\'');
        if (word == QStringLiteral("env") || word.contains(u'='))
            continue;
        return QFileInfo(word).fileName();
    }
    return {};
}
} // namespace

QString targetNameOfApplicationItem(const QString &path)
{
    const QFileInfo info(path);
    if (info.suffix() != QStringLiteral("desktop"))
        return info.fileName();
    const DesktopEntry entry = readDesktopEntry(path);
    if (!entry.windowClass.isEmpty())
        return entry.windowClass;
    const QString program = programOfExecLine(entry.exec);
    if (!program.isEmpty())
        return program;
    if (!entry.name.isEmpty())
        return entry.name;
    return info.completeBaseName();
}
