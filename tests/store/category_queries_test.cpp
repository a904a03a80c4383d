#include "framework/Database.h"
#include "store/CategoryQueries.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace CategoryQueries;

TEST(CategoryStatements, ReadExactly)
{
    EXPECT_EQ(superCategoriesSql(QStringLiteral("5")),
              QStringLiteral("SELECT DISTINCT Oberkategorie FROM Saetze WHERE Note < 2 and Startklasse <= 5 AND "
                             "Endklasse >= 5 ORDER BY Nr"));
    EXPECT_EQ(mainCategoriesSql(QStringLiteral("10"), QStringLiteral("Normalform")),
              QStringLiteral("SELECT DISTINCT Kategorie FROM Saetze WHERE Oberkategorie = 'Normalform' and Note < 2 "
                             "and Startklasse <= 10 AND Endklasse >= 10 ORDER BY Nr"));
    EXPECT_EQ(subCategoriesSql(QStringLiteral("1"), QStringLiteral("S"), QStringLiteral("K")),
              QStringLiteral("SELECT DISTINCT Subkategorie FROM Saetze WHERE Oberkategorie = 'S' and Kategorie = 'K' "
                             "and Note < 2 and Startklasse <= 1 AND Endklasse >= 1 ORDER BY Nr"));
    EXPECT_EQ(sectionsSql(QStringLiteral("3"), QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("U")),
              QStringLiteral("SELECT DISTINCT Note FROM Saetze WHERE Oberkategorie = 'S' and Kategorie = 'K' and "
                             "Subkategorie = 'U' and Startklasse <= 3 AND Endklasse >= 3 ORDER BY Note"));
    EXPECT_EQ(categoriesSql(QStringLiteral("2")),
              QStringLiteral("SELECT Oberkategorie, Kategorie, Subkategorie, Nr FROM Saetze WHERE Note < 2 and "
                             "Startklasse <= 2 AND Endklasse >= 2 ORDER BY Nr"));
    EXPECT_EQ(stdCategoriesSql(), QStringLiteral("SELECT DISTINCT Kategorie FROM Standardsaetze ORDER BY Kategorie"));
    EXPECT_EQ(stdSentencesSql(QStringLiteral("Versetzung")),
              QStringLiteral("select Sentence from Standardsaetze where Kategorie = 'Versetzung' and Appendixnr = 0"));
    EXPECT_EQ(stdAppendicesSql(QStringLiteral("A"), 12),
              QStringLiteral("select Sentence from Standardsaetze where Kategorie = 'A' and Satznr = 12 and "
                             "Appendixnr > 0"));
    EXPECT_EQ(stdAppendicesSql(QStringLiteral("A"), -1).right(34), QStringLiteral("and Satznr = -1 and Appendixnr > 0"));
    // A single quote inside a value is doubled; the rest of the statement stays.
    EXPECT_TRUE(mainCategoriesSql(QStringLiteral("4"), QStringLiteral("Schüler's"))
                    .contains(QStringLiteral("WHERE Oberkategorie = 'Schüler''s' and Note < 2")));
}

class CategoryQueriesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Inserted out of number order: the lists follow the sentence numbers.
        createSentenceDb(m_dir.filePath(QStringLiteral("t.rbd")),
                         {
                             sentenceRow("Normalform", "Sozialverhalten", "Hilfsbereitschaft", 1, 1, 10, 20),
                             sentenceRow("Normalform", "Arbeitsverhalten", "Sorgfalt", 1, 1, 10, 10),
                             sentenceRow("Normalform", "Arbeitsverhalten", "Sorgfalt", 2, 1, 10, 11),
                             sentenceRow("Normalform", "Arbeitsverhalten", "Tempo", 1, 3, 4, 12),
                             sentenceRow("Kurzform", "Arbeitsverhalten", "Sorgfalt", 1, 1, 10, 5),
                             sentenceRow("Normalform", "Deutsch", "Lesen", 2, 1, 10, 30),
                             sentenceRow("Normalform", "Deutsch", "Lesen", 3, 1, 10, 31),
                             sentenceRow("Normalform", "Deutsch", "Lesen", 3, 1, 10, 32),
                             sentenceRow("Kurzform", "Sport", "Fairness", 0, 10, 10, 40),
                             sentenceRow("Kurzform", "Sport", "Fairness", 1, 10, 10, 41),
                             sentenceRow("Förder's", "Mathe", "Rechnen", 1, 1, 10, 50),
                         },
                         {{QStringLiteral("Versetzung"), 1, 1, 0, QStringLiteral("_ wird versetzt")},
                          {QStringLiteral("Versetzung"), 1, 1, 1, QStringLiteral("obwohl")},
                          {QStringLiteral("Versetzung"), 1, 1, 2, QStringLiteral("weil")},
                          {QStringLiteral("Versetzung"), 1, 2, 0, QStringLiteral("_ wird nicht versetzt")},
                          {QStringLiteral("Bemerkungen"), 2, 1, 0, QStringLiteral("Ruhig")}});
        m_db.setDatabaseFile(m_dir.filePath(QStringLiteral("t.rbd")));
        ASSERT_TRUE(m_db.Connect());
    }

    QString list(const QString &sql, const char *column) { return columnList(m_db, sql, QString::fromUtf8(column)); }

    QTemporaryDir m_dir;
    Database m_db;
};

