#pragma once
// The preferences record and its file: one line per setting, key "=" value.
#include <QList>
#include <QString>

class QTextStream;
class VersionInfo;

class PreferencesClass
{
public:
    PreferencesClass();

    // Writes the ten lines of the file; always true.
    bool Write(QTextStream &stream, const VersionInfo &version) const;
    // Reads lines into the fields up to the first empty line or the end. A
    // class level outside the known ones is taken as the nearest of them, a
    // list font size that is not offered as the default size.
    void Read(QTextStream &stream);

    static QString BoolAsString(bool value);

    void SetConnectionType(const QString &value) { pConnectionType = value; }
    QString GetConnectionType() const { return pConnectionType; }
    void SetLastClass(int value) { pLastClass = value; }
    int GetLastClass() const { return pLastClass; }
    bool GetLinkLocked() const { return pLinkLocked; }
    void SetLinkLocked(bool value) { pLinkLocked = value; }
    QString GetTargetProcessName() const { return pTargetProcessname; }
    void SetTargetProcessname(const QString &value) { pTargetProcessname = value; }
    QString GetTargetProcessCreator() const { return pTargetProcessCreator; }
    void SetTargetProcessCreator(const QString &value) { pTargetProcessCreator = value; }
    void SetListFontName(const QString &value) { pListFontName = value; }
    void SetListFontSize(int value) { pListFontSize = value; }
    QString GetListFontName() const { return pListFontName; }
    int GetListFontSize() const { return pListFontSize; }
    QString GetSentencesDBName() const { return pSentencesDBName; }
    void SetSentencesDBName(const QString &value) { pSentencesDBName = value; }
    bool GetUseDu() const { return pUseDuSentences; }
    void SetUseDu(bool value) { pUseDuSentences = value; }

    QString pConnectionType;
    int pLastClass = 0;
    bool pLinkLocked = false;
    QString pTargetProcessname;
    QString pTargetProcessCreator;
    QString pListFontName;
    int pListFontSize = 0;
    QString pSentencesDBName;
    bool pUseDuSentences = false;
};

// The class levels the program knows, and the list font sizes the
// preferences dialog offers; the reader takes nothing else from the file.
constexpr int kLowestClass = 1;
constexpr int kHighestClass = 10;
constexpr int kDefaultListFontSize = 10;
const QList<int> &offeredListFontSizes();

// The file's name, directly in the preferences folder.
inline QString preferencesFileName()
{
    return QStringLiteral("de.kelmarin.vm9.prf");
}

// Reads the file in folder into a record of defaults. existed tells whether
// the file was there; a missing file is created empty. An unreadable file
// leaves the defaults, and so does anything there that is no regular file
// (it is not opened).
PreferencesClass readPreferencesFile(const QString &folder, bool *existed);
// Writes the record whole or not at all: a new file of a name of its own,
// renamed over the old one (over the file at the end of a chain of links);
// new files left behind by interrupted saves are removed first. On failure
// the old file stays as it was and reason (when given) says why, in German.
// Anything there that is no regular file or folder (a named pipe, a device) is
// never replaced: false, except for the null device, which takes nothing and
// gives true.
bool writePreferencesFile(const QString &folder, const PreferencesClass &prefs, const VersionInfo &version,
                          QString *reason = nullptr);
