#pragma once
// The importer's core, shared by the program's import command and the build
// tool: reading the two tab-delimited MacRoman files, grouping the sentence
// lines into rows, and writing rows and tables into a sentence database.
//
// Reading rules: a line ends at CR, LF or CR LF, and a line end after the
// last line adds no empty line. Every byte is a MacRoman character, so any
// file decodes. Lines that are empty are no records: they are skipped and not
// counted. A line with fewer fields than a record needs counts its missing
// fields as empty.
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class Database;

namespace SentenceImporter {

// One row of table Saetze.
struct SentenceRecord
{
    QString superCategory;
    QString mainCategory;
    QString subCategory;
    int section = 0;
    int startClass = 0;
    int endClass = 0;
    int number = 0;
    QString sentences;
    QString duSentences;

    // Kept wide so that absurd class numbers cannot overflow.
    qint64 id() const { return qint64(startClass) * 10000 + number; }
};

// One row of table Standardsaetze.
struct StdPhraseRecord
{
    QString category;
    int categoryNumber = 0;
    int phraseNumber = 0;
    int appendixNumber = 0;
    QString sentence;
};

// The lines of a MacRoman text file. False, with a German message for the
// user in errorText, when the file cannot be read or is no regular file.
bool readLines(const QString &path, QStringList &lines, QString &errorText);

// Groups consecutive sentence lines with the same key (the texts of fields 3,
// 9 and 10) into one row; the variants of a row are joined by CR.
class SentenceGrouper
{
public:
    // Takes the next line; returns the finished row when this line starts a new one.
    std::optional<SentenceRecord> addLine(const QString &line);
    // The last row, when any line was taken since the last row.
    std::optional<SentenceRecord> finish();

private:
    SentenceRecord finishedRecord() const;

    QStringList m_previous;
    bool m_hasPrevious = false;
    QString m_sentences;
    QString m_duSentences;
};

StdPhraseRecord stdPhraseFromLine(const QString &line);

// What one import run counted.
struct Counts
{
    int sentenceLines = 0; // lines read from the sentence file
    int rowsStored = 0;    // rows of Saetze stored without error
    int stdLines = 0;      // lines read from the standard-phrase file
};

// Feeds the sentence lines through the grouper and hands each row to store,
// which says whether it was stored. Empty lines are skipped.
void importSentences(const QStringList &lines, const std::function<bool(const SentenceRecord &)> &store,
                     Counts &counts);
// Hands each standard-phrase line to store. Empty lines are skipped.
void importStdPhrases(const QStringList &lines, const std::function<bool(const StdPhraseRecord &)> &store,
                      Counts &counts);

// Creates both tables; the database's error text of each failing statement
// lands in errors.
void createTables(Database &db, QStringList &errors);
// Creates the indexes the queries use; false with the database's error set.
bool createIndexes(Database &db);
// The number of rows a table of db holds.
int storedRows(Database &db, const QString &table);
// Inserts one row without committing; true when the database reported no error.
bool insertSentenceRecord(Database &db, const SentenceRecord &record);
bool insertStdPhraseRecord(Database &db, const StdPhraseRecord &record);
// The messages for a failed insertion: the database's error text and the row.
QString sentenceErrorText(const QString &databaseError, const SentenceRecord &record);
QString stdPhraseErrorText(const QString &databaseError, const StdPhraseRecord &record);

// Makes a new, empty database file at path (an old file there is removed),
// connects db to it and creates both tables. False when it cannot connect.
bool createDatabaseFile(Database &db, const QString &path, QStringList &tableErrors);

// Puts the finished database at tempPath in place of path in one step (any
// journal of the old file goes with it) with the old file's access rights
// and, where allowed, its owner; a symbolic link at path stays and the file
// it leads to is replaced. False when that fails.
bool installDatabaseFile(const QString &tempPath, const QString &path);
// Removes a database file with its journal files.
void removeDatabaseFile(const QString &path);

// Builds outPath from the two files without dialogs, all rows in one
// transaction, under a temporary name of its own beside outPath that replaces
// outPath only at the end; an outPath that must not be replaced
// (DatabaseFiles::refusalToReplace) is left alone with the reason.
// Its messages are the importer's German ones; the first failure ends the
// build and is said in German (databaseProblemText, fileErrorReason), never
// with the database's own English text. False when a file cannot be read, the
// database cannot be made, or any table, row or the commit fails; outPath is
// then left as it was and the temporary file is gone, also when a signal ends
// the build (removeNamedFilesOnTermination).
// The counts of a finished build are the rows the file holds.
bool buildDatabase(const QString &sentencesPath, const QString &stdPhrasesPath, const QString &outPath, Counts &counts,
                   QStringList &messages);

// The line that says the database at path stays as it was, or, when there is
// none, that none was made, followed by the reason.
QString notReplacedText(const QString &path, const QString &reason);
// The texts the importer shows after a failed row.
QString sentenceRowFailedText();
QString stdPhraseFailedText();
// The summary texts the importer shows.
QString sentencesSummary(const Counts &counts);
QString stdPhrasesSummary(const Counts &counts);

} // namespace SentenceImporter
