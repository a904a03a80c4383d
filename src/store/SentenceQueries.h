#pragma once
// The sentence queries of a category section and by sentence number: their
// statements, one function per statement, and what is made of their rows
// (variant lists, numbered lists, random pick, write-back, number lists).
// Every value is bound to the statement, never written into its text; the
// section and the class level must be whole numbers, or the statement is
// not run at all. Sentence texts are bound as their UTF-8 bytes, so that a
// variant such as "007" is stored and read back unchanged.
#include "framework/Database.h"

#include <QString>

#include <functional>
#include <optional>

namespace SentenceQueries {

// "DuSentences" for the Du form, else "Sentences".
QString sentenceColumn(bool useDu);

// Reading one section's sentence (column and Nr), with and without the super-category.
SqlStatement sectionSentencesStatement(const QString &superCategory, const QString &mainCategory,
                                       const QString &subCategory, qint64 section, qint64 classLevel, bool useDu);
SqlStatement keySentencesStatement(const QString &mainCategory, const QString &subCategory, qint64 section,
                                   qint64 classLevel, bool useDu);
// All variants of one sentence number.
SqlStatement numberSentencesStatement(int number, qint64 classLevel, bool useDu);

// The parts of an old section key "Kategorie : Subkategorie 3".
struct SectionKey
{
    QString mainCategory;
    QString subCategory;
    QString section;
};
// The reading splits the key at " : ", the write-back at a colon alone.
SectionKey parseSectionKey(const QString &key, const QString &separator);

// Whether a section or class text is a whole number, blanks around it allowed.
bool isWholeNumber(const QString &text);

// The sentence of the first row of the statement (which selects column and
// Nr): its variants one a line, or numbered "Nr-i  variant" each ended by a
// line end. "" when the query fails or finds nothing.
QString sentenceList(Database &db, const SqlStatement &statement, const QString &column, bool withNumbers);
// One line of a line list, drawn at random; "" for an empty list.
QString randomLine(const QString &list);

// What became of a write-back.
enum class WriteOutcome {
    Written,
    NoSection,       // no row for the section and class
    SeveralSections, // more than one row: which one is meant is unknown
    ChangedElsewhere, // the stored text is no longer the one the list was read from
    InUse,            // another program holds the file
    ReadOnly,         // the file cannot be written
    Replaced,         // the file at the path is not the one opened, or was emptied
    Failed,           // any other refusal of the database
};
struct WriteResult
{
    WriteOutcome outcome = WriteOutcome::Failed;
    QString databaseError; // the database's own text, when it refused
    int errorCode = 0;     // SQLite's extended result code, when it refused
    bool written() const { return outcome == WriteOutcome::Written; }
};
// Why a write-back failed, in plain German words for the user; "" when written.
QString writeProblemText(const WriteResult &result);

// One section's sentence list (see sentenceList) for a class level; "" when
// the section text is no whole number.
QString sectionSentences(Database &db, const QString &superCategory, const QString &mainCategory,
                         const QString &subCategory, const QString &section, int classLevel, bool useDu,
                         bool withNumbers);
QString keySentences(Database &db, const QString &sectionKey, int classLevel, bool useDu, bool withNumbers);
// The write-back of a section's variants into its one row, in one
// transaction. With readText (the sentence list as it was read for the
// edit), nothing is written when the stored text differs from it: a change
// saved elsewhere meanwhile is never overwritten.
WriteResult putSectionSentences(Database &db, const QString &superCategory, const QString &mainCategory,
                                const QString &subCategory, const QString &section, int classLevel, bool useDu,
                                const QString &text, const std::optional<QString> &readText = std::nullopt);
WriteResult putKeySentences(Database &db, const QString &sectionKey, int classLevel, bool useDu,
                            const QString &text, const std::optional<QString> &readText = std::nullopt);

// The whole stored text of a sentence number valid for the class; "" when none.
QString sentencesByNumber(Database &db, int number, const QString &classLevel, bool useDu);
// One variant (counted from 1) of a sentence number; "" when absent.
QString sentenceByNumber(Database &db, int number, int variant, const QString &classLevel, bool useDu);
// The text put in place of a number-list item that finds nothing.
QString notFoundNotice(const QString &item, bool useDu);
// The expansion of a comma-separated list of addresses like "12-3, 40-1".
QString expandNumberList(Database &db, const QString &numList, const QString &classLevel, bool useDu);
// The same for the database that database() names at each item: the list
// yields between its items, and meanwhile the open database may be replaced.
QString expandNumberList(const std::function<Database &()> &database, const QString &numList,
                         const QString &classLevel, bool useDu);

} // namespace SentenceQueries
