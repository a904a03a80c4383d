// The importer's reading and grouping, and the build of a database file by
// the build tool: exact schema, indexes, and a failure that changes nothing.
#include "CollectionGenerator.h"
#include "framework/Database.h"
#include "store/Schema.h"
#include "store/SentenceImporter.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

using namespace SentenceImporter;

TEST(ImporterGrouping, RowsFromLines)
{
    // Fields: super, section, number, any, main, sub, Sie, Du, from, to. A row
    // is written "number section main sub from-to id: Sie | Du".
    const struct
    {
        std::vector<const char *> lines;
        std::vector<const char *> rows;
        int lineCount;
    } cases[] = {
        {{"S\t1\t5\tx\tK\tU\tA\tDA\t1\t4", "S\t1\t5\ty\tK\tU\tB\tDB\t1\t4", "S\t1\t5\tx\tK\tU\tC\tDC\t1\t4"},
         {"5 1 K U 1-4 10005: A\rB\rC | DA\rDB\rDC"}, 3},
        {{"S\t1\t5\tx\tK\tU\tA\t\t1\t4", "S\t1\t5\tx\tK\tU\tB\t\t1\t5"},
         {"5 1 K U 1-4 10005: A | ", "5 1 K U 1-5 10005: B | "}, 2},
        {{"S\t1\t7\tx\tK\tU\tA\t\t1\t4", "S\t1\t07\tx\tK\tU\tB\t\t1\t4", "S\t1\t7\tx\tK\tU\tC\t\t1\t4"},
         {"7 1 K U 1-4 10007: A | ", "7 1 K U 1-4 10007: B | ", "7 1 K U 1-4 10007: C | "}, 3},
        {{"S\t1\t5\tx\tK\tU\t\t\t1\t4", "S\t1\t5\tx\tK\tU\tB\tDB\t1\t4"}, {"5 1 K U 1-4 10005: B | DB"}, 2},
        {{"S\t1\t5\tx\tErste\tU\tA\t\t1\t4", "S\t3\t5\tx\tLetzte\tU\t\tDB\t1\t4"},
         {"5 3 Letzte U 1-4 10005: A\r | \rDB"}, 2},
        {{"S\t1\t1\tx\tK\tU\tA\t\t1\t4", "S\t1\t\tx\tK\tU\tOhne\t\t1\t4", "S\t1\t2\tx\tK\tU\tB\t\t1\t4"},
         {"1 1 K U 1-4 10001: A | ", "2 1 K U 1-4 10002: Ohne\rB | \r"}, 3},
        {{"S\tgut\tabc\tx\tK\tU\tA\t\tx\ty\tmehr", "S\t1\t4\tx\tK", "", "  "},
         {"0 0 K U 0-0 0: A | ", "4 1 K  0-0 4:  | "}, 2},
        {{}, {}, 0},
    };
    for (const auto &c : cases) {
        QStringList rows;
        Counts counts;
        importSentences(
            texts(c.lines),
            [&rows](const SentenceRecord &r) {
                rows << QStringLiteral("%1 %2 %3 %4 %5-%6 %7: %8 | %9")
                            .arg(r.number).arg(r.section).arg(r.mainCategory, r.subCategory)
                            .arg(r.startClass).arg(r.endClass).arg(r.id()).arg(r.sentences, r.duSentences);
                return rows.size() != 2; // the second row fails and is not counted
            },
            counts);
        EXPECT_EQ(rows, texts(c.rows)) << texts(c.lines).join(u'|').toStdString();
        EXPECT_EQ(counts.sentenceLines, c.lineCount);
        EXPECT_EQ(counts.rowsStored, rows.size() >= 2 ? rows.size() - 1 : rows.size());
    }
    const StdPhraseRecord r = stdPhraseFromLine(QStringLiteral("A\t1\t12\t0\tSatz\tmehr"));
    EXPECT_EQ(QStringLiteral("%1 %2 %3 %4 %5").arg(r.category).arg(r.categoryNumber).arg(r.phraseNumber)
                  .arg(r.appendixNumber).arg(r.sentence),
              QStringLiteral("A 1 12 0 Satz"));
    EXPECT_EQ(stdPhraseErrorText(QStringLiteral("E"), r), QStringLiteral("E: A-1120"));
}

TEST(DatabaseBuildTool, BuildsTheExactSchemaOrLeavesTheOldDatabaseAsItWas)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("Formulierungshilfen.rbd"));
    const QString big = dir.filePath(QStringLiteral("s.txt"));
    GeneratedCollection written;
    ASSERT_TRUE(writeCollection(big, dir.filePath(QStringLiteral("p.txt")), CollectionSize{20000, 800}, written));
    const QString bare = QStringLiteral("IF NOT EXISTS ");
    const QString schema = QStringList({saetzeCreateSql(), QString(sentenceIndexSql()[0]).remove(bare),
                                        QString(sentenceIndexSql()[1]).remove(bare), standardsaetzeCreateSql()})
                               .join(u';');
    const QString sample = testDataPath(QStringLiteral("store/Formulierungen.txt"));
    const QString samplePhrases = testDataPath(QStringLiteral("store/Standardformulierungen.txt"));
    const QString phrases = dir.filePath(QStringLiteral("p.txt"));
    const QString kept = QStringLiteral("Die Datenbank „Formulierungshilfen.rbd“ wurde nicht ersetzt");
    const struct
    {
        QString sentences, phrases;
        const char *fileSizeLimit;
        int exitCode;
        QString printed;
    } cases[] = {
        {sample, samplePhrases, "unlimited", 0,
         QStringLiteral("IMPORT Formulierungshilfen KOMPLETT!\n\n7 Zeilen importiert.\n4 Datensätze erzeugt\n"
                        "IMPORT Standardformulierungen KOMPLETT!\n\n3 Zeilen importiert.\n")},
        {sample, samplePhrases, "16", 1, kept}, // fails at the commit
        {big, phrases, "1024", 1, kept},        // fails on an insert
        {big, phrases, "unlimited", 0, QStringLiteral("\n%1 Datensätze erzeugt\n").arg(written.rows)},
        {dir.path(), phrases, "unlimited", 1, QStringLiteral("„%1“ kann nicht gelesen werden!").arg(QDir(dir.path()).dirName())},
    };
    for (const auto &c : cases) {
        createSentenceDb(out, {sentenceRow("Alt", "K", "U")});
        writeBytes(out + QStringLiteral("-journal"), QByteArray(4096, 'j')); // not to be played into a new file
        const QByteArray before = readBytes(out);
        QProcess process;
        process.start(QStringLiteral("bash"),
                      {QStringLiteral("-c"), QStringLiteral("ulimit -f %1; exec \"$0\" \"$@\"").arg(QString::fromUtf8(c.fileSizeLimit)),
                       QDir(qEnvironmentVariable("VM_BIN_DIR")).filePath(QStringLiteral("sentence-db-builder")),
                       c.sentences, c.phrases, out});
        ASSERT_TRUE(process.waitForFinished(60000));
        const QString printed = QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << printed.toStdString();
        EXPECT_EQ(process.exitCode(), c.exitCode) << printed.toStdString();
        EXPECT_TRUE(printed.contains(c.printed)) << printed.toStdString();
        EXPECT_FALSE(QFile::exists(temporaryPathFor(out)));
        if (c.exitCode == 0)
            EXPECT_EQ(firstValue(out, QStringLiteral("select group_concat(sql, ';') as v from (select sql from "
                                                     "sqlite_master order by name)")),
                      schema);
        else
            EXPECT_EQ(readBytes(out), before) << "the old database is left as it was";
    }
}
