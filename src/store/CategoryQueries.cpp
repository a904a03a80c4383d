#include "CategoryQueries.h"

#include "framework/EventLoop.h"
#include "framework/Strings.h"

namespace CategoryQueries {

namespace {
const QString kClassRange = QStringLiteral("Startklasse <= ? AND Endklasse >= ?");

QVariant classValue(const QString &classLevel)
{
    bool ok = false;
    const qint64 value = classLevel.trimmed().toLongLong(&ok);
    return ok ? QVariant(value) : QVariant(classLevel);
}
} // namespace

SqlStatement superCategoriesStatement(const QString &classLevel)
{
    return {QStringLiteral("SELECT DISTINCT Oberkategorie FROM Saetze WHERE Note < 2 and ") + kClassRange
                + QStringLiteral(" ORDER BY Nr"),
            {classValue(classLevel), classValue(classLevel)}};
}

SqlStatement mainCategoriesStatement(const QString &classLevel, const QString &superCategory)
{
    return {QStringLiteral("SELECT DISTINCT Kategorie FROM Saetze WHERE Oberkategorie = ? and Note < 2 and ")
                + kClassRange + QStringLiteral(" ORDER BY Nr"),
            {superCategory, classValue(classLevel), classValue(classLevel)}};
}

SqlStatement subCategoriesStatement(const QString &classLevel, const QString &superCategory,
                                    const QString &mainCategory)
{
    return {QStringLiteral("SELECT DISTINCT Subkategorie FROM Saetze WHERE Oberkategorie = ? and Kategorie = ? and "
                           "Note < 2 and ")
                + kClassRange + QStringLiteral(" ORDER BY Nr"),
            {superCategory, mainCategory, classValue(classLevel), classValue(classLevel)}};
}

SqlStatement sectionsStatement(const QString &classLevel, const QString &superCategory, const QString &mainCategory,
                               const QString &subCategory)
{
    return {QStringLiteral("SELECT DISTINCT Note FROM Saetze WHERE Oberkategorie = ? and Kategorie = ? and "
                           "Subkategorie = ? and ")
                + kClassRange + QStringLiteral(" ORDER BY Note"),
            {superCategory, mainCategory, subCategory, classValue(classLevel), classValue(classLevel)}};
}

SqlStatement categoriesStatement(const QString &classLevel)
{
    return {QStringLiteral("SELECT Oberkategorie, Kategorie, Subkategorie, Nr FROM Saetze WHERE Note < 2 and ")
                + kClassRange + QStringLiteral(" ORDER BY Nr"),
            {classValue(classLevel), classValue(classLevel)}};
}

SqlStatement sectionRangesStatement(const QString &classLevel)
{
    return {QStringLiteral("SELECT DISTINCT Oberkategorie, Kategorie, Subkategorie, Note FROM Saetze WHERE ")
                + kClassRange + QStringLiteral(" ORDER BY Note"),
            {classValue(classLevel), classValue(classLevel)}};
}

SqlStatement stdCategoriesStatement()
{
    return {QStringLiteral("SELECT DISTINCT Kategorie FROM Standardsaetze ORDER BY Kategorie"), {}};
}

SqlStatement stdSentencesStatement(const QString &category)
{
    return {QStringLiteral("select Sentence from Standardsaetze where Kategorie = ? and Appendixnr = 0"), {category}};
}

SqlStatement stdAppendicesStatement(const QString &category, int phraseNumber)
{
    return {QStringLiteral("select Sentence from Standardsaetze where Kategorie = ? and Satznr = ? and Appendixnr > 0"),
            {category, qint64(phraseNumber)}};
}

QString columnList(Database &db, const SqlStatement &statement, const QString &column)
{
    QString list;
    const auto rs = db.SQLSelect(statement);
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
    const auto rs = db.SQLSelect(categoriesStatement(classLevel));
    if (!rs)
        return lists;
    lists.read = true;
    rs->MoveFirst();
    while (!rs->IsEOF()) {
        const QStringList path{rs->Field(QStringLiteral("Oberkategorie")), rs->Field(QStringLiteral("Kategorie")),
                               rs->Field(QStringLiteral("Subkategorie"))};
        lists.categories += path[1] + QStringLiteral(" : ") + path[2];
        lists.superCategories += path[0];
        lists.paths.append(path);
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
    const auto rs = db.SQLSelect(sectionRangesStatement(classLevel));
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
