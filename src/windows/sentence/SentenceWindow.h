#pragma once
// The main window "Velmora - Satzbausteine": the top bar (first name,
// gender, class level, actions), the five working pages of TabPanel1 and
// the bottom bar (transfer button, target application, link lock).
#include <QMainWindow>

#include <functional>

class BevelButton;
class EdgeLocks;
class ExtendedEditField;
class LittleArrows;
class Listbox;
class PopupMenu;
class QDrag;
class QFrame;
class QLabel;
class QMenu;
class QPainter;
class QTabWidget;

class SentenceWindow : public QMainWindow
{
    Q_OBJECT
public:
    SentenceWindow();
    ~SentenceWindow() override;

    // What SentenceListBox shows now.
    QString pCurrCategory;
    QString pCurrCatSection;
    int pCurrClass = 0;
    bool pCurrUseDu = false;
    bool pHasDirtyCell = false;
    bool pOrientingListBoxNeedsUpdate = false;

    // Controls, in the order they are made.
    QTabWidget *TabPanel1 = nullptr;
    Listbox *SuperCatListBox = nullptr;
    ExtendedEditField *PrenameEditField = nullptr;
    Listbox *MainCatListBox = nullptr;
    QLabel *StaticText1 = nullptr;
    Listbox *SubCatListBox = nullptr;
    PopupMenu *SexPopupMenu = nullptr;
    Listbox *SubCatSectionListBox = nullptr;
    QLabel *StaticText3 = nullptr;
    QLabel *StaticText4 = nullptr;
    Listbox *SentenceListBox = nullptr;
    QLabel *StaticText2 = nullptr;
    ExtendedEditField *CatNoEditField = nullptr;
    ExtendedEditField *SubNoEditField = nullptr;
    ExtendedEditField *SentenceEditField = nullptr;
    PopupMenu *CategoriesPopupMenu = nullptr;
    ExtendedEditField *NumListEditField = nullptr;
    PopupMenu *CatSectionPopupMenu = nullptr;
    QFrame *Line1 = nullptr;
    QLabel *StaticText5 = nullptr;
    QLabel *StaticText6 = nullptr;
    QLabel *StaticText7 = nullptr;
    Listbox *OrientingListBox = nullptr;
    QLabel *StaticText8 = nullptr;
    PopupMenu *ClassesPopupMenu = nullptr;
    BevelButton *TransferNumListButton = nullptr;
    ExtendedEditField *SentenceFromListField = nullptr;
    QLabel *StaticText9 = nullptr;
    PopupMenu *StdCategoriesPopupMenu = nullptr;
    Listbox *StandardSentencesListBox = nullptr;
    Listbox *StandardAppendicesListBox = nullptr;
    BevelButton *ActionsButton = nullptr;
    LittleArrows *LittleArrows1 = nullptr;
    QLabel *StaticText10 = nullptr;
    QLabel *StaticText11 = nullptr;
    ExtendedEditField *CompleteStdSentenceEditField = nullptr;
    QMenu *ActionsMenu = nullptr;

    // Bottom bar: target application and link lock
    QLabel *TargetProcNameField = nullptr;
    BevelButton *LockBevelButton = nullptr;
    void ShowTargetProcessName();
    void ShowBusyGettingTargetName();
    void LockBevelButton_Open();
    void LockBevelButton_Action();

    // Opening, class level, fonts, actions menu and menu commands.
    void Open();
    bool getContent(int classLevel);
    void setClassPopUp(int classLevel);
    void SetListFont(const QString &fontName, int fontSize);
    void UpdateListFont();
    void InitActionsMenuItems();
    bool _TransferMenuItem_Action();
    bool _PrintSentenceListItem_Action();
    void ClassesPopupMenu_Open();
    void ClassesPopupMenu_Change();
    void ActionsButton_Open();
    void ActionsButton_Action(const QString &rowText);

    // Page "Satzliste": cascade, sentence list, getters.
    void InitSuperCatList();
    void InitMainCatList();
    void InitSubCatList();
    void InitSubCatSectionList();
    void InitCategoriesPopUp();
    void InitSentenceList(const QString &text);
    void FillSentenceListBox();
    void FillSentenceListBox(const QString &superCategory, const QString &mainCategory,
                             const QString &subCategory, const QString &section, bool useDu);
    void updateSentenceFromList();
    QString getSex() const;
    QString getCategory() const;
    QString getSection() const;
    QString getName() const;
    QString getClass() const;
    QString getCurrSuperCategory() const;
    QString getCurrMainCategory() const;
    QString getCurrSubCategory() const;
    QString getCurrSection() const;
    void TabPanel1_Change();
    void SuperCatListBox_Change();
    void MainCatListBox_Change();
    void SubCatListBox_Change();
    void SubCatSectionListBox_Change();
    void PrenameEditField_TextChange();
    bool PrenameEditField_KeyDown(const QString &key);
    void SexPopupMenu_Open();
    void SexPopupMenu_Change();
    bool SentenceListBox_CellBackgroundPaint(QPainter &g, const QRect &cell, int row, int column);
    void SentenceListBox_DoubleClick();
    void SentenceListBox_Change();
    void CategoriesPopupMenu_Change();
    void CatSectionPopupMenu_Open();
    void CatSectionPopupMenu_Change();

