#include "SentenceQueries.h"

#include "DatabaseProblem.h"
#include "framework/EventLoop.h"
#include "framework/Strings.h"

#include <QRandomGenerator>

#include <sqlite3.h>

namespace SentenceQueries {

namespace {
const QString kSectionWhere = QStringLiteral("Oberkategorie = ? and Kategorie = ? and Subkategorie = ? and Note = ? "
                                             "and Startklasse <= ? and Endklasse >= ?");
const QString kKeyWhere
    = QStringLiteral("Kategorie = ? and Subkategorie = ? and Note = ? and Startklasse <= ? and Endklasse >= ?");

qint64 wholeNumber(const QString &text)
{
    return text.trimmed().toLongLong();
}

QVariantList sectionValues(const QString &superCategory, const QString &mainCategory, const QString &subCategory,
                           qint64 section, qint64 classLevel)
{
    return {superCategory, mainCategory, subCategory, section, classLevel, classLevel};
}

QVariantList keyValues(const QString &mainCategory, const QString &subCategory, qint64 section, qint64 classLevel)
{
    return {mainCategory, subCategory, section, classLevel, classLevel};
}

// The column of the first row as stored text with every CR made a line end;
// number gets that row's Nr when asked for. False when there is no row.
bool firstRowText(Database &db, const SqlStatement &statement, const QString &column, QString &text,
                  int *number = nullptr)
{
    const auto rs = db.SQLSelect(statement);
    if (!rs)
        return false;
    rs->MoveFirst();
    if (rs->IsEOF())
        return false;
    text = rs->Field(column);
    text.replace(u'\r', EndOfLine());
    if (number)
        *number = ValInt(rs->Field(QStringLiteral("Nr")));
    return true;
}

WriteResult refused(Database &db)
{
    WriteResult result;
    result.databaseError = db.ErrorMessage();
    result.errorCode = db.ExtendedErrorCode();
    switch (db.ErrorCode()) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        result.outcome = WriteOutcome::InUse;
        break;
    case SQLITE_READONLY:
        result.outcome
            = result.errorCode == SQLITE_READONLY_DBMOVED ? WriteOutcome::Replaced : WriteOutcome::ReadOnly;
        break;
    case SQLITE_PERM:
        result.outcome = WriteOutcome::ReadOnly;
        break;
    default:
        result.outcome = WriteOutcome::Failed;
    }
    db.Rollback();
    return result;
}

// The variants of text as the bytes to store. A variant that reads as the
// stored variant at its place keeps that variant's stored bytes: bytes that
// are not UTF-8 (read as U+FFFD) change only with an edit of their own variant.
QByteArray keepingUntouchedVariants(const QByteArray &stored, const QString &text)
{
    // The stored variants as the reading splits them: at every CR and line end.
    const QList<QByteArray> storedVariants = QByteArray(stored).replace('\r', '\n').split('\n');
    const QStringList variants = text.split(EndOfLine());
    QByteArray bytes;
    for (qsizetype i = 0; i < variants.size(); ++i) {
        if (i > 0)
            bytes += EndOfLine().toUtf8();
        const bool untouched = i < storedVariants.size() && QString::fromUtf8(storedVariants.at(i)) == variants.at(i);
        bytes += untouched ? storedVariants.at(i) : variants.at(i).toUtf8();
    }
    return bytes;
}

// Writes text into column of the one row that where/values select; the
// reading of the row and the update run in one transaction that ends only
// when exactly one row changed. The immediate transaction keeps every other
// writer out between the comparison with readText and the update.
WriteResult writeBack(Database &db, const QString &column, const QString &where, const QVariantList &values,
                      const QString &text, const std::optional<QString> &readText)
{
    if (!db.isConnected())
        return {WriteOutcome::Failed, QStringLiteral("database not connected"), SQLITE_CANTOPEN};
    db.SQLExecute(QStringLiteral("BEGIN IMMEDIATE"));
    if (db.Error())
        return refused(db);
    const auto rs = db.SQLSelect(QStringLiteral("select ") + column + QStringLiteral(" from Saetze where ") + where,
                                 values);
    if (!rs)
        return refused(db);
    const int rows = rs->RecordCount();
    if (rows != 1) {
        db.Rollback();
        return {rows == 0 ? WriteOutcome::NoSection : WriteOutcome::SeveralSections, {}};
    }
    rs->MoveFirst();
    if (readText && QString(rs->Field(column)).replace(u'\r', EndOfLine()) != *readText) {
        db.Rollback();
        return {WriteOutcome::ChangedElsewhere, {}};
    }
    if (!db.SQLExecute(QStringLiteral("UPDATE Saetze SET ") + column + QStringLiteral(" = ? where ") + where,
                       QVariantList{keepingUntouchedVariants(rs->Bytes(column), text)} + values))
        return refused(db);
    if (db.Changes() != 1) {
        db.Rollback();
        return {WriteOutcome::Failed, {}};
    }
    db.Commit();
    if (db.Error())
        return refused(db);
    return {WriteOutcome::Written, {}};
}
} // namespace

