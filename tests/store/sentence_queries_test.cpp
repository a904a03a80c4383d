#include "framework/Database.h"
#include "store/SentenceQueries.h"
#include "support/TestSupport.h"

#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace SentenceQueries;

namespace {
const QString S = QStringLiteral("S");
const QString K = QStringLiteral("K");
const QString U = QStringLiteral("U");
} // namespace

// The statements run against a real file below; here the quoting of every
// text value, the text to write included.
TEST(SentenceStatements, QuotesInEveryTextValueAreDoubled)
{
    EXPECT_EQ(sectionUpdateSql(QStringLiteral("O'S"), K, U, QStringLiteral("1"), QStringLiteral("5"), false,
                               QStringLiteral("Er geht's ruhig an.")),
              QStringLiteral("UPDATE Saetze SET Sentences= 'Er geht''s ruhig an.' where Oberkategorie = 'O''S' and "
                             "Kategorie = 'K' and Subkategorie = 'U' and Note = 1 and Startklasse <= 5 and "
                             "Endklasse >= 5"));
    EXPECT_TRUE(
        keySentencesSql(QStringLiteral("K'"), QStringLiteral("'U"), QStringLiteral("1"), QStringLiteral("1"), false)
            .contains(QStringLiteral("Kategorie = 'K''' and Subkategorie = '''U'")));
}

TEST(SentenceStatements, SectionKeys)
{
    const SectionKey read = parseSectionKey(QStringLiteral("Arbeitsverhalten : Sorgfalt 3"), QStringLiteral(" : "));
    EXPECT_EQ(read.mainCategory, QStringLiteral("Arbeitsverhalten"));
    EXPECT_EQ(read.subCategory, QStringLiteral("Sorgfalt"));
    EXPECT_EQ(read.section, QStringLiteral("3"));
    const SectionKey write = parseSectionKey(QStringLiteral("M:U 2"), QStringLiteral(":"));
    EXPECT_EQ(write.mainCategory, QStringLiteral("M"));
    EXPECT_EQ(write.subCategory, QStringLiteral("U"));
    EXPECT_EQ(write.section, QStringLiteral("2"));
    EXPECT_TRUE(isWholeNumber(QStringLiteral("10")));
    EXPECT_TRUE(isWholeNumber(QStringLiteral("-1")));
    EXPECT_FALSE(isWholeNumber(QString()));
    EXPECT_FALSE(isWholeNumber(QStringLiteral("-")));
    EXPECT_TRUE(isWholeNumber(QStringLiteral(" 1 ")));
    EXPECT_FALSE(isWholeNumber(QStringLiteral("1 2")));
    EXPECT_FALSE(isWholeNumber(QStringLiteral("1 OR 1=1")));
}

class SentenceQueriesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        createSentenceDb(path(), {
                                     sentenceRow("S", "K", "U", 1, 1, 10, 7, "P\rQ\rR", "Du P\rDu Q\rDu R"),
                                     sentenceRow("S", "K", "U", 2, 5, 6, 120, "1\r2\r3\r4\r5\r6\r7\r8\r9\rZehn"),
                                     sentenceRow("S", "K", "U", 3, 1, 10, 8, "Nur Sie"),
                                     sentenceRow("T", "K", "U", 3, 1, 10, 9, "Andere Oberkategorie"),
                                     sentenceRow("S", "K", "Doppelt", 1, 1, 6, 30, "Erste"),
                                     sentenceRow("S", "K", "Doppelt", 1, 4, 10, 31, "Zweite"),
                                     sentenceRow("S", "M", "V", 1, 3, 4, 12, "Eins\rZwei\rDrei\r", "D1\nD2"),
                                 });
        m_db.setDatabaseFile(path());
        ASSERT_TRUE(m_db.Connect());
    }

    QString path() const { return m_dir.filePath(QStringLiteral("t.rbd")); }
    QString read(const QString &sub, const QString &section, int cls, bool du = false, bool numbers = false)
    {
        return sectionSentences(m_db, S, K, sub, section, cls, du, numbers);
    }
    int rowCount()
    {
        const auto rs = m_db.SQLSelect(QStringLiteral("select count(*) as n from Saetze"));
        return rs ? rs->Field(QStringLiteral("n")).toInt() : -1;
    }

    QTemporaryDir m_dir;
    Database m_db;
};

