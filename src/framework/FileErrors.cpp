#include "FileErrors.h"

#include <cerrno>
#include <cstring>

QString fileErrorReason(int error)
{
    switch (error) {
    case ENOSPC:
        return QStringLiteral("Der Datenträger ist voll.");
    case EDQUOT:
        return QStringLiteral("Ihr Speicherplatz auf dem Datenträger ist aufgebraucht.");
    case EFBIG:
        return QStringLiteral("Das System erlaubt dem Programm keine so große Datei.");
    case EROFS:
        return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    case EACCES:
    case EPERM:
        return QStringLiteral("Es fehlt die Berechtigung, dort zu schreiben.");
    case EIO:
        return QStringLiteral("Der Datenträger meldet einen Ein-/Ausgabefehler.");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("Der Ordner ist nicht vorhanden.");
    case EISDIR:
        return QStringLiteral("An der Stelle der Datei liegt ein Ordner.");
    case kNotARegularFile:
        return QStringLiteral("An der Stelle der Datei liegt keine gewöhnliche Datei, sondern eine benannte "
                              "Pipe, ein Gerät oder etwas Ähnliches, das das Programm nicht ersetzt.");
    default:
        break;
    }
    // Anything else is named by the system's code, for whoever helps the user.
    const char *name = strerrorname_np(error);
    return QStringLiteral("Das System meldet den Fehler %1 (Nr. %2).")
        .arg(name ? QString::fromLatin1(name) : QStringLiteral("?"))
        .arg(error);
}
