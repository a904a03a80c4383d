// Opening the sentence database and the category and standard-phrase queries.
#include "app/App.h"
#include "framework/Folders.h"
#include "framework/MessageBox.h"
#include "framework/OpenDialog.h"
#include "store/CategoryQueries.h"
#include "store/SentenceImporter.h"

#include <QFileInfo>

namespace {
// Connects db to path when the file holds the sentence table. A file that
// another program holds locked cannot be looked into and is taken as it is.
bool openAsSentenceDatabase(SentenceDatabase &db, const QString &path)
{
    if (path.isEmpty())
        return false;
    db.setDatabaseFile(path);
    if (!db.Connect())
        return false;
    if (db.InUse())
        return true;
    const auto rs = db.SQLSelect(
        QStringLiteral("SELECT count(*) AS n FROM sqlite_master WHERE type = 'table' AND name = 'Saetze'"));
    if (rs && rs->Field(QStringLiteral("n")) == QStringLiteral("1"))
        return true;
    db.Close();
    return false;
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

bool App::SwitchSentenceDB(const QString &name)
{
    const QString path = programFolderItem(name);
    const QString shownName = name.trimmed().isEmpty() ? QStringLiteral("(ohne Namen)") : name;
    const QString refused = QStringLiteral("Die Datei „%1“ ist keine Satzdatenbank oder kann nicht geöffnet werden. "
                                           "Die bisherige Datenbank bleibt geöffnet.")
                                .arg(shownName);
    // A file there is checked first; a missing one is asked for by the opening.
    if (!name.trimmed().isEmpty() && QFileInfo::exists(path)) {
        SentenceDatabase probe;
        if (!openAsSentenceDatabase(probe, path)) {
            MsgBox(refused);
            return false;
        }
    }
    pSentenceDB->Commit();
    const QString storedBefore = pPrefs ? pPrefs->GetSentencesDBName() : QString();
    if (!OpenSentenceDBwithName(name)) {
        MsgBox(refused);
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

int App::GetSuperCategories(const QString &classLevel)
{
    pVMSuperCategories.clear();
    pVMSuperCategories =
        CategoryQueries::columnList(*pSentenceDB, CategoryQueries::superCategoriesStatement(classLevel),
                                    QStringLiteral("Oberkategorie"));
    return 0;
}

QString App::GetMainCats(const QString &classLevel, const QString &superCategory)
{
    return CategoryQueries::columnList(*pSentenceDB, CategoryQueries::mainCategoriesStatement(classLevel, superCategory),
                                       QStringLiteral("Kategorie"));
}

QString App::GetSubCats(const QString &classLevel, const QString &superCategory, const QString &mainCategory)
{
    return CategoryQueries::columnList(
        *pSentenceDB, CategoryQueries::subCategoriesStatement(classLevel, superCategory, mainCategory),
        QStringLiteral("Subkategorie"));
}

QString App::GetSubCatSections(const QString &classLevel, const QString &superCategory,
                               const QString &mainCategory, const QString &subCategory)
{
    return CategoryQueries::columnList(
        *pSentenceDB, CategoryQueries::sectionsStatement(classLevel, superCategory, mainCategory, subCategory),
        QStringLiteral("Note"));
}

int App::GetCategories(const QString &classLevel)
{
    pVMCategories.clear();
    pVMCategoriesSuperCat.clear();
    const auto lists = CategoryQueries::categories(*pSentenceDB, classLevel);
    pVMCategories = lists.categories;
    pVMCategoriesSuperCat = lists.superCategories;
    return 0;
}

int App::GetStdCategories()
{
    pStdVMCategories.clear();
    pStdVMCategories = CategoryQueries::columnList(*pSentenceDB, CategoryQueries::stdCategoriesStatement(),
                                                   QStringLiteral("Kategorie"));
    return 0;
}

QString App::GetSentences2CategoryStd(const QString &category)
{
    return CategoryQueries::columnList(*pSentenceDB, CategoryQueries::stdSentencesStatement(category),
                                       QStringLiteral("Sentence"));
}

QString App::GetAppendices2StdSentences(const QString &category, int phraseNumber)
{
    return CategoryQueries::columnList(*pSentenceDB, CategoryQueries::stdAppendicesStatement(category, phraseNumber),
                                       QStringLiteral("Sentence"));
}
