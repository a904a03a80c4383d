#include "PrefsDialog.h"

#include "app/App.h"
#include "framework/Controls.h"
#include "framework/EventLoop.h"
#include "framework/ImplicitInstance.h"
#include "framework/Strings.h"
#include "framework/TextCompare.h"
#include "windows/sentence/SentenceWindow.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

namespace {
// Controls are placed in window coordinates; a control inside a group box
// is moved into the box's own coordinates.
template <class W>
W *place(W *control, QWidget *window, QGroupBox *group, QRect rect, const QString &name)
{
    control->setObjectName(name);
    if (group) {
        control->setParent(group);
        rect.translate(-group->geometry().topLeft());
    } else {
        control->setParent(window);
    }
    control->setGeometry(rect);
    return control;
}

QLabel *smallText(const QString &text)
{
    auto *label = new QLabel(text);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Sizes count in pixels, as in the main window's layout.
    QFont font = label->font();
    font.setPixelSize(9);
    label->setFont(font);
    return label;
}

// An explanation that needs more lines than its box holds gets the room.
QLabel *wholeText(QLabel *label)
{
    const int needed = label->heightForWidth(label->width());
    if (needed > label->height())
        label->resize(label->width(), needed);
    return label;
}
} // namespace

PrefsDialog::PrefsDialog()
{
    setObjectName(QStringLiteral("PrefsDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Voreinstellungen"));
    setModal(true);
    setFixedSize(457, 448);

    GroupBox1 = place(new QGroupBox(QStringLiteral("Textübernahme:")), this, nullptr, {13, 297, 431, 106},
                      QStringLiteral("GroupBox1"));
    TargatAppGroupBox = place(new QGroupBox(QStringLiteral("Übernehmen in Anwendung:")), this, nullptr,
                              {13, 207, 432, 83}, QStringLiteral("TargatAppGroupBox"));
    CustomTransferRadioButton = place(new QRadioButton(QStringLiteral("Anwendungsspezifisch")), this, GroupBox1,
                                      {23, 318, 295, 20}, QStringLiteral("CustomTransferRadioButton"));
    GenericTransferRadioButton = place(new QRadioButton(QStringLiteral("Allgemein")), this, GroupBox1,
                                       {22, 359, 243, 20}, QStringLiteral("GenericTransferRadioButton"));
    StaticText1 = place(smallText(QStringLiteral("Übernahme der Texte über anwendungsspezifische AppleEvents. "
                                                 "Empfohlen für RagTime 5.5 - 6.0 und Microsoft Word 2004.")),
                        this, GroupBox1, {43, 337, 391, 24}, QStringLiteral("StaticText1"));
    wholeText(StaticText1);
    StaticText2 = place(smallText(QStringLiteral("Übernahme der Texte über AppleEvents, die programmunabhängiger "
                                                 "verfügbar sind.")),
                        this, GroupBox1, {43, 379, 390, 20}, QStringLiteral("StaticText2"));
    wholeText(StaticText2);
    SaveButton = place(new QPushButton(QStringLiteral("Sichern")), this, nullptr, {357, 415, 88, 22},
                       QStringLiteral("SaveButton"));
    SaveButton->setDefault(true);
    CancelButton = place(new QPushButton(QStringLiteral("Abbrechen")), this, nullptr, {257, 415, 88, 22},
                         QStringLiteral("CancelButton"));
    StaticText3 = place(new QLabel(QStringLiteral("Schrift für Satzliste:")), this, nullptr, {25, 106, 134, 22},
                        QStringLiteral("StaticText3"));
    GroupBox2 = place(new QGroupBox(QStringLiteral("Darstellung:")), this, nullptr, {13, 81, 432, 55},
                      QStringLiteral("GroupBox2"));
    StaticText3->raise();
    FontPopupMenu = place(new PopupMenu, this, GroupBox2, {163, 106, 190, 22}, QStringLiteral("FontPopupMenu"));
    FSizePopupMenu = place(new PopupMenu, this, GroupBox2, {360, 106, 65, 20}, QStringLiteral("FSizePopupMenu"));
    for (const int size : offeredListFontSizes())
        FSizePopupMenu->AddRow(QString::number(size));
    StaticText4 = place(new QLabel(QStringLiteral("Zielanwendung:")), this, TargatAppGroupBox, {25, 230, 102, 20},
                        QStringLiteral("StaticText4"));
    SelectTargetButton = place(new QPushButton(QStringLiteral("Auswahl")), this, TargatAppGroupBox,
                               {358, 231, 73, 20}, QStringLiteral("SelectTargetButton"));
    SelectTargetButton->setToolTip(QStringLiteral("Klicken Sie hier um ein gerade laufendes Programm als Ziel für "
                                                  "das Einsetzen der Textbausteine auszuwählen."));
    SelectTargetButton->setAutoDefault(false);
    TargetProcessName = place(new QLabel, this, TargatAppGroupBox, {131, 230, 215, 21},
                              QStringLiteral("TargetProcessName"));
    StaticText5 = place(smallText(QStringLiteral("Hier das Programm wählen, in welches die Beurteilungen übernommen "
                                                 "werden sollen. ")),
                        this, TargatAppGroupBox, {25, 257, 410, 25}, QStringLiteral("StaticText5"));
    GroupBox4 = place(new QGroupBox(QStringLiteral("Formulierungen:")), this, nullptr, {13, 143, 431, 56},
                      QStringLiteral("GroupBox4"));
    UseDuCheckBox = place(new QCheckBox(QStringLiteral("\"Du-Form\"")), this, GroupBox4, {25, 167, 100, 22},
                          QStringLiteral("UseDuCheckBox"));
    // The help text's two lines are joined by a CR, which a tool tip does not break at.
    UseDuCheckBox->setToolTip(QStringLiteral("Formulierungen in \"Du\"-Form verwenden.\rACHTUNG: Die \"Du\"-Form ist "
                                             "nur bei den Formulierungshilfen der Normalform verfügbar.")
                                  .replace(u'\r', u'\n'));
    GroupBox5 = place(new QGroupBox(QStringLiteral("Formulierungshilfen-Datenbank:")), this, nullptr,
                      {13, 14, 432, 59}, QStringLiteral("GroupBox5"));
    StaticText6 = place(new QLabel(QStringLiteral("Datenbank-Name:")), this, GroupBox5, {25, 40, 150, 22},
                        QStringLiteral("StaticText6"));
    SelectDBButton = place(new QPushButton(QStringLiteral("Auswahl")), this, GroupBox5, {358, 42, 73, 22},
                           QStringLiteral("SelectDBButton"));
    SelectDBButton->setToolTip(QStringLiteral("Klicken Sie hier, um die Satzbaustein-Datenbank auszuwählen."));
    SelectDBButton->setAutoDefault(false);
    SentencesDBNameStaticText = place(new QLabel, this, GroupBox5, {156, 40, 192, 22},
                                      QStringLiteral("SentencesDBNameStaticText"));
    StaticText7 = place(smallText(QStringLiteral("Formulierungen in der Du-Form verwenden")), this, GroupBox4,
                        {139, 172, 336, 23}, QStringLiteral("StaticText7"));

    connect(SaveButton, &QPushButton::clicked, this, &PrefsDialog::SaveButton_Action);
    connect(CancelButton, &QPushButton::clicked, this, &PrefsDialog::CancelButton_Action);
    connect(SelectTargetButton, &QPushButton::clicked, this, &PrefsDialog::SelectTargetButton_Action);
    // A click is the box's action; setting its value from code is not.
    connect(UseDuCheckBox, &QCheckBox::clicked, this, &PrefsDialog::UseDuCheckBox_Action);
    connect(SelectDBButton, &QPushButton::clicked, this, &PrefsDialog::SelectDBButton_Action);
    Open();
}

