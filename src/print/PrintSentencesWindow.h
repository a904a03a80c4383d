#pragma once
// The window in which the user prints the sentences of chosen categories:
// the category list of the whole database, "Nichts", "Alles" and "Drucken".
#include "print/PrintText.h"

#include <QDialog>

class Listbox;
class QPainter;
class QProgressBar;
class QPushButton;
class QTextEdit;

class PrintSentencesWindow : public QDialog
{
    Q_OBJECT
public:
    PrintSentencesWindow();

    // The one window, made on first reference. Its opener shows it and then
    // sets pUseDuSentences; the flag is read only when "Drucken" is pressed.
    static PrintSentencesWindow *instance();

    void Open();
    QList<PrintText::CategoryLine> BuildCatList();
    void FillCatListBox(const QList<PrintText::CategoryLine> &lines);
    void PrintSelectedCats();
    void InsertIntoPrintContainer(int lowerClass, int upperClass, const QString &categoryPath, int section,
                                  const QString &sentences);
    void InitPrintContainer();

    QList<PrintText::CategoryLine> pPrintCategories;
    QString pTempPrintContainer;
    bool pUseDuSentences = false;
    int pPaperMargin = 0;

    Listbox *CatListBox = nullptr;
    QPushButton *PushButton1 = nullptr;
    QPushButton *PushButton2 = nullptr;
    QPushButton *PrintButton = nullptr;
    QPushButton *CancelButton = nullptr;
    QTextEdit *PrintContainerField = nullptr;
    QProgressBar *PrintProgressBar = nullptr;

    bool CatListBox_CellBackgroundPaint(QPainter &g, const QRect &cell, int row, int column);
    void PushButton1_Action();
    void PushButton2_Action();
    void PrintButton_Action();
    void CancelButton_Action();

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // Page setup, the print text, the print dialog and the pages.
    void printThroughDialogs();
    // Appends the sections of every selected row to the print text.
    void collectSelectedSections();
    void showPrinterNotFound();
    void applyColumnWidths();

    bool m_printing = false;
};

// Shows the print window; the menu command "Satzliste drucken..." calls this
// with the main window's Du-form flag.
void showPrintSentencesWindow(bool useDuSentences);
