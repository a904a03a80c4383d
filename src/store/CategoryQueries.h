#pragma once
// The category and standard-phrase queries: their statement texts, one
// function per statement, and the reading of their rows into line lists.
// Every value is bound to its statement; the class level text is bound as a
// number (a text that is none matches no row).
#include "framework/Database.h"

#include <QMap>
#include <QString>
#include <QStringList>

namespace CategoryQueries {

SqlStatement superCategoriesStatement(const QString &classLevel);
SqlStatement mainCategoriesStatement(const QString &classLevel, const QString &superCategory);
SqlStatement subCategoriesStatement(const QString &classLevel, const QString &superCategory,
                                    const QString &mainCategory);
SqlStatement sectionsStatement(const QString &classLevel, const QString &superCategory, const QString &mainCategory,
                               const QString &subCategory);
SqlStatement categoriesStatement(const QString &classLevel);
// Every section of every sub-category of the class level, in one pass.
SqlStatement sectionRangesStatement(const QString &classLevel);
SqlStatement stdCategoriesStatement();
SqlStatement stdSentencesStatement(const QString &category);
SqlStatement stdAppendicesStatement(const QString &category, int phraseNumber);

// The named column of every row of the statement as a line list; "" when the query fails.
QString columnList(Database &db, const SqlStatement &statement, const QString &column);

// "Kategorie : Subkategorie" of every valid row, and line for line its
// super-category; paths holds, row for row, the three names apart (a name
// may hold " : " or a line end, which the lines cannot tell apart).
struct CategoryLists
{
    QString categories;
    QString superCategories;
    QList<QStringList> paths;
    bool read = false; // false when the query failed
};
CategoryLists categories(Database &db, const QString &classLevel);

// The lowest and highest section of each sub-category of the class level,
// keyed by super-category, main category and sub-category: what sectionsSql
// gives as its first and last line, for all of them with one query.
struct SectionRange
{
    QString from;
    QString to;
};
QMap<QStringList, SectionRange> sectionRanges(Database &db, const QString &classLevel);

} // namespace CategoryQueries
