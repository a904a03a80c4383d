#pragma once
// The category and standard-phrase queries: their statement texts, one
// function per statement, and the reading of their rows into line lists.
// Text values go between single quotes with every quote doubled; the class
// level text goes in bare.
#include <QMap>
#include <QString>
#include <QStringList>

class Database;

namespace CategoryQueries {

QString superCategoriesSql(const QString &classLevel);
QString mainCategoriesSql(const QString &classLevel, const QString &superCategory);
QString subCategoriesSql(const QString &classLevel, const QString &superCategory, const QString &mainCategory);
QString sectionsSql(const QString &classLevel, const QString &superCategory, const QString &mainCategory,
                    const QString &subCategory);
QString categoriesSql(const QString &classLevel);
// Every section of every sub-category of the class level, in one pass.
QString sectionRangesSql(const QString &classLevel);
QString stdCategoriesSql();
QString stdSentencesSql(const QString &category);
QString stdAppendicesSql(const QString &category, int phraseNumber);

// The named column of every row of sql as a line list; "" when the query fails.
QString columnList(Database &db, const QString &sql, const QString &column);

// "Kategorie : Subkategorie" of every valid row, and line for line its super-category.
struct CategoryLists
{
    QString categories;
    QString superCategories;
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
