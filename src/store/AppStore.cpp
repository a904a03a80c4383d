// Opening the sentence database and the category and standard-phrase queries.
#include "app/App.h"
#include "framework/Folders.h"
#include "framework/MessageBox.h"
#include "framework/OpenDialog.h"
#include "store/CategoryQueries.h"

#include <QFileInfo>

namespace {
// A file without any write permission counts as in use, also for a user
// (such as root) whom the system would let write it all the same.
bool isWritableFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isWritable()
           && (info.permissions() & (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther));
}
} // namespace

bool App::OpenSentenceDBwithName(const QString &name)
{
    pSentenceDB = std::make_unique<SentenceDatabase>();
    QString path = programFolderItem(name);
    // A file that is not there is not "in use": the chooser below handles it.
    if (QFileInfo::exists(path) && !isWritableFile(path)) {
        Beep();
        MsgBox(QStringLiteral("Satzdatenbank wird schon verwendet!"));
    }
    bool chosenByUser = false;
    if (!QFileInfo::exists(path)) {
        path = ChooseDB();
        chosenByUser = true;
    }
    if (path.isEmpty())
        return false;
    pSentenceDB->setDatabaseFile(path);
    const bool connected = pSentenceDB->Connect();
    if (connected && chosenByUser)
        pPrefs->SetSentencesDBName(QFileInfo(path).fileName());
    return connected;
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
        CategoryQueries::columnList(*pSentenceDB, CategoryQueries::superCategoriesSql(classLevel),
                                    QStringLiteral("Oberkategorie"));
    return 0;
}

QString App::GetMainCats(const QString &classLevel, const QString &superCategory)
{
    return CategoryQueries::columnList(*pSentenceDB, CategoryQueries::mainCategoriesSql(classLevel, superCategory),
                                       QStringLiteral("Kategorie"));
}

QString App::GetSubCats(const QString &classLevel, const QString &superCategory, const QString &mainCategory)
{
    return CategoryQueries::columnList(
        *pSentenceDB, CategoryQueries::subCategoriesSql(classLevel, superCategory, mainCategory),
        QStringLiteral("Subkategorie"));
}

QString App::GetSubCatSections(const QString &classLevel, const QString &superCategory,
                               const QString &mainCategory, const QString &subCategory)
{
    return CategoryQueries::columnList(
        *pSentenceDB, CategoryQueries::sectionsSql(classLevel, superCategory, mainCategory, subCategory),
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
    pStdVMCategories = CategoryQueries::columnList(*pSentenceDB, CategoryQueries::stdCategoriesSql(),
                                                   QStringLiteral("Kategorie"));
    return 0;
}

QString App::GetSentences2CategoryStd(const QString &category)
{
    return CategoryQueries::columnList(*pSentenceDB, CategoryQueries::stdSentencesSql(category),
                                       QStringLiteral("Sentence"));
}

QString App::GetAppendices2StdSentences(const QString &category, int phraseNumber)
{
    return CategoryQueries::columnList(*pSentenceDB, CategoryQueries::stdAppendicesSql(category, phraseNumber),
                                       QStringLiteral("Sentence"));
}
