#include "framework/Database.h"
#include "store/Schema.h"
#include "store/SentenceImporter.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace SentenceImporter;

namespace {
QString line(std::initializer_list<const char *> fields)
{
    QStringList parts;
    for (const char *f : fields)
        parts << QString::fromUtf8(f);
    return parts.join(u'\t');
}

// A sentence line: super, section, number, any, main, sub, Sie, Du, from, to.
QString sentenceLine(const char *nr, const char *sie, const char *du, const char *from = "1", const char *to = "4",
                     const char *main = "K", const char *section = "1")
{
    return line({"S", section, nr, "x", main, "U", sie, du, from, to});
}

std::vector<SentenceRecord> group(const QStringList &lines, Counts *countsOut = nullptr)
{
    std::vector<SentenceRecord> rows;
    Counts counts;
    importSentences(
        lines,
        [&rows](const SentenceRecord &r) {
            rows.push_back(r);
            return true;
        },
        counts);
    if (countsOut)
        *countsOut = counts;
    return rows;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// name -> stored CREATE statement of every table.
QMap<QString, QString> storedSchema(const QString &path)
{
    QMap<QString, QString> schema;
    Database db;
    db.setDatabaseFile(path);
    if (!db.Connect())
        return schema;
    const auto rs = db.SQLSelect(QStringLiteral("select name, sql from sqlite_master where type = 'table'"));
    for (rs->MoveFirst(); !rs->IsEOF(); rs->MoveNext())
        schema.insert(rs->Field(QStringLiteral("name")), rs->Field(QStringLiteral("sql")));
    return schema;
}

const QMap<QString, QString> expectedSchema{{QStringLiteral("Saetze"), saetzeCreateSql()},
                                            {QStringLiteral("Standardsaetze"), standardsaetzeCreateSql()}};

int count(Database &db, const QString &sql)
{
    const auto rs = db.SQLSelect(sql);
    return rs && !rs->IsEOF() ? rs->Field(QStringLiteral("n")).toInt() : -1;
}
} // namespace

TEST(ImporterReading, LineEndsAndEncoding)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.txt"));
    QStringList lines;
    QString error;
    // CR, LF and CR LF all end a line; the end after the last line adds none.
    writeFile(path, QByteArray("a\rb\nc\r\nd\r"));
    ASSERT_TRUE(readLines(path, lines, error));
    EXPECT_EQ(lines, (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")}));
    writeFile(path, QByteArray("a\r\rb"));
    ASSERT_TRUE(readLines(path, lines, error));
    EXPECT_EQ(lines, (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")}));
    // MacRoman: 0x8A is ä, 0xA7 is ß; bytes of UTF-8 read as their MacRoman characters.
    writeFile(path, QByteArray("\x8a\xa7\t\xc3\xa4"));
    ASSERT_TRUE(readLines(path, lines, error));
    EXPECT_EQ(lines, QStringList{QStringLiteral("äß\t√§")});
    writeFile(path, QByteArray());
    ASSERT_TRUE(readLines(path, lines, error));
    EXPECT_TRUE(lines.isEmpty());
}

TEST(ImporterReading, UnreadableFilesGetAClearMessage)
{
    QTemporaryDir dir;
    QStringList lines{QStringLiteral("old")};
    QString error;
    EXPECT_FALSE(readLines(dir.filePath(QStringLiteral("fehlt.txt")), lines, error));
    EXPECT_EQ(error, QStringLiteral("Die Textdatei „fehlt.txt“ kann nicht gelesen werden!"));
    EXPECT_TRUE(lines.isEmpty());
    EXPECT_FALSE(readLines(dir.path(), lines, error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(ImporterGrouping, LinesOfOneKeyMakeOneRow)
{
    Counts counts;
    const auto rows
        = group({sentenceLine("5", "A", "DA"), sentenceLine("5", "B", "DB"), sentenceLine("5", "C", "DC")}, &counts);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].sentences, QStringLiteral("A\rB\rC"));
    EXPECT_EQ(rows[0].duSentences, QStringLiteral("DA\rDB\rDC"));
    EXPECT_EQ(rows[0].endClass, 4);
    EXPECT_EQ(rows[0].id(), 10005) << "start class 1, number 5";
    EXPECT_EQ(counts.sentenceLines, 3);
    EXPECT_EQ(counts.rowsStored, 1);
}

TEST(ImporterGrouping, KeyIsNumberAndClassRangeAsTexts)
{
    // Same number, other end class: two rows with equal ids.
    auto rows = group({sentenceLine("5", "A", "", "1", "4"), sentenceLine("5", "B", "", "1", "5")});
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].id(), rows[1].id());
    // 7 and 07 are different texts.
    rows = group({sentenceLine("7", "A", ""), sentenceLine("07", "B", "")});
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].number, 7);
    // The same key on lines that are not adjacent makes two rows.
    rows = group({sentenceLine("1", "A", ""), sentenceLine("2", "B", ""), sentenceLine("1", "C", "")});
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2].sentences, QStringLiteral("C"));
}

