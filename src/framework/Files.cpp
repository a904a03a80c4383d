#include "Files.h"
#include "FileErrors.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Longer chains of links than the system itself follows end here.
constexpr int kMaxLinks = 40;
// Enough tries that only a folder full of such names runs out of them.
constexpr int kMaxNameTries = 100;
constexpr int kRandomLetters = 6;

// Writes all of bytes to the open descriptor; false with errno set when the system refuses.
bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        done += n;
    }
    return true;
}
} // namespace

QString writtenFile(const QString &path)
{
    QFileInfo info(path);
    for (int i = 0; i < kMaxLinks && info.isSymLink(); ++i)
        info = QFileInfo(info.symLinkTarget());
    return info.absoluteFilePath();
}

int createFileBeside(const QString &file, mode_t mode, QString &createdPath)
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < kMaxNameTries; ++attempt) {
        QString name = file + u'.';
        for (int i = 0; i < kRandomLetters; ++i)
            name += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)]);
        name += QStringLiteral(".neu");
        // O_EXCL: a name that is taken, by a file, a folder or a link, is never written through.
        const int fd = ::open(QFile::encodeName(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) {
            createdPath = name;
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    errno = EEXIST;
    return -1;
}

bool isCreatedBeside(const QString &file, const QString &name)
{
    const QString prefix = QFileInfo(file).fileName() + u'.';
    const QString suffix = QStringLiteral(".neu");
    if (name.size() != prefix.size() + kRandomLetters + suffix.size() || !name.startsWith(prefix)
        || !name.endsWith(suffix))
        return false;
    for (const QChar c : name.mid(prefix.size(), kRandomLetters))
        if (c.unicode() > 127 || !c.isLetterOrNumber())
            return false;
    return true;
}

int replaceFileWith(const QString &path, const QByteArray &bytes)
{
    const QString file = writtenFile(path);
    const QByteArray target = QFile::encodeName(file);
    struct stat old = {};
    const bool exists = ::stat(target.constData(), &old) == 0;
    // A named pipe, a device or the like is never renamed over (a folder there
    // is reported by the renaming).
    if (exists && !S_ISREG(old.st_mode) && !S_ISDIR(old.st_mode))
        return kNotARegularFile;
    const mode_t mode = exists ? (old.st_mode & 07777) : 0666;

    // A name of its own, so that nothing left at any name can block the write.
    QString newPath;
    const int fd = createFileBeside(file, mode, newPath);
    if (fd < 0)
        return errno;
    int error = 0;
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    const QByteArray temp = QFile::encodeName(newPath);
    if (!error && ::rename(temp.constData(), target.constData()) != 0)
        error = errno;
    if (error)
        ::unlink(temp.constData());
    return error;
}

bool readRegularFile(const QString &path, QByteArray &bytes, bool *notRegular)
{
    bytes.clear();
    const QByteArray name = QFile::encodeName(path);
    // Looked at before it is opened: opening a pipe waits for a writer, and a
    // device may act on being opened.
    struct stat st = {};
    const bool there = ::stat(name.constData(), &st) == 0;
    if (notRegular)
        *notRegular = there && !S_ISREG(st.st_mode);
    if (!there || !S_ISREG(st.st_mode))
        return false;
    // O_NONBLOCK, and a second look at what was opened: something put in its
    // place meanwhile can neither block the opening nor be read.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (notRegular)
            *notRegular = true;
        ::close(fd);
        return false;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}
