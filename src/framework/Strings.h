#pragma once
// The string functions the program was designed on: fields counted from 1,
// the leading number of a text, and number formatting by pattern.
#include <QString>
#include <QStringList>

// Field n (counted from 1) of text split at delim; "" past the last field or for n < 1.
QString NthField(const QString &text, const QString &delim, int n);
// The number of fields of text split at delim; an empty text has none.
int CountFields(const QString &text, const QString &delim);
// All fields of text split at delim, as NthField gives them one by one: an
// empty text has none. Walking a long list by NthField rescans it from the
// start for every field; this splits it once.
QStringList Fields(const QString &text, const QString &delim);
// The leading decimal number of text (blanks before it skipped); 0 when there is none.
double Val(const QString &text);
// Val converted to Int32: the fraction cut off, clamped to the Int32 range.
int ValInt(const QString &text);
// Plain decimal digits, "-" for negatives, no leading zeros.
QString Str(qint64 value);
// Formats a whole number by pattern: "#", "##" and "###" give the digits
// without leading zeros, "0" and "00" pad with zeros to the pattern's width.
QString Format(qint64 value, const QString &pattern);

// The platform line end.
inline const QString &EndOfLine()
{
    static const QString eol = QStringLiteral("\n");
    return eol;
}