TEST(ImporterGrouping, EmptyVariantsAndLastLineFields)
{
    // A first line with both texts empty loses its variant.
    auto rows = group({sentenceLine("5", "", ""), sentenceLine("5", "B", "DB")});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].sentences, QStringLiteral("B"));
    EXPECT_EQ(rows[0].duSentences, QStringLiteral("DB"));
    // With one of them filled both keep the same number of lines.
    rows = group({sentenceLine("5", "A", ""), sentenceLine("5", "B", "DB")});
    EXPECT_EQ(rows[0].sentences, QStringLiteral("A\rB"));
    EXPECT_EQ(rows[0].duSentences, QStringLiteral("\rDB"));
    // Categories and section come from the group's last line.
    rows = group(
        {sentenceLine("5", "A", "", "1", "4", "Erste", "1"), sentenceLine("5", "B", "", "1", "4", "Letzte", "3")});
    EXPECT_EQ(rows[0].mainCategory, QStringLiteral("Letzte"));
    EXPECT_EQ(rows[0].section, 3);
    // One line is one row, stored after the loop.
    rows = group({sentenceLine("9", "Allein", "")});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].sentences, QStringLiteral("Allein"));
    EXPECT_TRUE(group({}).empty());
}

TEST(ImporterGrouping, LineWithoutNumberJoinsTheNextLine)
{
    const auto rows = group({sentenceLine("1", "A", ""), sentenceLine("", "Ohne", ""), sentenceLine("2", "B", ""),
                             sentenceLine("3", "C", "")});
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].sentences, QStringLiteral("Ohne\rB"));
    EXPECT_EQ(rows[1].number, 2);
}

TEST(ImporterGrouping, NumbersShortLinesAndBlankLines)
{
    // Text that is no number counts 0; field 4 has no effect; fields after the tenth are ignored.
    auto rows = group({line({"S", "gut", "abc", "egal", "K", "U", "A", "", "x", "y", "mehr"}),
                       line({"S", "gut", "abc", "anders", "K", "U", "B", "", "x", "y"})});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].section, 0);
    EXPECT_EQ(rows[0].number, 0);
    EXPECT_EQ(rows[0].startClass, 0);
    EXPECT_EQ(rows[0].endClass, 0);
    EXPECT_EQ(rows[0].sentences, QStringLiteral("A\rB"));
    // Missing fields are empty; blank lines are skipped and not counted.
    Counts counts;
    rows = group(
        {line({"S", "1", "4", "x", "K"}), QString(), QStringLiteral("  "), sentenceLine("4", "B", "DB", "", "")},
        &counts);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].subCategory, QStringLiteral("U"));
    EXPECT_EQ(rows[0].sentences, QStringLiteral("B"));
    EXPECT_EQ(rows[0].duSentences, QStringLiteral("DB"));
    EXPECT_EQ(counts.sentenceLines, 2);
    // Absurd class numbers do not overflow the id.
    rows = group({sentenceLine("2147483647", "A", "", "2147483647", "1")});
    EXPECT_EQ(rows[0].id(), qint64(2147483647) * 10000 + 2147483647);
}

