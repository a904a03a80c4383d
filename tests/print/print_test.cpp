// The print window: its category list from a real database, and printing
// through the real page setup and print dialogs into a PDF read back with
// pdftotext; on an X display of its own, clicked with xdotool on a generated
// collection. The tests run in the C locale: the printout is German anyway.
#include "CollectionGenerator.h"
#include "app/App.h"
#include "app/MessageDialogs.h"
#include "framework/Controls.h"
#include "framework/ImplicitInstance.h"
#include "print/PrintSentencesWindow.h"
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"
#include "support/XvfbSession.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

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

// The date line of a printout made on date, written out by hand.
QString germanDateLine(const QDate &date)
{
    const char *const days[] = {"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"};
    const char *const months[] = {"Januar", "Februar", "März", "April", "Mai", "Juni",
                                  "Juli", "August", "September", "Oktober", "November", "Dezember"};
    return QStringLiteral("Datum: %1, %2. %3 %4")
        .arg(QString::fromUtf8(days[date.dayOfWeek() - 1]))
        .arg(date.day())
        .arg(QString::fromUtf8(months[date.month() - 1]))
        .arg(date.year());
}

class PrintTest : public ::testing::Test
{
protected:
    PrintSentencesWindow *openWindow(const std::vector<SentenceRow> &rows)
    {
        const QString path = dir.filePath(QStringLiteral("s.rbd"));
        createSentenceDb(path, rows);
        return openWindowOn(path);
    }
    PrintSentencesWindow *openWindowOn(const QString &path)
    {
        application.pSentenceDB = std::make_unique<SentenceDatabase>();
        application.pSentenceDB->setDatabaseFile(path);
        EXPECT_TRUE(application.pSentenceDB->Connect());
        showPrintSentencesWindow(false);
        return existingInstance<PrintSentencesWindow>();
    }
    // Answers the page setup and print dialogs of the next print: into a PDF
    // file, or with false cancelling the print dialog. The file's path.
    QString answerPrintDialogs(bool accept = true)
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
        return pdf;
    }
    // Presses "Drucken" and answers the dialogs; the printed pages.
    QStringList print(PrintSentencesWindow *w, bool accept = true)
    {
        const QString pdf = answerPrintDialogs(accept);
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
        sentenceRow("Back\\slash", "Haupt : Teil", "Unter", 1, 2, 3, 40), // names are shown whole
    });
    const QDate today = QDate::currentDate();
    QStringList rows;
    for (int r = 0; r < w->CatListBox->ListCount(); ++r)
        rows << QStringList{w->CatListBox->Cell(r, 0), w->CatListBox->Cell(r, 1), w->CatListBox->Cell(r, 2),
                            w->CatListBox->Cell(r, 3)}.join(u'|');
    EXPECT_EQ(rows, (QStringList{QStringLiteral("1|2|Sozialverhalten|Umgang : Mitschüler"),
                                 QStringLiteral("1|10|Lernen|Lesen : Tempo"), QStringLiteral("1|10|Lernen|Lesen : Tempo"),
                                 QStringLiteral("2|3|Back\\slash|Haupt : Teil : Unter"),
                                 QStringLiteral("3|4|Arbeitsverhalten|Fleiß : Hausaufgaben")}));
    // Without a selection the title block alone is printed, on one page.
    const QStringList pages = print(w);
    ASSERT_EQ(pages.size(), 1);
    for (const char *shown : {"Velmora 9 Kelmarin Software", "SATZLISTENDRUCK Velmora", "Seite 1"})
        EXPECT_TRUE(pages[0].contains(QString::fromUtf8(shown))) << shown;
    // German in the C locale too (a print just after midnight has the next day's date).
    EXPECT_TRUE(pages[0].contains(germanDateLine(today) + u'\n')
                || pages[0].contains(germanDateLine(today.addDays(1)) + u'\n'))
        << pages[0].toStdString();
    EXPECT_FALSE(pages[0].contains(QStringLiteral("Klasse:")));
    EXPECT_TRUE(print(w, false).isEmpty()) << "a cancelled print dialog prints nothing";
    EXPECT_TRUE(w->PrintButton->isVisible());
}

TEST_F(PrintTest, EverySentenceLineIsPrintedOnceOverManyPages)
{
    std::vector<SentenceRow> rows = {sentenceRow("A\\", "B : C", "D", 0, 1, 2, 8, "Null"),
                                     sentenceRow("A\\", "B : C", "D", 5, 1, 2, 9, "Fünf"),
                                     sentenceRow("A\\", "B : C", "D", 6, 1, 2, 6, "Sechs")};
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
    EXPECT_TRUE(container.contains(QStringLiteral("\n\nKlasse: 1-2  A\\ : B : C : D\nStufe: 0\n8-1  Null\n\n\n"
                                                  "Klasse: 1-2  A\\ : B : C : D\nStufe: 5\n9-1  Fünf\n\n\n")));
    EXPECT_FALSE(container.contains(QStringLiteral("Sechs")));
}

