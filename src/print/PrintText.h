#pragma once
// The text of a printed sentence list: the category lines offered for
// printing, the title block and one block per printed section. No window here.
#include <QList>
#include <QString>

class Database;
class QDate;

namespace PrintText {

// Every row of the sections 0 and 1 ordered by class range and number.
QString categoryListSql();

// One line of the print list: the class range of a stored row and its
// category path, each name as stored. The parts are kept apart, since a name
// may hold any character, a backslash or " : " too.
struct CategoryLine
{
    QString startClass;
    QString endClass;
    QString superCategory;
    QString mainCategory;
    QString subCategory;
    // "Kategorie : Subkategorie", as the list's column "Bereich" shows it.
    QString area() const;
};
// One line per such row with a class range within 1 to 10; none when the query fails.
QList<CategoryLine> categoryLines(Database &db);

// The date as the title block shows it, in German whatever the system's
// language is: "Montag, 7. Dezember 2026".
QString longDate(const QDate &date);
// "SATZLISTENDRUCK Velmora", the date line and an empty line.
QString titleBlock(const QString &longDate);
// "Klasse: " lower-upper, the category path, the "Stufe: " line and the
// section's sentence lines, followed by an empty line.
QString sectionBlock(int lower, int upper, const QString &categoryPath, int section, const QString &sentences);

} // namespace PrintText
