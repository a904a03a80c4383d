#include "PrintSentencesWindow.h"

#include "app/App.h"
#include "framework/Controls.h"
#include "framework/EdgeLocks.h"
#include "framework/EventLoop.h"
#include "framework/ImplicitInstance.h"
#include "framework/MessageBox.h"
#include "framework/Strings.h"
#include "print/PrintOutput.h"
#include "print/PrintText.h"
#include "print/SentencePages.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTextEdit>

namespace {

// Lets the window paint each cell's background before the cell is drawn.
class CellBackgroundDelegate : public QStyledItemDelegate
{
public:
    explicit CellBackgroundDelegate(PrintSentencesWindow *window)
        : QStyledItemDelegate(window)
        , m_window(window)
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        painter->save();
        const bool done = m_window->CatListBox_CellBackgroundPaint(*painter, option.rect, index.row(), index.column());
        painter->restore();
        if (!done)
            QStyledItemDelegate::paint(painter, option, index);
    }

private:
    PrintSentencesWindow *m_window;
};

QPushButton *pushButton(QWidget *parent, const char *name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setAutoDefault(false);
    return button;
}

constexpr int kColumnPercent[] = {15, 10, 30, 45};

} // namespace

PrintSentencesWindow::PrintSentencesWindow()
{
    setObjectName(QStringLiteral("PrintSentencesWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Satzlistendruck"));
    // A movable modal window: it keeps the other windows waiting, yet showing
    // it returns at once so that the opener can set pUseDuSentences.
    setWindowModality(Qt::ApplicationModal);
    resize(482, 318);
    setMinimumSize(300, 250);

    auto *locks = new EdgeLocks(this);

    auto *StaticText1 = new QLabel(QStringLiteral("Wählen Sie in der Liste die gewünschten Satzbereiche  aus und "
                                                  "klicken Sie dann auf die Schaltfläche \"Drucken\"."),
                                   this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setWordWrap(true);
    StaticText1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont smallSystem = StaticText1->font();
    smallSystem.setPointSize(smallSystem.pointSize() > 1 ? smallSystem.pointSize() - 1 : 10);
    StaticText1->setFont(smallSystem);
    locks->place(StaticText1, {20, 14, 442, 45}, Qt::LeftEdge | Qt::RightEdge);

    CatListBox = new Listbox(this);
    CatListBox->setObjectName(QStringLiteral("CatListBox"));
    CatListBox->setColumnCount(4);
    CatListBox->setHeaderLabels({QStringLiteral("Klasse von"), QStringLiteral("bis"), QStringLiteral("Kategorie"),
                                 QStringLiteral("Bereich")});
    CatListBox->setHeaderHidden(false);
    CatListBox->header()->setSectionResizeMode(QHeaderView::Interactive);
    CatListBox->header()->setStretchLastSection(true);
    CatListBox->setSelectionMode(QAbstractItemView::ExtendedSelection);
    CatListBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    CatListBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    CatListBox->setFont(smallSystem);
    CatListBox->setItemDelegate(new CellBackgroundDelegate(this));
    locks->place(CatListBox, {20, 63, 444, 155}, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);

    PushButton1 = pushButton(this, "PushButton1", QStringLiteral("Nichts"));
    locks->place(PushButton1, {395, 234, 69, 22}, Qt::RightEdge | Qt::BottomEdge);
    PushButton2 = pushButton(this, "PushButton2", QStringLiteral("Alles"));
    locks->place(PushButton2, {314, 234, 69, 22}, Qt::RightEdge | Qt::BottomEdge);

    auto *Separator1 = new QFrame(this);
    Separator1->setObjectName(QStringLiteral("Separator1"));
    Separator1->setFrameShape(QFrame::HLine);
    Separator1->setFrameShadow(QFrame::Sunken);
    locks->place(Separator1, {20, 263, 444, 11}, Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge);

    PrintButton = pushButton(this, "PrintButton", QStringLiteral("Drucken"));
    PrintButton->setAutoDefault(true);
    PrintButton->setDefault(true);
    locks->place(PrintButton, {371, 280, 91, 22}, Qt::RightEdge | Qt::BottomEdge);
    // Escape rejects the dialog, which closes it like "Abbrechen".
    CancelButton = pushButton(this, "CancelButton", QStringLiteral("Abbrechen"));
    locks->place(CancelButton, {256, 280, 91, 22}, Qt::RightEdge | Qt::BottomEdge);

    PrintContainerField = new QTextEdit(this);
    PrintContainerField->setObjectName(QStringLiteral("PrintContainerField"));
    PrintContainerField->setAcceptRichText(false);
    QFont system = QApplication::font();
    system.setPointSize(11);
    PrintContainerField->setFont(system);
    locks->place(PrintContainerField, {21, 270, 223, 34}, Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge);
    PrintContainerField->setVisible(false);

    PrintProgressBar = new QProgressBar(this);
    PrintProgressBar->setObjectName(QStringLiteral("PrintProgressBar"));
    PrintProgressBar->setRange(0, 100);
    PrintProgressBar->setValue(0);
    PrintProgressBar->setTextVisible(false);
    locks->place(PrintProgressBar, {21, 243, 281, 15}, Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge);
    PrintProgressBar->setVisible(false);

    connect(PushButton1, &QPushButton::clicked, this, &PrintSentencesWindow::PushButton1_Action);
    connect(PushButton2, &QPushButton::clicked, this, &PrintSentencesWindow::PushButton2_Action);
    connect(PrintButton, &QPushButton::clicked, this, &PrintSentencesWindow::PrintButton_Action);
    connect(CancelButton, &QPushButton::clicked, this, &PrintSentencesWindow::CancelButton_Action);

    Open();
}

PrintSentencesWindow *PrintSentencesWindow::instance()
{
    return implicitInstance<PrintSentencesWindow>();
}

void showPrintSentencesWindow(bool useDuSentences)
{
    PrintSentencesWindow *window = PrintSentencesWindow::instance();
    window->show();
    window->raise();
    window->activateWindow();
    window->pUseDuSentences = useDuSentences;
}

void PrintSentencesWindow::Open()
{
    const UserInputHeld held;
    pPrintCategories = BuildCatList();
    FillCatListBox(pPrintCategories);
}

QList<PrintText::CategoryLine> PrintSentencesWindow::BuildCatList()
{
    if (!hasApp() || !app().pSentenceDB)
        return {};
    return PrintText::categoryLines(*app().pSentenceDB);
}

void PrintSentencesWindow::FillCatListBox(const QList<PrintText::CategoryLine> &lines)
{
    if (lines.isEmpty())
        return;
    CatListBox->DeleteAllRows();
    for (const PrintText::CategoryLine &line : lines) {
        CatListBox->AddRow(QString());
        const int row = CatListBox->ListCount() - 1;
        QTreeWidgetItem *item = CatListBox->topLevelItem(row);
        item->setText(0, line.startClass);
        item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(1, line.endClass);
        item->setTextAlignment(1, Qt::AlignHCenter | Qt::AlignVCenter);
        item->setText(2, line.superCategory);
        item->setText(3, line.area());
        // The shown area cannot tell where a main category holding " : " ends.
        CatListBox->setCellTag(row, 3, QStringList{line.mainCategory, line.subCategory});
        yieldToEventLoop();
    }
    CatListBox->clearSelection();
}

bool PrintSentencesWindow::CatListBox_CellBackgroundPaint(QPainter &g, const QRect &cell, int row, int)
{
    g.fillRect(cell, row % 2 == 0 ? QColor(250, 250, 230) : QColor(230, 250, 230));
    return false;
}

// "Nichts" and "Alles" change the whole selection in one step, with no turn
// for the event loop in between: a click there cannot print or close the
// window in the middle of it.
void PrintSentencesWindow::PushButton1_Action()
{
    CatListBox->setAllRowsSelected(false);
}

void PrintSentencesWindow::PushButton2_Action()
{
    CatListBox->setAllRowsSelected(true);
}

void PrintSentencesWindow::CancelButton_Action()
{
    close();
}

void PrintSentencesWindow::PrintButton_Action()
{
    PrintSelectedCats();
}

void PrintSentencesWindow::InitPrintContainer()
{
    pTempPrintContainer = PrintText::titleBlock(PrintText::longDate(QDate::currentDate()));
    PrintContainerField->clear();
}

void PrintSentencesWindow::InsertIntoPrintContainer(int lowerClass, int upperClass, const QString &categoryPath,
                                                    int section, const QString &sentences)
{
    pTempPrintContainer += PrintText::sectionBlock(lowerClass, upperClass, categoryPath, section, sentences);
}

void PrintSentencesWindow::PrintSelectedCats()
{
    m_printing = true;
    CancelButton->hide();
    PrintButton->hide();

    const QPointer<PrintSentencesWindow> self(this);
    printThroughDialogs();
    // The dialogs run event loops of their own; the window refuses to close
    // while printing, but nothing below may touch it should it be gone.
    if (!self)
        return;

    PrintProgressBar->setVisible(false);
    PrintProgressBar->repaint();
    CancelButton->show();
    PrintButton->show();
    m_printing = false;
}

void PrintSentencesWindow::printThroughDialogs()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!printer.isValid()) {
        showPrinterNotFound();
        return;
    }
    QPageSetupDialog pageSetup(&printer, this);
    if (pageSetup.exec() != QDialog::Accepted)
        return;

    InitPrintContainer();
    if (CatListBox->ListCount() > 0) {
        // The selection read row by row stays as it was when "Drucken" was pressed.
        const UserInputHeld held;
        collectSelectedSections();
        PrintContainerField->setPlainText(pTempPrintContainer);
    }
    PrintProgressBar->setMaximum(0);
    PrintProgressBar->repaint();

    QPrintDialog printDialog(&printer, nullptr);
    // Every page of the list is printed; there is no range to choose.
    printDialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    const bool accepted = printDialog.exec() == QDialog::Accepted;
    pPaperMargin = SentencePages::kPaperMargin;
    if (!accepted)
        return;
    PrintOutput::Result printed;
    {
        const UserInputHeld held;
        printed = PrintOutput::print(printer, PrintContainerField->toPlainText(), PrintContainerField->font(),
                                     pPaperMargin);
    }
    if (printed.pages < 0) {
        showPrinterNotFound();
    } else if (!printed.failure.isEmpty()) {
        Beep();
        app().ShowOKDialog(PrintOutput::failureHeader(), printed.failure, QStringLiteral("OK"));
    }
}

