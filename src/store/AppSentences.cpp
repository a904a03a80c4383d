// Sentence lists of a category section, random pick, write-back, and sentences by number.
#include "app/App.h"

QString App::GetSentences2Category(const QString &, int, bool, bool)
{
    return {};
}

QString App::GetSentences2Category(const QString &, const QString &, const QString &, const QString &, int, bool,
                                   bool)
{
    return {};
}

QString App::GetRandSentence2Category(const QString &, const QString &, const QString &, const QString &, int,
                                      bool)
{
    return {};
}

void App::PutSentences2Category(const QString &, int, bool, const QString &) {}

void App::PutSentences2Category(const QString &, const QString &, const QString &, const QString &, int, bool,
                                const QString &)
{
}

QString App::GetSentences2CatNumber(int, const QString &, bool)
{
    return {};
}

QString App::getSentence2Number(int, int, const QString &, bool)
{
    return {};
}

QString App::getSentences2NumList(const QString &, const QString &)
{
    return {};
}
