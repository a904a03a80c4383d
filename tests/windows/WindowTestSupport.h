#pragma once
// A main window over a small sentence database made in the test, with the
// application object and a preferences folder of its own.
#include "support/TestSupport.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <vector>

class App;
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
    // Opens the window on an existing database file (a copy of it, so that nothing changes the original).
    SentenceWindow *openExisting(const QString &path, int lastClass = 1);
    QString dbPath() const { return m_dbPath; }
    App &application() { return *m_app; }
    // The stored text of one column of the first row matching the section, read from a fresh connection.
    QString storedColumn(const QString &column, const QString &mainCategory, const QString &subCategory,
                         int section) const;

private:
    SentenceWindow *openWindow(int lastClass, bool useDu);

    TempConfigHome m_config;
    QTemporaryDir m_dir;
    QString m_dbPath;
    std::unique_ptr<App> m_app;
};

// Whether the store answers sentence queries yet / whether forming fills in
// names yet: the tests that rely on them are skipped until then.
bool storeReadsSentences();
// The sample database the build puts beside the program; "" when there is none.
QString sampleDatabase();
bool formingFillsNames();

// Holds the Alt (Option) key down as the keyboard reports it while it lives.
class AltKeyHeld
{
public:
    AltKeyHeld();
    ~AltKeyHeld();
};
