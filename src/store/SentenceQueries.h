#pragma once
// The sentence queries of a category section and by sentence number: their
// statement texts, one function per statement, and what is made of their rows
// (variant lists, numbered lists, random pick, write-back, number lists).
// Text values go between single quotes with every quote doubled; the section
// and the class level go in bare and must be whole numbers, or the statement
// is not run at all.
#include <QString>

#include <functional>

class Database;

namespace SentenceQueries {

// "DuSentences" for the Du form, else "Sentences".
QString sentenceColumn(bool useDu);

// Reading one section's sentence, with and without the super-category.
QString sectionSentencesSql(const QString &superCategory, const QString &mainCategory, const QString &subCategory,
                            const QString &section, const QString &classLevel, bool useDu);
QString keySentencesSql(const QString &mainCategory, const QString &subCategory, const QString &section,
                        const QString &classLevel, bool useDu);
// The check before a write-back: how many rows the section has.
QString sectionCheckSql(const QString &superCategory, const QString &mainCategory, const QString &subCategory,
                        const QString &section, const QString &classLevel, bool useDu);
QString keyCheckSql(const QString &mainCategory, const QString &subCategory, const QString &section,
                    const QString &classLevel, bool useDu);
// The write-back itself.
QString sectionUpdateSql(const QString &superCategory, const QString &mainCategory, const QString &subCategory,
                         const QString &section, const QString &classLevel, bool useDu, const QString &text);
QString keyUpdateSql(const QString &mainCategory, const QString &subCategory, const QString &section,
                     const QString &classLevel, bool useDu, const QString &text);
// All variants of one sentence number.
QString numberSentencesSql(int number, const QString &classLevel, bool useDu);

// The parts of an old section key "Kategorie : Subkategorie 3".
struct SectionKey
{
    QString mainCategory;
    QString subCategory;
    QString section;
};
// The reading splits the key at " : ", the write-back at a colon alone.
SectionKey parseSectionKey(const QString &key, const QString &separator);

// Whether a section or class text may stand bare in a statement: a whole
// number, blanks around it allowed.
bool isWholeNumber(const QString &text);

// The sentence of the first row of sql (which selects column and Nr): its
// variants one a line, or numbered "Nr-i  variant" each ended by a line end.
// "" when the query fails or finds nothing.
QString sentenceList(Database &db, const QString &sql, const QString &column, bool withNumbers);
// One line of a line list, drawn at random; "" for an empty list.
QString randomLine(const QString &list);
// Runs update only when check finds exactly one row; true when it ran.
bool writeBack(Database &db, const QString &checkSql, const QString &updateSql);

// One section's sentence list (see sentenceList) for a class level; "" when
// the section text is no whole number.
QString sectionSentences(Database &db, const QString &superCategory, const QString &mainCategory,
                         const QString &subCategory, const QString &section, int classLevel, bool useDu,
                         bool withNumbers);
QString keySentences(Database &db, const QString &sectionKey, int classLevel, bool useDu, bool withNumbers);
// The write-back of a section's variants; true when the update ran.
bool putSectionSentences(Database &db, const QString &superCategory, const QString &mainCategory,
                         const QString &subCategory, const QString &section, int classLevel, bool useDu,
                         const QString &text);
bool putKeySentences(Database &db, const QString &sectionKey, int classLevel, bool useDu, const QString &text);

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