TEST(ImporterGrouping, FailedRowsAreNotCounted)
{
    Counts counts;
    int calls = 0;
    importSentences(
        {sentenceLine("1", "A", ""), sentenceLine("2", "B", ""), sentenceLine("3", "C", "")},
        [&calls](const SentenceRecord &) { return ++calls != 2; }, counts);
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(counts.sentenceLines, 3);
    EXPECT_EQ(counts.rowsStored, 2);
}

TEST(ImporterStdPhrases, FieldsAndMessages)
{
    const StdPhraseRecord r = stdPhraseFromLine(line({"A", "1", "12", "0", "Satz", "mehr"}));
    EXPECT_EQ(r.category, QStringLiteral("A"));
    EXPECT_EQ(r.categoryNumber, 1);
    EXPECT_EQ(r.phraseNumber, 12);
    EXPECT_EQ(r.appendixNumber, 0);
    EXPECT_EQ(r.sentence, QStringLiteral("Satz"));
    const StdPhraseRecord shortLine = stdPhraseFromLine(QStringLiteral("Nur Kategorie"));
    EXPECT_EQ(shortLine.sentence, QString());
    EXPECT_EQ(shortLine.phraseNumber, 0);
    Counts counts;
    std::vector<StdPhraseRecord> rows;
    importStdPhrases(
        {QStringLiteral("A\t1\t1\t0\tX"), QString(), QStringLiteral("B")},
        [&rows](const StdPhraseRecord &p) {
            rows.push_back(p);
            return true;
        },
        counts);
    EXPECT_EQ(rows.size(), 2u);
    EXPECT_EQ(counts.stdLines, 2);
    EXPECT_EQ(stdPhraseFailedText(), QStringLiteral("FEHLER\n\nFehler beim Importieren der Standardformulierungen!"));
    EXPECT_EQ(sentenceRowFailedText(), QStringLiteral("FEHLER\n\nFehler beim Importieren der Textdaten!"));
}

class DatabaseBuildTest : public ::testing::Test
{
protected:
    QString out() const { return m_dir.filePath(QStringLiteral("Formulierungshilfen.rbd")); }
    QTemporaryDir m_dir;
};

TEST_F(DatabaseBuildTest, BuildsTheSampleFilesWithTheExactSchema)
{
    Counts counts;
    QStringList messages;
    ASSERT_TRUE(buildDatabase(testDataPath(QStringLiteral("store/Formulierungen.txt")),
                              testDataPath(QStringLiteral("store/Standardformulierungen.txt")), out(), counts,
                              messages))
        << messages.join(u'\n').toStdString();
    EXPECT_EQ(counts.sentenceLines, 7);
    EXPECT_EQ(counts.rowsStored, 4);
    EXPECT_EQ(counts.stdLines, 3);
    EXPECT_EQ(messages,
              (QStringList{QStringLiteral("IMPORT Formulierungshilfen KOMPLETT!\n\n7 Zeilen importiert.\n"
                                          "4 Datensätze erzeugt"),
                           QStringLiteral("IMPORT Standardformulierungen KOMPLETT!\n\n3 Zeilen importiert.")}));
    EXPECT_EQ(storedSchema(out()), expectedSchema);
    EXPECT_FALSE(QFile::exists(temporaryPathFor(out())));

    Database db;
    db.setDatabaseFile(out());
    ASSERT_TRUE(db.Connect());
    const auto rs = db.SQLSelect(QStringLiteral("select * from Saetze where Nr = 3"));
    ASSERT_TRUE(rs && rs->RecordCount() == 1);
    EXPECT_EQ(rs->Field(QStringLiteral("Sentences")),
              QStringLiteral("_s Umgang mit anderen ist freundlich.\r#Er/Sie# geht's ruhig an.\r#Er/Sie# hilft gern."));
    EXPECT_EQ(rs->Field(QStringLiteral("id")), QStringLiteral("50003"));
    EXPECT_EQ(rs->Field(QStringLiteral("Kategorie")), QStringLiteral("Sozialverhalten"));
    EXPECT_EQ(count(db, QStringLiteral("select count(*) as n from Saetze where Sentences like '%äußerst%'")), 1);
    EXPECT_EQ(count(db, QStringLiteral("select count(*) as n from Standardsaetze where Appendixnr = 1 and "
                                       "Sentence = 'Herzlichen Glückwunsch!'")),
              1);
}