    // Sentence-list editing.
    void SetSentenceListEditable(bool editable);
    bool IsSentenceListEditable() const;
    QString GetSentenceListBoxText() const;
    // Writes the list back to the section it shows; false (and a message
    // saying why) when the text did not reach it. The edit then counts as
    // unsaved until a later save reaches the section.
    bool SaveSentences();
    // Run before the list's section is left (another section, closing,
    // quitting): finishes an edit still open in a cell and saves it, or tries
    // once more to save an unsaved edit. When that fails too, the edited
    // variants go to the clipboard and a message says so; false then.
    // Leaving a section goes on; quitting stays once, for on X11 the
    // clipboard's text ends with its owner unless a clipboard manager takes
    // it, and the edit stays in the list to be saved again. beforeStaying runs
    // when a quit stays so, before the message waits for its answer.
    enum class Leaving { Section, Program };
    bool commitOpenCell(Leaving leaving = Leaving::Section, const std::function<void()> &beforeStaying = {});
    // An edit that did not reach the database is still held in the list.
    bool holdsUnsavedEdit() const { return m_unsavedEdit; }
    // A save of the list runs: finishing the open cell, waiting for the
    // database, or showing its message. savesEnded follows the last one.
    bool isSaving() const { return m_savesRunning > 0; }
    void SentenceListBox_CellGotFocus(int row, int column);
    void SentenceListBox_CellTextChange(int row, int column);
    void SentenceListBox_CellAction(int row, int column);

    // Transfer.
    QString GetTransferSentence();
    void DoTransfer();
    void sentenceDoubleClick();
    void TransferNumListButton_Action();
    bool TransferNumListButton_MouseDown(int x, int y);
    bool TransferNumListButton_MouseUp(int x, int y);
    bool SentenceListBox_DragRow(QDrag &drag, int row);
    bool StandardSentencesListBox_DragRow(QDrag &drag, int row);
    bool StandardAppendicesListBox_DragRow(QDrag &drag, int row);
    void StandardSentencesListBox_DoubleClick();
    void StandardAppendicesListBox_DoubleClick();

    // Pages "Nummerneingabe" and "Nummernliste".
    void updateSentence2Number();
    int getCatNo() const;
    int getSubNo() const;
    void LittleArrows1_Up();
    void LittleArrows1_Down();
    bool CatNoEditField_KeyDown(const QString &key);
    bool SubNoEditField_KeyDown(const QString &key);
    bool NumListEditField_KeyDown(const QString &key);
    void SubNoEditField_LostFocus();

    // Page "Orientierungsentwurf".
    void InitOrientingListBox();
    QString doOrientingListSentences();
    bool OrientingListBox_KeyDown(const QString &key);
    void OrientingListBox_CellTextChange(int row, int column);
    void OrientingListBox_CellLostFocus(int row, int column);
    bool OrientingListBox_CellBackgroundPaint(QPainter &g, const QRect &cell, int row, int column);

    // Page "Standardisierte Form".
    void InitStdCategoriesPopUp();
    void FillSentenceListBoxStd();
    void FillSentenceListBoxStdAppendix();
    QString getCategoryStd() const;
    QString formCompleteStdSentence();
    void FillCompleteStdSentence(const QString &text);
    QString GetCompleteStdSentence() const;
    void StdCategoriesPopupMenu_Change();
    void StandardSentencesListBox_Change();
    void StandardAppendicesListBox_Change();

signals:
    void savesEnded();

protected:
    void closeEvent(QCloseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;

private:
    // Layout: the controls, their pages and edge locks.
    void createControls();
    void runControlOpenEvents();
    void registerMenuHandlers();
    // Puts control on page (-1: the window outside the panel) at rect, locked to edges.
    void place(QWidget *control, int page, const QRect &rect, Qt::Edges edges);
    void showControlsOfPage(int page);
    QString formForPupil(const QString &text) const;
    void checkOrientingLevel(int row, int column, const QString &level);
    // Fills drag with the row of list formed for the pupil.
    bool dragFormedRow(QDrag &drag, const Listbox *list, int row) const;
    // Start-up is running, or the window's controls are opening: the
    // handlers that wait for the window's own content loading skip their work.
    bool startingUp() const;
    int shownClassLevel() const;

    QWidget *m_content = nullptr;
    EdgeLocks *m_locks = nullptr;
    QList<QPair<QWidget *, int>> m_pageControls;
    QList<QWidget *> m_hiddenControls;
    bool m_controlsOpening = false;
    // The categories of the rows SentenceListBox shows, as the fill that put
    // them there asked for them; no super-category after the legacy fill.
    struct ShownSection
    {
        QString superCategory;
        QString mainCategory;
        QString subCategory;
        // The variants as they were read, to tell a change stored elsewhere since.
        QString readText;
    } m_shownSection;
    // The list text as it is written back: without the Du-form notice and the trailing empty rows.
    QString sentenceListText() const;
    // The write-back without a message; false when the text did not reach the section.
    bool writeSentenceList();
    // "Klasse 7, Oberkategorie / Kategorie / Subkategorie, Stufe 1 (Du-Form)".
    QString shownSectionName() const;
    // "Formulierungen nicht gespeichert!": the section, why, and where the edit is now.
    void showNotSaved(const QString &whereTheEditIs);
    // Ends the open cell's edit as Return does; its cell action saves it.
    void finishOpenCell();
    // The list holds an edit that did not reach the database.
    bool m_unsavedEdit = false;
    // A quit stayed open once for the unsaved edit, which went to the clipboard.
    bool m_quitStayedForEdit = false;
    // While the section is left, a failed save is reported by the leaving alone.
    bool m_leaving = false;
    int m_saveAttempts = 0;
    // Counts a save of the list while it runs.
    class SaveRunning;
    int m_savesRunning = 0;
    int m_orientingBuild = 0;
    // While the content loads, the hidden category pop-up's own fill of the
    // sentence list is held back: the cascade that follows mostly replaces
    // it at once. The counter tells whether the cascade did.
    bool m_categoryFillHeld = false;
    bool m_categoryFillPending = false;
    int m_sentenceListRedraws = 0;
};

// The row the sentence list shows for a section without Du-form sentences.
QString sentenceListDuFormNotice();
