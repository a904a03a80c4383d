// The print window: its category list, and printing through the real page
// setup and print dialogs into a PDF file that is read back with pdftotext.
#include "app/App.h"
#include "app/MessageDialogs.h"
#include "framework/Controls.h"
#include "framework/ImplicitInstance.h"
#include "print/PrintSentencesWindow.h"
#include "print/SentencePages.h"
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Chooses printing into a PDF file in Qt's print dialog.
void choosePdfFile(QPrintDialog *dialog, const QString &path)
{
    auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
    ASSERT_TRUE(printers);
    const int pdf = printers->findText(QStringLiteral("Print to File (PDF)"));
    ASSERT_GE(pdf, 0);
    printers->setCurrentIndex(pdf);
    auto *file = dialog->findChild<QLineEdit *>(QStringLiteral("filename"));
    ASSERT_TRUE(file);
    file->setText(path);
}

struct PrintRun
{
    bool sawPageSetup = false;
    bool sawPrintDialog = false;
    bool buttonsHiddenWhilePrinting = false;
    QString message;
};

enum class Answer { Accept, Cancel };

// Presses "Drucken" and answers the page setup and the print dialog as a user would.
PrintRun printThroughDialogs(PrintSentencesWindow *window, const QString &pdfPath,
                             Answer pageSetup = Answer::Accept, Answer print = Answer::Accept)
{
    PrintRun run;
    whenModalOf<QPageSetupDialog>([&run, window, pageSetup](QPageSetupDialog *d) {
        run.sawPageSetup = true;
        run.buttonsHiddenWhilePrinting = window->PrintButton->isHidden() && window->CancelButton->isHidden();
        pageSetup == Answer::Accept ? d->accept() : d->reject();
    });
    if (pageSetup == Answer::Accept)
        whenModalOf<QPrintDialog>([&run, pdfPath, print](QPrintDialog *d) {
            run.sawPrintDialog = true;
            if (print == Answer::Cancel) {
                d->reject();
                return;
            }
            choosePdfFile(d, pdfPath);
            d->accept();
        });
    whenModalOf<OKDialog>([&run](OKDialog *d) {
        run.message = d->HeaderText->text();
        d->OKButton->click();
    });
    QTest::mouseClick(window->PrintButton, Qt::LeftButton);
    return run;
}

// The text of a PDF file, every run of blanks made one blank (the layout of
// a proportional font comes back with blanks of its own).
QString pdfText(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput()).replace(QRegularExpression(QStringLiteral(" +")),
                                                                QStringLiteral(" "));
}

