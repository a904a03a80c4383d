#pragma once
// Real parts for the tests: temporary folders, a preferences folder of their
// own, and sentence databases built from rows.
#include "framework/Database.h"
#include "store/SentenceImporter.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <ostream>
#include <vector>

// Failed comparisons of texts print the texts.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

// Points $XDG_CONFIG_HOME at a fresh temporary folder while it lives.
class TempConfigHome
{
public:
    TempConfigHome();
    ~TempConfigHome();
    QString path() const { return m_dir.path(); }
    QString prefsFile() const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
    bool m_hadPrevious = false;
};

// Rows of the two tables, as the importer stores them (variants joined by CR).
using SentenceRow = SentenceImporter::SentenceRecord;
using StdPhraseRow = SentenceImporter::StdPhraseRecord;

// A row written the short way: categories, section, class range, number and texts.
SentenceRow sentenceRow(const char *sup, const char *main, const char *sub, int note = 1, int from = 1, int to = 10,
                        int nr = 1, const char *sie = "Satz", const char *du = "");

// Makes a database file at path with both tables and the rows; without
// standard phrase rows it holds one ("Allgemein", "Standardsatz").
void createSentenceDb(const QString &path, const std::vector<SentenceRow> &rows,
                      const std::vector<StdPhraseRow> &stdRows = {});
// Column "v" of the first row of sql on the database file at path; "" when
// the file does not open or the query fails.
QString firstValue(const QString &path, const QString &sql);
// Writes bytes as the whole content of a file; with executable, a script that runs.
void writeBytes(const QString &path, const QByteArray &bytes, bool executable = false);
// The whole content of a file, empty when it does not open.
QByteArray readBytes(const QString &path);
// Points db at the file at path and connects.
bool connectTo(Database &db, const QString &path);
// Makes the program that process starts end with the test however the test
// ends, killed at CTest's time-out too: the system kills it once the thread
// that started it (the tests' main thread) has ended. Called before start().
void endWithTest(QProcess &process);
// Another program on a database file: the sqlite3 shell in a process of its
// own runs sql (if any) and then holds the file's exclusive lock, until
// release() or, with holdMs, for that long before it commits and ends.
class LockingProcess
{
public:
    explicit LockingProcess(const QString &path, const QString &sql = QString(), int holdMs = -1);
    ~LockingProcess() { release(); }
    // Whether the lock was taken (the constructor waits for it).
    bool locked() const { return m_locked; }
    // Commits what the process did and waits for its end.
    void release();

private:
    QProcess m_process;
    bool m_locked = false;
};
// A text from a UTF-8 literal, and a list of them, for tables of cases.
inline QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}
QStringList texts(const std::vector<const char *> &literals);
// A folder of test data beside the test sources.
QString testDataPath(const QString &name);
