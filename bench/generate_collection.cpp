// sentence-collection-generator SENTENCES.txt STDPHRASES.txt [ROWS [CRITERIA]]
// Writes a large sentence collection in the importer's format.
#include "CollectionGenerator.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3 || args.size() > 5) {
        std::fprintf(stderr, "usage: sentence-collection-generator SENTENCES.txt STDPHRASES.txt [ROWS [CRITERIA]]\n");
        return 2;
    }
    CollectionSize size;
    if (args.size() > 3)
        size.rows = args.at(3).toInt();
    if (args.size() > 4)
        size.criteria = args.at(4).toInt();
    if (size.rows < 1 || size.criteria < 1) {
        std::fprintf(stderr, "ROWS and CRITERIA must be positive\n");
        return 2;
    }
    GeneratedCollection written;
    if (!writeCollection(args.at(1), args.at(2), size, written)) {
        std::fprintf(stderr, "cannot write the collection\n");
        return 1;
    }
    std::printf("%d lines, %d rows, %d criteria; %d standard-phrase lines\n", written.sentenceLines, written.rows,
                size.criteria, written.stdLines);
    return 0;
}
