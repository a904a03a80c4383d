#include "Folders.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString &programFolderOverride()
{
    static QString folder;
    return folder;
}
} // namespace

QString programFolder()
{
    if (!programFolderOverride().isEmpty())
        return programFolderOverride();
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
}

void setProgramFolder(const QString &folder)
{
    programFolderOverride() = folder;
}

QString preferencesFolder()
{
    QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder)) {
        const QString home = QDir::homePath();
        if (home.isEmpty())
            return {};
        folder = home + QStringLiteral("/.config");
    }
    if (!QDir().mkpath(folder))
        return {};
    return folder;
}

QString programFolderItem(const QString &relativePath)
{
    if (QDir::isAbsolutePath(relativePath))
        return relativePath;
    return QDir(programFolder()).filePath(relativePath);
}
