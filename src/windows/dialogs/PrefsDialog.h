#pragma once
// The preferences dialog. It works on copies: the Open event fills the
// controls and working copies from the preferences, and only "Sichern"
// writes them back (a chosen target application is stored at once).
#include <QDialog>

class PopupMenu;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class PrefsDialog : public QDialog
{
    Q_OBJECT
public:
    PrefsDialog();

    void InitFontPopUp(const QString &name);
    void InitFSizePopUp(int size);
    void SetTargetProcNameField(const QString &name);
    void SetSentenceDBNameField(const QString &name);

    void Open();
    void SaveButton_Action();
    void CancelButton_Action();
    void SelectTargetButton_Action();
    void UseDuCheckBox_Action();
    void SelectDBButton_Action();

    QString pProcCreator;
    QString pProcName;
    bool pLinkLocked = false;
    QString pSentencesDBName;
    bool pDBChanged = false;

    QGroupBox *GroupBox1 = nullptr;
    QGroupBox *TargatAppGroupBox = nullptr;
    QRadioButton *CustomTransferRadioButton = nullptr;
    QRadioButton *GenericTransferRadioButton = nullptr;
    QLabel *StaticText1 = nullptr;
    QLabel *StaticText2 = nullptr;
    QPushButton *SaveButton = nullptr;
    QPushButton *CancelButton = nullptr;
    QLabel *StaticText3 = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    PopupMenu *FontPopupMenu = nullptr;
    PopupMenu *FSizePopupMenu = nullptr;
    QLabel *StaticText4 = nullptr;
    QPushButton *SelectTargetButton = nullptr;
    QLabel *TargetProcessName = nullptr;
    QLabel *StaticText5 = nullptr;
    QGroupBox *GroupBox4 = nullptr;
    QCheckBox *UseDuCheckBox = nullptr;
    QGroupBox *GroupBox5 = nullptr;
    QLabel *StaticText6 = nullptr;
    QPushButton *SelectDBButton = nullptr;
    QLabel *SentencesDBNameStaticText = nullptr;
    QLabel *StaticText7 = nullptr;
};
