#include "PrintText.h"

#include "framework/Database.h"
#include "framework/EventLoop.h"
#include "framework/Strings.h"

#include <QDate>
#include <QLocale>

namespace PrintText {

QString categoryListSql()
{
    return QStringLiteral("SELECT Startklasse, Endklasse, Oberkategorie, Kategorie, Subkategorie, Nr FROM Saetze "
                          "WHERE Note < 2 ORDER BY Startklasse, Endklasse, Nr");
}

QString categoryLines(Database &db)
{
    const auto rs = db.SQLSelect(categoryListSql());
    if (!rs)
        return {};
    const QString backslash = QStringLiteral("\\");
    QString result;
    rs->MoveFirst();
    while (!rs->IsEOF()) {
        const QString superCategory = rs->Field(QStringLiteral("Oberkategorie"));
        const QString mainCategory = rs->Field(QStringLiteral("Kategorie"));
        const QString subCategory = rs->Field(QStringLiteral("Subkategorie"));
        const QString startClass = rs->Field(QStringLiteral("Startklasse"));
        const QString endClass = rs->Field(QStringLiteral("Endklasse"));
        if (Val(startClass) >= 1 && Val(endClass) <= 10)
            result += startClass + backslash + endClass + backslash + superCategory + backslash + mainCategory
                      + QStringLiteral(" : ") + subCategory + EndOfLine();
        rs->MoveNext();
        yieldToEventLoop();
    }
    if (result.endsWith(EndOfLine()))
        result.chop(EndOfLine().size());
    return result;
}

QString longDate(const QDate &date)
{
    // Every other text of the printout is German, so the date is too.
    return QLocale(QLocale::German, QLocale::Germany).toString(date, QLocale::LongFormat);
}

QString titleBlock(const QString &longDate)
{
    return QStringLiteral("SATZLISTENDRUCK Velmora") + EndOfLine() + QStringLiteral("Datum: ") + longDate
           + EndOfLine() + EndOfLine();
}

QString sectionBlock(int lower, int upper, const QString &categoryPath, int section, const QString &sentences)
{
    return QStringLiteral("Klasse: ") + Str(lower) + QStringLiteral("-") + Str(upper) + QStringLiteral("  ")
           + categoryPath + EndOfLine() + QStringLiteral("Stufe: ") + Str(section) + EndOfLine() + sentences
           + EndOfLine() + EndOfLine();
}

} // namespace PrintText
