#pragma once
// Writes a large sentence collection in the importer's format: two
// tab-delimited MacRoman files, the sentences grouped into rows by number
// and class range, spread over many criteria (category paths).
#include <QString>
#include <QStringList>

struct CollectionSize
{
    int rows = 50000;    // rows of Saetze the importer makes
    int criteria = 2000; // distinct super-, main- and sub-category paths
};

struct GeneratedCollection
{
    int sentenceLines = 0;
    int rows = 0;
    int stdLines = 0;
};

// The super-, main- and sub-category of criterion i (0-based).
QString generatedSuperCategory(int criterion);
QString generatedMainCategory(int criterion);
QString generatedSubCategory(int criterion);

// False when a file cannot be written.
bool writeCollection(const QString &sentencesPath, const QString &stdPhrasesPath, const CollectionSize &size,
                     GeneratedCollection &written);
