// Sentence texts kept byte for byte through import and write-back, and a
// write-back that tells whether it reached its one row.
#include "store/SentenceImporter.h"
#include "store/SentenceQueries.h"
#include "support/TestSupport.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace SentenceQueries;

TEST(StoreTexts, VariantsThatLookLikeNumbersSurviveImportAndSave)
{
    const QString variants[] = {QStringLiteral("007"), QStringLiteral("1.50"), QStringLiteral("1e5"),
                                QStringLiteral(" 12 "), QStringLiteral("a") + QChar(0) + QStringLiteral("ä"),
                                QStringLiteral("\n\n3")};
    // One row per variant, in MacRoman, its lines ended by CR, LF or CR LF in turn; the
    // three-line text is made of three lines of one row.
    QByteArray file;
    const char *const lineEnds[] = {"\r", "\n", "\r\n"};
    int lineCount = 0;
    for (int i = 0; i < int(std::size(variants)); ++i) {
        for (const QString &line : variants[i].split(u'\n'))
            file += QStringLiteral("S\t1\t%1\tx\tK\tU%1\t%2\tD\t1\t10").arg(i).arg(line).toLatin1().replace('\xe4', '\x8a')
                    + lineEnds[lineCount++ % 3];
    }
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("t.rbd"));
    writeBytes(dir.filePath(QStringLiteral("s.txt")), file);
    SentenceImporter::Counts counts;
    QStringList messages;
    ASSERT_TRUE(SentenceImporter::buildDatabase(dir.filePath(QStringLiteral("s.txt")), dir.filePath(QStringLiteral("s.txt")),
                                                out, counts, messages));
    Database db;
    ASSERT_TRUE(connectTo(db, out));
    const QString S = QStringLiteral("S"), K = QStringLiteral("K"), one = QStringLiteral("1");
    for (int i = 0; i < int(std::size(variants)); ++i) {
        const QString sub = QStringLiteral("U%1").arg(i);
        EXPECT_EQ(sectionSentences(db, S, K, sub, one, 5, false, false), variants[i]) << "imported " << i;
        // Saved into the Du column of another row, and read back.
        const int other = (i + 1) % int(std::size(variants));
        ASSERT_TRUE(putSectionSentences(db, S, K, QStringLiteral("U%1").arg(other), one, 5, true, variants[i])
                        .written());
        EXPECT_EQ(sectionSentences(db, S, K, QStringLiteral("U%1").arg(other), one, 5, true, false), variants[i])
            << "saved " << i;
    }
    EXPECT_EQ(firstValue(out, QStringLiteral("select group_concat(distinct typeof(Sentences)) || ',' || "
                                             "group_concat(distinct typeof(DuSentences)) as v from Saetze")),
              QStringLiteral("blob,blob"));
}

TEST(StoreWriteBack, ReportsWhetherTheTextReachedItsOneRow)
{
    QTemporaryDir dir;
    const struct
    {
        const char *section, *held; // how another connection holds the file
        WriteOutcome expected;
    } cases[] = {{"1", "", WriteOutcome::Written},
                 {"4", "", WriteOutcome::NoSection},
                 {"2", "", WriteOutcome::SeveralSections},
                 {"1", "locked", WriteOutcome::InUse},
                 {"1", "read-only", WriteOutcome::ReadOnly}};
    for (const auto &c : cases) {
        const QString path = dir.filePath(QStringLiteral("%1%2.rbd").arg(utf8(c.section), utf8(c.held)));
        createSentenceDb(path, {sentenceRow("S", "K", "U", 1, 1, 10, 1, "Alt"), sentenceRow("S", "K", "U", 2, 1, 6, 2),
                                sentenceRow("S", "K", "U", 2, 4, 10, 3)});
        if (utf8(c.held) == QStringLiteral("read-only"))
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        Database db, other;
        ASSERT_TRUE(connectTo(db, path) && connectTo(other, path));
        if (utf8(c.held) == QStringLiteral("locked"))
            other.SQLExecute(QStringLiteral("BEGIN EXCLUSIVE"));
        const WriteResult result = putSectionSentences(db, utf8("S"), utf8("K"), utf8("U"), utf8(c.section), 5, false,
                                                       QStringLiteral("Er geht's ruhig an."));
        EXPECT_EQ(result.outcome, c.expected) << c.section << c.held << result.databaseError.toStdString();
        EXPECT_EQ(writeProblemText(result).isEmpty(), c.expected == WriteOutcome::Written);
        other.Rollback();
        const auto rs = other.SQLSelect(QStringLiteral("select count(*) as n from Saetze where Sentences = ?"),
                                        {QByteArray("Er geht's ruhig an.")});
        ASSERT_TRUE(rs);
        EXPECT_EQ(rs->Field(QStringLiteral("n")), QString::number(c.expected == WriteOutcome::Written));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    }
}

