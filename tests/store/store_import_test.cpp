// The importer's reading and grouping, and the build of a database file by
// the build tool: exact schema, indexes, a failure that changes nothing, and
// an output that would cost an input or is no database refused.
#include "CollectionGenerator.h"
#include "framework/Database.h"
#include "store/Schema.h"
#include "store/SentenceImporter.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

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
    // A write beyond the file-size limit fails as SQLite's input/output error.
    const QString diskFailed = QStringLiteral(" Fehler: Der Datenträger der Datenbank hat beim Lesen oder Schreiben "
                                              "einen Fehler gemeldet.\n");
    const QString database = QStringLiteral("Die Datenbank „Formulierungshilfen.rbd“ wurde nicht ");
    const QString kept = database + QStringLiteral("ersetzt und bleibt unverändert.") + diskFailed;
    const QString notMade = database + QStringLiteral("angelegt.") + diskFailed;
    // Inputs that are no regular files: a named pipe, and a link to the system's zero device (only read).
    const QString pipe = dir.filePath(QStringLiteral("pipe.txt")), zero = dir.filePath(QStringLiteral("zero.txt"));
    const bool root = ::geteuid() == 0;
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    const QString noFile = QStringLiteral("“ kann nicht gelesen werden! Sie ist keine gewöhnliche Datei");
    const struct
    {
        QString sentences, phrases;
        const char *fileSizeLimit;
        int exitCode;
        QString printed;
        int endedBy = 0; // a signal sent in the middle of the build
        bool oldDatabase = true;
    } cases[] = {
        {sample, samplePhrases, "unlimited", 0,
         QStringLiteral("IMPORT Formulierungshilfen KOMPLETT!\n\n7 Zeilen importiert.\n4 Datensätze erzeugt\n"
                        "IMPORT Standardformulierungen KOMPLETT!\n\n3 Zeilen importiert.\n")},
        {sample, samplePhrases, "16", 1, kept}, // fails at the commit
        {big, phrases, "1024", 1, kept},        // fails on an insert
        {sample, samplePhrases, "1", 1, kept},  // fails at the tables
        {sample, samplePhrases, "1", 1, notMade, 0, false},
        {big, phrases, "unlimited", 0, QStringLiteral("\n%1 Datensätze erzeugt\n").arg(written.rows)},
        {dir.path(), phrases, "unlimited", 1, QStringLiteral("„%1“ kann nicht gelesen werden!").arg(QDir(dir.path()).dirName())},
        {sample, pipe, "unlimited", 1, QStringLiteral("„pipe.txt") + noFile},
        {big, phrases, "unlimited", 1, QString(), SIGTERM},
        {big, phrases, "unlimited", 1, QString(), SIGINT},
        {big, phrases, "unlimited", 1, QString(), SIGHUP},
        {zero, phrases, "unlimited", 1, QStringLiteral("„zero.txt") + noFile},
    };
    for (const auto &c : cases) {
        const QByteArray outName = QFile::encodeName(out);
        removeDatabaseFile(out);
        for (const QString &left : QDir(dir.path()).entryList({QStringLiteral("*.neu*")}, QDir::Files))
            QFile::remove(dir.filePath(left)); // so that a row that fails leaves the next one as it would be
        if (c.oldDatabase) {
            // Another user's database (as root): a new one keeps its owner and access rights.
            createSentenceDb(out, {sentenceRow("Alt", "K", "U")});
            ASSERT_TRUE(::chmod(outName, 0664) == 0 && (!root || ::chown(outName, 65534, 65534) == 0));
            writeBytes(out + QStringLiteral("-journal"), QByteArray(4096, 'j')); // not to be played into a new file
        }
        const QByteArray before = readBytes(out);
        QProcess process;
        // A build to be ended runs at the lowest priority, so that the signal comes while it writes.
        process.start(QStringLiteral("bash"),
                      {QStringLiteral("-c"), QStringLiteral("ulimit -f %1; exec nice -n %2 \"$0\" \"$@\"")
                                                 .arg(QString::fromUtf8(c.fileSizeLimit)).arg(c.endedBy ? 19 : 0),
                       QDir(qEnvironmentVariable("VM_BIN_DIR")).filePath(QStringLiteral("sentence-db-builder")),
                       c.sentences, c.phrases, out});
        while (c.endedBy && QDir(dir.path()).entryList({QStringLiteral("*.neu-journal")}).isEmpty()
               && !process.waitForFinished(1)) {
        }
        ASSERT_TRUE(!c.endedBy
                    || (process.state() == QProcess::Running && ::kill(pid_t(process.processId()), c.endedBy) == 0));
        ASSERT_TRUE(process.waitForFinished(60000));
        const QString printed = QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
        EXPECT_EQ(process.exitStatus() == QProcess::CrashExit, c.endedBy != 0) << printed.toStdString();
        EXPECT_TRUE(c.endedBy || process.exitCode() == c.exitCode) << printed.toStdString();
        EXPECT_TRUE(printed.contains(c.printed)) << printed.toStdString();
        EXPECT_FALSE(printed.contains(QRegularExpression(QStringLiteral("no such|disk|database|error"))))
            << "no English and no follow-on error: " << printed.toStdString();
        EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("*.neu*")}, QDir::Files), QStringList());
        if (!c.oldDatabase) {
            EXPECT_FALSE(QFileInfo::exists(out));
            continue;
        }
        struct stat st = {};
        ASSERT_EQ(::stat(QFile::encodeName(out).constData(), &st), 0);
        EXPECT_TRUE((st.st_mode & 07777) == 0664 && st.st_uid == (root ? 65534u : ::getuid())) << st.st_mode;
        if (c.exitCode == 0)
            EXPECT_EQ(firstValue(out, QStringLiteral("select group_concat(sql, ';') as v from (select sql from "
                                                     "sqlite_master order by name)")),
                      schema);
        else
            EXPECT_EQ(readBytes(out), before) << "the old database is left as it was";
    }
}

