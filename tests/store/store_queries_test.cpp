// The category, section and number queries against one real sentence database.
#include "store/CategoryQueries.h"
#include "store/SentenceQueries.h"
#include "support/TestSupport.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace CategoryQueries;
using namespace SentenceQueries;

namespace {
class StoreQueriesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Inserted out of number order: the lists follow the sentence numbers.
        createSentenceDb(m_dir.filePath(QStringLiteral("t.rbd")),
                         {sentenceRow("N", "Sozial", "Hilfe", 1, 1, 10, 20, "P\rQ\rR", "Du P\rDu Q"),
                          sentenceRow("N", "Arbeit", "Sorgfalt", 1, 1, 10, 10, "Eins\rZwei\r"),
                          sentenceRow("N", "Arbeit", "Sorgfalt", 2, 1, 10, 11),
                          sentenceRow("N", "Arbeit", "Tempo", 1, 3, 4, 12),
                          sentenceRow("K", "Arbeit", "Sorgfalt", 1, 1, 10, 5),
                          sentenceRow("N", "Deutsch", "Lesen", 3, 1, 10, 31),
                          sentenceRow("N", "Deutsch", "Lesen", 2, 1, 10, 30),
                          sentenceRow("K", "Sport", "Fair", 1, 10, 10, 41),
                          sentenceRow("F's", "Mathe", "Rechnen", 1, 5, 6, 120, "1\r2\r3\r4\r5\r6\r7\r8\r9\rZehn"),
                          sentenceRow("A", "Sozial", "Hilfe", 3, 1, 10, 21, "Andere")},
                         {{QStringLiteral("V"), 1, 1, 0, QStringLiteral("versetzt")},
                          {QStringLiteral("V"), 1, 1, 1, QStringLiteral("obwohl")},
                          {QStringLiteral("V"), 1, 1, 2, QStringLiteral("weil")},
                          {QStringLiteral("V"), 1, 2, 0, QStringLiteral("nicht versetzt")},
                          {QStringLiteral("B"), 2, 1, 0, QStringLiteral("Ruhig")}});
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
    const struct
    {
        SqlStatement statement;
        const char *column;
        const char *expected;
    } cases[] = {
        {superCategoriesStatement(utf8("5")), "Oberkategorie", "K\nN\nF's"},
        {mainCategoriesStatement(utf8("5"), utf8("N")), "Kategorie", "Arbeit\nSozial"},
        {mainCategoriesStatement(utf8("5"), utf8("F's")), "Kategorie", "Mathe"},
        {mainCategoriesStatement(utf8("10"), utf8("K")), "Kategorie", "Arbeit\nSport"},
        {subCategoriesStatement(utf8("2"), utf8("N"), utf8("Arbeit")), "Subkategorie", "Sorgfalt"},
        {subCategoriesStatement(utf8("3"), utf8("N"), utf8("Arbeit")), "Subkategorie", "Sorgfalt\nTempo"},
        {subCategoriesStatement(utf8("5"), utf8("N"), utf8("Arbeit")), "Subkategorie", "Sorgfalt"},
        {subCategoriesStatement(utf8("5"), utf8("N"), utf8("Deutsch")), "Subkategorie", ""},
        {sectionsStatement(utf8("5"), utf8("N"), utf8("Deutsch"), utf8("Lesen")), "Note", "2\n3"},
        {stdCategoriesStatement(), "Kategorie", "B\nV"},
        {stdSentencesStatement(utf8("V")), "Sentence", "versetzt\nnicht versetzt"},
        {stdAppendicesStatement(utf8("V"), 1), "Sentence", "obwohl\nweil"},
        {stdAppendicesStatement(utf8("V"), 2), "Sentence", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(columnList(m_db, c.statement, utf8(c.column)), utf8(c.expected)) << c.statement.sql.toStdString();
    const auto lists = categories(m_db, utf8("3"));
    EXPECT_EQ(lists.categories, utf8("Arbeit : Sorgfalt\nArbeit : Sorgfalt\nArbeit : Tempo\nSozial : Hilfe"));
    EXPECT_EQ(lists.superCategories, utf8("K\nN\nN\nN"));
    const auto lesen = sectionRanges(m_db, utf8("5")).value({utf8("N"), utf8("Deutsch"), utf8("Lesen")});
    EXPECT_EQ(lesen.from + lesen.to, utf8("23"));
}

TEST_F(StoreQueriesTest, SectionListsPlainNumberedAndByOldKey)
{
    const std::pair<QString, const char *> cases[] = {
        {section("N", "Sozial", "Hilfe", "1", 5), "P\nQ\nR"},
        {section("N", "Sozial", "Hilfe", "1", 5, true), "Du P\nDu Q"},
        {section("N", "Sozial", "Hilfe", "1", 5, false, true), "20-1  P\n20-2  Q\n20-3  R\n"},
        {section("N", "Arbeit", "Sorgfalt", "1", 5), "Eins\nZwei\n"},
        {section("N", "Arbeit", "Sorgfalt", "2", 5, true), ""},
        {section("F's", "Mathe", "Rechnen", "1", 6, false, true).right(14), "\n120-10  Zehn\n"},
        {section("F's", "Mathe", "Rechnen", "1", 4), ""},
        {section("F's", "Mathe", "Rechnen", "1", 7), ""},
        {section("N", "Sozial", "Hilfe", "1; DROP TABLE Saetze", 5), ""},
        {keySentences(m_db, utf8("Sozial : Hilfe 3"), 5, false, false), "Andere"},
        {keySentences(m_db, utf8("Sozial : Hilfe 1"), 5, false, true), "20-1  P\n20-2  Q\n20-3  R\n"},
        {keySentences(m_db, utf8("Sozial : Hilfe x"), 5, false, false), ""},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(cases[i].first, utf8(cases[i].second)) << "case " << i;
    Database unconnected;
    EXPECT_EQ(sectionSentences(unconnected, utf8("N"), utf8("Sozial"), utf8("Hilfe"), utf8("1"), 5, false, false), QString());
    // The random pick draws every variant, and only those.
    QSet<QString> seen;
    for (int i = 0; i < 300; ++i)
        seen.insert(randomLine(utf8("P\nQ\nR")));
    EXPECT_EQ(seen, (QSet<QString>{utf8("P"), utf8("Q"), utf8("R")}));
    EXPECT_EQ(randomLine(QString()), QString());
}

TEST_F(StoreQueriesTest, NumberListsExpandEveryAddressOrGiveANotice)
{
    const QString miss = utf8(": Kein Formulierungsbaustein mit dieser Satznummer!*** ");
    const struct
    {
        const char *list;
        const char *classLevel;
        bool du;
        QString expected;
    } cases[] = {
        {"20-3, 99-1", "5", false, utf8(" R  ***99-1") + miss},
        {"20-2", "5", true, utf8(" Du Q")},
        {"20-3", "5", true,
         utf8("  ***20-3") + QString(miss).replace(utf8("*** "), utf8(" Sie haben bei den Voreinstellungen die Du-Form "
                                                                "eingestellt!*** "))},
        {"20-1,20-2 ,  120-10", "5", false, utf8(" P Q Zehn")},
        {" , ,,", "5", false, QString()},
        {"20-3,20", "5", false, utf8(" R")},
        {"20-3-4", "5", false, QString()},
        {"20-0", "5", false, utf8("  ***20-0") + miss},
        {"x-y", "5", false, utf8("  ***x-y") + miss},
        {" 10 - 2 ", "5", false, utf8(" Zwei")},
        {"12-1", "4", false, utf8(" Satz")},
        {"12-1", "5", false, utf8("  ***12-1") + miss},
        {"20-1", "5 or 1=1", false, utf8("  ***20-1") + miss},
    };
    for (const auto &c : cases)
        EXPECT_EQ(expandNumberList(m_db, utf8(c.list), utf8(c.classLevel), c.du), c.expected) << c.list;
    EXPECT_EQ(sentencesByNumber(m_db, 10, utf8("5"), false), utf8("Eins\nZwei\n"));
}