void PrefsDialog::Open()
{
    const PreferencesClass &prefs = *app().pPrefs;
    pDBChanged = false;
    CustomTransferRadioButton->setAutoExclusive(false);
    GenericTransferRadioButton->setAutoExclusive(false);
    CustomTransferRadioButton->setChecked(textEquals(prefs.GetConnectionType(), QStringLiteral("ConectCustom")));
    GenericTransferRadioButton->setChecked(textEquals(prefs.GetConnectionType(), QStringLiteral("ConnectGeneric")));
    CustomTransferRadioButton->setAutoExclusive(true);
    GenericTransferRadioButton->setAutoExclusive(true);
    InitFontPopUp(prefs.GetListFontName());
    InitFSizePopUp(prefs.GetListFontSize());
    pProcCreator = prefs.GetTargetProcessCreator();
    pProcName = prefs.GetTargetProcessName();
    pLinkLocked = prefs.GetLinkLocked();
    pSentencesDBName = prefs.GetSentencesDBName();
    SetTargetProcNameField(pProcName);
    SetSentenceDBNameField(pSentencesDBName);
    UseDuCheckBox->setChecked(prefs.GetUseDu());
}

void PrefsDialog::InitFontPopUp(const QString &name)
{
    FontPopupMenu->DeleteAllRows();
    int selection = 0;
    const QStringList fonts = QFontDatabase::families();
    for (int i = 0; i < fonts.size(); ++i) {
        if (textEquals(fonts.at(i), name))
            selection = i;
        FontPopupMenu->AddRow(fonts.at(i));
        yieldToEventLoop();
    }
    FontPopupMenu->AddRow(QStringLiteral("System"));
    // Index 0 stands for a name not found, so the first installed font
    // selects "System" too.
    if (selection == 0)
        selection = int(fonts.size());
    FontPopupMenu->setListIndex(selection);
}