// The text of each page (pdftotext ends every page with a form feed, so an
// empty page comes back as an empty text).
QStringList pageTexts(const QString &pdf)
{
    QStringList pages = pdfText(pdf).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

class PrintWindowTest : public ::testing::Test
{
protected:
    void openDatabase(const std::vector<SentenceRow> &rows)
    {
        const QString path = dir.filePath(QStringLiteral("Formulierungshilfen.rbd"));
        createSentenceDb(path, rows);
        application.pSentenceDB = std::make_unique<SentenceDatabase>();
        application.pSentenceDB->setDatabaseFile(path);
        ASSERT_TRUE(application.pSentenceDB->Connect());
    }

    PrintSentencesWindow *openWindow(bool useDu = false)
    {
        showPrintSentencesWindow(useDu);
        return existingInstance<PrintSentencesWindow>();
    }

    void TearDown() override
    {
        if (PrintSentencesWindow *w = existingInstance<PrintSentencesWindow>())
            w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QString pdf(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir dir;
    TempConfigHome home;
    App application;
};

const std::vector<SentenceRow> kRows = {
    sentenceRow("Arbeitsverhalten", "Fleiß", "Mitarbeit", 1, 1, 2, 7, "P\rQ\rR", "Du P\rDu Q"),
    sentenceRow("Arbeitsverhalten", "Fleiß", "Mitarbeit", 0, 1, 2, 8, "Null"),
    sentenceRow("Arbeitsverhalten", "Fleiß", "Mitarbeit", 5, 1, 2, 9, "Fünf"),
    sentenceRow("Arbeitsverhalten", "Fleiß", "Mitarbeit", 6, 1, 2, 6, "Sechs"),
    sentenceRow("Sozialverhalten", "Umgang", "Mitschüler", 1, 3, 4, 120, "A\rB\rC\rD\rE\rF\rG\rH\rI\rJ"),
    sentenceRow("Lernen", "Lesen", "Tempo", 3, 1, 10, 40, "Nur Stufe drei"),
    sentenceRow("Lernen", "Lesen", "Tempo", 1, 0, 4, 41, "Klasse null"),
};

} // namespace

TEST_F(PrintWindowTest, ListsTheCategoriesWithTheirClassRangesAndSelectsAllOrNone)
{
    openDatabase(kRows);
    PrintSentencesWindow *w = openWindow();
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->isModal());
    Listbox *list = w->CatListBox;
    // One row per sentence of the sections 0 and 1 ("Mitarbeit" twice); class 0 and section 3 are left out.
    ASSERT_EQ(list->ListCount(), 3);
    const QStringList row2{list->Cell(2, 0), list->Cell(2, 1), list->Cell(2, 2), list->Cell(2, 3)};
    EXPECT_EQ(row2, (QStringList{QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("Sozialverhalten"),
                                 QStringLiteral("Umgang : Mitschüler")}));
    EXPECT_EQ(list->Cell(1, 3), QStringLiteral("Fleiß : Mitarbeit"));
    EXPECT_TRUE(list->selectedItems().isEmpty());
    QTest::mouseClick(w->PushButton2, Qt::LeftButton);
    EXPECT_EQ(list->selectedItems().size(), 3);
    QTest::mouseClick(w->PushButton1, Qt::LeftButton);
    EXPECT_TRUE(list->selectedItems().isEmpty());

    // Rows alternate their colours (a point in the empty right part of the last column).
    const QImage shot = list->viewport()->grab().toImage();
    const QColor expected[] = {QColor(250, 250, 230), QColor(230, 250, 230), QColor(250, 250, 230)};
    for (int r = 0; r < 3; ++r) {
        const QRect cell = list->visualRect(list->model()->index(r, 3));
        const QPoint at(cell.right() - 3, cell.center().y());
        EXPECT_EQ(shot.pixelColor(at * shot.devicePixelRatio()).rgb(), expected[r].rgb()) << "row " << r;
    }
}

TEST_F(PrintWindowTest, AnEmptyListOrCancelledDialogsPrintNothing)
{
    openDatabase({sentenceRow("S", "K", "U", 3, 1, 2, 1)});
    PrintSentencesWindow *w = openWindow();
    EXPECT_EQ(w->CatListBox->ListCount(), 0);
    PrintRun run = printThroughDialogs(w, pdf("empty.pdf"));
    EXPECT_TRUE(run.sawPrintDialog);
    EXPECT_TRUE(run.message.isEmpty());
    EXPECT_FALSE(QFile::exists(pdf("empty.pdf")));
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    openDatabase(kRows);
    w = openWindow();
    QTest::mouseClick(w->PushButton2, Qt::LeftButton);
    run = printThroughDialogs(w, pdf("a.pdf"), Answer::Cancel);
    EXPECT_TRUE(run.sawPageSetup);
    EXPECT_FALSE(run.sawPrintDialog);
    run = printThroughDialogs(w, pdf("b.pdf"), Answer::Accept, Answer::Cancel);
    EXPECT_TRUE(run.sawPrintDialog);
    EXPECT_TRUE(run.message.isEmpty());
    EXPECT_FALSE(QFile::exists(pdf("a.pdf")));
    EXPECT_FALSE(QFile::exists(pdf("b.pdf")));
    EXPECT_TRUE(w->PrintButton->isVisible());
    EXPECT_EQ(w->CatListBox->selectedItems().size(), 3);
}

TEST_F(PrintWindowTest, WithoutSelectionTheTitleBlockAlonePrintsOnOnePage)
{
    openDatabase(kRows);
    PrintSentencesWindow *w = openWindow();
    const PrintRun run = printThroughDialogs(w, pdf("title.pdf"));
    EXPECT_TRUE(run.sawPageSetup);
    EXPECT_TRUE(run.buttonsHiddenWhilePrinting);
    EXPECT_TRUE(run.message.isEmpty()) << run.message.toStdString();

    EXPECT_EQ(pageTexts(pdf("title.pdf")).size(), 1);
    const QString text = pdfText(pdf("title.pdf"));
    for (const char *shown : {"Velmora 9", "Kelmarin Software", "SATZLISTENDRUCK Velmora", "Datum: ", "Seite 1"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(shown))) << shown << "\n" << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Klasse:")));

    // The window stays open with its buttons back.
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->PrintButton->isVisible());
    EXPECT_FALSE(w->PrintProgressBar->isVisible());
}

