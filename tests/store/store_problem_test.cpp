// What the teacher reads when the database refuses a save: whole German
// sentences, never the engine's English.
#include "store/DatabaseProblem.h"
#include "store/SentenceQueries.h"
#include "support/TestSupport.h"

#include <sqlite3.h>

#include <gtest/gtest.h>

using namespace SentenceQueries;

namespace {
void expectWholeGermanSentences(const QString &text, int code)
{
    EXPECT_TRUE(text.endsWith(u'.')) << text.toStdString();
    EXPECT_FALSE(text.contains(QString::fromUtf8(sqlite3_errstr(code)), Qt::CaseInsensitive)) << text.toStdString();
    for (const char *english : {"database", "disk", "error", "file", "locked", "busy", "readonly"})
        EXPECT_FALSE(text.contains(QString::fromUtf8(english))) << text.toStdString();
}
} // namespace

TEST(DatabaseProblem, EveryReasonATeacherCanMeetIsSaidInGerman)
{
    const struct
    {
        int code;
        const char *says;
    } cases[] = {
        {SQLITE_FULL, "kein Platz mehr frei"},
        {SQLITE_IOERR, "einen Fehler gemeldet"},
        {SQLITE_IOERR_WRITE, "einen Fehler gemeldet"},
        {SQLITE_READONLY, "schreibgeschützt"},
        {SQLITE_PERM, "schreibgeschützt"},
        {SQLITE_READONLY_DBMOVED, "ersetzt oder gelöscht"},
        {SQLITE_BUSY, "von einem anderen Programm verwendet"},
        {SQLITE_LOCKED, "von einem anderen Programm verwendet"},
        {SQLITE_CORRUPT, "beschädigt"},
        {SQLITE_NOTADB, "beschädigt oder keine Satzdatenbank"},
        {SQLITE_CONSTRAINT, "abgelehnt. SQLite-Fehlercode: 19."},
        {SQLITE_CONSTRAINT_NOTNULL, "abgelehnt. SQLite-Fehlercode: 1299."},
    };
    for (const auto &c : cases) {
        const QString text = databaseProblemText(c.code);
        EXPECT_TRUE(text.contains(utf8(c.says))) << c.code << ": " << text.toStdString();
        expectWholeGermanSentences(text, c.code);
    }
}

TEST(DatabaseProblem, AFullDiskRefusesTheSaveInGerman)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("voll.rbd"));
    createSentenceDb(path, {sentenceRow("S", "K", "U", 1, 1, 10, 1, "Alt")});
    Database db;
    ASSERT_TRUE(connectTo(db, path));
    // The file may not grow by a page: the engine reports a full disk.
    const QString pages = firstValue(path, QStringLiteral("select page_count as v from pragma_page_count()"));
    db.SQLExecute(QStringLiteral("PRAGMA max_page_count = ") + QString::number(pages.toInt()));
    const WriteResult result = putSectionSentences(db, utf8("S"), utf8("K"), utf8("U"), utf8("1"), 5, false,
                                                   QString(200000, u'x'), utf8("Alt"));
    ASSERT_FALSE(result.written());
    const QString text = writeProblemText(result);
    EXPECT_TRUE(text.contains(QStringLiteral("kein Platz mehr frei"))) << text.toStdString();
    expectWholeGermanSentences(text, SQLITE_FULL);
    EXPECT_EQ(firstValue(path, QStringLiteral("select Sentences as v from Saetze")), utf8("Alt"));
}
