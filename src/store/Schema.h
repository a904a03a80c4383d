#pragma once
// The statements that create the two tables of a sentence database, exactly
// as every database of the program holds them (one column a line after a CR).
#include <QString>

inline QString saetzeCreateSql()
{
    return QStringLiteral("CREATE TABLE Saetze (\r   Oberkategorie VarChar, \r   Endklasse Integer, \r   id Integer, "
                          "\r   Kategorie VarChar, \r   Note Integer, \r   Nr Integer, \r   Sentences Binary, "
                          "\r   Startklasse Integer, \r   Subkategorie VarChar, \r   DuSentences Binary)");
}

inline QString standardsaetzeCreateSql()
{
    return QStringLiteral("CREATE TABLE Standardsaetze (Kategorie varchar, Katnr integer, Satznr integer, "
                          "Appendixnr integer, Sentence varchar)");
}
