#pragma once
// The one application object: the state every window shares and the
// operations of the store, forming, transfer and dialogs. Its methods are
// defined in the folder of the subsystem they belong to.
#include "app/VersionInfo.h"
#include "prefs/PreferencesClass.h"
#include "store/SentenceDatabase.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class BevelButton;
class Menu;
class SentenceWindow;

class App : public QObject
{
    Q_OBJECT
public:
    App();
    ~App() override;

    Menu *MenuBar() const { return m_menu.get(); }

    // Application events.
    void Open();
    void Close();
    void Deactivate();
    void EnableMenuItems();

    // Menu handlers; each returns false.
    bool _AboutMenuItem_Action();
    bool _EditPrefsMenuItem_Action();
    bool _AppleWWWSupport_Action();
    bool _FileImportTabText_Action();
    bool _FileQuit_Action();
    bool _Search4UpdatesItem_Action();

    // Requests to the main product.
    int GetCategoriesFromVM4();
    int GetCategoriesFromVM5();
    QString VM5_GetSentences2Category(const QString &category, int number);
    int SendSimpleAE(const QString &eventClass, const QString &eventID, const QString &target,
                     QString &reply);
    void ShowVMNotRunningDialog();
    int VM5SwitchProgPart(int part);
    int VMGetProgPart(QString &part);
    int LaunchVM();

    // Forming and transfer.
    int TransferSentence(const QString &sentence);
    QString VM_formSentence(const QString &sentence, bool male, const QString &name);
    QString VM_getPart(const QString &group, bool male);

    // Sentences by number.
    QString getSentence2Number(int number, int variant, const QString &classLevel, bool useDu);
    QString getSentences2NumList(const QString &numList, const QString &classLevel);
    QString GetSentences2CatNumber(int number, const QString &classLevel, bool useDu);

    // Target application and link lock.
    void setTargetProcessName();
    bool SelectTargetApp();
    bool chooseTargetProcessNameAndCreator(QString &processName, QString &creator);
    void ToggleLinkLock(BevelButton *button);
    void SetLinkLock(BevelButton *button, bool locked);

    // Preferences.
    PreferencesClass ReadPrefs();
    // False when the file could not be written; a message has said why.
    bool SavePrefs(const PreferencesClass &prefs);

    void ShowKDLhomepage();
    void ShowOKDialog(const QString &header, const QString &text, const QString &caption);
    void ShowOKSheetDialog(const QString &header, const QString &text, const QString &caption);

    // The sentence database and its queries.
    bool OpenSentenceDBwithName(const QString &name);
    // Replaces the open database by the named one only when that opens as a
    // sentence database, and stores its name; otherwise says so and keeps the old.
    bool SwitchSentenceDB(const QString &name);
    QString ChooseDB();
    // 0, or -1 when the database could not be read (the lists stay as they were).
    int GetCategories(const QString &classLevel);
    // Why the last read of the sentence database failed, in whole German sentences.
    QString readProblemText() const;
    int GetStdCategories();
    int GetSuperCategories(const QString &classLevel);
    QString GetMainCats(const QString &classLevel, const QString &superCategory);
    QString GetSubCats(const QString &classLevel, const QString &superCategory, const QString &mainCategory);
    QString GetSubCatSections(const QString &classLevel, const QString &superCategory,
                              const QString &mainCategory, const QString &subCategory);
    QString GetSentences2CategoryStd(const QString &category);
    QString GetAppendices2StdSentences(const QString &category, int phraseNumber);

