#include "CategoryQueries.h"

#include "framework/Database.h"
#include "framework/EventLoop.h"
#include "framework/Strings.h"

namespace CategoryQueries {

namespace {
QString classRange(const QString &classLevel)
{
    return QStringLiteral("Startklasse <= ") + classLevel + QStringLiteral(" AND Endklasse >= ") + classLevel;
}
} // namespace

QString superCategoriesSql(const QString &classLevel)
{
    return QStringLiteral("SELECT DISTINCT Oberkategorie FROM Saetze WHERE Note < 2 and ") + classRange(classLevel)
           + QStringLiteral(" ORDER BY Nr");
}

QString mainCategoriesSql(const QString &classLevel, const QString &superCategory)
{
    return QStringLiteral("SELECT DISTINCT Kategorie FROM Saetze WHERE Oberkategorie = ") + sqlQuoted(superCategory)
           + QStringLiteral(" and Note < 2 and ") + classRange(classLevel) + QStringLiteral(" ORDER BY Nr");
}

QString subCategoriesSql(const QString &classLevel, const QString &superCategory, const QString &mainCategory)
{
    return QStringLiteral("SELECT DISTINCT Subkategorie FROM Saetze WHERE Oberkategorie = ") + sqlQuoted(superCategory)
           + QStringLiteral(" and Kategorie = ") + sqlQuoted(mainCategory) + QStringLiteral(" and Note < 2 and ")
           + classRange(classLevel) + QStringLiteral(" ORDER BY Nr");
}

QString sectionsSql(const QString &classLevel, const QString &superCategory, const QString &mainCategory,
                    const QString &subCategory)
{
    return QStringLiteral("SELECT DISTINCT Note FROM Saetze WHERE Oberkategorie = ") + sqlQuoted(superCategory)
           + QStringLiteral(" and Kategorie = ") + sqlQuoted(mainCategory) + QStringLiteral(" and Subkategorie = ")
           + sqlQuoted(subCategory) + QStringLiteral(" and ") + classRange(classLevel) + QStringLiteral(" ORDER BY Note");
}

QString categoriesSql(const QString &classLevel)
{
    return QStringLiteral("SELECT Oberkategorie, Kategorie, Subkategorie, Nr FROM Saetze WHERE Note < 2 and ")
           + classRange(classLevel) + QStringLiteral(" ORDER BY Nr");
}

QString sectionRangesSql(const QString &classLevel)
{
    return QStringLiteral("SELECT DISTINCT Oberkategorie, Kategorie, Subkategorie, Note FROM Saetze WHERE ")
           + classRange(classLevel) + QStringLiteral(" ORDER BY Note");
}

QString stdCategoriesSql()
{
    return QStringLiteral("SELECT DISTINCT Kategorie FROM Standardsaetze ORDER BY Kategorie");
}

QString stdSentencesSql(const QString &category)
{
    return QStringLiteral("select ") + QStringLiteral("Sentence")
           + QStringLiteral(" from Standardsaetze where Kategorie = ") + sqlQuoted(category)
           + QStringLiteral(" and Appendixnr = 0");
}

QString stdAppendicesSql(const QString &category, int phraseNumber)
{
    return QStringLiteral("select ") + QStringLiteral("Sentence")
           + QStringLiteral(" from Standardsaetze where Kategorie = ") + sqlQuoted(category)
           + QStringLiteral(" and Satznr = ") + Str(phraseNumber) + QStringLiteral(" and Appendixnr > 0");
}

QString columnList(Database &db, const QString &sql, const QString &column)
{
    QString list;
    const auto rs = db.SQLSelect(sql);
    if (!rs)
        return list;
    rs->MoveFirst();
    while (!rs->IsEOF()) {
        list += rs->Field(column);
        rs->MoveNext();
        if (!rs->IsEOF())
            list += EndOfLine();
        yieldToEventLoop();
    }
    return list;
}

CategoryLists categories(Database &db, const QString &classLevel)
{
    CategoryLists lists;
    const auto rs = db.SQLSelect(categoriesSql(classLevel));
    if (!rs)
        return lists;
    rs->MoveFirst();
    while (!rs->IsEOF()) {
        lists.categories += rs->Field(QStringLiteral("Kategorie")) + QStringLiteral(" : ")
                            + rs->Field(QStringLiteral("Subkategorie"));
        lists.superCategories += rs->Field(QStringLiteral("Oberkategorie"));
        rs->MoveNext();
        if (!rs->IsEOF()) {
            lists.categories += EndOfLine();
            lists.superCategories += EndOfLine();
        }
        yieldToEventLoop();
    }
    return lists;
}

QMap<QStringList, SectionRange> sectionRanges(Database &db, const QString &classLevel)
{
    QMap<QStringList, SectionRange> ranges;
    const auto rs = db.SQLSelect(sectionRangesSql(classLevel));
    if (!rs)
        return ranges;
    for (rs->MoveFirst(); !rs->IsEOF(); rs->MoveNext()) {
        const QStringList key{rs->Field(QStringLiteral("Oberkategorie")), rs->Field(QStringLiteral("Kategorie")),
                              rs->Field(QStringLiteral("Subkategorie"))};
        const QString section = rs->Field(QStringLiteral("Note"));
        // Rows come in ascending sections: the first seen is the lowest.
        auto it = ranges.find(key);
        if (it == ranges.end())
            ranges.insert(key, SectionRange{section, section});
        else
            it->to = section;
        yieldToEventLoop();
    }
    return ranges;
}

} // namespace CategoryQueries
