#include "Strings.h"

#include <cmath>
#include <limits>

QString NthField(const QString &text, const QString &delim, int n)
{
    if (n < 1)
        return {};
    if (delim.isEmpty())
        return n == 1 ? text : QString();
    qsizetype start = 0;
    for (int field = 1; field < n; ++field) {
        const qsizetype next = text.indexOf(delim, start);
        if (next < 0)
            return {};
        start = next + delim.size();
    }
    const qsizetype end = text.indexOf(delim, start);
    return end < 0 ? text.mid(start) : text.mid(start, end - start);
}

int CountFields(const QString &text, const QString &delim)
{
    if (text.isEmpty())
        return 0;
    if (delim.isEmpty())
        return 1;
    return int(text.count(delim)) + 1;
}

QStringList Fields(const QString &text, const QString &delim)
{
    if (text.isEmpty())
        return {};
    if (delim.isEmpty())
        return {text};
    return text.split(delim, Qt::KeepEmptyParts);
}

double Val(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const qsizetype begin = i;
    if (i < n && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    const qsizetype digitsStart = i;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128)
        ++i;
    bool anyDigit = i > digitsStart;
    if (i < n && text[i] == u'.') {
        qsizetype j = i + 1;
        while (j < n && text[j].unicode() >= u'0' && text[j].unicode() <= u'9')
            ++j;
        if (j > i + 1 || anyDigit) {
            anyDigit = anyDigit || j > i + 1;
            i = j;
        }
    }
    if (!anyDigit)
        return 0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'-' || text[j] == u'+'))
            ++j;
        const qsizetype expDigits = j;
        while (j < n && text[j].unicode() >= u'0' && text[j].unicode() <= u'9')
            ++j;
        if (j > expDigits)
            i = j;
    }
    bool ok = false;
    const double value = text.mid(begin, i - begin).toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0;
}

int ValInt(const QString &text)
{
    const double value = std::trunc(Val(text));
    if (value >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(value);
}

QString Str(qint64 value)
{
    return QString::number(value);
}

QString Format(qint64 value, const QString &pattern)
{
    int minDigits = 1;
    if (!pattern.isEmpty() && pattern.count(u'0') == pattern.size())
        minDigits = int(pattern.size());
    QString digits = QString::number(value < 0 ? -value : value);
    if (digits.size() < minDigits)
        digits = QString(minDigits - digits.size(), u'0') + digits;
    return value < 0 ? QStringLiteral("-") + digits : digits;
}
