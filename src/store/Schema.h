#pragma once
// The statements that create the two tables of a sentence database, exactly
// as every database of the program holds them (one column a line after a CR).
#include <QString>
#include <QStringList>

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

// The indexes the section, cascade and number queries use. The tables keep
// their schema, so every earlier reader still reads the file. Both indexes
// also hold the columns their queries test and return: the section lists of
// the orienting page and the category lists in number order are read from
// an index alone.
inline QStringList sentenceIndexSql()
{
    return {QStringLiteral("CREATE INDEX IF NOT EXISTS SaetzeAbschnitt ON Saetze "
                           "(Oberkategorie, Kategorie, Subkategorie, Note, Startklasse, Endklasse)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS SaetzeNr ON Saetze "
                           "(Nr, Note, Startklasse, Endklasse, Oberkategorie, Kategorie, Subkategorie)")};
}