    // Sentence lists of a section, random pick and write-back.
    QString GetSentences2Category(const QString &sectionKey, int classLevel, bool useDu, bool withNumbers);
    QString GetSentences2Category(const QString &superCategory, const QString &mainCategory,
                                  const QString &subCategory, const QString &section, int classLevel, bool useDu,
                                  bool withNumbers);
    QString GetRandSentence2Category(const QString &superCategory, const QString &mainCategory,
                                     const QString &subCategory, const QString &section, int classLevel,
                                     bool useDu);
    // True only when the text was written to exactly one stored section;
    // otherwise pWriteBackProblem says why in plain German words. With
    // readText (the variants as the edited list was read), a section changed
    // elsewhere since is left as it is. A database file replaced under the
    // running program is opened anew first, and the text written there.
    bool PutSentences2Category(const QString &sectionKey, int classLevel, bool useDu, const QString &text,
                               const std::optional<QString> &readText = std::nullopt);
    bool PutSentences2Category(const QString &superCategory, const QString &mainCategory,
                               const QString &subCategory, const QString &section, int classLevel, bool useDu,
                               const QString &text, const std::optional<QString> &readText = std::nullopt);
    // Opens the file now at the open database's path in its place; false
    // (the old connection kept) when it is no sentence database.
    bool ReopenSentenceDB();
    // After work on the open database failed with SQLite's result code (0 for
    // a reason of the work's own): true when the file was replaced or the
    // failure is one a fresh connection may cure, and the file now at the path
    // opened in place of the connection, so that the work may run once more.
    bool ReopenAfterFailure(int sqliteCode);
    // A list read from the open database, read once more after a failure that
    // ReopenAfterFailure cures.
    QString readList(const std::function<QString(Database &)> &read);

    // The importer.
    bool ImportSentencesFromTabDelimFile();
    bool CreateDB(const QString &name);
    bool InsertDBRec(const QString &superCategory, const QString &mainCategory, const QString &subCategory,
                     int section, int startClass, int endClass, int number, const QString &sentences,
                     const QString &duSentences);
    bool InsertStdDBRec(const QString &category, int categoryNumber, int phraseNumber, int appendixNumber,
                        const QString &sentence);

    void Search4Updates();
    // Quits; false when an edit that could not be saved keeps the program
    // open, or when a save of the sentence list runs: the quit then follows it.
    bool DoQuit();
    // Saves what quitting saves, the open cell's edit and the preferences,
    // and goes on; false when something was not saved (a message said so,
    // when showing messages is allowed). While a save of the sentence list
    // runs, the preferences are saved now and the edit after that save.
    bool saveForSessionEnd(bool mayShowMessages = true);
    void TestMutex() {}
    void CloseMutex() {}

    // Shared state, in the order the program declares it.
    QString pVMCategories;
    std::unique_ptr<VersionInfo> pVersionInfo;
    std::unique_ptr<PreferencesClass> pPrefs;
    bool pIsStartingUp = false;
    bool pFirstLaunch = false;
    std::unique_ptr<SentenceDatabase> pSentenceDB;
    QString pWriteBackProblem;
    QString pStdVMCategories;
    bool pAppIsStartingUp = false;
    QString pVMSuperCategories;
    QString pVMMainCategories;
    QString pVMSubCategories;
    QString pVMSubCatSections;
    QString pVMCategoriesSuperCat;
    // Row for row of the two lists above: super-category, main category and
    // sub-category, apart, as no splitting of a line can give them.
    QList<QStringList> pVMCategoryPaths;

private:
    void registerMenuHandlers();
    // Carries out the requests that waited for the sentence list's saves.
    void carryOutWaitingRequests();
    void waitForSaves(SentenceWindow *window);

    std::unique_ptr<Menu> m_menu;
    // While set, ShowOKDialog shows nothing: the session manager allows no dialog.
    bool m_messagesHeld = false;
    // A quit runs (it may wait in a message); another request to quit is the same one.
    bool m_quitRunning = false;
    // Requests that came while the sentence list was being saved; the session's save keeps its leave to ask.
    bool m_quitWaiting = false;
    std::optional<bool> m_sessionSaveWaiting;
};

// The application object, reachable from everywhere while it exists.
App &app();
// Whether an application object exists (tests make and drop their own).
bool hasApp();