TEST_F(SentenceQueriesTest, SectionListTurnsCrIntoLineEnds)
{
    EXPECT_EQ(read(U, QStringLiteral("1"), 5), QStringLiteral("P\nQ\nR"));
    EXPECT_EQ(read(U, QStringLiteral("1"), 5, true), QStringLiteral("Du P\nDu Q\nDu R"));
    // The Du form of a sentence without one stays empty; the Sie form is not used instead.
    EXPECT_EQ(read(U, QStringLiteral("3"), 5, true), QString());
    EXPECT_EQ(read(QStringLiteral("Fehlt"), QStringLiteral("1"), 5), QString());
}

TEST_F(SentenceQueriesTest, NumberedListNumbersEveryVariant)
{
    EXPECT_EQ(read(U, QStringLiteral("1"), 5, false, true), QStringLiteral("7-1  P\n7-2  Q\n7-3  R\n"));
    const QString numbered = read(U, QStringLiteral("2"), 5, false, true);
    EXPECT_TRUE(numbered.startsWith(QStringLiteral("120-1  1\n")));
    EXPECT_TRUE(numbered.endsWith(QStringLiteral("\n120-10  Zehn\n")));
    EXPECT_EQ(numbered.count(u'\n'), 10);
}

TEST_F(SentenceQueriesTest, ClassRangeLimitsTheRows)
{
    EXPECT_EQ(read(U, QStringLiteral("2"), 5).left(1), QStringLiteral("1"));
    EXPECT_EQ(read(U, QStringLiteral("2"), 6).left(1), QStringLiteral("1"));
    EXPECT_EQ(read(U, QStringLiteral("2"), 4), QString());
    EXPECT_EQ(read(U, QStringLiteral("2"), 7), QString());
}

TEST_F(SentenceQueriesTest, OldKeyReadsAndWritesUnderEverySuperCategory)
{
    // Two super-categories share K : U section 3; the first row returned wins.
    const QString text = keySentences(m_db, QStringLiteral("K : U 3"), 5, false, false);
    EXPECT_TRUE(text == QStringLiteral("Nur Sie") || text == QStringLiteral("Andere Oberkategorie"))
        << text.toStdString();
    EXPECT_EQ(keySentences(m_db, QStringLiteral("K : U 1"), 5, false, true),
              QStringLiteral("7-1  P\n7-2  Q\n7-3  R\n"));
    EXPECT_EQ(keySentences(m_db, QStringLiteral("K : U x"), 5, false, false), QString());
    // Written back only where one row matches; the colon splits with or without blanks.
    EXPECT_FALSE(putKeySentences(m_db, QStringLiteral("K : U 3"), 5, false, QStringLiteral("Neu")));
    EXPECT_TRUE(putKeySentences(m_db, QStringLiteral("K:U 1"), 5, false, QStringLiteral("Er geht's ruhig an.")));
    EXPECT_EQ(read(U, QStringLiteral("1"), 5), QStringLiteral("Er geht's ruhig an."));
}

TEST_F(SentenceQueriesTest, SectionThatIsNoNumberRunsNothing)
{
    EXPECT_EQ(read(U, QStringLiteral("1; DROP TABLE Saetze"), 5), QString());
    EXPECT_FALSE(putSectionSentences(m_db, S, K, U, QStringLiteral("1 or 1=1"), 5, false, QStringLiteral("X")));
    EXPECT_EQ(rowCount(), 7);
    EXPECT_EQ(read(U, QStringLiteral("1"), 5), QStringLiteral("P\nQ\nR"));
    EXPECT_EQ(sentencesByNumber(m_db, 7, QStringLiteral("5 or 1=1"), false), QString());
}

