// The main window's controls: what each is, where it sits and which window
// edges it follows when the window is resized.
#include "SentenceWindow.h"

#include "ExtendedEditField.h"
#include "app/App.h"
#include "app/Menu.h"
#include "framework/Controls.h"
#include "framework/EdgeLocks.h"
#include "framework/Pictures.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>

namespace {
constexpr int kBar = -1;
constexpr int kHidden = -2;
constexpr int kContentWidth = 515;
constexpr int kContentHeight = 322;
// Small enough for a small screen, large enough that every list keeps two
// visible rows and the growing fields one line, none running into another.
constexpr int kMinContentWidth = 500;
constexpr int kMinContentHeight = 300;
constexpr QRect kTabPanelRect(4, 36, 507, 249);

constexpr Qt::Edges kTopLeft = Qt::TopEdge | Qt::LeftEdge;
constexpr Qt::Edges kTopWide = Qt::TopEdge | Qt::LeftEdge | Qt::RightEdge;
constexpr Qt::Edges kTopRight = Qt::TopEdge | Qt::RightEdge;
constexpr Qt::Edges kAll = Qt::TopEdge | Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge;
constexpr Qt::Edges kBottomLeft = Qt::BottomEdge | Qt::LeftEdge;
constexpr Qt::Edges kBottomWide = Qt::BottomEdge | Qt::LeftEdge | Qt::RightEdge;
constexpr Qt::Edges kBottomRight = Qt::BottomEdge | Qt::RightEdge;

// Sizes are the layout's points, one point a pixel, so that texts fit the
// fixed control sizes; 0 keeps the system's default size.
void setPointSize(QWidget *w, int points)
{
    if (points <= 0)
        return;
    QFont f = w->font();
    f.setPixelSize(points);
    w->setFont(f);
}

// The framework's "Smallsystem" font: the system font a little smaller.
void setSmallSystemFont(QWidget *w)
{
    QFont f = QApplication::font();
    f.setPointSizeF(f.pointSizeF() * 0.85);
    w->setFont(f);
}

QString helpLines(const QString &first, const QString &second)
{
    return first + u'\n' + second;
}
} // namespace

SentenceWindow::SentenceWindow()
{
    setObjectName(QStringLiteral("SentenceWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Velmora - Satzbausteine"));
    setMenuBar(app().MenuBar()->createMenuBar(this));
    m_content = new QWidget(this);
    m_content->setObjectName(QStringLiteral("content"));
    m_content->resize(kContentWidth, kContentHeight);
    m_content->setMinimumSize(kMinContentWidth, kMinContentHeight);
    m_content->setMaximumSize(32000, 32000);
    setCentralWidget(m_content);
    resize(kContentWidth, kContentHeight + menuBar()->sizeHint().height());
    m_locks = new EdgeLocks(m_content);

    createControls();
    // Never narrower than the tab bar needs to show every page's title whole.
    m_content->setMinimumWidth(qMax(kMinContentWidth, TabPanel1->tabBar()->sizeHint().width() + kContentWidth
                                                          - kTabPanelRect.width()));
    registerMenuHandlers();
    showControlsOfPage(0);
    runControlOpenEvents();
    Open();
}

SentenceWindow::~SentenceWindow()
{
    // A cell editor still open is closed while the lists go away; what it
    // reports then must reach no handler of this window, which is gone by then.
    for (Listbox *list : findChildren<Listbox *>())
        list->disconnect(this);
}

void SentenceWindow::place(QWidget *control, int page, const QRect &rect, Qt::Edges edges)
{
    if (control->parent() != m_content)
        control->setParent(m_content);
    m_locks->place(control, rect, edges);
    if (page == kHidden) {
        m_hiddenControls << control;
        control->hide();
    } else if (page >= 0) {
        m_pageControls.append({control, page});
    }
}

void SentenceWindow::showControlsOfPage(int page)
{
    for (const auto &[control, controlPage] : std::as_const(m_pageControls))
        control->setVisible(controlPage == page);
}

