#include "TextCompare.h"

bool textEquals(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

int textCompare(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive);
}
