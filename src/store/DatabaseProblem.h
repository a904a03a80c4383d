#pragma once
// What a refusal of the database means for the teacher, in plain German.
#include <QString>

// One or two whole German sentences for an SQLite result code (primary or
// extended): the reasons met at a desk (disk full, input/output error,
// write protection, in use, damaged file, replaced file) in words, any other
// code named after a sentence that says the database refused.
QString databaseProblemText(int sqliteCode);