void PrefsDialog::InitFSizePopUp(int size)
{
    int selection = 0;
    for (int i = 0; i < FSizePopupMenu->ListCount(); ++i) {
        if (Val(FSizePopupMenu->List(i)) == size)
            selection = i;
        yieldToEventLoop();
    }
    FSizePopupMenu->setListIndex(selection);
}

void PrefsDialog::SetTargetProcNameField(const QString &name)
{
    TargetProcessName->setText(name);
}

void PrefsDialog::SetSentenceDBNameField(const QString &name)
{
    SentencesDBNameStaticText->setText(name);
}

void PrefsDialog::SelectTargetButton_Action()
{
    if (!app().SelectTargetApp())
        return;
    pProcCreator = app().pPrefs->GetTargetProcessCreator();
    pProcName = app().pPrefs->GetTargetProcessName();
    SetTargetProcNameField(pProcName);
    pLinkLocked = true;
}

void PrefsDialog::SelectDBButton_Action()
{
    const QString chosen = app().ChooseDB();
    if (chosen.isEmpty())
        return;
    const QString fileName = QFileInfo(chosen).fileName();
    SentencesDBNameStaticText->setText(fileName);
    pSentencesDBName = fileName;
    pDBChanged = true;
}

void PrefsDialog::UseDuCheckBox_Action()
{
    if (!UseDuCheckBox->isChecked())
        return;
    app().ShowOKSheetDialog(QStringLiteral("ACHTUNG!"),
                            QStringLiteral("Sie haben die Verwendung der Formulierungen in \"Du\"-Form gewählt. Bitte "
                                           "beachten Sie, dass diese nur bei den Formulierungen der Kategorie "
                                           "\"Normalform\" zur Verfügung stehen!"),
                            QStringLiteral("OK"));
}

void PrefsDialog::CancelButton_Action()
{
    close();
}

void PrefsDialog::SaveButton_Action()
{
    App &a = app();
    PreferencesClass &prefs = *a.pPrefs;
    // Settings that cannot be written are not taken: the dialog stays open
    // with them, to be saved again or cancelled.
    const PreferencesClass before = prefs;
    if (CustomTransferRadioButton->isChecked())
        prefs.SetConnectionType(QStringLiteral("ConectCustom"));
    else if (GenericTransferRadioButton->isChecked())
        prefs.SetConnectionType(QStringLiteral("ConnectGeneric"));
    prefs.SetListFontName(FontPopupMenu->Text());
    prefs.SetListFontSize(ValInt(FSizePopupMenu->Text()));
    prefs.SetTargetProcessCreator(pProcCreator);
    prefs.SetTargetProcessname(pProcName);
    if (!a.SavePrefs(prefs)) {
        prefs = before;
        return;
    }
    SentenceWindow *window = implicitInstance<SentenceWindow>();
    window->UpdateListFont();
    window->ShowTargetProcessName();
    prefs.SetLinkLocked(true);
    a.SetLinkLock(window->LockBevelButton, prefs.GetLinkLocked());
    bool duChanged = false;
    if (prefs.GetUseDu() != UseDuCheckBox->isChecked()) {
        prefs.SetUseDu(UseDuCheckBox->isChecked());
        duChanged = true;
    }
    if (pDBChanged || duChanged) {
        // The new file is opened and checked before it replaces the working one;
        // its messages run an event loop in which this dialog may be closed and deleted.
        const QPointer<PrefsDialog> self(this);
        const bool switched = a.SwitchSentenceDB(pDBChanged ? pSentencesDBName : prefs.GetSentencesDBName());
        if (!self)
            return;
        if (switched) {
            hide();
            if (window->getContent(prefs.GetLastClass()))
                window->updateSentence2Number();
        }
    }
    close();
}