QString sentenceColumn(bool useDu)
{
    return useDu ? QStringLiteral("DuSentences") : QStringLiteral("Sentences");
}

SqlStatement sectionSentencesStatement(const QString &superCategory, const QString &mainCategory,
                                       const QString &subCategory, qint64 section, qint64 classLevel, bool useDu)
{
    return {QStringLiteral("select ") + sentenceColumn(useDu) + QStringLiteral(", Nr from Saetze where ")
                + kSectionWhere,
            sectionValues(superCategory, mainCategory, subCategory, section, classLevel)};
}

SqlStatement keySentencesStatement(const QString &mainCategory, const QString &subCategory, qint64 section,
                                   qint64 classLevel, bool useDu)
{
    return {QStringLiteral("select ") + sentenceColumn(useDu) + QStringLiteral(", Nr from Saetze where ") + kKeyWhere,
            keyValues(mainCategory, subCategory, section, classLevel)};
}

SqlStatement numberSentencesStatement(int number, qint64 classLevel, bool useDu)
{
    return {QStringLiteral("select ") + sentenceColumn(useDu)
                + QStringLiteral(" from Saetze where Nr = ? and Startklasse <= ? and Endklasse >= ?"),
            {qint64(number), classLevel, classLevel}};
}

SectionKey parseSectionKey(const QString &key, const QString &separator)
{
    SectionKey parts;
    parts.mainCategory = NthField(key, separator, 1).trimmed();
    const QString rest = NthField(key, separator, 2).trimmed();
    parts.subCategory = rest.left(rest.size() - 1).trimmed();
    parts.section = rest.right(1).trimmed();
    return parts;
}

bool isWholeNumber(const QString &value)
{
    const QString text = value.trimmed();
    const qsizetype start = text.startsWith(u'-') ? 1 : 0;
    if (text.size() <= start || text.size() > 18)
        return false;
    for (qsizetype i = start; i < text.size(); ++i)
        if (text[i] < u'0' || text[i] > u'9')
            return false;
    return true;
}

QString sentenceList(Database &db, const SqlStatement &statement, const QString &column, bool withNumbers)
{
    QString text;
    int number = 0;
    if (!firstRowText(db, statement, column, text, &number))
        return {};
    if (!withNumbers)
        return text;
    QString list;
    const QStringList variants = Fields(text, EndOfLine());
    for (int i = 0; i < variants.size(); ++i) {
        list += Format(number, QStringLiteral("###")) + QStringLiteral("-") + Format(i + 1, QStringLiteral("###"))
                + QStringLiteral("  ") + variants.at(i) + EndOfLine();
        yieldToEventLoop();
    }
    return list;
}

QString randomLine(const QString &list)
{
    const QStringList variants = Fields(list, EndOfLine());
    if (variants.isEmpty())
        return {};
    return variants.at(int(QRandomGenerator::global()->bounded(qsizetype(variants.size()))));
}

QString writeProblemText(const WriteResult &result)
{
    switch (result.outcome) {
    case WriteOutcome::Written:
        return {};
    case WriteOutcome::NoSection:
        return QStringLiteral("Der Abschnitt ist für diese Klassenstufe nicht in der Datenbank vorhanden.");
    case WriteOutcome::SeveralSections:
        return QStringLiteral("Der Abschnitt steht für diese Klassenstufe mehrfach in der Datenbank.");
    case WriteOutcome::ChangedElsewhere:
        return QStringLiteral("Die Formulierungen dieses Abschnitts wurden an anderer Stelle geändert, seit sie "
                              "hier angezeigt wurden. Wenn Sie den Abschnitt erneut anzeigen, sehen Sie die "
                              "gespeicherte Fassung.");
    case WriteOutcome::Replaced:
        return databaseProblemText(SQLITE_READONLY_DBMOVED);
    case WriteOutcome::InUse:
    case WriteOutcome::ReadOnly:
    case WriteOutcome::Failed:
        break;
    }
    return databaseProblemText(result.errorCode);
}

