#pragma once
// A main window over a small sentence database made in the test, with the
// application object and a preferences folder of its own.
#include "support/TestSupport.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <vector>

class App;
class Listbox;
class SentenceWindow;

class WindowFixture
{
public:
    WindowFixture();
    ~WindowFixture();

    // Makes the database from rows, sets the stored class and Du-form
    // switch, and opens the main window the way start-up does.
    SentenceWindow *open(const std::vector<SentenceRow> &rows, int lastClass = 1, bool useDu = false,
                         const std::vector<StdPhraseRow> &stdRows = {});
    QString dbPath() const { return m_dbPath; }
    // The stored variants of one section (line ends as "\n"), read through a connection of its own.
    QString stored(const QString &subCategory, int section, bool du = false) const;

private:
    TempConfigHome m_config;
    QTemporaryDir m_dir;
    QString m_dbPath;
    std::unique_ptr<App> m_app;
};

QStringList rowsOf(const Listbox *list);
// Opens the editor of the sentence list's row and types text over it, leaving the cell open.
void typeIntoCell(SentenceWindow *window, int row, const QString &text);
// Sends a key to the widget with the keyboard focus; fails the running test when no widget has it.
void keyIntoFocus(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