TEST_F(DatabaseBuildTest, BrokenLinesImportWithoutHarm)
{
    writeFile(m_dir.filePath(QStringLiteral("leer.txt")), QByteArray());
    Counts counts;
    QStringList messages;
    ASSERT_TRUE(buildDatabase(testDataPath(QStringLiteral("store/KaputteZeilen.txt")),
                              m_dir.filePath(QStringLiteral("leer.txt")), out(), counts, messages));
    EXPECT_EQ(counts.sentenceLines, 3);
    EXPECT_EQ(counts.rowsStored, 3);
    EXPECT_EQ(counts.stdLines, 0);
    Database db;
    db.setDatabaseFile(out());
    ASSERT_TRUE(db.Connect());
    // The short line is a row of its own, its missing class range 0 to 0.
    EXPECT_EQ(count(db, QStringLiteral("select count(*) as n from Saetze where Nr = 7 and Endklasse = 0 and "
                                       "Sentences = 'kurz' and DuSentences = ''")),
              1);
    // Control bytes and UTF-8 bytes are kept as their MacRoman characters.
    const auto rs = db.SQLSelect(QStringLiteral("select Sentences from Saetze where Nr = 8"));
    ASSERT_TRUE(rs && !rs->IsEOF());
    EXPECT_EQ(rs->Field(QStringLiteral("Sentences")), QString(QChar(0)) + QChar(7) + QStringLiteral("ˇ√§"));
}

TEST_F(DatabaseBuildTest, FailedBuildLeavesTheOldFile)
{
    writeFile(out(), QByteArray("bisherige Datenbank"));
    Counts counts;
    QStringList messages;
    EXPECT_FALSE(buildDatabase(m_dir.filePath(QStringLiteral("fehlt.txt")),
                               testDataPath(QStringLiteral("store/Standardformulierungen.txt")), out(), counts,
                               messages));
    EXPECT_EQ(messages, QStringList{QStringLiteral("Die Textdatei „fehlt.txt“ kann nicht gelesen werden!")});
    // The temporary name taken by a folder: the database cannot be made.
    QDir().mkpath(temporaryPathFor(out()));
    messages.clear();
    EXPECT_FALSE(buildDatabase(testDataPath(QStringLiteral("store/Formulierungen.txt")),
                               testDataPath(QStringLiteral("store/Standardformulierungen.txt")), out(), counts,
                               messages));
    EXPECT_EQ(messages.value(messages.size() - 1), QStringLiteral("Database not created"));
    QFile file(out());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("bisherige Datenbank"));
}

TEST_F(DatabaseBuildTest, RebuildReplacesTheOldDatabaseAndItsJournal)
{
    createSentenceDb(out(), {sentenceRow("S", "K", "U")});
    // A journal of the old file must not be played into the new one.
    writeFile(out() + QStringLiteral("-journal"), QByteArray(4096, 'j'));
    Counts counts;
    QStringList messages;
    ASSERT_TRUE(buildDatabase(testDataPath(QStringLiteral("store/Formulierungen.txt")),
                              testDataPath(QStringLiteral("store/Standardformulierungen.txt")), out(), counts,
                              messages));
    EXPECT_FALSE(QFile::exists(out() + QStringLiteral("-journal")));
    Database db;
    db.setDatabaseFile(out());
    ASSERT_TRUE(db.Connect());
    EXPECT_EQ(count(db, QStringLiteral("select count(*) as n from Saetze")), 4);
}

