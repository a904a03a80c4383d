#pragma once
// The text of a printed sentence list: the category lines offered for
// printing, the title block and one block per printed section. No window here.
#include <QString>

class Database;
class QDate;

namespace PrintText {

// Every row of the sections 0 and 1 ordered by class range and number.
QString categoryListSql();
// One line per such row with a class range within 1 to 10:
// "Startklasse\Endklasse\Oberkategorie\Kategorie : Subkategorie", joined by
// the platform line end; "" when the query fails.
QString categoryLines(Database &db);

// The date as the title block shows it, in German whatever the system's
// language is: "Montag, 7. Dezember 2026".
QString longDate(const QDate &date);
// "SATZLISTENDRUCK Velmora", the date line and an empty line.
QString titleBlock(const QString &longDate);
// "Klasse: " lower-upper, the category path, the "Stufe: " line and the
// section's sentence lines, followed by an empty line.
QString sectionBlock(int lower, int upper, const QString &categoryPath, int section, const QString &sentences);

} // namespace PrintText