QString sectionSentences(Database &db, const QString &superCategory, const QString &mainCategory,
                         const QString &subCategory, const QString &section, int classLevel, bool useDu,
                         bool withNumbers)
{
    if (!isWholeNumber(section))
        return {};
    return sentenceList(db,
                        sectionSentencesStatement(superCategory, mainCategory, subCategory, wholeNumber(section),
                                                  classLevel, useDu),
                        sentenceColumn(useDu), withNumbers);
}

QString keySentences(Database &db, const QString &sectionKey, int classLevel, bool useDu, bool withNumbers)
{
    const SectionKey key = parseSectionKey(sectionKey, QStringLiteral(" : "));
    if (!isWholeNumber(key.section))
        return {};
    return sentenceList(
        db, keySentencesStatement(key.mainCategory, key.subCategory, wholeNumber(key.section), classLevel, useDu),
        sentenceColumn(useDu), withNumbers);
}

WriteResult putSectionSentences(Database &db, const QString &superCategory, const QString &mainCategory,
                                const QString &subCategory, const QString &section, int classLevel, bool useDu,
                                const QString &text, const std::optional<QString> &readText)
{
    if (!isWholeNumber(section))
        return {WriteOutcome::NoSection, {}};
    return writeBack(db, sentenceColumn(useDu), kSectionWhere,
                     sectionValues(superCategory, mainCategory, subCategory, wholeNumber(section), classLevel), text,
                     readText);
}

WriteResult putKeySentences(Database &db, const QString &sectionKey, int classLevel, bool useDu, const QString &text,
                            const std::optional<QString> &readText)
{
    const SectionKey key = parseSectionKey(sectionKey, QStringLiteral(":"));
    if (!isWholeNumber(key.section))
        return {WriteOutcome::NoSection, {}};
    return writeBack(db, sentenceColumn(useDu), kKeyWhere,
                     keyValues(key.mainCategory, key.subCategory, wholeNumber(key.section), classLevel), text,
                     readText);
}

QString sentencesByNumber(Database &db, int number, const QString &classLevel, bool useDu)
{
    if (!isWholeNumber(classLevel))
        return {};
    QString text;
    firstRowText(db, numberSentencesStatement(number, wholeNumber(classLevel), useDu), sentenceColumn(useDu), text);
    return text;
}

QString sentenceByNumber(Database &db, int number, int variant, const QString &classLevel, bool useDu)
{
    const QString text = sentencesByNumber(db, number, classLevel, useDu);
    if (text.isEmpty())
        return {};
    return NthField(text, EndOfLine(), variant);
}

QString notFoundNotice(const QString &item, bool useDu)
{
    QString notice = QStringLiteral(" ***") + item + QStringLiteral(": ")
                     + QStringLiteral("Kein Formulierungsbaustein mit dieser Satznummer!");
    if (useDu)
        notice += QStringLiteral(" ") + QStringLiteral("Sie haben bei den Voreinstellungen die Du-Form eingestellt!");
    return notice + QStringLiteral("*** ");
}

QString expandNumberList(Database &db, const QString &numList, const QString &classLevel, bool useDu)
{
    return expandNumberList([&db]() -> Database & { return db; }, numList, classLevel, useDu);
}

QString expandNumberList(const std::function<Database &()> &database, const QString &numList,
                         const QString &classLevel, bool useDu)
{
    QString result;
    const QStringList items = Fields(numList, QStringLiteral(","));
    for (const QString &field : items) {
        const QString item = field.trimmed();
        if (CountFields(item, QStringLiteral("-")) == 2) {
            const int number = ValInt(NthField(item, QStringLiteral("-"), 1).trimmed());
            const int variant = ValInt(NthField(item, QStringLiteral("-"), 2).trimmed());
            QString s = sentenceByNumber(database(), number, variant, classLevel, useDu);
            if (s.isEmpty())
                s = notFoundNotice(item, useDu);
            result += QStringLiteral(" ") + s;
        }
        yieldToEventLoop();
    }
    return result;
}

} // namespace SentenceQueries
