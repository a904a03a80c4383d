// The print window: its category list from a real database, and printing
// through the real page setup and print dialogs into a PDF read back with pdftotext.
#include "app/App.h"
#include "framework/Controls.h"
#include "framework/ImplicitInstance.h"
#include "print/PrintSentencesWindow.h"
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {
// The pages of a PDF as text, runs of blanks made one (pdftotext ends every page with a form feed).
QStringList pdfPages(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    QStringList pages = QString::fromUtf8(p.readAllStandardOutput())
                            .replace(QRegularExpression(QStringLiteral(" +")), QStringLiteral(" "))
                            .split(u'\f');
    pages.removeLast();
    return pages;
}

class PrintTest : public ::testing::Test
{
protected:
    PrintSentencesWindow *openWindow(const std::vector<SentenceRow> &rows)
    {
        const QString path = dir.filePath(QStringLiteral("s.rbd"));
        createSentenceDb(path, rows);
        application.pSentenceDB = std::make_unique<SentenceDatabase>();
        application.pSentenceDB->setDatabaseFile(path);
        EXPECT_TRUE(application.pSentenceDB->Connect());
        showPrintSentencesWindow(false);
        return existingInstance<PrintSentencesWindow>();
    }
    // Presses "Drucken" and answers the page setup and print dialogs; false cancels the print dialog.
    QStringList print(PrintSentencesWindow *w, bool accept = true)
    {
        const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
        QFile::remove(pdf);
        whenModalOf<QPageSetupDialog>([](QPageSetupDialog *d) { d->accept(); });
        whenModalOf<QPrintDialog>([pdf, accept](QPrintDialog *d) {
            auto *printers = d->findChild<QComboBox *>(QStringLiteral("printers"));
            printers->setCurrentIndex(printers->count() - 1); // printing into a PDF file
            d->findChild<QLineEdit *>(QStringLiteral("filename"))->setText(pdf);
            accept ? d->accept() : d->reject();
        });
        w->PrintButton->click();
        return QFile::exists(pdf) ? pdfPages(pdf) : QStringList();
    }
    void TearDown() override { delete existingInstance<PrintSentencesWindow>(); }

    QTemporaryDir dir;
    TempConfigHome home;
    App application;
};
} // namespace

TEST_F(PrintTest, TheListHoldsEveryRowOfTheFirstSectionsInClassesOneToTen)
{
    PrintSentencesWindow *w = openWindow({
        sentenceRow("Arbeitsverhalten", "Fleiß", "Hausaufgaben", 1, 3, 4, 20),
        sentenceRow("Sozialverhalten", "Umgang", "Mitschüler", 0, 1, 2, 11),
        sentenceRow("Arbeitsverhalten", "Fleiß", "Hausaufgaben", 2, 1, 2, 12), // section 2
        sentenceRow("Lernen", "Lesen", "Tempo", 1, 0, 4, 30),                   // class 0
        sentenceRow("Lernen", "Lesen", "Tempo", 1, 5, 11, 31),                  // class 11
        sentenceRow("Lernen", "Lesen", "Tempo", 0, 1, 10, 32),
        sentenceRow("Lernen", "Lesen", "Tempo", 1, 1, 10, 33), // the same category again
    });
    QStringList rows;
    for (int r = 0; r < w->CatListBox->ListCount(); ++r)
        rows << QStringList{w->CatListBox->Cell(r, 0), w->CatListBox->Cell(r, 1), w->CatListBox->Cell(r, 2),
                            w->CatListBox->Cell(r, 3)}.join(u'|');
    EXPECT_EQ(rows, (QStringList{QStringLiteral("1|2|Sozialverhalten|Umgang : Mitschüler"),
                                 QStringLiteral("1|10|Lernen|Lesen : Tempo"), QStringLiteral("1|10|Lernen|Lesen : Tempo"),
                                 QStringLiteral("3|4|Arbeitsverhalten|Fleiß : Hausaufgaben")}));
    // Without a selection the title block alone is printed, on one page.
    const QStringList pages = print(w);
    ASSERT_EQ(pages.size(), 1);
    for (const char *shown : {"Velmora 9 Kelmarin Software", "SATZLISTENDRUCK Velmora", "Datum: ", "Seite 1"})
        EXPECT_TRUE(pages[0].contains(QString::fromUtf8(shown))) << shown;
    EXPECT_FALSE(pages[0].contains(QStringLiteral("Klasse:")));
    EXPECT_TRUE(print(w, false).isEmpty()) << "a cancelled print dialog prints nothing";
    EXPECT_TRUE(w->PrintButton->isVisible());
}

TEST_F(PrintTest, EverySentenceLineIsPrintedOnceOverManyPages)
{
    std::vector<SentenceRow> rows = {sentenceRow("A", "B", "C", 0, 1, 2, 8, "Null"),
                                     sentenceRow("A", "B", "C", 5, 1, 2, 9, "Fünf"),
                                     sentenceRow("A", "B", "C", 6, 1, 2, 6, "Sechs")};
    for (int i = 0; i < 40; ++i)
        rows.push_back(sentenceRow("Lernen", "Lesen", QByteArray("Bereich ").append(QByteArray::number(i)).constData(),
                                   1, 1, 4, 100 + i, "Erster Satz\rZweiter Satz\rDritter Satz"));
    PrintSentencesWindow *w = openWindow(rows);
    w->PushButton2->click(); // "Alles"
    const QStringList pages = print(w);
    ASSERT_GT(pages.size(), 2);
    const QString all = pages.join(u'\n');
    for (int i = 0; i < 40; ++i)
        for (const char *sentence : {"-1 Erster Satz", "-2 Zweiter Satz", "-3 Dritter Satz"}) {
            const QString line = QString::number(100 + i) + QString::fromUtf8(sentence);
            EXPECT_EQ(all.count(line), 1) << line.toStdString();
        }
    for (int p = 0; p < pages.size(); ++p)
        EXPECT_TRUE(pages[p].contains(QStringLiteral("Seite %1\n").arg(p + 1))) << p;
    // Sections 0 to 5 of a category, never above.
    const QString container = w->PrintContainerField->toPlainText();
    EXPECT_TRUE(container.contains(QStringLiteral("\n\nKlasse: 1-2  A : B : C\nStufe: 0\n8-1  Null\n\n\n"
                                                  "Klasse: 1-2  A : B : C\nStufe: 5\n9-1  Fünf\n\n\n")));
    EXPECT_FALSE(container.contains(QStringLiteral("Sechs")));
}
