#include "DatabaseFiles.h"

#include "framework/Database.h"
#include "framework/FileErrors.h"
#include "framework/Files.h"
#include "store/Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace DatabaseFiles {

namespace {
bool statFile(const QString &path, struct stat &st)
{
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &st) == 0;
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

QString refused(const QString &path, const QString &reason)
{
    return QStringLiteral("Die Datei „%1“ wird nicht durch die neue Datenbank ersetzt: %2").arg(path, reason);
}
} // namespace

bool openAsSentenceDatabase(Database &db, const QString &path)
{
    if (path.isEmpty())
        return false;
    db.setDatabaseFile(path);
    if (!db.Connect())
        return false;
    if (db.InUse() || db.SQLSelect(sentenceLayoutCheckSql()))
        return true;
    db.Close();
    return false;
}

QString refusalToReplace(const QString &path, const QStringList &inputs)
{
    const QString target = writtenFile(path);
    // The journals of the replaced file are deleted with it.
    for (const QString &written : QStringList{target} + journalFiles(target)) {
        struct stat out;
        if (!statFile(written, out))
            continue;
        for (const QString &input : inputs) {
            struct stat in;
            if (statFile(input, in) && sameFile(in, out))
                return refused(path, written == target
                                         ? QStringLiteral("Sie ist die Textdatei „%1“, aus der die Datenbank "
                                                          "entstehen soll.").arg(input)
                                         : QStringLiteral("Dabei würde die Textdatei „%1“ gelöscht.").arg(input));
        }
    }
    struct stat out;
    if (!statFile(target, out))
        return {}; // a new file, or one the building will report it cannot make
    if (!S_ISREG(out.st_mode))
        return refused(path, QStringLiteral("Sie ist keine gewöhnliche Datei, sondern ein Ordner, ein Gerät oder "
                                            "etwas Ähnliches."));
    Database probe;
    if (!openAsSentenceDatabase(probe, target))
        return refused(path, QStringLiteral("Sie ist keine Satzdatenbank."));
    return {};
}

QString createTemporaryBeside(const QString &file, QString &failure)
{
    // A name that did not exist a moment ago: no input can carry it.
    QString created;
    const int fd = createFileBeside(file, 0600, created);
    if (fd < 0) {
        const QString reason = fileErrorReason(errno);
        failure = QStringLiteral("Im Ordner „%1“ kann keine neue Datenbank angelegt werden: %2")
                      .arg(QDir::toNativeSeparators(QFileInfo(file).path()), reason);
        return {};
    }
    ::close(fd);
    return created;
}

QStringList journalFiles(const QString &path)
{
    return {path + QStringLiteral("-journal"), path + QStringLiteral("-wal"), path + QStringLiteral("-shm")};
}

} // namespace DatabaseFiles
