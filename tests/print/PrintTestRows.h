#pragma once
// A row of table Saetze for the print tests.
#include "support/TestSupport.h"

inline SentenceRow printRow(const char *super, const char *main, const char *sub, int section, int start, int end,
                            int number, const QString &sentences = QStringLiteral("Satz"),
                            const QString &duSentences = QString())
{
    SentenceRow r;
    r.superCategory = QString::fromUtf8(super);
    r.mainCategory = QString::fromUtf8(main);
    r.subCategory = QString::fromUtf8(sub);
    r.section = section;
    r.startClass = start;
    r.endClass = end;
    r.number = number;
    r.sentences = sentences;
    r.duSentences = duSentences;
    return r;
}
