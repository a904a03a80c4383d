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

// A statement that reads no row and fails unless both tables hold every
// column a query of the program reads; more tables, columns or indexes do no
// harm. The importer also writes Saetze.id and Standardsaetze.Katnr, which no
// query reads: a file without them is read all the same.
inline QString sentenceLayoutCheckSql()
{
    return QStringLiteral("SELECT s.Oberkategorie, s.Endklasse, s.Kategorie, s.Note, s.Nr, s.Sentences, "
                          "s.Startklasse, s.Subkategorie, s.DuSentences, t.Kategorie, t.Satznr, t.Appendixnr, "
                          "t.Sentence FROM Saetze AS s, Standardsaetze AS t LIMIT 0");
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