TEST(DatabaseBuildTool, PrintsTheCountsAndFailsClearly)
{
    QTemporaryDir dir;
    const QString tool = QDir(qEnvironmentVariable("VM_BIN_DIR")).filePath(QStringLiteral("sentence-db-builder"));
    const QString outPath = dir.filePath(QStringLiteral("x.rbd"));
    QProcess process;
    process.start(tool, {testDataPath(QStringLiteral("store/Formulierungen.txt")),
                         testDataPath(QStringLiteral("store/Standardformulierungen.txt")), outPath});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0);
    const QString printed = QString::fromUtf8(process.readAllStandardOutput());
    EXPECT_TRUE(printed.contains(QStringLiteral("7 Zeilen importiert.\n4 Datensätze erzeugt\n")))
        << printed.toStdString();
    EXPECT_TRUE(printed.contains(QStringLiteral("KOMPLETT!\n\n3 Zeilen importiert.\n")));

    process.start(tool,
                  {dir.filePath(QStringLiteral("fehlt.txt")), dir.filePath(QStringLiteral("fehlt.txt")), outPath});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError()).contains(QStringLiteral("fehlt.txt")));
    process.start(tool, {outPath});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 2);
}

TEST(SampleDatabase, HoldsAUsefulCollection)
{
    // Built beside the program from resources/data when the collection is there.
    const QString path = QDir(qEnvironmentVariable("VM_BIN_DIR")).filePath(QStringLiteral("Formulierungshilfen.rbd"));
    if (!QFile::exists(path))
        GTEST_SKIP() << "no sample collection in resources/data";
    EXPECT_EQ(storedSchema(path), expectedSchema);
    Database db;
    db.setDatabaseFile(path);
    ASSERT_TRUE(db.Connect());
    EXPECT_GE(count(db, QStringLiteral("select count(*) as n from Saetze")), 300);
    // 2 to 4 variants in every row, in the Sie and in the Du form alike.
    const auto rs = db.SQLSelect(QStringLiteral("select Oberkategorie, Sentences, DuSentences, Note from Saetze"));
    ASSERT_TRUE(rs);
    QSet<QString> superCategories;
    for (rs->MoveFirst(); !rs->IsEOF(); rs->MoveNext()) {
        const QString sie = rs->Field(QStringLiteral("Sentences"));
        const QString du = rs->Field(QStringLiteral("DuSentences"));
        const qsizetype variants = sie.count(u'\r') + 1;
        EXPECT_TRUE(variants >= 2 && variants <= 4) << sie.toStdString();
        if (rs->Field(QStringLiteral("Oberkategorie")) == QStringLiteral("Normalform"))
            EXPECT_EQ(du.count(u'\r') + 1, variants) << sie.toStdString();
        else // Sie forms only: the Du text holds nothing but the CRs between its empty variants.
            EXPECT_EQ(QString(du).remove(u'\r'), QString()) << sie.toStdString();
        const int section = rs->Field(QStringLiteral("Note")).toInt();
        EXPECT_TRUE(section >= 1 && section <= 5);
        superCategories.insert(rs->Field(QStringLiteral("Oberkategorie")));
    }
    EXPECT_GE(superCategories.size(), 3);
    EXPECT_TRUE(superCategories.contains(QStringLiteral("Normalform")));
    EXPECT_GE(count(db, QStringLiteral("select count(distinct Kategorie) as n from Saetze")), 8);
    for (int cls = 1; cls <= 10; ++cls)
        EXPECT_GT(count(db, QStringLiteral("select count(*) as n from Saetze where Startklasse <= %1 and "
                                           "Endklasse >= %1")
                                .arg(cls)),
                  0)
            << "class " << cls;
    EXPECT_GE(count(db, QStringLiteral("select count(distinct Kategorie) as n from Standardsaetze")), 5);
    EXPECT_GT(count(db, QStringLiteral("select count(*) as n from Standardsaetze where Appendixnr > 0")), 0);
}