void PrintSentencesWindow::collectSelectedSections()
{
    const int n = CatListBox->ListCount();
    PrintProgressBar->setMaximum(n);
    PrintProgressBar->setVisible(true);
    const QString separator = QStringLiteral(" : ");
    for (int i = 1; i <= n; ++i) {
        if (CatListBox->topLevelItem(i - 1)->isSelected()) {
            const int lower = ValInt(CatListBox->Cell(i - 1, 0));
            const int upper = ValInt(CatListBox->Cell(i - 1, 1));
            const QString superCategory = CatListBox->Cell(i - 1, 2);
            const QStringList area = CatListBox->CellTag(i - 1, 3).toStringList();
            const QString mainCategory = area.value(0);
            const QString subCategory = area.value(1);
            const QString path = superCategory + separator + mainCategory + separator + subCategory;
            for (int section = 0; section <= 5; ++section) {
                const QString text = app().GetSentences2Category(superCategory, mainCategory, subCategory,
                                                                 Str(section), lower, pUseDuSentences, true);
                if (!text.isEmpty())
                    InsertIntoPrintContainer(lower, upper, path, section, text);
                yieldToEventLoop();
            }
            PrintProgressBar->setValue(i);
            PrintProgressBar->repaint();
        }
        yieldToEventLoop();
    }
}

void PrintSentencesWindow::showPrinterNotFound()
{
    Beep();
    app().ShowOKDialog(QStringLiteral("Drucker nicht gefunden!"),
                       QStringLiteral("Der Drucker wurde nicht gefunden oder es ist keiner eingestellt!"),
                       QStringLiteral("OK"));
}

void PrintSentencesWindow::closeEvent(QCloseEvent *event)
{
    // While the print runs, the window stays, like its hidden buttons.
    if (m_printing) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void PrintSentencesWindow::reject()
{
    if (!m_printing)
        QDialog::reject();
}

void PrintSentencesWindow::applyColumnWidths()
{
    const int width = CatListBox->viewport()->width();
    for (int column = 0; column < 3; ++column)
        CatListBox->header()->resizeSection(column, width * kColumnPercent[column] / 100);
}

void PrintSentencesWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    applyColumnWidths();
}

void PrintSentencesWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    applyColumnWidths();
}