TEST_F(SentenceQueriesTest, NullColumnsReadAsEmpty)
{
    m_db.SQLExecute(QStringLiteral("insert into Saetze (Oberkategorie, Kategorie, Subkategorie, Note, Startklasse, "
                                   "Endklasse, Nr) values ('S', 'K', 'Null', 1, 1, 10, NULL)"));
    ASSERT_FALSE(m_db.Error());
    EXPECT_EQ(read(QStringLiteral("Null"), QStringLiteral("1"), 5), QString());
    EXPECT_EQ(read(QStringLiteral("Null"), QStringLiteral("1"), 5, true, true), QString());
    m_db.SQLExecute(QStringLiteral("update Saetze set Sentences = 'A' || char(13) || 'B' where Subkategorie = 'Null'"));
    EXPECT_EQ(read(QStringLiteral("Null"), QStringLiteral("1"), 5, false, true), QStringLiteral("0-1  A\n0-2  B\n"));
}

TEST_F(SentenceQueriesTest, FailedQueriesYieldEmptyTexts)
{
    Database unconnected;
    EXPECT_EQ(sectionSentences(unconnected, S, K, U, QStringLiteral("1"), 5, false, false), QString());
    EXPECT_FALSE(putSectionSentences(unconnected, S, K, U, QStringLiteral("1"), 5, false, QStringLiteral("X")));
    EXPECT_EQ(expandNumberList(unconnected, QStringLiteral("7-1"), QStringLiteral("5"), false),
              QStringLiteral("  ***7-1: Kein Formulierungsbaustein mit dieser Satznummer!*** "));
}

TEST_F(SentenceQueriesTest, RandomPickDrawsEveryVariantAndOnlyThose)
{
    const QString list = read(U, QStringLiteral("1"), 5);
    QSet<QString> seen;
    for (int i = 0; i < 300; ++i)
        seen.insert(randomLine(list));
    EXPECT_EQ(seen, (QSet<QString>{QStringLiteral("P"), QStringLiteral("Q"), QStringLiteral("R")}));
    EXPECT_EQ(randomLine(QStringLiteral("Einzig")), QStringLiteral("Einzig"));
    EXPECT_EQ(randomLine(QString()), QString());
}

TEST_F(SentenceQueriesTest, WriteBackChangesExactlyOneMatchingRow)
{
    const QString edited = QStringLiteral("Er geht's ruhig an.\n#Er/Sie# hilft \"gern\".");
    EXPECT_TRUE(putSectionSentences(m_db, S, K, U, QStringLiteral("1"), 5, false, edited));
    EXPECT_EQ(read(U, QStringLiteral("1"), 5), edited);
    // The other column and the other rows are untouched.
    EXPECT_EQ(read(U, QStringLiteral("1"), 5, true), QStringLiteral("Du P\nDu Q\nDu R"));
    EXPECT_EQ(read(U, QStringLiteral("3"), 5), QStringLiteral("Nur Sie"));
    EXPECT_EQ(rowCount(), 7);

    EXPECT_TRUE(putSectionSentences(m_db, S, K, U, QStringLiteral("1"), 5, true, QStringLiteral("Du geht's.")));
    EXPECT_EQ(read(U, QStringLiteral("1"), 5, true), QStringLiteral("Du geht's."));

    // Kept without a commit, across closing and opening again.
    m_db.Close();
    ASSERT_TRUE(m_db.Connect());
    EXPECT_EQ(read(U, QStringLiteral("1"), 5), edited);
}

TEST_F(SentenceQueriesTest, WriteBackSkipsSectionsOfTwoRowsOrNone)
{
    // Classes 4 to 6 see both rows of "Doppelt".
    EXPECT_FALSE(putSectionSentences(m_db, S, K, QStringLiteral("Doppelt"), QStringLiteral("1"), 5, false,
                                     QStringLiteral("Neu")));
    EXPECT_NE(read(QStringLiteral("Doppelt"), QStringLiteral("1"), 5), QStringLiteral("Neu"));
    // Class 2 sees only the first one.
    EXPECT_TRUE(putSectionSentences(m_db, S, K, QStringLiteral("Doppelt"), QStringLiteral("1"), 2, false,
                                    QStringLiteral("Neu")));
    EXPECT_EQ(read(QStringLiteral("Doppelt"), QStringLiteral("1"), 2), QStringLiteral("Neu"));
    EXPECT_EQ(read(QStringLiteral("Doppelt"), QStringLiteral("1"), 8), QStringLiteral("Zweite"));
    // No row: nothing written, nothing added.
    EXPECT_FALSE(putSectionSentences(m_db, S, K, U, QStringLiteral("4"), 5, false, QStringLiteral("Neu")));
    EXPECT_EQ(rowCount(), 7);
}