// On a disk that takes no more than a few bytes of a file, the printout says why it is not whole.
TEST_F(PrintTest, APrintoutThatIsNotWrittenWholeSaysWhyAndLeavesNoCutFile)
{
    PrintSentencesWindow *w = openWindow({sentenceRow("A", "B", "C", 1, 1, 2, 8, "Satz")});
    w->PushButton2->click();
    QString said;
    whenModalOf<OKDialog>([&said](OKDialog *d) {
        said = d->HeaderText->text() + u'|' + d->SubText->text();
        d->OKButton->click();
    });
    const sighandler_t formerHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit before = {};
    ::getrlimit(RLIMIT_FSIZE, &before);
    const rlimit full = {32, before.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &full);
    const QString pdf = answerPrintDialogs();
    w->PrintButton->click();
    ::setrlimit(RLIMIT_FSIZE, &before);
    ::signal(SIGXFSZ, formerHandler);
    EXPECT_EQ(said, QStringLiteral("Ausdruck unvollständig!|Der Ausdruck konnte nicht vollständig in die Datei „%1“ "
                                   "geschrieben werden: Das System erlaubt dem Programm keine so große Datei.")
                        .arg(pdf));
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("out.pdf*")}, QDir::Files), QStringList());
}

// The window clicked on a real display: a collection of 4,000 sub-categories,
// each listed once with one section of sentences.
class PrintXvfbTest : public PrintTest
{
protected:
    static constexpr int kRows = 4000;

    void SetUp() override
    {
        if (!g_x->isRunning())
            GTEST_SKIP() << "no Xvfb, openbox or xdotool";
        const QString sentences = dir.filePath(QStringLiteral("s.txt"));
        const QString phrases = dir.filePath(QStringLiteral("p.txt"));
        const QString database = dir.filePath(QStringLiteral("big.rbd"));
        GeneratedCollection written;
        ASSERT_TRUE(writeCollection(sentences, phrases, CollectionSize{kRows, kRows}, written));
        SentenceImporter::Counts counts;
        QStringList messages;
        ASSERT_TRUE(SentenceImporter::buildDatabase(sentences, phrases, database, counts, messages)) << messages.join(u'\n').toStdString();
        w = openWindowOn(database);
        ASSERT_EQ(w->CatListBox->ListCount(), kRows);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w, kWaitMs));
        ASSERT_TRUE(g_x->activate(QString::number(w->winId())));
    }

    // Clicks the buttons one right after the other, as fast as a hand can,
    // while the program goes on handling events.
    static void clickInTurn(std::initializer_list<QWidget *> buttons)
    {
        QString script = QStringLiteral("xdotool");
        for (QWidget *button : buttons) {
            const QPoint p = button->mapToGlobal(button->rect().center());
            script += QStringLiteral(" mousemove %1 %2 click 1").arg(p.x()).arg(p.y());
        }
        QProcess tool;
        tool.setProcessEnvironment(g_x->environment());
        tool.start(QStringLiteral("sh"), {QStringLiteral("-c"), script});
        ASSERT_TRUE(tool.waitForStarted(5000));
        ASSERT_TRUE(QTest::qWaitFor([&tool] { return tool.state() == QProcess::NotRunning; }, kWaitMs));
    }

    static constexpr int kWaitMs = 20000;
    PrintSentencesWindow *w = nullptr;
};

TEST_F(PrintXvfbTest, AllesThenAbbrechenClosesTheWindowAndTheProgramGoesOn)
{
    const QPointer<PrintSentencesWindow> window(w);
    clickInTurn({w->PushButton2, w->CancelButton});
    EXPECT_TRUE(QTest::qWaitFor([&window] { return window.isNull(); }, kWaitMs)) << "the window is gone";
    EXPECT_EQ(existingInstance<PrintSentencesWindow>(), nullptr);
}

TEST_F(PrintXvfbTest, AllesThenDruckenPrintsTheBlockOfEveryRow)
{
    const QString pdf = answerPrintDialogs();
    clickInTurn({w->PushButton2, w->PrintButton});
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(pdf) && w->PrintButton->isVisible(); }, 60000));
    const QString printed = pdfPages(pdf).join(u'\n');
    EXPECT_EQ(w->CatListBox->selectedItems().size(), kRows);
    const QStringList lines = printed.split(u'\n');
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const QString &line) { return line.trimmed() == QStringLiteral("Stufe: 1"); }),
              kRows);
    // The first and the last row of the list are both there.
    for (int criterion : {0, kRows - 1})
        EXPECT_TRUE(printed.contains(QStringLiteral(" : ") + generatedSubCategory(criterion) + u'\n'))
            << criterion;
}
