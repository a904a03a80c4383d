#include "SentenceImporter.h"

#include "framework/Database.h"
#include "framework/EventLoop.h"
#include "framework/FileErrors.h"
#include "framework/Files.h"
#include "framework/MacRoman.h"
#include "framework/Strings.h"
#include "framework/TerminationCleanup.h"
#include "store/DatabaseFiles.h"
#include "store/DatabaseProblem.h"
#include "store/Schema.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace SentenceImporter {

namespace {
// Field n (from 1) of a split line; a field the line lacks is empty.
QString field(const QStringList &fields, int n)
{
    return n >= 1 && n <= fields.size() ? fields.at(n - 1) : QString();
}

// Whether the grouping fields (3, 9 and 10) of two lines hold the same texts.
bool sameKey(const QStringList &a, const QStringList &b)
{
    for (const int n : {3, 9, 10})
        if (field(a, n) != field(b, n))
            return false;
    return true;
}

bool isBlank(const QString &line)
{
    for (const QChar c : line)
        if (!c.isSpace())
            return false;
    return true;
}
} // namespace

bool readLines(const QString &path, QStringList &lines, QString &errorText)
{
    lines.clear();
    errorText.clear();
    // Only a regular file is read: a named pipe could wait for ever, a device never end.
    QByteArray bytes;
    bool notRegular = false;
    if (!readRegularFile(path, bytes, &notRegular)) {
        errorText = QStringLiteral("Die Textdatei „%1“ kann nicht gelesen werden!").arg(QFileInfo(path).fileName());
        if (notRegular)
            errorText += QStringLiteral(" Sie ist keine gewöhnliche Datei, sondern ein Ordner, ein Gerät oder "
                                        "etwas Ähnliches.");
        return false;
    }
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        lines << fromMacRoman(QByteArray::fromRawData(bytes.constData() + start, i - start));
        if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines << fromMacRoman(bytes.mid(start));
    return true;
}

std::optional<SentenceRecord> SentenceGrouper::addLine(const QString &line)
{
    const QStringList fields = line.split(u'\t');
    std::optional<SentenceRecord> finished;
    // A previous line without a number never closes its group.
    if (m_hasPrevious && !field(m_previous, 3).isEmpty() && !sameKey(m_previous, fields)) {
        finished = finishedRecord();
        m_sentences.clear();
        m_duSentences.clear();
    } else if (!m_sentences.isEmpty() || !m_duSentences.isEmpty()) {
        // Both get the CR, so that both texts keep the same number of lines.
        m_sentences += u'\r';
        m_duSentences += u'\r';
    }
    m_previous = fields;
    m_hasPrevious = true;
    m_sentences += field(fields, 7);
    m_duSentences += field(fields, 8);
    return finished;
}

std::optional<SentenceRecord> SentenceGrouper::finish()
{
    if (!m_hasPrevious)
        return std::nullopt;
    SentenceRecord record = finishedRecord();
    m_previous.clear();
    m_hasPrevious = false;
    m_sentences.clear();
    m_duSentences.clear();
    return record;
}

SentenceRecord SentenceGrouper::finishedRecord() const
{
    // Everything but the texts comes from the group's last line.
    SentenceRecord record;
    record.superCategory = field(m_previous, 1);
    record.mainCategory = field(m_previous, 5);
    record.subCategory = field(m_previous, 6);
    record.section = ValInt(field(m_previous, 2));
    record.startClass = ValInt(field(m_previous, 9));
    record.endClass = ValInt(field(m_previous, 10));
    record.number = ValInt(field(m_previous, 3));
    record.sentences = m_sentences;
    record.duSentences = m_duSentences;
    return record;
}

StdPhraseRecord stdPhraseFromLine(const QString &line)
{
    const QStringList fields = line.split(u'\t');
    StdPhraseRecord record;
    record.category = field(fields, 1);
    record.categoryNumber = ValInt(field(fields, 2));
    record.phraseNumber = ValInt(field(fields, 3));
    record.appendixNumber = ValInt(field(fields, 4));
    record.sentence = field(fields, 5);
    return record;
}

void importSentences(const QStringList &lines, const std::function<bool(const SentenceRecord &)> &store, Counts &counts)
{
    SentenceGrouper grouper;
    for (const QString &line : lines) {
        if (isBlank(line))
            continue;
        if (const auto record = grouper.addLine(line); record && store(*record))
            ++counts.rowsStored;
        ++counts.sentenceLines;
        yieldToEventLoop();
    }
    if (const auto record = grouper.finish(); record && store(*record))
        ++counts.rowsStored;
}

