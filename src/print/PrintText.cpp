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

QString CategoryLine::area() const
{
    return mainCategory + QStringLiteral(" : ") + subCategory;
}

QList<CategoryLine> categoryLines(Database &db)
{
    const auto rs = db.SQLSelect(categoryListSql());
    if (!rs)
        return {};
    QList<CategoryLine> result;
    rs->MoveFirst();
    while (!rs->IsEOF()) {
        CategoryLine line{rs->Field(QStringLiteral("Startklasse")), rs->Field(QStringLiteral("Endklasse")),
                          rs->Field(QStringLiteral("Oberkategorie")), rs->Field(QStringLiteral("Kategorie")),
                          rs->Field(QStringLiteral("Subkategorie"))};
        if (Val(line.startClass) >= 1 && Val(line.endClass) <= 10)
            result.append(std::move(line));
        rs->MoveNext();
        yieldToEventLoop();
    }
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
