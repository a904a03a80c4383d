#include "PreferencesClass.h"

#include "app/VersionInfo.h"
#include "framework/EventLoop.h"
#include "framework/FileErrors.h"
#include "framework/Files.h"
#include "framework/Strings.h"
#include "framework/TextCompare.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

const QList<int> &offeredListFontSizes()
{
    static const QList<int> sizes{8, 9, 10, 11, 12, 13, 14, 16, 18, 24};
    return sizes;
}

PreferencesClass::PreferencesClass()
{
    pConnectionType = QStringLiteral("ConnectGeneric");
    pLinkLocked = false;
    pLastClass = 1;
    pListFontName = QStringLiteral("System");
    pListFontSize = kDefaultListFontSize;
    pSentencesDBName = QStringLiteral("Formulierungshilfen.rbd");
    pUseDuSentences = false;
}

QString PreferencesClass::BoolAsString(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

bool PreferencesClass::Write(QTextStream &stream, const VersionInfo &version) const
{
    // A line break inside a value would end its line early, and an empty
    // line ends the reading: the file holds each value on its one line.
    const auto line = [&stream](QString text) {
        text.remove(u'\r');
        text.remove(u'\n');
        stream << text << '\n';
    };
    line(QStringLiteral("Version=") + Str(version.pMajorVersion) + u'.' + Str(version.pMinorVersion));
    line(QStringLiteral("Connection=") + GetConnectionType());
    line(QStringLiteral("LastClass=") + Str(GetLastClass()));
    line(QStringLiteral("TargetProcessname=") + GetTargetProcessName());
    line(QStringLiteral("TargetProcessCreator=") + GetTargetProcessCreator());
    line(QStringLiteral("LinkLocked=") + BoolAsString(GetLinkLocked()));
    line(QStringLiteral("ListFontName=") + GetListFontName());
    line(QStringLiteral("ListFontSize=") + Str(GetListFontSize()));
    line(QStringLiteral("SentencesDBName=") + GetSentencesDBName());
    line(QStringLiteral("UseDuForm=") + BoolAsString(GetUseDu()));
    return true;
}

void PreferencesClass::Read(QTextStream &stream)
{
    const QString sep = QStringLiteral("=");
    for (;;) {
        QString line = stream.readLine();
        // A file written elsewhere may end its lines with CR LF.
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QString key = NthField(line, sep, 1);
        const QString value = NthField(line, sep, 2);
        if (textEquals(key, QStringLiteral("Connection"))) {
            SetConnectionType(textEquals(value, QStringLiteral("ConectCustom")) ? QStringLiteral("ConectCustom")
                                                                                 : QStringLiteral("ConnectGeneric"));
        } else if (textEquals(key, QStringLiteral("LastClass"))) {
            SetLastClass(qBound(kLowestClass, ValInt(value), kHighestClass));
        } else if (textEquals(key, QStringLiteral("TargetProcessname"))) {
            SetTargetProcessname(value);
        } else if (textEquals(key, QStringLiteral("TargetProcessCreator"))) {
            SetTargetProcessCreator(value);
        } else if (textEquals(key, QStringLiteral("LinkLocked"))) {
            SetLinkLocked(textEquals(value, QStringLiteral("true")));
        } else if (textEquals(key, QStringLiteral("ListFontName"))) {
            SetListFontName(value);
        } else if (textEquals(key, QStringLiteral("ListFontSize"))) {
            const int size = ValInt(value);
            SetListFontSize(offeredListFontSizes().contains(size) ? size : kDefaultListFontSize);
        } else if (textEquals(key, QStringLiteral("SentencesDBName"))) {
            SetSentencesDBName(value);
        } else if (textEquals(key, QStringLiteral("UseDuForm"))) {
            SetUseDu(textEquals(value, QStringLiteral("true")));
        }
        yieldToEventLoop();
        if (line.isEmpty())
            break;
    }
}

static QString decodeLines(const QByteArray &bytes)
{
    // Files of older versions or other tools may hold single lines in
    // Latin-1; read as UTF-8 they would turn into replacement characters and
    // be saved so.
    QString text;
    for (const QByteArray &line : bytes.split('\n')) {
        QString decoded = QString::fromUtf8(line);
        if (decoded.toUtf8() != line)
            decoded = QString::fromLatin1(line);
        text += decoded;
        text += u'\n';
    }
    text.chop(1);
    return text;
}

PreferencesClass readPreferencesFile(const QString &folder, bool *existed)
{
    PreferencesClass prefs;
    if (folder.isEmpty())
        return prefs;
    const QString path = QDir(folder).filePath(preferencesFileName());
    QFile file(path);
    if (existed)
        *existed = file.exists();
    if (!file.exists()) {
        if (file.open(QIODevice::WriteOnly))
            file.close();
        return prefs;
    }
    // A named pipe or a device there is not read: the defaults stay.
    QByteArray bytes;
    if (!readRegularFile(path, bytes))
        return prefs;
    QString text = decodeLines(bytes);
    QTextStream stream(&text, QIODevice::ReadOnly);
    prefs.Read(stream);
    return prefs;
}

namespace {
// A save takes far less; a new file older than this was left by an interrupted one.
constexpr int kLeftoverAgeSeconds = 60;

// New files that interrupted saves left beside the preferences file at path:
// the fixed name earlier versions wrote to, and names of this version's kind
// that are old enough that no save of another running copy still writes them.
void removeLeftoverNewFiles(const QString &path)
{
    const QDir folder = QFileInfo(path).dir();
    ::unlink(QFile::encodeName(folder.filePath(preferencesFileName() + QStringLiteral(".neu"))).constData());
    const QDateTime settled = QDateTime::currentDateTimeUtc().addSecs(-kLeftoverAgeSeconds);
    for (const QFileInfo &file : folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::System))
        if (isCreatedBeside(path, file.fileName()) && !file.isSymLink() && file.lastModified() < settled)
            QFile::remove(file.filePath());
}
} // namespace

bool writePreferencesFile(const QString &folder, const PreferencesClass &prefs, const VersionInfo &version,
                          QString *reason)
{
    if (folder.isEmpty())
        return false;
    QString text;
    QTextStream stream(&text);
    prefs.Write(stream, version);
    stream.flush();
    const QByteArray bytes = text.toUtf8();

    // A preferences file that is a link, or a chain of links, stays one: the
    // file at its end is replaced, and keeps its access rights.
    const QString path = writtenFile(QDir(folder).filePath(preferencesFileName()));
    // A link to the null device asks that the settings are not kept.
    struct stat old = {};
    if (::stat(QFile::encodeName(path).constData(), &old) == 0 && S_ISCHR(old.st_mode) && old.st_rdev == makedev(1, 3))
        return true;
    removeLeftoverNewFiles(path);
    const int error = replaceFileWith(path, bytes);
    if (!error)
        return true;
    if (reason)
        *reason = fileErrorReason(error);
    return false;
}