void importStdPhrases(const QStringList &lines, const std::function<bool(const StdPhraseRecord &)> &store,
                      Counts &counts)
{
    for (const QString &line : lines) {
        if (isBlank(line))
            continue;
        store(stdPhraseFromLine(line));
        ++counts.stdLines;
        yieldToEventLoop();
    }
}

void createTables(Database &db, QStringList &errors)
{
    for (const QString &statement : {saetzeCreateSql(), standardsaetzeCreateSql()}) {
        db.SQLExecute(statement);
        if (db.Error())
            errors << db.ErrorMessage();
    }
}

bool createIndexes(Database &db)
{
    for (const QString &statement : sentenceIndexSql()) {
        db.SQLExecute(statement);
        if (db.Error())
            return false;
    }
    return true;
}

int storedRows(Database &db, const QString &table)
{
    const auto rs = db.SQLSelect(QStringLiteral("select count(*) as n from ") + table);
    return rs ? ValInt(rs->Field(QStringLiteral("n"))) : 0;
}

bool insertSentenceRecord(Database &db, const SentenceRecord &record)
{
    DatabaseRecord row;
    row.IntegerColumn(QStringLiteral("Nr"), record.number);
    row.IntegerColumn(QStringLiteral("Startklasse"), record.startClass);
    row.IntegerColumn(QStringLiteral("Endklasse"), record.endClass);
    row.IntegerColumn(QStringLiteral("Note"), record.section);
    row.Column(QStringLiteral("Oberkategorie"), record.superCategory);
    row.Column(QStringLiteral("Kategorie"), record.mainCategory);
    row.Column(QStringLiteral("Subkategorie"), record.subCategory);
    row.BinaryColumn(QStringLiteral("Sentences"), record.sentences);
    row.BinaryColumn(QStringLiteral("DuSentences"), record.duSentences);
    row.IntegerColumn(QStringLiteral("id"), record.id());
    db.InsertRecord(QStringLiteral("Saetze"), row);
    return !db.Error();
}

bool insertStdPhraseRecord(Database &db, const StdPhraseRecord &record)
{
    DatabaseRecord row;
    row.Column(QStringLiteral("Kategorie"), record.category);
    row.IntegerColumn(QStringLiteral("Katnr"), record.categoryNumber);
    row.IntegerColumn(QStringLiteral("Satznr"), record.phraseNumber);
    row.IntegerColumn(QStringLiteral("Appendixnr"), record.appendixNumber);
    row.Column(QStringLiteral("Sentence"), record.sentence);
    db.InsertRecord(QStringLiteral("Standardsaetze"), row);
    return !db.Error();
}

QString sentenceErrorText(const QString &databaseError, const SentenceRecord &record)
{
    return databaseError + QStringLiteral(": ") + Str(record.id());
}

QString stdPhraseErrorText(const QString &databaseError, const StdPhraseRecord &record)
{
    return databaseError + QStringLiteral(": ") + record.category + QStringLiteral("-") + Str(record.categoryNumber)
           + Str(record.phraseNumber) + Str(record.appendixNumber);
}

bool createDatabaseFile(Database &db, const QString &path, QStringList &tableErrors)
{
    if (QFileInfo(path).isDir())
        return false;
    removeDatabaseFile(path);
    db.setDatabaseFile(path);
    db.CreateDatabaseFile();
    if (!db.Connect())
        return false;
    createTables(db, tableErrors);
    return true;
}

bool installDatabaseFile(const QString &tempPath, const QString &path)
{
    // A link stays a link: the file it leads to gets the new database.
    const QString target = writtenFile(path);
    // The new file keeps the old one's access rights and, where the builder
    // may give them (as root), its owner and group, so that whoever could
    // save into the old database still can.
    const QByteArray temp = QFile::encodeName(tempPath);
    struct stat old = {};
    if (::stat(QFile::encodeName(target).constData(), &old) == 0 && S_ISREG(old.st_mode)) {
        // First the owner: a change of owner clears the set-id bits.
        if (::chown(temp.constData(), old.st_uid, old.st_gid) != 0
            && ::chown(temp.constData(), uid_t(-1), old.st_gid) != 0) {
            // The builder's own owner and group stay.
        }
        ::chmod(temp.constData(), old.st_mode & 07777);
    }
    // A journal left by the old file must not be played into the new one.
    for (const QString &journal : DatabaseFiles::journalFiles(target))
        QFile::remove(journal);
    return std::rename(temp.constData(), QFile::encodeName(target).constData()) == 0;
}

void removeDatabaseFile(const QString &path)
{
    if (path.isEmpty())
        return;
    QFile::remove(path);
    for (const QString &journal : DatabaseFiles::journalFiles(path))
        QFile::remove(journal);
}

