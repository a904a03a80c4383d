// The importer of tab-delimited sentence collections.
#include "app/App.h"
#include "framework/Files.h"
#include "framework/Folders.h"
#include "framework/MessageBox.h"
#include "framework/OpenDialog.h"
#include "store/DatabaseFiles.h"
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

const QString kDatabaseName = QStringLiteral("Formulierungshilfen.rbd");

// The database's error after a failed row; never empty, so that it stops the import.
QString failedRowText(const Database &db)
{
    return db.ErrorMessage().isEmpty() ? QStringLiteral("Datensatz nicht gespeichert") : db.ErrorMessage();
}

// Ends the open transaction of the new database; the database's error text
// when that fails, else "".
QString commitImport(Database &db)
{
    db.Commit();
    return db.Error() ? db.ErrorMessage() : QString();
}
} // namespace

bool App::ImportSentencesFromTabDelimFile()
{
    const QString sentencesPath
        = chooseTabFile(QStringLiteral("Bitte wählen Sie das Textdokument mit den Formulierungshilfen aus:"));
    if (sentencesPath.isEmpty())
        return false;
    // The database file must be one the import may replace, and no text file it reads.
    const QString path = programFolderItem(kDatabaseName);
    if (const QString refusal = DatabaseFiles::refusalToReplace(path, {sentencesPath}); !refusal.isEmpty()) {
        MsgBox(refusal);
        return false;
    }
    // The file is read before anything changes, so that an unreadable one
    // leaves the open database as it was.
    QStringList lines;
    QString errorText;
    if (!readLines(sentencesPath, lines, errorText)) {
        MsgBox(errorText);
        return false;
    }
    // The working database stays open until the new one is complete; the new
    // one is built under a temporary name, one transaction per file, and
    // stopped at the first failure.
    std::unique_ptr<SentenceDatabase> working = std::move(pSentenceDB);
    const auto abandon = [&](const QString &failure) {
        const QString tempPath = pSentenceDB ? pSentenceDB->DatabaseFile() : QString();
        pSentenceDB = std::move(working);
        if (!tempPath.isEmpty())
            removeDatabaseFile(tempPath);
        if (!failure.isEmpty())
            MsgBox(notReplacedText(programFolderItem(kDatabaseName), failure));
        return false;
    };
    if (!CreateDB(kDatabaseName))
        return abandon(QString());
    QString failure;
    Counts counts;
    importSentences(
        lines,
        [&](const SentenceRecord &r) {
            if (!failure.isEmpty())
                return false;
            if (InsertDBRec(r.superCategory, r.mainCategory, r.subCategory, r.section, r.startClass, r.endClass,
                            r.number, r.sentences, r.duSentences))
                return true;
            failure = failedRowText(*pSentenceDB);
            MsgBox(sentenceRowFailedText());
            return false;
        },
        counts);
    if (failure.isEmpty() && !createIndexes(*pSentenceDB))
        failure = pSentenceDB->ErrorMessage();
    if (failure.isEmpty())
        failure = commitImport(*pSentenceDB);
    if (!failure.isEmpty())
        return abandon(failure);
    counts.rowsStored = storedRows(*pSentenceDB, QStringLiteral("Saetze"));
    MsgBox(sentencesSummary(counts));

    const QString stdPhrasesPath
        = chooseTabFile(QStringLiteral("Bitte wählen Sie das Textdokument mit den Standardformulierungen aus:"));
    if (!stdPhrasesPath.isEmpty()) {
        if (const QString refusal = DatabaseFiles::refusalToReplace(path, {stdPhrasesPath}); !refusal.isEmpty()) {
            MsgBox(refusal);
            return abandon(QString());
        }
        if (readLines(stdPhrasesPath, lines, errorText)) {
            pSentenceDB->SQLExecute(QStringLiteral("BEGIN"));
            importStdPhrases(
                lines,
                [&](const StdPhraseRecord &r) {
                    if (!failure.isEmpty())
                        return false;
                    if (InsertStdDBRec(r.category, r.categoryNumber, r.phraseNumber, r.appendixNumber, r.sentence))
                        return true;
                    failure = failedRowText(*pSentenceDB);
                    MsgBox(stdPhraseFailedText());
                    return false;
                },
                counts);
            if (failure.isEmpty())
                failure = commitImport(*pSentenceDB);
            if (!failure.isEmpty())
                return abandon(failure);
        } else {
            MsgBox(errorText);
        }
    }
    MsgBox(stdPhrasesSummary(counts));

    const QString tempPath = pSentenceDB->DatabaseFile();
    pSentenceDB->Close();
    working.reset();
    if (QFileInfo(path).isDir() || !installDatabaseFile(tempPath, path)) {
        removeDatabaseFile(tempPath);
        MsgBox(notReplacedText(path, QStringLiteral("Die neue Datei kann nicht an ihren Platz gestellt werden.")));
    }
    MsgBox(QStringLiteral("Das Programm wird nun beendet und kann neu gestartet werden!"));
    QCoreApplication::exit(0);
    return false;
}

bool App::CreateDB(const QString &name)
{
    // The new file is made under a temporary name of its own beside the file
    // it is to replace (the one a link leads to) and replaces it only when the
    // import is complete.
    const QString path = programFolderItem(name);
    auto db = std::make_unique<SentenceDatabase>();
    QStringList tableErrors;
    // A folder that takes no new file is named with the reason; a database
    // SQLite cannot make gets the importer's short message.
    QString notMade;
    const QString tempPath
        = QFileInfo(path).isDir() ? QString() : DatabaseFiles::createTemporaryBeside(writtenFile(path), notMade);
    if (tempPath.isEmpty() || !createDatabaseFile(*db, tempPath, tableErrors)) {
        removeDatabaseFile(tempPath);
        MsgBox(notMade.isEmpty() ? QStringLiteral("Database not created") : notMade);
        return false;
    }
    for (const QString &error : tableErrors)
        MsgBox(error);
    db->SQLExecute(QStringLiteral("BEGIN"));
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
    return stored;
}

bool App::InsertStdDBRec(const QString &category, int categoryNumber, int phraseNumber, int appendixNumber,
                         const QString &sentence)
{
    const StdPhraseRecord record{category, categoryNumber, phraseNumber, appendixNumber, sentence};
    const bool stored = insertStdPhraseRecord(*pSentenceDB, record);
    if (!stored)
        MsgBox(stdPhraseErrorText(pSentenceDB->ErrorMessage(), record));
    return stored;
}
