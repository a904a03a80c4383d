// Sentence lists of a category section, random pick, write-back, and sentences by number.
#include "app/App.h"
#include "store/SentenceQueries.h"

QString App::GetSentences2Category(const QString &sectionKey, int classLevel, bool useDu, bool withNumbers)
{
    return readList(
        [&](Database &db) { return SentenceQueries::keySentences(db, sectionKey, classLevel, useDu, withNumbers); });
}

QString App::GetSentences2Category(const QString &superCategory, const QString &mainCategory,
                                   const QString &subCategory, const QString &section, int classLevel, bool useDu,
                                   bool withNumbers)
{
    return readList([&](Database &db) {
        return SentenceQueries::sectionSentences(db, superCategory, mainCategory, subCategory, section, classLevel,
                                                 useDu, withNumbers);
    });
}

QString App::GetRandSentence2Category(const QString &superCategory, const QString &mainCategory,
                                      const QString &subCategory, const QString &section, int classLevel, bool useDu)
{
    return SentenceQueries::randomLine(
        GetSentences2Category(superCategory, mainCategory, subCategory, section, classLevel, useDu, false));
}

namespace {
// Runs write against the file at the database's path: a file replaced (or
// emptied) under the running program is opened anew and written there, under
// the same comparison with the variants read; so is one restored after the
// connection failed on it. One that does not open is reported as replaced.
bool writeToStoredFile(App &a, const std::function<SentenceQueries::WriteResult(Database &)> &write)
{
    using SentenceQueries::WriteOutcome;
    SentenceQueries::WriteResult result{WriteOutcome::Replaced, {}};
    if (!a.pSentenceDB->FileReplaced() || a.ReopenSentenceDB()) {
        result = write(*a.pSentenceDB);
        // Replaced between the look at the path and the write, or failing on what the connection holds.
        if (!result.written() && a.ReopenAfterFailure(result.errorCode))
            result = write(*a.pSentenceDB);
        else if (!result.written() && a.pSentenceDB->FileReplaced())
            result = SentenceQueries::WriteResult{WriteOutcome::Replaced, {}};
    }
    a.pWriteBackProblem = SentenceQueries::writeProblemText(result);
    return result.written();
}
} // namespace

bool App::PutSentences2Category(const QString &sectionKey, int classLevel, bool useDu, const QString &text,
                                const std::optional<QString> &readText)
{
    return writeToStoredFile(*this, [&](Database &db) {
        return SentenceQueries::putKeySentences(db, sectionKey, classLevel, useDu, text, readText);
    });
}

bool App::PutSentences2Category(const QString &superCategory, const QString &mainCategory, const QString &subCategory,
                                const QString &section, int classLevel, bool useDu, const QString &text,
                                const std::optional<QString> &readText)
{
    return writeToStoredFile(*this, [&](Database &db) {
        return SentenceQueries::putSectionSentences(db, superCategory, mainCategory, subCategory, section, classLevel,
                                                    useDu, text, readText);
    });
}

QString App::GetSentences2CatNumber(int number, const QString &classLevel, bool useDu)
{
    return readList([&](Database &db) { return SentenceQueries::sentencesByNumber(db, number, classLevel, useDu); });
}

QString App::getSentence2Number(int number, int variant, const QString &classLevel, bool useDu)
{
    return readList(
        [&](Database &db) { return SentenceQueries::sentenceByNumber(db, number, variant, classLevel, useDu); });
}

QString App::getSentences2NumList(const QString &numList, const QString &classLevel)
{
    const bool useDu = pPrefs ? pPrefs->pUseDuSentences : false;
    return readList([&](Database &) {
        return SentenceQueries::expandNumberList([this]() -> Database & { return *pSentenceDB; }, numList, classLevel,
                                                 useDu);
    });
}
