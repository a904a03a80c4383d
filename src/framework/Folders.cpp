#include "Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <sys/stat.h>

namespace {
QString &programFolderOverride()
{
    static QString folder;
    return folder;
}

// Makes folder and the missing folders above it, each readable by the user
// alone as the XDG rules ask; 0, or the system's error number.
int makeFolders(const QString &folder)
{
    const QByteArray path = QFile::encodeName(QDir::cleanPath(folder));
    for (qsizetype end = path.indexOf('/', 1);; end = path.indexOf('/', end + 1)) {
        const QByteArray part = end < 0 ? path : path.left(end);
        if (::mkdir(part.constData(), 0700) != 0 && errno != EEXIST)
            return errno;
        if (end < 0)
            break;
    }
    struct stat st = {};
    if (::stat(path.constData(), &st) != 0)
        return errno;
    return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
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

QString preferencesFolderPath()
{
    QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder)) {
        const QString home = QDir::homePath();
        if (home.isEmpty())
            return {};
        folder = home + QStringLiteral("/.config");
    }
    return folder;
}

QString preferencesFolder(int *error)
{
    const QString folder = preferencesFolderPath();
    const int made = folder.isEmpty() ? 0 : makeFolders(folder);
    if (error)
        *error = made;
    return folder.isEmpty() || made != 0 ? QString() : folder;
}

QString programFolderItem(const QString &relativePath)
{
    if (QDir::isAbsolutePath(relativePath))
        return relativePath;
    return QDir(programFolder()).filePath(relativePath);
}
