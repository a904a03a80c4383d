// The category, section and number queries against one real sentence database.
#include "store/CategoryQueries.h"
#include "store/SentenceQueries.h"
#include "support/TestSupport.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace CategoryQueries;
using namespace SentenceQueries;

namespace {
const QString kMiss = QStringLiteral(": Kein Formulierungsbaustein mit dieser Satznummer!");

class StoreQueriesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Inserted out of number order: the lists follow the sentence numbers.
        createSentenceDb(m_dir.filePath(QStringLiteral("t.rbd")),
                         {sentenceRow("Normalform", "Sozialverhalten", "Hilfe", 1, 1, 10, 20, "P\rQ\rR", "Du P\rDu Q"),
                          sentenceRow("Normalform", "Arbeitsverhalten", "Sorgfalt", 1, 1, 10, 10, "Eins\rZwei\r"),
                          sentenceRow("Normalform", "Arbeitsverhalten", "Sorgfalt", 2, 1, 10, 11),
                          sentenceRow("Normalform", "Arbeitsverhalten", "Tempo", 1, 3, 4, 12),
                          sentenceRow("Kurzform", "Arbeitsverhalten", "Sorgfalt", 1, 1, 10, 5),
                          sentenceRow("Normalform", "Deutsch", "Lesen", 3, 1, 10, 31),
                          sentenceRow("Normalform", "Deutsch", "Lesen", 2, 1, 10, 30),
                          sentenceRow("Kurzform", "Sport", "Fairness", 1, 10, 10, 41),
                          sentenceRow("Förder's", "Mathe", "Rechnen", 1, 5, 6, 120, "1\r2\r3\r4\r5\r6\r7\r8\r9\rZehn"),
                          sentenceRow("Andere", "Sozialverhalten", "Hilfe", 3, 1, 10, 21, "Andere")},
                         {{QStringLiteral("Versetzung"), 1, 1, 0, QStringLiteral("_ wird versetzt")},
                          {QStringLiteral("Versetzung"), 1, 1, 1, QStringLiteral("obwohl")},
                          {QStringLiteral("Versetzung"), 1, 1, 2, QStringLiteral("weil")},
                          {QStringLiteral("Versetzung"), 1, 2, 0, QStringLiteral("_ wird nicht versetzt")},
                          {QStringLiteral("Bemerkungen"), 2, 1, 0, QStringLiteral("Ruhig")}});
        m_db.setDatabaseFile(m_dir.filePath(QStringLiteral("t.rbd")));
        ASSERT_TRUE(m_db.Connect());
    }
    QString section(const char *sup, const char *main, const char *sub, const char *sec, int cls, bool du = false,
                    bool numbers = false)
    {
        return sectionSentences(m_db, QString::fromUtf8(sup), QString::fromUtf8(main), QString::fromUtf8(sub),
                                QString::fromUtf8(sec), cls, du, numbers);
    }

    QTemporaryDir m_dir;
    Database m_db;
};
} // namespace