TEST_F(CategoryQueriesTest, LevelsCountOnlySectionsBelowTwo)
{
    EXPECT_EQ(list(superCategoriesSql(QStringLiteral("5")), "Oberkategorie"),
              QStringLiteral("Kurzform\nNormalform\nFörder's"));
    EXPECT_EQ(list(mainCategoriesSql(QStringLiteral("5"), QStringLiteral("Normalform")), "Kategorie"),
              QStringLiteral("Arbeitsverhalten\nSozialverhalten"))
        << "Deutsch has only sections 2 and 3";
    EXPECT_EQ(list(subCategoriesSql(QStringLiteral("5"), QStringLiteral("Normalform"), QStringLiteral("Arbeitsverhalten")),
                   "Subkategorie"),
              QStringLiteral("Sorgfalt"));
    EXPECT_EQ(list(sectionsSql(QStringLiteral("5"), QStringLiteral("Normalform"), QStringLiteral("Deutsch"),
                               QStringLiteral("Lesen")),
                   "Note"),
              QStringLiteral("2\n3"))
        << "the section list has no section rule, and lists each once";
    EXPECT_EQ(list(mainCategoriesSql(QStringLiteral("5"), QStringLiteral("Förder's")), "Kategorie"),
              QStringLiteral("Mathe"))
        << "a quote in a value neither breaks the query nor misses";
}

TEST_F(CategoryQueriesTest, ClassRangesSelectRows)
{
    const auto subs = [this](const char *cls) {
        return list(subCategoriesSql(QString::fromUtf8(cls), QStringLiteral("Normalform"),
                                     QStringLiteral("Arbeitsverhalten")),
                    "Subkategorie");
    };
    EXPECT_EQ(subs("2"), QStringLiteral("Sorgfalt"));
    EXPECT_EQ(subs("3"), QStringLiteral("Sorgfalt\nTempo"));
    EXPECT_EQ(subs("4"), QStringLiteral("Sorgfalt\nTempo"));
    EXPECT_EQ(subs("5"), QStringLiteral("Sorgfalt"));
    // Class 10 compares numerically, not as text ("10" < "2" as text).
    EXPECT_EQ(list(mainCategoriesSql(QStringLiteral("10"), QStringLiteral("Kurzform")), "Kategorie"),
              QStringLiteral("Arbeitsverhalten\nSport"));
    EXPECT_EQ(list(mainCategoriesSql(QStringLiteral("9"), QStringLiteral("Kurzform")), "Kategorie"),
              QStringLiteral("Arbeitsverhalten"));
}

TEST_F(CategoryQueriesTest, FlatListsRunParallel)
{
    const auto lists = categories(m_db, QStringLiteral("3"));
    EXPECT_EQ(lists.categories,
              QStringLiteral("Arbeitsverhalten : Sorgfalt\nArbeitsverhalten : Sorgfalt\nArbeitsverhalten : Tempo\n"
                             "Sozialverhalten : Hilfsbereitschaft\nMathe : Rechnen"));
    EXPECT_EQ(lists.superCategories, QStringLiteral("Kurzform\nNormalform\nNormalform\nNormalform\nFörder's"));
    const auto none = categories(m_db, QStringLiteral("11"));
    EXPECT_EQ(none.categories, QString());
    EXPECT_EQ(none.superCategories, QString());
}

TEST_F(CategoryQueriesTest, StandardPhrasesAndAppendices)
{
    EXPECT_EQ(list(stdCategoriesSql(), "Kategorie"), QStringLiteral("Bemerkungen\nVersetzung"));
    EXPECT_EQ(list(stdSentencesSql(QStringLiteral("Versetzung")), "Sentence"),
              QStringLiteral("_ wird versetzt\n_ wird nicht versetzt"));
    EXPECT_EQ(list(stdAppendicesSql(QStringLiteral("Versetzung"), 1), "Sentence"), QStringLiteral("obwohl\nweil"));
    EXPECT_EQ(list(stdAppendicesSql(QStringLiteral("Versetzung"), 2), "Sentence"), QString());
}

TEST(CategoryQueriesBroken, DatabaseWithoutTablesYieldsEmptyResults)
{
    QTemporaryDir dir;
    Database db;
    db.setDatabaseFile(dir.filePath(QStringLiteral("empty.rbd")));
    ASSERT_TRUE(db.CreateDatabaseFile());
    EXPECT_EQ(columnList(db, superCategoriesSql(QStringLiteral("1")), QStringLiteral("Oberkategorie")), QString());
    EXPECT_EQ(categories(db, QStringLiteral("1")).categories, QString());
    Database unconnected;
    EXPECT_EQ(columnList(unconnected, stdCategoriesSql(), QStringLiteral("Kategorie")), QString());
}