TEST_F(SentenceQueriesTest, SentencesByNumber)
{
    // The quoted number matches the stored integer.
    EXPECT_EQ(sentencesByNumber(m_db, 7, QStringLiteral("5"), false), QStringLiteral("P\nQ\nR"));
    EXPECT_EQ(sentenceByNumber(m_db, 7, 2, QStringLiteral("5"), false), QStringLiteral("Q"));
    EXPECT_EQ(sentenceByNumber(m_db, 7, 3, QStringLiteral("5"), true), QStringLiteral("Du R"));
    // Variants past either end and unknown numbers give nothing.
    for (const auto &[number, variant] : {std::pair{7, 4}, {7, 0}, {7, -1}, {99, 1}})
        EXPECT_EQ(sentenceByNumber(m_db, number, variant, QStringLiteral("5"), false), QString())
            << number << "-" << variant;
    EXPECT_EQ(sentenceByNumber(m_db, 8, 1, QStringLiteral("5"), true), QString());
    // Valid for classes 3 to 4 only; a trailing CR stays a trailing line end.
    EXPECT_EQ(sentencesByNumber(m_db, 12, QStringLiteral("4"), false), QStringLiteral("Eins\nZwei\nDrei\n"));
    EXPECT_EQ(sentencesByNumber(m_db, 12, QStringLiteral("5"), false), QString());
    EXPECT_EQ(sentencesByNumber(m_db, 12, QStringLiteral("3"), true), QStringLiteral("D1\nD2"));
}

TEST_F(SentenceQueriesTest, NumberListExpansion)
{
    const QString cls = QStringLiteral("5");
    const QString miss = QStringLiteral(": Kein Formulierungsbaustein mit dieser Satznummer!");
    const QString du = QStringLiteral(" Sie haben bei den Voreinstellungen die Du-Form eingestellt!");
    EXPECT_EQ(expandNumberList(m_db, QStringLiteral("7-3, 99-1"), cls, false),
              QStringLiteral(" R  ***99-1") + miss + QStringLiteral("*** "));
    EXPECT_EQ(expandNumberList(m_db, QStringLiteral("7-3, 99-1"), cls, true),
              QStringLiteral(" Du R  ***99-1") + miss + du + QStringLiteral("*** "));
    EXPECT_EQ(expandNumberList(m_db, QStringLiteral("7-1,7-2 ,  120-10"), cls, false), QStringLiteral(" P Q Zehn"));
    // Empty lists and items that are not one number, a hyphen and one number.
    EXPECT_EQ(expandNumberList(m_db, QStringLiteral(" , ,,"), cls, false), QString());
    EXPECT_EQ(expandNumberList(m_db, QStringLiteral("7-3,7"), cls, false), QStringLiteral(" R"));
    EXPECT_EQ(expandNumberList(m_db, QStringLiteral("7-3-4"), cls, false), QString());
    // Items that read as no sentence get the notice quoting the item as typed.
    for (const char *item : {"-", "x-y", "7-0", "7 - 9"})
        EXPECT_EQ(expandNumberList(m_db, QString::fromUtf8(item), cls, false),
                  QStringLiteral("  ***") + QString::fromUtf8(item) + miss + QStringLiteral("*** "))
            << item;
    // Blanks around the numbers: found alike.
    EXPECT_EQ(expandNumberList(m_db, QStringLiteral(" 7 - 2 "), cls, false), QStringLiteral(" Q"));
    // A class outside the range: the number is not found.
    EXPECT_EQ(expandNumberList(m_db, QStringLiteral("12-1"), QStringLiteral("4"), false), QStringLiteral(" Eins"));
    EXPECT_EQ(expandNumberList(m_db, QStringLiteral("12-1"), cls, false),
              QStringLiteral("  ***12-1") + miss + QStringLiteral("*** "));
}
