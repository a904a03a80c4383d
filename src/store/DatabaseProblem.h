#pragma once
// What a refusal of the database means for the teacher, in plain German, and
// whether a fresh connection to the file may get past it.
#include <QString>

// One or two whole German sentences for an SQLite result code (primary or
// extended): the reasons met at a desk (disk full, input/output error,
// write protection, in use, damaged file, replaced file) in words, any other
// code named after a sentence that says the database refused.
QString databaseProblemText(int sqliteCode);

// Whether a statement that failed with this SQLite result code may go through
// on a fresh connection to the file: the open one may hold the schema it read
// while the file was empty, or pages of a file replaced or restored under it.
// A file in use, write-protected or on a full disk stays so.
bool freshConnectionMayCure(int sqliteCode);
