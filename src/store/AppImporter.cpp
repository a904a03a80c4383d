// The importer of tab-delimited sentence collections.
#include "app/App.h"
#include "framework/Folders.h"
#include "framework/MessageBox.h"
#include "framework/OpenDialog.h"
#include "store/SentenceImporter.h"

#include <QCoreApplication>
#include <QFileInfo>

using namespace SentenceImporter;

namespace {
QString chooseTabFile(const QString &prompt)
{
    return showOpenDialog(QStringLiteral("application/text"), QStringLiteral("Texttabelle öffnen..."), prompt,
                          programFolder());
}
} // namespace

bool App::ImportSentencesFromTabDelimFile()
{
    const QString sentencesPath
        = chooseTabFile(QStringLiteral("Bitte wählen Sie das Textdokument mit den Formulierungshilfen aus:"));
    if (sentencesPath.isEmpty())
        return false;
    // The file is read before anything changes, so that an unreadable one
    // leaves the open database as it was.
    QStringList lines;
    QString errorText;
    if (!readLines(sentencesPath, lines, errorText)) {
        MsgBox(errorText);
        return false;
    }
    pSentenceDB->Close();
    if (!CreateDB(QStringLiteral("Formulierungshilfen.rbd"))) {
        MsgBox(QStringLiteral("Database not created"));
        // The old file is still in place: keep working with it.
        pSentenceDB->Connect();
        return false;
    }
    Counts counts;
    importSentences(
        lines,
        [this](const SentenceRecord &r) {
            const bool stored = InsertDBRec(r.superCategory, r.mainCategory, r.subCategory, r.section, r.startClass,
                                            r.endClass, r.number, r.sentences, r.duSentences);
            if (!stored)
                MsgBox(sentenceRowFailedText());
            return stored;
        },
        counts);
    MsgBox(sentencesSummary(counts));

    const QString stdPhrasesPath
        = chooseTabFile(QStringLiteral("Bitte wählen Sie das Textdokument mit den Standardformulierungen aus:"));
    if (!stdPhrasesPath.isEmpty()) {
        if (readLines(stdPhrasesPath, lines, errorText)) {
            importStdPhrases(
                lines,
                [this](const StdPhraseRecord &r) {
                    const bool stored
                        = InsertStdDBRec(r.category, r.categoryNumber, r.phraseNumber, r.appendixNumber, r.sentence);
                    if (!stored)
                        MsgBox(stdPhraseFailedText());
                    return stored;
                },
                counts);
        } else {
            MsgBox(errorText);
        }
    }
    MsgBox(stdPhrasesSummary(counts));

    pSentenceDB->Close();
    MsgBox(QStringLiteral("Das Programm wird nun beendet und kann neu gestartet werden!"));
    QCoreApplication::exit(0);
    return false;
}

bool App::CreateDB(const QString &name)
{
    // The new file is made under a temporary name and replaces the old one
    // only once it is connected: a failure leaves the old database intact.
    const QString path = programFolderItem(name);
    const QString tempPath = temporaryPathFor(path);
    auto db = std::make_unique<SentenceDatabase>();
    QStringList tableErrors;
    if (!createDatabaseFile(*db, tempPath, tableErrors)) {
        removeDatabaseFile(tempPath);
        return false;
    }
    for (const QString &error : tableErrors)
        MsgBox(error);
    db->Close();
    if (QFileInfo(path).isDir() || !installDatabaseFile(tempPath, path)) {
        removeDatabaseFile(tempPath);
        return false;
    }
    db->setDatabaseFile(path);
    if (!db->Connect())
        return false;
    pSentenceDB = std::move(db);
    return true;
}

bool App::InsertDBRec(const QString &superCategory, const QString &mainCategory, const QString &subCategory,
                      int section, int startClass, int endClass, int number, const QString &sentences,
                      const QString &duSentences)
{
    const SentenceRecord record{superCategory, mainCategory, subCategory, section,    startClass,
                                endClass,      number,       sentences,   duSentences};
    const bool stored = insertSentenceRecord(*pSentenceDB, record);
    if (!stored)
        MsgBox(sentenceErrorText(pSentenceDB->ErrorMessage(), record));
    pSentenceDB->Commit();
    return stored;
}

bool App::InsertStdDBRec(const QString &category, int categoryNumber, int phraseNumber, int appendixNumber,
                         const QString &sentence)
{
    const StdPhraseRecord record{category, categoryNumber, phraseNumber, appendixNumber, sentence};
    const bool stored = insertStdPhraseRecord(*pSentenceDB, record);
    if (!stored)
        MsgBox(stdPhraseErrorText(pSentenceDB->ErrorMessage(), record));
    pSentenceDB->Commit();
    return stored;
}
