#pragma once
// Real parts for the tests: temporary folders, a preferences folder of their
// own, and sentence databases built from rows.
#include <QString>
#include <QTemporaryDir>

#include <ostream>
#include <vector>

// Failed comparisons of texts print the texts.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

// Points $XDG_CONFIG_HOME at a fresh temporary folder while it lives.
class TempConfigHome
{
public:
    TempConfigHome();
    ~TempConfigHome();
    QString path() const { return m_dir.path(); }
    QString prefsFile() const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
    bool m_hadPrevious = false;
};

struct SentenceRow
{
    QString superCategory;
    QString mainCategory;
    QString subCategory;
    int section = 1;
    int startClass = 1;
    int endClass = 10;
    int number = 1;
    QString sentences; // variants joined by CR, as imported
    QString duSentences;
};

// A row written the short way: categories, section, class range, number and texts.
SentenceRow sentenceRow(const char *sup, const char *main, const char *sub, int note, int from, int to, int nr,
                        const char *sie = "Satz", const char *du = "");

struct StdPhraseRow
{
    QString category;
    int categoryNumber = 1;
    int phraseNumber = 1;
    int appendixNumber = 0;
    QString sentence;
};

// Makes a database file at path with both tables and the rows.
void createSentenceDb(const QString &path, const std::vector<SentenceRow> &rows,
                      const std::vector<StdPhraseRow> &stdRows = {});
// A folder of test data beside the test sources.
QString testDataPath(const QString &name);
