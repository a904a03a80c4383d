// Page "Orientierungsentwurf": a first draft of the whole report, one
// random sentence for every criterion that the user gives a level.
#include "SentenceWindow.h"

#include "WaitMessagesWindow.h"
#include "app/App.h"
#include "framework/Controls.h"
#include "framework/EventLoop.h"
#include "framework/ImplicitInstance.h"
#include "framework/MessageBox.h"
#include "framework/Strings.h"
#include "framework/TextCompare.h"
#include "store/CategoryQueries.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>

namespace {
constexpr int kCriterionColumn = 1;
constexpr int kLevelColumn = 2;
constexpr int kFromColumn = 3;
constexpr int kToColumn = 4;
constexpr qint64 kDraftWaitShownAfterMs = 500;

const QString &noLevel()
{
    static const QString text = QStringLiteral("-");
    return text;
}

const QString &criterionSeparator()
{
    static const QString text = QStringLiteral(" : ");
    return text;
}

// A level lies between the row's lowest and highest section, by text.
bool levelInRange(const QString &level, const QString &from, const QString &to)
{
    return textCompare(level, from) >= 0 && textCompare(level, to) <= 0;
}
} // namespace

void SentenceWindow::InitOrientingListBox()
{
    // A build started while another one waits for events replaces it.
    const int build = ++m_orientingBuild;
    const auto replaced = [this, build] { return build != m_orientingBuild; };
    DoEvents(-1);
    DoEvents(-1);
    // The wait window belongs to the main window; a guarded pointer, since
    // the events handled during the build may end it.
    const QPointer<WaitMessagesWindow> wait = implicitInstance<WaitMessagesWindow>();
    wait->MessageText->setText(QStringLiteral("Die Liste wird aufgebaut..."));
    wait->show();
    DoEvents(-1);
    DoEvents(-1);
    if (replaced())
        return;

    OrientingListBox->DeleteAllRows();
    // The class and the categories as they are when the build starts. Each
    // row's names are taken apart as stored: the line "Kategorie :
    // Subkategorie" cannot tell where a main category holding " : " ends.
    const QString classLevel = getClass();
    const QList<QStringList> paths = app().pVMCategoryPaths;
    // One pass over the store for the ranges of all rows: a query per row
    // costs seconds on a large collection.
    const auto ranges = app().pSentenceDB ? CategoryQueries::sectionRanges(*app().pSentenceDB, classLevel)
                                          : QMap<QStringList, CategoryQueries::SectionRange>();
    const qsizetype n = paths.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QStringList &path = paths[i];
        const QString line = path.value(1) + criterionSeparator() + path.value(2);
        // Every fifth line, counted from 1.
        if ((i + 1) % 5 == 0) {
            DoEvents(-1);
            if (replaced())
                return;
        }
        OrientingListBox->AddRow(path.value(0));
        const int row = OrientingListBox->ListCount() - 1;
        OrientingListBox->setCell(row, kCriterionColumn, line);
        OrientingListBox->setCellTag(row, kCriterionColumn, path);
        OrientingListBox->setCell(row, kLevelColumn, noLevel());
        const CategoryQueries::SectionRange range = ranges.value(path);
        OrientingListBox->setCell(row, kFromColumn, range.from);
        OrientingListBox->setCell(row, kToColumn, range.to);
        // Rows are moved between rows, never into one another.
        OrientingListBox->topLevelItem(row)->setFlags(OrientingListBox->topLevelItem(row)->flags()
                                                      & ~Qt::ItemIsDropEnabled);
        yieldToEventLoop();
        if (replaced())
            return;
    }
    OrientingListBox->setListIndex(0);
    OrientingListBox->setColumnAlignment(kLevelColumn, Qt::AlignCenter);
    OrientingListBox->setColumnType(kLevelColumn, Listbox::TypeEditable);
    pOrientingListBoxNeedsUpdate = false;
    if (wait)
        wait->hide();
}

bool SentenceWindow::OrientingListBox_KeyDown(const QString &key)
{
    const int row = OrientingListBox->ListIndex();
    if (row < 0)
        return false;
    if (levelInRange(key, OrientingListBox->Cell(row, kFromColumn), OrientingListBox->Cell(row, kToColumn)))
        OrientingListBox->setCell(row, kLevelColumn, key);
    return false;
}

// An edited level must be one character within the row's range; otherwise
// the cell falls back to no level.
void SentenceWindow::checkOrientingLevel(int row, int column, const QString &level)
{
    const bool valid = level.size() < 2
                       && levelInRange(level, OrientingListBox->Cell(row, kFromColumn),
                                       OrientingListBox->Cell(row, kToColumn));
    if (valid)
        return;
    Beep();
    OrientingListBox->setCell(row, column, noLevel());
    // An open editor shows, and will store, the fallback too.
    if (auto *editor = qobject_cast<QLineEdit *>(
            OrientingListBox->indexWidget(OrientingListBox->model()->index(row, column))))
        editor->setText(noLevel());
}

void SentenceWindow::OrientingListBox_CellTextChange(int row, int column)
{
    // While the cell is edited its text is the editor's.
    QString level = OrientingListBox->Cell(row, column);
    if (auto *editor = qobject_cast<QLineEdit *>(
            OrientingListBox->indexWidget(OrientingListBox->model()->index(row, column))))
        level = editor->text();
    checkOrientingLevel(row, column, level);
}

void SentenceWindow::OrientingListBox_CellLostFocus(int row, int column)
{
    checkOrientingLevel(row, column, OrientingListBox->Cell(row, column));
}

bool SentenceWindow::OrientingListBox_CellBackgroundPaint(QPainter &g, const QRect &cell, int row, int)
{
    g.fillRect(cell, row % 2 == 0 ? QColor(250, 250, 230) : QColor(230, 250, 230));
    return false;
}

QString SentenceWindow::doOrientingListSentences()
{
    const int n = OrientingListBox->ListCount();
    if (n < 1) {
        MsgBox(QStringLiteral("Die Liste ist leer!"));
        return {};
    }
    // A draft that takes a while shows that work is running.
    QElapsedTimer sinceStart;
    sinceStart.start();
    QPointer<WaitMessagesWindow> wait;
    QString result;
    const int classLevel = ValInt(getClass());
    for (int row = 0; row < n; ++row) {
        const QStringList path = OrientingListBox->CellTag(row, kCriterionColumn).toStringList();
        const QString level = OrientingListBox->Cell(row, kLevelColumn);
        if (level != noLevel()) {
            const bool du = app().pPrefs && app().pPrefs->pUseDuSentences;
            result += QStringLiteral(" ")
                      + app().GetRandSentence2Category(path.value(0), path.value(1), path.value(2), level, classLevel,
                                                       du);
        }
        // A wait window shown already belongs to the work that showed it.
        if (!wait && sinceStart.elapsed() > kDraftWaitShownAfterMs
            && !(existingInstance<WaitMessagesWindow>() && existingInstance<WaitMessagesWindow>()->isVisible())) {
            wait = implicitInstance<WaitMessagesWindow>();
            wait->MessageText->setText(QStringLiteral("Bitte warten..."));
            wait->show();
            DoEvents(-1);
        }
        yieldToEventLoop();
    }
    if (wait)
        wait->hide();
    return result;
}
