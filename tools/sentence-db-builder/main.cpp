// sentence-db-builder SENTENCES.txt STDPHRASES.txt OUT.rbd
// Builds a sentence database from the two tab-delimited MacRoman files with
// the importer's own reading, grouping and insertion, and prints the
// importer's German messages; a failure is told with its reason in German.
#include "framework/TerminationCleanup.h"
#include "store/SentenceImporter.h"

#include <QCoreApplication>
#include <QStringList>

#include <csignal>
#include <cstdio>

int main(int argc, char **argv)
{
    // A file-size limit makes the write fail instead of ending the tool, so
    // that the temporary file is removed and the failure reported.
    std::signal(SIGXFSZ, SIG_IGN);
    // Ctrl+C or a SIGTERM in the middle of a build leaves no temporary file.
    removeNamedFilesOnTermination();
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: sentence-db-builder SENTENCES.txt STDPHRASES.txt OUT.rbd\n");
        return 2;
    }
    SentenceImporter::Counts counts;
    QStringList messages;
    const bool built = SentenceImporter::buildDatabase(args.at(1), args.at(2), args.at(3), counts, messages);
    std::FILE *out = built ? stdout : stderr;
    for (const QString &message : messages)
        std::fprintf(out, "%s\n", message.toUtf8().constData());
    return built ? 0 : 1;
}
