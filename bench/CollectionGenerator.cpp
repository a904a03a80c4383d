#include "CollectionGenerator.h"

#include "framework/MacRoman.h"

#include <QFile>

namespace {
const char *const kSuper[] = {"Normalform", "Kurzform", "Förderhinweise", "Langform"};
const char *const kVerbs[] = {"arbeitet", "beteiligt sich", "zeigt Einsatz", "hört zu", "löst Aufgaben"};
const char *const kManner[] = {"stets äußerst sorgfältig", "meist zuverlässig", "überwiegend selbstständig",
                               "gelegentlich zögerlich", "noch unsicher"};
constexpr int kSections = 5;
// Class ranges 1-2, 3-4, ... 9-10: every class is covered.
constexpr int kClassRanges = 5;

QString variant(int row, int v, bool du)
{
    const int verb = (row + v) % 5;
    const int manner = (row / 5 + v) % 5;
    if (du)
        return QStringLiteral("Du %1 %2 (Satz %3).")
            .arg(QString::fromUtf8(kVerbs[verb]), QString::fromUtf8(kManner[manner]))
            .arg(row);
    return QStringLiteral("_ %1 %2, #er/sie# ist #ein Schüler/eine Schülerin# mit Ausdauer (Satz %3).")
        .arg(QString::fromUtf8(kVerbs[verb]), QString::fromUtf8(kManner[manner]))
        .arg(row);
}
} // namespace

QString generatedSuperCategory(int criterion)
{
    return QString::fromUtf8(kSuper[criterion % 4]);
}

QString generatedMainCategory(int criterion)
{
    return QStringLiteral("Fach %1").arg(criterion / 40 + 1);
}

QString generatedSubCategory(int criterion)
{
    return QStringLiteral("Kriterium %1 für %2").arg(criterion + 1).arg(generatedSuperCategory(criterion));
}

bool writeCollection(const QString &sentencesPath, const QString &stdPhrasesPath, const CollectionSize &size,
                     GeneratedCollection &written)
{
    written = {};
    QFile sentences(sentencesPath);
    QFile phrases(stdPhrasesPath);
    if (!sentences.open(QIODevice::WriteOnly) || !phrases.open(QIODevice::WriteOnly))
        return false;
    const int perCriterion = std::max(1, size.rows / std::max(1, size.criteria));
    QByteArray out;
    for (int row = 0; row < size.rows; ++row) {
        const int criterion = (row / perCriterion) % size.criteria;
        const int slot = row % perCriterion;
        const int section = slot % kSections + 1;
        const int range = (slot / kSections) % kClassRanges;
        const QString startClass = QString::number(range * 2 + 1);
        const QString endClass = QString::number(range * 2 + 2);
        const bool withDu = criterion % 4 == 0;
        const int variants = 2 + row % 3;
        for (int v = 1; v <= variants; ++v) {
            const QStringList fields{generatedSuperCategory(criterion),
                                     QString::number(section),
                                     QString::number(row + 1),
                                     QStringLiteral("x"),
                                     generatedMainCategory(criterion),
                                     generatedSubCategory(criterion),
                                     variant(row, v, false),
                                     withDu ? variant(row, v, true) : QString(),
                                     startClass,
                                     endClass};
            out += toMacRoman(fields.join(u'\t'));
            out += '\r';
            ++written.sentenceLines;
        }
        ++written.rows;
        if (out.size() > (1 << 20)) {
            sentences.write(out);
            out.clear();
        }
    }
    sentences.write(out);
    out.clear();
    for (int category = 1; category <= 20; ++category) {
        for (int phrase = 1; phrase <= 10; ++phrase) {
            for (int appendix = 0; appendix <= 2; ++appendix) {
                out += toMacRoman(QStringLiteral("Bereich %1\t%1\t%2\t%3\t_ hat im Bereich %1 Baustein %2.%3 erfüllt.")
                                      .arg(category)
                                      .arg(phrase)
                                      .arg(appendix));
                out += '\r';
                ++written.stdLines;
            }
        }
    }
    phrases.write(out);
    return sentences.error() == QFileDevice::NoError && phrases.error() == QFileDevice::NoError;
}
