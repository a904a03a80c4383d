// Opening the sentence database and the category and standard-phrase queries.
#include "app/App.h"
#include "framework/Folders.h"
#include "framework/MessageBox.h"
#include "framework/OpenDialog.h"
#include "store/CategoryQueries.h"
#include "store/DatabaseFiles.h"
#include "store/DatabaseProblem.h"
#include "store/SentenceImporter.h"

#include <QFileInfo>

#include <sqlite3.h>

using DatabaseFiles::openAsSentenceDatabase;

namespace {
// What the program says of a file that it cannot use as its sentence database.
QString noSentenceDatabaseText(const QString &name)
{
    return QStringLiteral("Die Datei „%1“ ist keine Satzdatenbank oder kann nicht geöffnet werden.").arg(name);
}
} // namespace

bool App::OpenSentenceDBwithName(const QString &name)
{
    // The open database is replaced only by one that opens.
    auto db = std::make_unique<SentenceDatabase>();
    QString path = name.trimmed().isEmpty() ? QString() : programFolderItem(name);
    bool chosenByUser = false;
    // A file that is missing, or there but no sentence database (corrupt, a
    // folder, no name at all), is asked for until one opens or the user cancels.
    while (!openAsSentenceDatabase(*db, path)) {
        // A chosen file that will not do is named before the chooser opens again.
        if (chosenByUser)
            ShowOKDialog(QStringLiteral("Keine Satzdatenbank!"),
                         noSentenceDatabaseText(QFileInfo(path).fileName())
                             + QStringLiteral(" Bitte wählen Sie eine andere Datei aus."),
                         QString());
        path = ChooseDB();
        chosenByUser = true;
        if (path.isEmpty())
            return false;
    }
    if (db->InUse() || db->IsReadOnly()) {
        Beep();
        MsgBox(QStringLiteral("Satzdatenbank wird schon verwendet!"));
    } else {
        // Files made before the queries had their indexes get them now.
        SentenceImporter::createIndexes(*db);
    }
    pSentenceDB = std::move(db);
    if (chosenByUser && pPrefs)
        pPrefs->SetSentencesDBName(QFileInfo(path).fileName());
    return true;
}

bool App::ReopenSentenceDB()
{
    auto db = std::make_unique<SentenceDatabase>();
    if (!openAsSentenceDatabase(*db, pSentenceDB->DatabaseFile()))
        return false;
    pSentenceDB = std::move(db);
    return true;
}

bool App::ReopenAfterFailure(int sqliteCode)
{
    return pSentenceDB->isConnected()
           && (pSentenceDB->FileReplaced() || (sqliteCode != 0 && freshConnectionMayCure(sqliteCode)))
           && ReopenSentenceDB();
}

QString App::readList(const std::function<QString(Database &)> &read)
{
    const QString list = read(*pSentenceDB);
    if (pSentenceDB->Error() && ReopenAfterFailure(pSentenceDB->ExtendedErrorCode()))
        return read(*pSentenceDB);
    return list;
}

bool App::SwitchSentenceDB(const QString &name)
{
    const QString path = programFolderItem(name);
    const QString shownName = name.trimmed().isEmpty() ? QStringLiteral("(ohne Namen)") : name;
    const QString kept = QStringLiteral(" Die bisherige Datenbank bleibt geöffnet.");
    // A file there is checked first; a missing one is asked for by the opening.
    if (!name.trimmed().isEmpty() && QFileInfo::exists(path)) {
        SentenceDatabase probe;
        if (!openAsSentenceDatabase(probe, path)) {
            MsgBox(noSentenceDatabaseText(shownName) + kept);
            return false;
        }
    }
    pSentenceDB->Commit();
    const QString storedBefore = pPrefs ? pPrefs->GetSentencesDBName() : QString();
    // Failing here, the named file was missing and the user cancelled the chooser.
    if (!OpenSentenceDBwithName(name)) {
        MsgBox(QStringLiteral("Die Datei „%1“ wurde im Programmordner nicht gefunden.").arg(shownName) + kept);
        return false;
    }
    // A file chosen in the opening's dialog has stored its own name.
    if (pPrefs && pPrefs->GetSentencesDBName() == storedBefore)
        pPrefs->SetSentencesDBName(name);
    return true;
}

QString App::ChooseDB()
{
    return showOpenDialog(QStringLiteral("VMRan/SentenceDB"), QStringLiteral("Datenbank auswählen..."),
                          QStringLiteral("Bitte Datenbank mit den Formulierungshilfen auswählen"), programFolder());
}

namespace {
// A reading of the named column of every row of the statement.
std::function<QString(Database &)> columnOf(const SqlStatement &statement, const QString &column)
{
    return [statement, column](Database &db) { return CategoryQueries::columnList(db, statement, column); };
}
} // namespace

int App::GetSuperCategories(const QString &classLevel)
{
    pVMSuperCategories.clear();
    pVMSuperCategories =
        readList(columnOf(CategoryQueries::superCategoriesStatement(classLevel), QStringLiteral("Oberkategorie")));
    return 0;
}

QString App::GetMainCats(const QString &classLevel, const QString &superCategory)
{
    return readList(
        columnOf(CategoryQueries::mainCategoriesStatement(classLevel, superCategory), QStringLiteral("Kategorie")));
}

QString App::GetSubCats(const QString &classLevel, const QString &superCategory, const QString &mainCategory)
{
    return readList(columnOf(CategoryQueries::subCategoriesStatement(classLevel, superCategory, mainCategory),
                             QStringLiteral("Subkategorie")));
}

QString App::GetSubCatSections(const QString &classLevel, const QString &superCategory,
                               const QString &mainCategory, const QString &subCategory)
{
    return readList(columnOf(CategoryQueries::sectionsStatement(classLevel, superCategory, mainCategory, subCategory),
                             QStringLiteral("Note")));
}

int App::GetCategories(const QString &classLevel)
{
    auto lists = CategoryQueries::categories(*pSentenceDB, classLevel);
    if (!lists.read && ReopenAfterFailure(pSentenceDB->ExtendedErrorCode()))
        lists = CategoryQueries::categories(*pSentenceDB, classLevel);
    // A file emptied, damaged or held by another program reads nothing: the lists read before stay.
    // Without an open database there is nothing to read, and the lists are empty.
    if (!lists.read && pSentenceDB->isConnected())
        return -1;
    pVMCategories = lists.categories;
    pVMCategoriesSuperCat = lists.superCategories;
    pVMCategoryPaths = std::move(lists.paths);
    return 0;
}

QString App::readProblemText() const
{
    // An emptied or replaced file reads as one without tables; a table missing means no sentence database.
    if (pSentenceDB->FileReplaced())
        return databaseProblemText(SQLITE_READONLY_DBMOVED);
    return databaseProblemText(pSentenceDB->ErrorCode() == SQLITE_ERROR ? SQLITE_CORRUPT
                                                                         : pSentenceDB->ExtendedErrorCode());
}

int App::GetStdCategories()
{
    pStdVMCategories.clear();
    pStdVMCategories = readList(columnOf(CategoryQueries::stdCategoriesStatement(), QStringLiteral("Kategorie")));
    return 0;
}

QString App::GetSentences2CategoryStd(const QString &category)
{
    return readList(columnOf(CategoryQueries::stdSentencesStatement(category), QStringLiteral("Sentence")));
}

QString App::GetAppendices2StdSentences(const QString &category, int phraseNumber)
{
    return readList(
        columnOf(CategoryQueries::stdAppendicesStatement(category, phraseNumber), QStringLiteral("Sentence")));
}
