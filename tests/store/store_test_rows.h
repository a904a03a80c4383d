#pragma once
// Rows of table Saetze for the store's tests, written the short way.
#include "support/TestSupport.h"

inline SentenceRow sentenceRow(const char *sup, const char *main, const char *sub, int note, int from, int to, int nr,
                               const char *sie, const char *du = "")
{
    SentenceRow r;
    r.superCategory = QString::fromUtf8(sup);
    r.mainCategory = QString::fromUtf8(main);
    r.subCategory = QString::fromUtf8(sub);
    r.section = note;
    r.startClass = from;
    r.endClass = to;
    r.number = nr;
    r.sentences = QString::fromUtf8(sie);
    r.duSentences = QString::fromUtf8(du);
    return r;
}