TEST_F(StoreQueriesTest, CategoryLevelsCountOnlySectionsBelowTwoAndFollowTheClass)
{
    const QString N = QStringLiteral("Normalform");
    const QString A = QStringLiteral("Arbeitsverhalten");
    const struct
    {
        SqlStatement statement;
        const char *column;
        const char *expected;
    } cases[] = {
        {superCategoriesStatement(QStringLiteral("5")), "Oberkategorie", "Kurzform\nNormalform\nFörder's"},
        {mainCategoriesStatement(QStringLiteral("5"), N), "Kategorie", "Arbeitsverhalten\nSozialverhalten"},
        {mainCategoriesStatement(QStringLiteral("5"), QStringLiteral("Förder's")), "Kategorie", "Mathe"},
        {mainCategoriesStatement(QStringLiteral("10"), QStringLiteral("Kurzform")), "Kategorie", "Arbeitsverhalten\nSport"},
        {mainCategoriesStatement(QStringLiteral("9"), QStringLiteral("Kurzform")), "Kategorie", "Arbeitsverhalten"},
        {subCategoriesStatement(QStringLiteral("2"), N, A), "Subkategorie", "Sorgfalt"},
        {subCategoriesStatement(QStringLiteral("3"), N, A), "Subkategorie", "Sorgfalt\nTempo"},
        {subCategoriesStatement(QStringLiteral("5"), N, A), "Subkategorie", "Sorgfalt"},
        {subCategoriesStatement(QStringLiteral("x"), N, A), "Subkategorie", ""},
        {sectionsStatement(QStringLiteral("5"), N, QStringLiteral("Deutsch"), QStringLiteral("Lesen")), "Note", "2\n3"},
        {stdCategoriesStatement(), "Kategorie", "Bemerkungen\nVersetzung"},
        {stdSentencesStatement(QStringLiteral("Versetzung")), "Sentence", "_ wird versetzt\n_ wird nicht versetzt"},
        {stdAppendicesStatement(QStringLiteral("Versetzung"), 1), "Sentence", "obwohl\nweil"},
        {stdAppendicesStatement(QStringLiteral("Versetzung"), 2), "Sentence", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(columnList(m_db, c.statement, QString::fromUtf8(c.column)), QString::fromUtf8(c.expected))
            << c.statement.sql.toStdString();
    const auto lists = categories(m_db, QStringLiteral("3"));
    EXPECT_EQ(lists.categories, QStringLiteral("Arbeitsverhalten : Sorgfalt\nArbeitsverhalten : Sorgfalt\n"
                                               "Arbeitsverhalten : Tempo\nSozialverhalten : Hilfe"));
    EXPECT_EQ(lists.superCategories, QStringLiteral("Kurzform\nNormalform\nNormalform\nNormalform"));
    const auto ranges = sectionRanges(m_db, QStringLiteral("5"));
    const auto lesen = ranges.value({N, QStringLiteral("Deutsch"), QStringLiteral("Lesen")});
    EXPECT_EQ(lesen.from + lesen.to, QStringLiteral("23"));
}

TEST_F(StoreQueriesTest, SectionListsPlainNumberedAndByOldKey)
{
    const struct
    {
        QString got;
        const char *expected;
    } cases[] = {
        {section("Normalform", "Sozialverhalten", "Hilfe", "1", 5), "P\nQ\nR"},
        {section("Normalform", "Sozialverhalten", "Hilfe", "1", 5, true), "Du P\nDu Q"},
        {section("Normalform", "Sozialverhalten", "Hilfe", "1", 5, false, true), "20-1  P\n20-2  Q\n20-3  R\n"},
        {section("Normalform", "Arbeitsverhalten", "Sorgfalt", "1", 5), "Eins\nZwei\n"},
        {section("Normalform", "Arbeitsverhalten", "Sorgfalt", "2", 5, true), ""},
        {section("Förder's", "Mathe", "Rechnen", "1", 6, false, true).right(14), "\n120-10  Zehn\n"},
        {section("Förder's", "Mathe", "Rechnen", "1", 4), ""},
        {section("Förder's", "Mathe", "Rechnen", "1", 7), ""},
        {section("Normalform", "Sozialverhalten", "Hilfe", "1; DROP TABLE Saetze", 5), ""},
        {keySentences(m_db, QStringLiteral("Sozialverhalten : Hilfe 3"), 5, false, false), "Andere"},
        {keySentences(m_db, QStringLiteral("Sozialverhalten : Hilfe 1"), 5, false, true), "20-1  P\n20-2  Q\n20-3  R\n"},
        {keySentences(m_db, QStringLiteral("Sozialverhalten : Hilfe x"), 5, false, false), ""},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(cases[i].got, QString::fromUtf8(cases[i].expected)) << "case " << i;
    Database unconnected;
    EXPECT_EQ(sectionSentences(unconnected, QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("U"),
                               QStringLiteral("1"), 5, false, false),
              QString());
    // The random pick draws every variant, and only those.
    QSet<QString> seen;
    for (int i = 0; i < 300; ++i)
        seen.insert(randomLine(QStringLiteral("P\nQ\nR")));
    EXPECT_EQ(seen, (QSet<QString>{QStringLiteral("P"), QStringLiteral("Q"), QStringLiteral("R")}));
    EXPECT_EQ(randomLine(QString()), QString());
}

TEST_F(StoreQueriesTest, SentencesByNumberAndNumberLists)
{
    const QString cls = QStringLiteral("5");
    const struct
    {
        const char *list;
        const char *classLevel;
        bool du;
        QString expected;
    } cases[] = {
        {"20-3, 99-1", "5", false, QStringLiteral(" R  ***99-1") + kMiss + QStringLiteral("*** ")},
        {"20-2", "5", true, QStringLiteral(" Du Q")},
        {"20-3", "5", true,
         QStringLiteral("  ***20-3") + kMiss
             + QStringLiteral(" Sie haben bei den Voreinstellungen die Du-Form eingestellt!*** ")},
        {"20-1,20-2 ,  120-10", "5", false, QStringLiteral(" P Q Zehn")},
        {" , ,,", "5", false, QString()},
        {"20-3,20", "5", false, QStringLiteral(" R")},
        {"20-3-4", "5", false, QString()},
        {"20-0", "5", false, QStringLiteral("  ***20-0") + kMiss + QStringLiteral("*** ")},
        {"x-y", "5", false, QStringLiteral("  ***x-y") + kMiss + QStringLiteral("*** ")},
        {" 20 - 2 ", "5", false, QStringLiteral(" Q")},
        {"12-1", "4", false, QStringLiteral(" Satz")},
        {"12-1", "5", false, QStringLiteral("  ***12-1") + kMiss + QStringLiteral("*** ")},
        {"20-1", "5 or 1=1", false, QStringLiteral("  ***20-1") + kMiss + QStringLiteral("*** ")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(expandNumberList(m_db, QString::fromUtf8(c.list), QString::fromUtf8(c.classLevel), c.du),
                  c.expected)
            << c.list;
    EXPECT_EQ(sentencesByNumber(m_db, 10, cls, false), QStringLiteral("Eins\nZwei\n"));
}