void SentenceWindow::createControls()
{
    const auto label = [this](const QString &text, int points, Qt::Alignment align = Qt::AlignLeft) {
        auto *l = new QLabel(text, m_content);
        setPointSize(l, points);
        l->setAlignment(align | Qt::AlignVCenter);
        return l;
    };
    const auto listbox = [this](int points, const QString &help) {
        auto *l = new Listbox(m_content);
        setPointSize(l, points);
        l->setToolTip(help);
        return l;
    };
    const auto categoryList = [&listbox](const QString &help) {
        Listbox *l = listbox(10, help);
        l->setRequiresSelection(true);
        l->setDragEnabled(false);
        l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        return l;
    };
    const auto field = [this](bool multiLine, int points) {
        auto *f = new ExtendedEditField(multiLine, m_content);
        setPointSize(f, points);
        return f;
    };
    const auto popup = [this](const QStringList &rows, int points) {
        auto *p = new PopupMenu(m_content);
        setPointSize(p, points);
        for (const QString &row : rows)
            p->AddRow(row);
        return p;
    };
    const auto named = [](QWidget *w, const char *name) { w->setObjectName(QString::fromUtf8(name)); };

    // 1
    TabPanel1 = new QTabWidget(m_content);
    named(TabPanel1, "TabPanel1");
    for (const char *title : {"Satzliste", "Nummerneingabe", "Nummernliste", "Orientierungsentwurf",
                              "Standardisierte Form"})
        TabPanel1->addTab(new QWidget, QString::fromUtf8(title));
    setPointSize(TabPanel1->tabBar(), 9);
    TabPanel1->setCurrentIndex(0);
    place(TabPanel1, kBar, kTabPanelRect, kAll);
    connect(TabPanel1, &QTabWidget::currentChanged, this, [this](int page) {
        showControlsOfPage(page);
        TabPanel1_Change();
    });

    // 2
    SuperCatListBox = categoryList(QStringLiteral("Kategorie hier auswählen"));
    named(SuperCatListBox, "SuperCatListBox");
    place(SuperCatListBox, 0, QRect(10, 66, 121, 68), kTopLeft);
    connect(SuperCatListBox, &Listbox::change, this, &SentenceWindow::SuperCatListBox_Change);

    // 3
    PrenameEditField = field(false, 11);
    named(PrenameEditField, "PrenameEditField");
    place(PrenameEditField, kBar, QRect(70, 8, 124, 22), kTopLeft);
    connect(PrenameEditField, &ExtendedEditField::textChange, this, &SentenceWindow::PrenameEditField_TextChange);
    PrenameEditField->setKeyDownHandler([this](const QString &key) { return PrenameEditField_KeyDown(key); });

    // 4
    MainCatListBox = categoryList(QStringLiteral("Kriterium hier auswählen"));
    named(MainCatListBox, "MainCatListBox");
    place(MainCatListBox, 0, QRect(132, 66, 145, 68), kTopLeft);
    connect(MainCatListBox, &Listbox::change, this, &SentenceWindow::MainCatListBox_Change);

    // 5
    StaticText1 = label(QStringLiteral("Vorname:"), 11);
    named(StaticText1, "StaticText1");
    place(StaticText1, kBar, QRect(8, 10, 60, 18), kTopLeft);

    // 6
    SubCatListBox = categoryList(QStringLiteral("Unterkriterium hier auswählen"));
    named(SubCatListBox, "SubCatListBox");
    place(SubCatListBox, 0, QRect(278, 66, 194, 68), kTopWide);
    connect(SubCatListBox, &Listbox::change, this, &SentenceWindow::SubCatListBox_Change);

    // 7
    SexPopupMenu = popup({QStringLiteral("m"), QStringLiteral("w")}, 11);
    named(SexPopupMenu, "SexPopupMenu");
    SexPopupMenu->setToolTip(QStringLiteral("Menü zur Auswahl des Geschlechtes (männlich/weiblich)"));
    place(SexPopupMenu, kBar, QRect(276, 8, 52, 22), kTopLeft);
    connect(SexPopupMenu, &PopupMenu::change, this, &SentenceWindow::SexPopupMenu_Change);

    // 8
    SubCatSectionListBox = categoryList(QStringLiteral("Stufe hier auswählen"));
    named(SubCatSectionListBox, "SubCatSectionListBox");
    place(SubCatSectionListBox, 0, QRect(473, 66, 35, 68), kTopRight);
    connect(SubCatSectionListBox, &Listbox::change, this, &SentenceWindow::SubCatSectionListBox_Change);

    // 9, 10
    StaticText3 = label(QStringLiteral("Geschlecht:"), 11, Qt::AlignRight);
    named(StaticText3, "StaticText3");
    place(StaticText3, kBar, QRect(198, 10, 76, 18), kTopLeft);
    StaticText4 = label(QStringLiteral("Klasse:"), 11, Qt::AlignRight);
    named(StaticText4, "StaticText4");
    place(StaticText4, kBar, QRect(332, 10, 50, 18), kTopLeft);

    // 11
    SentenceListBox = listbox(
        10, helpLines(QStringLiteral("Gewünschten Satz anklicken."),
                      QStringLiteral("Zusätzlich Strg- oder Alt/Option-Taste gedrückt halten um diesen Satz zum "
                                     "Übernahme-Text hinzuzunehmen (\"Sammelbox\").")));
    named(SentenceListBox, "SentenceListBox");
    SentenceListBox->setDragEnabled(true);
    SentenceListBox->setCellBackgroundPaint([this](QPainter &g, const QRect &cell, int row, int column) {
        return SentenceListBox_CellBackgroundPaint(g, cell, row, column);
    });
    place(SentenceListBox, 0, QRect(10, 137, 498, 86), kAll);
    connect(SentenceListBox, &Listbox::change, this, &SentenceWindow::SentenceListBox_Change);
    connect(SentenceListBox, &Listbox::doubleClick, this, &SentenceWindow::SentenceListBox_DoubleClick);
    connect(SentenceListBox, &Listbox::cellGotFocus, this, &SentenceWindow::SentenceListBox_CellGotFocus);
    connect(SentenceListBox, &Listbox::cellTextChange, this, &SentenceWindow::SentenceListBox_CellTextChange);
    connect(SentenceListBox, &Listbox::cellAction, this, &SentenceWindow::SentenceListBox_CellAction);
    SentenceListBox->setDragRowHandler([this](QDrag &drag, int row) { return SentenceListBox_DragRow(drag, row); });

    // 12 to 15
    StaticText2 = label(QStringLiteral("Satznummer:"), 10);
    named(StaticText2, "StaticText2");
    place(StaticText2, 1, QRect(14, 72, 80, 18), kTopLeft);
    CatNoEditField = field(false, 0);
    named(CatNoEditField, "CatNoEditField");
    CatNoEditField->LimitText(3);
    place(CatNoEditField, 1, QRect(96, 70, 33, 22), kTopLeft);
    connect(CatNoEditField, &ExtendedEditField::textChange, this, &SentenceWindow::updateSentence2Number);
    CatNoEditField->setKeyDownHandler([this](const QString &key) { return CatNoEditField_KeyDown(key); });
    SubNoEditField = field(false, 0);
    named(SubNoEditField, "SubNoEditField");
    SubNoEditField->LimitText(2);
    place(SubNoEditField, 1, QRect(142, 70, 33, 22), kTopLeft);
    connect(SubNoEditField, &ExtendedEditField::textChange, this, &SentenceWindow::updateSentence2Number);
    SubNoEditField->setKeyDownHandler([this](const QString &key) { return SubNoEditField_KeyDown(key); });
    connect(SubNoEditField, &ExtendedEditField::lostFocus, this, &SentenceWindow::SubNoEditField_LostFocus);
    SentenceEditField = field(true, 12);
    named(SentenceEditField, "SentenceEditField");
    place(SentenceEditField, 1, QRect(10, 100, 498, 176), kAll);

    // 16 (hidden)
    CategoriesPopupMenu = popup({}, 10);
    named(CategoriesPopupMenu, "CategoriesPopupMenu");
    place(CategoriesPopupMenu, kHidden, QRect(14, 240, 200, 20), kTopLeft);
    connect(CategoriesPopupMenu, &PopupMenu::change, this, &SentenceWindow::CategoriesPopupMenu_Change);

    // 17
    NumListEditField = field(true, 0);
    named(NumListEditField, "NumListEditField");
    NumListEditField->setText(QStringLiteral(" "));
    NumListEditField->setKeyDownHandler([this](const QString &key) { return NumListEditField_KeyDown(key); });
    place(NumListEditField, 2, QRect(10, 104, 498, 172), kAll);

    // 18 (hidden)
    CatSectionPopupMenu = popup({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                 QStringLiteral("4"), QStringLiteral("5")},
                                10);
    named(CatSectionPopupMenu, "CatSectionPopupMenu");
    place(CatSectionPopupMenu, kHidden, QRect(220, 240, 50, 20), kTopLeft);
    connect(CatSectionPopupMenu, &PopupMenu::change, this, &SentenceWindow::CatSectionPopupMenu_Change);

    // 19: the hyphen of the sentence address
    Line1 = new QFrame(m_content);
    named(Line1, "Line1");
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Plain);
    Line1->setLineWidth(1);
    Line1->setStyleSheet(QStringLiteral("color: black;"));
    place(Line1, 1, QRect(131, 81, 9, 1), kTopLeft);

    // 20 (hidden)
    StaticText5 = label(QStringLiteral("Kriterium:"), 0);
    named(StaticText5, "StaticText5");
    setSmallSystemFont(StaticText5);
    place(StaticText5, kHidden, QRect(14, 220, 80, 16), kTopLeft);

    // 21, 22
    StaticText6 = label(QStringLiteral("Bitte geben Sie die gewünschten Satznummern durch Komma getrennt ein "
                                       "(Beispiel: 1-2, 3-2, 10-9....):"),
                        10);
    named(StaticText6, "StaticText6");
    StaticText6->setWordWrap(true);
    place(StaticText6, 2, QRect(14, 66, 490, 34), kTopWide);
    StaticText7 = label(QStringLiteral("in Anwendung:"), 9, Qt::AlignRight);
    named(StaticText7, "StaticText7");
    place(StaticText7, kBar, QRect(146, 294, 80, 16), kBottomLeft);

    // 23, 24
    OrientingListBox = new Listbox(m_content);
    named(OrientingListBox, "OrientingListBox");
    OrientingListBox->setHeadings({QStringLiteral("Kategorie"), QStringLiteral("Kriterium"), QStringLiteral("Stufe"),
                                   QStringLiteral("von"), QStringLiteral("bis")});
    OrientingListBox->setColumnWidths(QStringLiteral("20%,52%,15%,6%,6%"));
    OrientingListBox->header()->setSectionsMovable(false);
    OrientingListBox->header()->setSectionResizeMode(QHeaderView::Interactive);
    OrientingListBox->setDragDropMode(QAbstractItemView::InternalMove);
    OrientingListBox->setRequiresSelection(true);
    OrientingListBox->setDropIndicatorShown(true);
    OrientingListBox->setKeyDownHandler([this](const QString &key) { return OrientingListBox_KeyDown(key); });
    OrientingListBox->setCellBackgroundPaint([this](QPainter &g, const QRect &cell, int row, int column) {
        return OrientingListBox_CellBackgroundPaint(g, cell, row, column);
    });
    connect(OrientingListBox, &Listbox::cellTextChange, this, &SentenceWindow::OrientingListBox_CellTextChange);
    connect(OrientingListBox, &Listbox::cellLostFocus, this, &SentenceWindow::OrientingListBox_CellLostFocus);
    setSmallSystemFont(OrientingListBox);
    OrientingListBox->setToolTip(
        helpLines(QStringLiteral("Kriterium (Zeile) anklicken und Beurteilungsstufe per Tastatur eintippen. "),
                  QStringLiteral("Mit den Pfeiltasten die Zeile wechseln.")));
    place(OrientingListBox, 3, QRect(10, 64, 498, 174), kAll);
    StaticText8 = label(helpLines(QStringLiteral("Handhabung:"),
                                  QStringLiteral("Kriterium anklicken und Beurteilungsstufe eintippen. "
                                                 "Pfeiltasten um nach oben/unten zu wechseln.")),
                        10);
    named(StaticText8, "StaticText8");
    StaticText8->setWordWrap(true);
    StaticText8->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(StaticText8, 3, QRect(14, 242, 490, 36), kBottomWide);

    // 25
    TargetProcNameField = label(QStringLiteral(" -"), 10);
    named(TargetProcNameField, "TargetProcNameField");
    QFont bold = TargetProcNameField->font();
    bold.setBold(true);
    TargetProcNameField->setFont(bold);
    place(TargetProcNameField, kBar, QRect(228, 294, 253, 16), kBottomWide);

    // 26
    QStringList classes;
    for (int c = kLowestClass; c <= kHighestClass; ++c)
        classes << QString::number(c);
    ClassesPopupMenu = popup(classes, 11);
    named(ClassesPopupMenu, "ClassesPopupMenu");
    ClassesPopupMenu->setToolTip(QStringLiteral("Menü zur Auswahl der Klassenstufe"));
    place(ClassesPopupMenu, kBar, QRect(386, 8, 56, 22), kTopLeft);
    connect(ClassesPopupMenu, &PopupMenu::change, this, &SentenceWindow::ClassesPopupMenu_Change);

    // 27
    LockBevelButton = new BevelButton(m_content);
    named(LockBevelButton, "LockBevelButton");
    LockBevelButton->setCheckable(true);
    LockBevelButton->setFocusPolicy(Qt::NoFocus);
    LockBevelButton->setToolButtonStyle(Qt::ToolButtonIconOnly);
    place(LockBevelButton, kBar, QRect(484, 289, 26, 26), kBottomRight);
    connect(LockBevelButton, &BevelButton::action, this, &SentenceWindow::LockBevelButton_Action);

    // 28
    TransferNumListButton = new BevelButton(m_content);
    named(TransferNumListButton, "TransferNumListButton");
    TransferNumListButton->setCaption(QStringLiteral("Übernehmen"));
    TransferNumListButton->setIconPicture(uebernhmenicon());
    TransferNumListButton->setFocusPolicy(Qt::NoFocus);
    setPointSize(TransferNumListButton, 11);
    place(TransferNumListButton, kBar, QRect(8, 289, 135, 26), kBottomLeft);
    connect(TransferNumListButton, &BevelButton::action, this, &SentenceWindow::TransferNumListButton_Action);
    TransferNumListButton->setMouseDownHandler([this](int x, int y) { return TransferNumListButton_MouseDown(x, y); });
    TransferNumListButton->setMouseUpHandler([this](int x, int y) { return TransferNumListButton_MouseUp(x, y); });

    // 29
    SentenceFromListField = field(true, 9);
    named(SentenceFromListField, "SentenceFromListField");
    SentenceFromListField->setToolTip(helpLines(QStringLiteral("Übernahme-Text. "),
                                                QStringLiteral("Der Text kann hier vor der Übernahme noch "
                                                               "modifiziert werden.")));
    place(SentenceFromListField, 0, QRect(10, 226, 498, 50), kBottomWide);

    // 30 to 33
    StaticText9 = label(QStringLiteral("Kriterium:"), 10);
    named(StaticText9, "StaticText9");
    place(StaticText9, 4, QRect(14, 70, 64, 18), kTopLeft);
    StdCategoriesPopupMenu = popup({}, 10);
    named(StdCategoriesPopupMenu, "StdCategoriesPopupMenu");
    place(StdCategoriesPopupMenu, 4, QRect(80, 68, 300, 22), kTopLeft);
    connect(StdCategoriesPopupMenu, &PopupMenu::change, this, &SentenceWindow::StdCategoriesPopupMenu_Change);
    StandardSentencesListBox = listbox(10, QString());
    named(StandardSentencesListBox, "StandardSentencesListBox");
    StandardSentencesListBox->setDragEnabled(true);
    place(StandardSentencesListBox, 4, QRect(10, 112, 498, 58), kTopWide);
    connect(StandardSentencesListBox, &Listbox::change, this, &SentenceWindow::StandardSentencesListBox_Change);
    connect(StandardSentencesListBox, &Listbox::doubleClick, this,
            &SentenceWindow::StandardSentencesListBox_DoubleClick);
    StandardSentencesListBox->setDragRowHandler(
        [this](QDrag &drag, int row) { return StandardSentencesListBox_DragRow(drag, row); });
    StandardAppendicesListBox = listbox(10, QString());
    named(StandardAppendicesListBox, "StandardAppendicesListBox");
    StandardAppendicesListBox->setDragEnabled(true);
    place(StandardAppendicesListBox, 4, QRect(10, 190, 498, 40), kTopWide);
    connect(StandardAppendicesListBox, &Listbox::change, this, &SentenceWindow::StandardAppendicesListBox_Change);
    connect(StandardAppendicesListBox, &Listbox::doubleClick, this,
            &SentenceWindow::StandardAppendicesListBox_DoubleClick);
    StandardAppendicesListBox->setDragRowHandler(
        [this](QDrag &drag, int row) { return StandardAppendicesListBox_DragRow(drag, row); });

    // 34
    ActionsButton = new BevelButton(m_content);
    named(ActionsButton, "ActionsButton");
    ActionsButton->setIconPicture(Action());
    ActionsButton->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ActionsButton->setFocusPolicy(Qt::NoFocus);
    ActionsButton->setToolTip(QStringLiteral("Menü mit Sonderfunktionen"));
    ActionsMenu = new QMenu(ActionsButton);
    ActionsMenu->setObjectName(QStringLiteral("ActionsMenu"));
    ActionsButton->setMenu(ActionsMenu);
    ActionsButton->setPopupMode(QToolButton::InstantPopup);
    place(ActionsButton, kBar, QRect(482, 8, 25, 20), kTopRight);
    connect(ActionsMenu, &QMenu::triggered, this,
            [this](QAction *chosen) { ActionsButton_Action(chosen->text()); });

    // 35
    LittleArrows1 = new LittleArrows(m_content);
    named(LittleArrows1, "LittleArrows1");
    place(LittleArrows1, 1, QRect(177, 69, 13, 24), kTopLeft);
    connect(LittleArrows1, &LittleArrows::up, this, &SentenceWindow::LittleArrows1_Up);
    connect(LittleArrows1, &LittleArrows::down, this, &SentenceWindow::LittleArrows1_Down);

    // 36 to 38
    StaticText10 = label(QStringLiteral("Standardisierte Form:"), 10);
    named(StaticText10, "StaticText10");
    place(StaticText10, 4, QRect(14, 94, 490, 16), kTopWide);
    StaticText11 = label(QStringLiteral("Standardisierte Form mit Ergänzung (optional):"), 10);
    named(StaticText11, "StaticText11");
    place(StaticText11, 4, QRect(14, 172, 490, 16), kTopWide);
    CompleteStdSentenceEditField = field(true, 10);
    named(CompleteStdSentenceEditField, "CompleteStdSentenceEditField");
    CompleteStdSentenceEditField->setReadOnly(true);
    place(CompleteStdSentenceEditField, 4, QRect(10, 234, 498, 42), kAll);
}