TEST(DatabaseBuildTool, LeavesEveryInputAsItWasAndReplacesOnlyASentenceDatabase)
{
    const QByteArray sentences = readBytes(testDataPath(QStringLiteral("store/Formulierungen.txt")));
    const QByteArray phrases = readBytes(testDataPath(QStringLiteral("store/Standardformulierungen.txt")));
    // What stands at the output before the build, when it is not one of the inputs.
    enum class Made { Nothing, Database, Text, Fifo, HardLinkToInput, LinkToDatabase, NoFolder };
    const char *const built = "4 Datensätze erzeugt";
    const struct
    {
        const char *sentences, *out;
        Made made;
        int exitCode;
        const char *printed; // after "Die Datei „out“ wird nicht durch die neue Datenbank ersetzt: " when refused
    } cases[] = {
        {"in.txt", "in.txt", Made::Nothing, 1, "Sie ist die Textdatei „in.txt“, aus der die Datenbank entstehen soll."},
        {"in.txt", "./std.txt", Made::Nothing, 1, "Sie ist die Textdatei „std.txt“, aus der die Datenbank entstehen soll."},
        {"in.txt", "x.rbd", Made::HardLinkToInput, 1, "Sie ist die Textdatei „in.txt“, aus der die Datenbank entstehen soll."},
        {"x.rbd-journal", "x.rbd", Made::Database, 1, "Dabei würde die Textdatei „x.rbd-journal“ gelöscht."},
        {"in.txt", "x.rbd", Made::Fifo, 1, "Sie ist keine gewöhnliche Datei, sondern ein Ordner, ein Gerät oder etwas Ähnliches."},
        {"in.txt", "x.rbd", Made::Text, 1, "Sie ist keine Satzdatenbank."},
        {"x.rbd.neu", "x.rbd", Made::Nothing, 0, built},
        {"in.txt", "x.rbd", Made::LinkToDatabase, 0, built},
        {"in.txt", "x.rbd", Made::Database, 0, built},
        {"in.txt", "fehlt/x.rbd", Made::NoFolder, 1,
         "/fehlt“ kann keine neue Datenbank angelegt werden: Der Ordner ist nicht vorhanden."},
    };
    for (const auto &c : cases) {
        QTemporaryDir dir;
        const auto at = [&dir](const char *name) { return dir.filePath(QString::fromUtf8(name)); };
        const QString in = QString::fromUtf8(c.sentences), out = at(c.out);
        switch (c.made) {
        case Made::Nothing:
        case Made::NoFolder: break;
        case Made::Database: createSentenceDb(out, {sentenceRow("Alt", "K", "U")}); break;
        case Made::Text: writeBytes(out, "Notizen, keine Datenbank\n"); break;
        case Made::Fifo: ASSERT_EQ(::mkfifo(QFile::encodeName(out).constData(), 0600), 0); break;
        case Made::HardLinkToInput: break; // once the input is there
        case Made::LinkToDatabase:
            createSentenceDb(at("echt.rbd"), {sentenceRow("Alt", "K", "U")});
            ASSERT_TRUE(QFile::link(QStringLiteral("echt.rbd"), out));
            break;
        }
        // The inputs come last: making a database removes journals of its name.
        writeBytes(at(c.sentences), sentences);
        writeBytes(at("std.txt"), phrases);
        if (c.made == Made::HardLinkToInput) {
            ASSERT_EQ(::link(QFile::encodeName(at(c.sentences)).constData(), QFile::encodeName(out).constData()), 0);
        }
        const QByteArray before = c.made == Made::Fifo ? QByteArray() : readBytes(out);
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.start(QDir(qEnvironmentVariable("VM_BIN_DIR")).filePath(QStringLiteral("sentence-db-builder")),
                      {in, QStringLiteral("std.txt"), QString::fromUtf8(c.out)});
        ASSERT_TRUE(process.waitForFinished(60000));
        const QString printed = QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
        const QString expected = (c.exitCode == 0 || c.made == Made::NoFolder ? QString()
                                                  : QStringLiteral("Die Datei „%1“ wird nicht durch die neue Datenbank "
                                                                   "ersetzt: ").arg(QString::fromUtf8(c.out)))
                                 + QString::fromUtf8(c.printed);
        EXPECT_EQ(process.exitCode(), c.exitCode) << c.sentences << " -> " << c.out << ": " << printed.toStdString();
        EXPECT_TRUE(printed.contains(expected)) << printed.toStdString();
        EXPECT_EQ(readBytes(at(c.sentences)), sentences) << c.sentences << " -> " << c.out;
        EXPECT_EQ(readBytes(at("std.txt")), phrases) << c.sentences << " -> " << c.out;
        const QStringList inputsNamedNeu = in.endsWith(QStringLiteral(".neu")) ? QStringList{in} : QStringList();
        EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("*.neu")}, QDir::Files), inputsNamedNeu)
            << "no temporary file is left";
        if (c.made == Made::NoFolder) {
            EXPECT_FALSE(QFileInfo::exists(at("fehlt"))) << "nothing is made";
            continue;
        }
        struct stat st;
        ASSERT_EQ(::lstat(QFile::encodeName(out).constData(), &st), 0);
        if (c.made == Made::Fifo) {
            EXPECT_TRUE(S_ISFIFO(st.st_mode)) << "the device stays untouched";
        } else if (c.made == Made::LinkToDatabase) {
            EXPECT_TRUE(S_ISLNK(st.st_mode)) << "the link stays a link";
        }
        if (c.exitCode == 0) {
            EXPECT_EQ(firstValue(out, QStringLiteral("select count(*) as v from Saetze")), QStringLiteral("4"))
                << c.sentences << " -> " << c.out;
        } else if (c.made != Made::Fifo) {
            EXPECT_EQ(readBytes(out), before) << c.sentences << " -> " << c.out;
        }
    }
}