bool buildDatabase(const QString &sentencesPath, const QString &stdPhrasesPath, const QString &outPath, Counts &counts,
                   QStringList &messages)
{
    // Nothing is read or made while the output may not be replaced.
    if (const QString refusal = DatabaseFiles::refusalToReplace(outPath, {sentencesPath, stdPhrasesPath});
        !refusal.isEmpty()) {
        messages << refusal;
        return false;
    }
    QStringList sentenceLines;
    QStringList stdLines;
    QString errorText;
    if (!readLines(sentencesPath, sentenceLines, errorText) || !readLines(stdPhrasesPath, stdLines, errorText)) {
        messages << errorText;
        return false;
    }
    QString notMade;
    const QString tempPath = DatabaseFiles::createTemporaryBeside(writtenFile(outPath), notMade);
    if (tempPath.isEmpty()) {
        messages << notMade;
        return false;
    }
    // A build that is ended from outside leaves nothing beside the output.
    const RemovedOnTermination removedWhenEnded(QStringList{tempPath} + DatabaseFiles::journalFiles(tempPath));
    // The first failure ends the build, and its reason is said in the
    // program's own words: a later step would only fail for the same cause
    // (a table that could not be made is then missing) or, once SQLite has
    // rolled back, run outside the transaction and leave a partial file behind.
    Database db;
    QString failure;
    const auto failed = [&] {
        failure = databaseProblemText(db.ExtendedErrorCode());
        return false;
    };
    QStringList tableErrors;
    if (!createDatabaseFile(db, tempPath, tableErrors) || !tableErrors.isEmpty())
        failed();
    // One transaction for the whole build.
    if (failure.isEmpty()) {
        db.SQLExecute(QStringLiteral("BEGIN"));
        if (db.Error())
            failed();
    }
    if (failure.isEmpty())
        importSentences(
            sentenceLines,
            [&](const SentenceRecord &record) {
                if (!failure.isEmpty())
                    return false;
                if (insertSentenceRecord(db, record))
                    return true;
                messages << sentenceRowFailedText();
                return failed();
            },
            counts);
    if (failure.isEmpty())
        importStdPhrases(
            stdLines,
            [&](const StdPhraseRecord &record) {
                if (!failure.isEmpty())
                    return false;
                if (insertStdPhraseRecord(db, record))
                    return true;
                messages << stdPhraseFailedText();
                return failed();
            },
            counts);
    if (failure.isEmpty() && !createIndexes(db))
        failed();
    if (failure.isEmpty()) {
        db.Commit();
        if (db.Error())
            failed();
    }
    if (failure.isEmpty()) {
        // The counts shown are what the file really holds.
        counts.rowsStored = storedRows(db, QStringLiteral("Saetze"));
        counts.stdLines = storedRows(db, QStringLiteral("Standardsaetze"));
    }
    db.Rollback();
    db.Close();
    if (failure.isEmpty() && !installDatabaseFile(tempPath, outPath))
        failure = fileErrorReason(errno);
    if (!failure.isEmpty()) {
        removeDatabaseFile(tempPath);
        messages << notReplacedText(outPath, failure);
        return false;
    }
    messages << sentencesSummary(counts) << stdPhrasesSummary(counts);
    return true;
}

QString notReplacedText(const QString &path, const QString &reason)
{
    // Only a database that is there can stay as it was.
    return (QFileInfo::exists(path) ? QStringLiteral("Die Datenbank „%1“ wurde nicht ersetzt und bleibt unverändert. "
                                                     "Fehler: %2")
                                    : QStringLiteral("Die Datenbank „%1“ wurde nicht angelegt. Fehler: %2"))
        .arg(QFileInfo(path).fileName(), reason);
}

QString sentenceRowFailedText()
{
    return QStringLiteral("FEHLER") + EndOfLine() + EndOfLine()
           + QStringLiteral("Fehler beim Importieren der Textdaten!");
}

QString stdPhraseFailedText()
{
    return QStringLiteral("FEHLER") + EndOfLine() + EndOfLine()
           + QStringLiteral("Fehler beim Importieren der Standardformulierungen!");
}

QString sentencesSummary(const Counts &counts)
{
    return QStringLiteral("IMPORT Formulierungshilfen KOMPLETT!") + EndOfLine() + EndOfLine()
           + Str(counts.sentenceLines) + QStringLiteral(" Zeilen importiert.") + EndOfLine() + Str(counts.rowsStored)
           + QStringLiteral(" Datensätze erzeugt");
}

QString stdPhrasesSummary(const Counts &counts)
{
    return QStringLiteral("IMPORT Standardformulierungen KOMPLETT!") + EndOfLine() + EndOfLine() + Str(counts.stdLines)
           + QStringLiteral(" Zeilen importiert.");
}

} // namespace SentenceImporter
