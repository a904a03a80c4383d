// The category lines offered for printing and the blocks of the print text.
#include "framework/Database.h"
#include "print/PrintText.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString linesOf(const QString &path)
{
    Database db;
    db.setDatabaseFile(path);
    EXPECT_TRUE(db.Connect());
    return PrintText::categoryLines(db);
}

} // namespace

TEST(PrintCategoryLines, EveryRowOfTheFirstSectionsInClassesOneToTen)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.rbd"));
    createSentenceDb(path, {
                               sentenceRow("Arbeitsverhalten", "Fleiß", "Hausaufgaben", 1, 3, 4, 20),
                               sentenceRow("Sozialverhalten", "Umgang", "Mitschüler", 0, 1, 2, 11),
                               // section 2: not listed
                               sentenceRow("Arbeitsverhalten", "Fleiß", "Hausaufgaben", 2, 1, 2, 12),
                               sentenceRow("Arbeitsverhalten", "Fleiß", "Mitarbeit", 1, 1, 2, 10),
                               sentenceRow("Lernen", "Lesen", "Tempo", 1, 0, 4, 30),  // class 0: not listed
                               sentenceRow("Lernen", "Lesen", "Tempo", 1, 5, 11, 31), // class 11: not listed
                               sentenceRow("Lernen", "Lesen", "Tempo", 0, 1, 10, 32),
                               sentenceRow("Lernen", "Lesen", "Tempo", 1, 1, 10, 33), // the same category again
                           });
    EXPECT_EQ(linesOf(path), QStringLiteral("1\\2\\Arbeitsverhalten\\Fleiß : Mitarbeit\n"
                                            "1\\2\\Sozialverhalten\\Umgang : Mitschüler\n"
                                            "1\\10\\Lernen\\Lesen : Tempo\n"
                                            "1\\10\\Lernen\\Lesen : Tempo\n"
                                            "3\\4\\Arbeitsverhalten\\Fleiß : Hausaufgaben"));
}

TEST(PrintCategoryLines, NoRowsOrNoTableGiveNothing)
{
    QTemporaryDir dir;
    const QString empty = dir.filePath(QStringLiteral("empty.rbd"));
    createSentenceDb(empty, {sentenceRow("A", "B", "C", 3, 1, 4, 1), sentenceRow("A", "B", "C", 1, 0, 0, 2)});
    EXPECT_EQ(linesOf(empty), QString());

    const QString noTable = dir.filePath(QStringLiteral("other.rbd"));
    {
        Database db;
        db.setDatabaseFile(noTable);
        ASSERT_TRUE(db.CreateDatabaseFile());
        db.SQLExecute(QStringLiteral("CREATE TABLE Andere (x Integer)"));
        db.Close();
    }
    EXPECT_EQ(linesOf(noTable), QString());
}

TEST(PrintTextBlocks, TitleAndSectionBlocks)
{
    EXPECT_EQ(PrintText::titleBlock(QStringLiteral("Sonntag, 6. Dezember 2026")),
              QStringLiteral("SATZLISTENDRUCK Velmora\nDatum: Sonntag, 6. Dezember 2026\n\n"));
    EXPECT_EQ(PrintText::sectionBlock(3, 4, QStringLiteral("S : K : U"), 1, QStringLiteral("7-1  P\n7-2  Q\n")),
              QStringLiteral("Klasse: 3-4  S : K : U\nStufe: 1\n7-1  P\n7-2  Q\n\n\n"));
    EXPECT_EQ(PrintText::sectionBlock(1, 10, QStringLiteral("S : K : U"), 0, QStringLiteral("1-1  X\n")),
              QStringLiteral("Klasse: 1-10  S : K : U\nStufe: 0\n1-1  X\n\n\n"));
}
