#include "Files.h"

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