TEST_F(PrintWindowTest, CancelClosesTheWindowAndANewOneStartsWithTheSieForm)
{
    openDatabase(kRows);
    PrintSentencesWindow *w = openWindow(true);
    EXPECT_TRUE(w->pUseDuSentences);
    QTest::mouseClick(w->CancelButton, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(existingInstance<PrintSentencesWindow>(), nullptr);
    EXPECT_FALSE(PrintSentencesWindow::instance()->pUseDuSentences);
}

TEST_F(PrintWindowTest, SelectedRowsPrintTheirNumberedSections)
{
    openDatabase(kRows);
    PrintSentencesWindow *w = openWindow();
    w->CatListBox->topLevelItem(0)->setSelected(true);
    EXPECT_TRUE(printThroughDialogs(w, pdf("sections.pdf")).message.isEmpty());

    // Sections 0 to 5 of the row's category, never above 5.
    const QString container = w->PrintContainerField->toPlainText();
    EXPECT_TRUE(container.startsWith(QStringLiteral("SATZLISTENDRUCK Velmora\nDatum: ")));
    EXPECT_TRUE(container.endsWith(QStringLiteral("Klasse: 1-2  Arbeitsverhalten : Fleiß : Mitarbeit\n"
                                                  "Stufe: 0\n8-1  Null\n\n\n"
                                                  "Klasse: 1-2  Arbeitsverhalten : Fleiß : Mitarbeit\n"
                                                  "Stufe: 1\n7-1  P\n7-2  Q\n7-3  R\n\n\n"
                                                  "Klasse: 1-2  Arbeitsverhalten : Fleiß : Mitarbeit\n"
                                                  "Stufe: 5\n9-1  Fünf\n\n\n")))
        << container.toStdString();

    const QString text = pdfText(pdf("sections.pdf"));
    for (const char *shown : {"Klasse: 1-2 Arbeitsverhalten : Fleiß : Mitarbeit", "Stufe: 1", "7-3 R", "9-1 Fünf"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(shown))) << shown << "\n" << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Umgang")));
    EXPECT_EQ(pageTexts(pdf("sections.pdf")).size(), 1);

    // The Du form prints the Du variants; rows without one print nothing.
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    w = openWindow(true);
    w->CatListBox->topLevelItem(0)->setSelected(true);
    printThroughDialogs(w, pdf("du.pdf"));
    const QString du = pdfText(pdf("du.pdf"));
    EXPECT_TRUE(du.contains(QStringLiteral("7-2 Du Q"))) << du.toStdString();
    EXPECT_FALSE(du.contains(QStringLiteral("Null")));
}

TEST_F(PrintWindowTest, ALongListGoesOnTwoPagesWithoutAnEmptyThird)
{
    // Enough sections to fill more than one page and less than two.
    std::vector<SentenceRow> rows;
    for (int i = 0; i < 12; ++i) {
        const QByteArray area = QStringLiteral("Bereich %1").arg(i, 2, 10, QLatin1Char('0')).toUtf8();
        rows.push_back(sentenceRow("Lernen", "Lesen", area.constData(), 1, 1, 4, 200 + i,
                                   "Erster Satz\rZweiter Satz\rDritter Satz"));
    }
    openDatabase(rows);
    PrintSentencesWindow *w = openWindow();
    QTest::mouseClick(w->PushButton2, Qt::LeftButton);
    printThroughDialogs(w, pdf("long.pdf"));

    const QStringList pages = pageTexts(pdf("long.pdf"));
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Seite 1")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Seite 2")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Velmora 9")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("211-3 Dritter Satz")));
}

// The page printer alone, on a PDF printer set up without dialogs.

class PagePrinterTest : public ::testing::Test
{
protected:
    void setUpPrinter(QPrinter &printer, const QString &file)
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(dir.filePath(file));
    }

    static QString lines(int count)
    {
        QStringList l;
        for (int i = 1; i <= count; ++i)
            l << QStringLiteral("Zeile %1").arg(i);
        return l.join(u'\n') + QStringLiteral("\n\n");
    }

    QFont textFont() const
    {
        QFont f = QApplication::font();
        f.setPointSize(11);
        return f;
    }

    QTemporaryDir dir;
};

TEST_F(PagePrinterTest, ATextThatFillsItsLastPageEndsThere)
{
    QPrinter probe(QPrinter::HighResolution);
    setUpPrinter(probe, QStringLiteral("probe.pdf"));
    // The most lines that still fit on one page.
    int onePage = 1;
    while (SentencePages::pageCount(probe, lines(onePage + 1), textFont()) == 1)
        ++onePage;
    ASSERT_GT(onePage, 10);

    QPrinter full(QPrinter::HighResolution);
    setUpPrinter(full, QStringLiteral("full.pdf"));
    EXPECT_EQ(SentencePages::print(full, lines(onePage), textFont()), 1);
    EXPECT_EQ(pageTexts(dir.filePath(QStringLiteral("full.pdf"))).size(), 1);

    QPrinter two(QPrinter::HighResolution);
    setUpPrinter(two, QStringLiteral("two.pdf"));
    EXPECT_EQ(SentencePages::print(two, lines(2 * onePage), textFont()), 2);
    const QStringList pages = pageTexts(dir.filePath(QStringLiteral("two.pdf")));
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Zeile %1\n").arg(onePage)));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Zeile %1\n").arg(onePage + 1)));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Zeile %1\n").arg(2 * onePage)));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Seite 2")));
}

TEST_F(PagePrinterTest, NothingToDrawOnGivesMinusOne)
{
    QPrinter nowhere(QPrinter::HighResolution);
    nowhere.setOutputFormat(QPrinter::PdfFormat);
    nowhere.setOutputFileName(dir.filePath(QStringLiteral("no/such/folder/x.pdf")));
    EXPECT_EQ(SentencePages::print(nowhere, lines(3), textFont()), -1);
    EXPECT_EQ(SentencePages::print(nowhere, QString(), textFont()), 0);

    // A paper smaller than the margins has no room for the text.
    QPrinter tiny(QPrinter::HighResolution);
    setUpPrinter(tiny, QStringLiteral("tiny.pdf"));
    tiny.setPageSize(QPageSize(QSizeF(100, 100), QPageSize::Point));
    EXPECT_EQ(SentencePages::print(tiny, lines(3), textFont()), -1);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("tiny.pdf"))));
}
