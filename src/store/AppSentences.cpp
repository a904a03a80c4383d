// Sentence lists of a category section, random pick, write-back, and sentences by number.
#include "app/App.h"
#include "store/SentenceQueries.h"

QString App::GetSentences2Category(const QString &sectionKey, int classLevel, bool useDu, bool withNumbers)
{
    return SentenceQueries::keySentences(*pSentenceDB, sectionKey, classLevel, useDu, withNumbers);
}

QString App::GetSentences2Category(const QString &superCategory, const QString &mainCategory,
                                   const QString &subCategory, const QString &section, int classLevel, bool useDu,
                                   bool withNumbers)
{
    return SentenceQueries::sectionSentences(*pSentenceDB, superCategory, mainCategory, subCategory, section,
                                             classLevel, useDu, withNumbers);
}

QString App::GetRandSentence2Category(const QString &superCategory, const QString &mainCategory,
                                      const QString &subCategory, const QString &section, int classLevel, bool useDu)
{
    return SentenceQueries::randomLine(
        GetSentences2Category(superCategory, mainCategory, subCategory, section, classLevel, useDu, false));
}

bool App::PutSentences2Category(const QString &sectionKey, int classLevel, bool useDu, const QString &text)
{
    const auto result = SentenceQueries::putKeySentences(*pSentenceDB, sectionKey, classLevel, useDu, text);
    pWriteBackProblem = SentenceQueries::writeProblemText(result);
    return result.written();
}

bool App::PutSentences2Category(const QString &superCategory, const QString &mainCategory, const QString &subCategory,
                                const QString &section, int classLevel, bool useDu, const QString &text)
{
    const auto result = SentenceQueries::putSectionSentences(*pSentenceDB, superCategory, mainCategory, subCategory,
                                                             section, classLevel, useDu, text);
    pWriteBackProblem = SentenceQueries::writeProblemText(result);
    return result.written();
}

QString App::GetSentences2CatNumber(int number, const QString &classLevel, bool useDu)
{
    return SentenceQueries::sentencesByNumber(*pSentenceDB, number, classLevel, useDu);
}

QString App::getSentence2Number(int number, int variant, const QString &classLevel, bool useDu)
{
    return SentenceQueries::sentenceByNumber(*pSentenceDB, number, variant, classLevel, useDu);
}

QString App::getSentences2NumList(const QString &numList, const QString &classLevel)
{
    const bool useDu = pPrefs ? pPrefs->pUseDuSentences : false;
    return SentenceQueries::expandNumberList([this]() -> Database & { return *pSentenceDB; }, numList, classLevel,
                                             useDu);
}