TEST(StoreWriteBack, NeverOverwritesAChangeStoredSinceTheListWasRead)
{
    QTemporaryDir dir;
    const struct
    {
        const char *changer; // who changes the section after it was read
        WriteOutcome expected;
        const char *stored;
    } cases[] = {{"", WriteOutcome::Written, "Neu"},
                 {"connection", WriteOutcome::ChangedElsewhere, "Von anderswo"},
                 {"process", WriteOutcome::ChangedElsewhere, "Von anderswo"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.changer);
        const QString path = dir.filePath(QStringLiteral("%1.rbd").arg(utf8(c.changer)));
        createSentenceDb(path, {sentenceRow("S", "K", "U", 1, 1, 10, 1, "Alt\rZwei")});
        Database db, other;
        ASSERT_TRUE(connectTo(db, path) && connectTo(other, path));
        const QString read = sectionSentences(db, utf8("S"), utf8("K"), utf8("U"), utf8("1"), 5, false, false);
        const QString change = QStringLiteral("UPDATE Saetze SET Sentences = 'Von anderswo'");
        if (utf8(c.changer) == QStringLiteral("connection"))
            other.SQLExecute(change);
        if (utf8(c.changer) == QStringLiteral("process")) {
            ASSERT_TRUE(LockingProcess(path, change + u';', 0).locked());
        }
        const WriteResult result
            = putSectionSentences(db, utf8("S"), utf8("K"), utf8("U"), utf8("1"), 5, false, utf8("Neu"), read);
        EXPECT_EQ(result.outcome, c.expected);
        EXPECT_EQ(sectionSentences(other, utf8("S"), utf8("K"), utf8("U"), utf8("1"), 5, false, false),
                  utf8(c.stored));
        if (c.expected == WriteOutcome::ChangedElsewhere) {
            EXPECT_TRUE(writeProblemText(result).contains(QStringLiteral("an anderer Stelle geändert")));
        }
    }
}

TEST(StoreWriteBack, ALockHeldBrieflyByAnotherProgramIsWaitedForALongOneIsReported)
{
    QTemporaryDir dir;
    const struct
    {
        int holdMs; // -1: until released
        WriteOutcome expected;
    } cases[] = {{500, WriteOutcome::Written}, {-1, WriteOutcome::InUse}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.holdMs);
        const QString path = dir.filePath(QStringLiteral("%1.rbd").arg(c.holdMs));
        createSentenceDb(path, {sentenceRow("S", "K", "U", 1, 1, 10, 1, "Alt")});
        Database db;
        ASSERT_TRUE(connectTo(db, path));
        LockingProcess holder(path, QString(), c.holdMs);
        ASSERT_TRUE(holder.locked());
        const WriteResult result
            = putSectionSentences(db, utf8("S"), utf8("K"), utf8("U"), utf8("1"), 5, false, utf8("Neu"), utf8("Alt"));
        EXPECT_EQ(result.outcome, c.expected);
        // Once the other program lets go, the same save goes through.
        holder.release();
        if (c.expected != WriteOutcome::Written) {
            EXPECT_TRUE(putSectionSentences(db, utf8("S"), utf8("K"), utf8("U"), utf8("1"), 5, false, utf8("Neu"),
                                            utf8("Alt"))
                            .written());
        }
        EXPECT_EQ(firstValue(path, QStringLiteral("select Sentences as v from Saetze")), utf8("Neu"));
    }
}
