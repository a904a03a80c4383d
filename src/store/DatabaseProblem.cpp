#include "DatabaseProblem.h"

#include <sqlite3.h>

QString databaseProblemText(int sqliteCode)
{
    // A file replaced, deleted or emptied under the program: SQLite names the
    // moved file with a code of its own below the read-only one.
    if (sqliteCode == SQLITE_READONLY_DBMOVED)
        return QStringLiteral("Die Datenbankdatei wurde geleert, ersetzt oder gelöscht, während das Programm sie "
                              "geöffnet hatte.");
    switch (sqliteCode & 0xff) {
    case SQLITE_FULL:
        return QStringLiteral("Auf dem Datenträger der Datenbank ist kein Platz mehr frei.");
    case SQLITE_IOERR:
        return QStringLiteral("Der Datenträger der Datenbank hat beim Lesen oder Schreiben einen Fehler gemeldet.");
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return QStringLiteral("Die Datenbank ist schreibgeschützt.");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("Die Datenbank wird gerade von einem anderen Programm verwendet.");
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return QStringLiteral("Die Datenbankdatei ist beschädigt oder keine Satzdatenbank.");
    case SQLITE_CANTOPEN:
        return QStringLiteral("Die Datenbankdatei kann nicht geöffnet werden.");
    case SQLITE_NOMEM:
        return QStringLiteral("Für die Datenbank ist nicht genug Arbeitsspeicher frei.");
    default:
        return QStringLiteral("Die Datenbank hat das Speichern abgelehnt. SQLite-Fehlercode: %1.").arg(sqliteCode);
    }
}

bool freshConnectionMayCure(int sqliteCode)
{
    switch (sqliteCode & 0xff) {
    case SQLITE_ERROR: // no such table or column
    case SQLITE_IOERR:
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return true;
    default:
        return sqliteCode == SQLITE_READONLY_DBMOVED;
    }
}
