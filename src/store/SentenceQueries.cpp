#include "SentenceQueries.h"

#include "framework/Database.h"
#include "framework/EventLoop.h"
#include "framework/Strings.h"

#include <QRandomGenerator>

namespace SentenceQueries {

namespace {
// The conditions shared by the section statements after "where ".
QString sectionWhere(const QString &superCategory, const QString &mainCategory, const QString &subCategory,
                     const QString &section, const QString &classLevel)
{
    return QStringLiteral("Oberkategorie = ") + sqlQuoted(superCategory) + QStringLiteral(" and Kategorie = ")
           + sqlQuoted(mainCategory) + QStringLiteral(" and Subkategorie = ") + sqlQuoted(subCategory)
           + QStringLiteral(" and Note = ") + section + QStringLiteral(" and Startklasse <= ") + classLevel
           + QStringLiteral(" and Endklasse >= ") + classLevel;
}

QString keyWhere(const QString &mainCategory, const QString &subCategory, const QString &section,
                 const QString &classLevel)
{
    return QStringLiteral("Kategorie = ") + sqlQuoted(mainCategory) + QStringLiteral(" and Subkategorie = ")
           + sqlQuoted(subCategory) + QStringLiteral(" and Note = ") + section + QStringLiteral(" and Startklasse <= ")
           + classLevel + QStringLiteral(" and Endklasse >= ") + classLevel;
}

// The column of the first row as stored text with every CR made a line end;
// number gets that row's Nr when asked for. False when there is no row.
bool firstRowText(Database &db, const QString &sql, const QString &column, QString &text, int *number = nullptr)
{
    const auto rs = db.SQLSelect(sql);
    if (!rs)
        return false;
    rs->MoveFirst();
    if (rs->IsEOF())
        return false;
    text = rs->Field(column);
    text.replace(u'\r', EndOfLine());
    if (number)
        *number = ValInt(rs->Field(QStringLiteral("Nr")));
    return true;
}

} // namespace

QString sentenceColumn(bool useDu)
{
    return useDu ? QStringLiteral("DuSentences") : QStringLiteral("Sentences");
}

QString sectionSentencesSql(const QString &superCategory, const QString &mainCategory, const QString &subCategory,
                            const QString &section, const QString &classLevel, bool useDu)
{
    return QStringLiteral("select ") + sentenceColumn(useDu) + QStringLiteral(", Nr from Saetze where ")
           + sectionWhere(superCategory, mainCategory, subCategory, section, classLevel);
}

QString keySentencesSql(const QString &mainCategory, const QString &subCategory, const QString &section,
                        const QString &classLevel, bool useDu)
{
    return QStringLiteral("select ") + sentenceColumn(useDu) + QStringLiteral(", Nr from Saetze where ")
           + keyWhere(mainCategory, subCategory, section, classLevel);
}

QString sectionCheckSql(const QString &superCategory, const QString &mainCategory, const QString &subCategory,
                        const QString &section, const QString &classLevel, bool useDu)
{
    return QStringLiteral("select ") + sentenceColumn(useDu) + QStringLiteral(" from Saetze where ")
           + sectionWhere(superCategory, mainCategory, subCategory, section, classLevel);
}

QString keyCheckSql(const QString &mainCategory, const QString &subCategory, const QString &section,
                    const QString &classLevel, bool useDu)
{
    return QStringLiteral("select ") + sentenceColumn(useDu) + QStringLiteral(" from Saetze where ")
           + keyWhere(mainCategory, subCategory, section, classLevel);
}

QString sectionUpdateSql(const QString &superCategory, const QString &mainCategory, const QString &subCategory,
                         const QString &section, const QString &classLevel, bool useDu, const QString &text)
{
    return QStringLiteral("UPDATE Saetze SET ") + sentenceColumn(useDu) + QStringLiteral("= ") + sqlQuoted(text)
           + QStringLiteral(" where ") + sectionWhere(superCategory, mainCategory, subCategory, section, classLevel);
}

QString keyUpdateSql(const QString &mainCategory, const QString &subCategory, const QString &section,
                     const QString &classLevel, bool useDu, const QString &text)
{
    return QStringLiteral("UPDATE Saetze SET ") + sentenceColumn(useDu) + QStringLiteral("= ") + sqlQuoted(text)
           + QStringLiteral(" where ") + keyWhere(mainCategory, subCategory, section, classLevel);
}

QString numberSentencesSql(int number, const QString &classLevel, bool useDu)
{
    return QStringLiteral("select ") + sentenceColumn(useDu) + QStringLiteral(" from Saetze where Nr = '") + Str(number)
           + QStringLiteral("' and Startklasse <= ") + classLevel + QStringLiteral(" and Endklasse >= ") + classLevel;
}

SectionKey parseSectionKey(const QString &key, const QString &separator)
{
    SectionKey parts;
    parts.mainCategory = NthField(key, separator, 1).trimmed();
    const QString rest = NthField(key, separator, 2).trimmed();
    parts.subCategory = rest.left(rest.size() - 1).trimmed();
    parts.section = rest.right(1).trimmed();
    return parts;
}

bool isWholeNumber(const QString &value)
{
    // Blanks around the number do no harm in a statement.
    const QString text = value.trimmed();
    const qsizetype start = text.startsWith(u'-') ? 1 : 0;
    if (text.size() <= start)
        return false;
    for (qsizetype i = start; i < text.size(); ++i)
        if (text[i] < u'0' || text[i] > u'9')
            return false;
    return true;
}

QString sentenceList(Database &db, const QString &sql, const QString &column, bool withNumbers)
{
    QString text;
    int number = 0;
    if (!firstRowText(db, sql, column, text, &number))
        return {};
    if (!withNumbers)
        return text;
    QString list;
    const int lines = CountFields(text, EndOfLine());
    for (int i = 1; i <= lines; ++i) {
        list += Format(number, QStringLiteral("###")) + QStringLiteral("-") + Format(i, QStringLiteral("###"))
                + QStringLiteral("  ") + NthField(text, EndOfLine(), i) + EndOfLine();
        yieldToEventLoop();
    }
    return list;
}

QString randomLine(const QString &list)
{
    const int lines = CountFields(list, EndOfLine());
    if (lines == 0)
        return {};
    const int k = int(QRandomGenerator::global()->bounded(lines)) + 1;
    return NthField(list, EndOfLine(), k);
}

bool writeBack(Database &db, const QString &checkSql, const QString &updateSql)
{
    const auto rs = db.SQLSelect(checkSql);
    if (!rs || rs->RecordCount() != 1)
        return false;
    db.SQLExecute(updateSql);
    return true;
}

QString sectionSentences(Database &db, const QString &superCategory, const QString &mainCategory,
                         const QString &subCategory, const QString &section, int classLevel, bool useDu,
                         bool withNumbers)
{
    if (!isWholeNumber(section))
        return {};
    const QString classText = Format(classLevel, QStringLiteral("##"));
    return sentenceList(db, sectionSentencesSql(superCategory, mainCategory, subCategory, section, classText, useDu),
                        sentenceColumn(useDu), withNumbers);
}

QString keySentences(Database &db, const QString &sectionKey, int classLevel, bool useDu, bool withNumbers)
{
    const SectionKey key = parseSectionKey(sectionKey, QStringLiteral(" : "));
    if (!isWholeNumber(key.section))
        return {};
    const QString classText = Format(classLevel, QStringLiteral("##"));
    return sentenceList(db, keySentencesSql(key.mainCategory, key.subCategory, key.section, classText, useDu),
                        sentenceColumn(useDu), withNumbers);
}

bool putSectionSentences(Database &db, const QString &superCategory, const QString &mainCategory,
                         const QString &subCategory, const QString &section, int classLevel, bool useDu,
                         const QString &text)
{
    if (!isWholeNumber(section))
        return false;
    const QString classText = Format(classLevel, QStringLiteral("##"));
    return writeBack(db, sectionCheckSql(superCategory, mainCategory, subCategory, section, classText, useDu),
                     sectionUpdateSql(superCategory, mainCategory, subCategory, section, classText, useDu, text));
}

bool putKeySentences(Database &db, const QString &sectionKey, int classLevel, bool useDu, const QString &text)
{
    const SectionKey key = parseSectionKey(sectionKey, QStringLiteral(":"));
    if (!isWholeNumber(key.section))
        return false;
    const QString classText = Format(classLevel, QStringLiteral("##"));
    return writeBack(db, keyCheckSql(key.mainCategory, key.subCategory, key.section, classText, useDu),
                     keyUpdateSql(key.mainCategory, key.subCategory, key.section, classText, useDu, text));
}

QString sentencesByNumber(Database &db, int number, const QString &classLevel, bool useDu)
{
    if (!isWholeNumber(classLevel))
        return {};
    QString text;
    firstRowText(db, numberSentencesSql(number, classLevel, useDu), sentenceColumn(useDu), text);
    return text;
}

QString sentenceByNumber(Database &db, int number, int variant, const QString &classLevel, bool useDu)
{
    const QString text = sentencesByNumber(db, number, classLevel, useDu);
    if (text.isEmpty())
        return {};
    return NthField(text, EndOfLine(), variant);
}

QString notFoundNotice(const QString &item, bool useDu)
{
    QString notice = QStringLiteral(" ***") + item + QStringLiteral(": ")
                     + QStringLiteral("Kein Formulierungsbaustein mit dieser Satznummer!");
    if (useDu)
        notice += QStringLiteral(" ") + QStringLiteral("Sie haben bei den Voreinstellungen die Du-Form eingestellt!");
    return notice + QStringLiteral("*** ");
}

QString expandNumberList(Database &db, const QString &numList, const QString &classLevel, bool useDu)
{
    return expandNumberList([&db]() -> Database & { return db; }, numList, classLevel, useDu);
}

QString expandNumberList(const std::function<Database &()> &database, const QString &numList,
                         const QString &classLevel, bool useDu)
{
    QString result;
    const int items = CountFields(numList, QStringLiteral(","));
    for (int i = 1; i <= items; ++i) {
        const QString item = NthField(numList, QStringLiteral(","), i).trimmed();
        if (CountFields(item, QStringLiteral("-")) == 2) {
            const int number = ValInt(NthField(item, QStringLiteral("-"), 1).trimmed());
            const int variant = ValInt(NthField(item, QStringLiteral("-"), 2).trimmed());
            QString s = sentenceByNumber(database(), number, variant, classLevel, useDu);
            if (s.isEmpty())
                s = notFoundNotice(item, useDu);
            result += QStringLiteral(" ") + s;
        }
        yieldToEventLoop();
    }
    return result;
}

} // namespace SentenceQueries