bool SentenceWindow::startingUp() const
{
    return m_controlsOpening || app().pIsStartingUp;
}

// Start-up makes the window; made at another time, the controls still open
// as they do then, and the window's Open loads the content once.
void SentenceWindow::runControlOpenEvents()
{
    m_controlsOpening = true;
    SexPopupMenu_Open();
    CatSectionPopupMenu_Open();
    ClassesPopupMenu_Open();
    LockBevelButton_Open();
    ActionsButton_Open();
    m_controlsOpening = false;
}

void SentenceWindow::registerMenuHandlers()
{
    Menu *menu = app().MenuBar();
    menu->addMenuHandler(QStringLiteral("TransferMenuItem"), this, [this] { return _TransferMenuItem_Action(); });
    menu->addMenuHandler(QStringLiteral("PrintSentenceListItem"), this,
                         [this] { return _PrintSentenceListItem_Action(); });
}

void SentenceWindow::closeEvent(QCloseEvent *event)
{
    // Quitting saves an open or unsaved edit, or puts it on the clipboard and
    // keeps the window this once.
    if (app().DoQuit())
        event->accept();
    else
        event->ignore();
}

void SentenceWindow::enterEvent(QEnterEvent *event)
{
    QMainWindow::enterEvent(event);
    setCursor(Qt::ArrowCursor);
}
