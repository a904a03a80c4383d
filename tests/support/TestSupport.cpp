#include "TestSupport.h"

#include "framework/Database.h"
#include "store/SentenceImporter.h"

#include <QDir>

#include <gtest/gtest.h>

TempConfigHome::TempConfigHome()
{
    m_hadPrevious = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    m_previous = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", m_dir.path().toUtf8());
}

TempConfigHome::~TempConfigHome()
{
    if (m_hadPrevious)
        qputenv("XDG_CONFIG_HOME", m_previous);
    else
        qunsetenv("XDG_CONFIG_HOME");
}

QString TempConfigHome::prefsFile() const
{
    return QDir(m_dir.path()).filePath(QStringLiteral("de.kelmarin.vm9.prf"));
}

SentenceRow sentenceRow(const char *sup, const char *main, const char *sub, int note, int from, int to, int nr,
                        const char *sie, const char *du)
{
    SentenceRow r;
    r.superCategory = QString::fromUtf8(sup);
    r.mainCategory = QString::fromUtf8(main);
    r.subCategory = QString::fromUtf8(sub);
    r.section = note;
    r.startClass = from;
    r.endClass = to;
    r.number = nr;
    r.sentences = QString::fromUtf8(sie);
    r.duSentences = QString::fromUtf8(du);
    return r;
}

void createSentenceDb(const QString &path, const std::vector<SentenceRow> &rows,
                      const std::vector<StdPhraseRow> &stdRows)
{
    using namespace SentenceImporter;
    QFile::remove(path);
    Database db;
    db.setDatabaseFile(path);
    ASSERT_TRUE(db.CreateDatabaseFile()) << db.ErrorMessage().toStdString();
    QStringList tableErrors;
    createTables(db, tableErrors);
    ASSERT_TRUE(tableErrors.isEmpty()) << tableErrors.join(u'\n').toStdString();
    db.SQLExecute(QStringLiteral("BEGIN"));
    for (const SentenceRow &row : rows) {
        const SentenceRecord record{row.superCategory, row.mainCategory, row.subCategory, row.section,
                                    row.startClass,    row.endClass,     row.number,      row.sentences,
                                    row.duSentences};
        ASSERT_TRUE(insertSentenceRecord(db, record)) << db.ErrorMessage().toStdString();
    }
    for (const StdPhraseRow &row : stdRows) {
        const StdPhraseRecord record{row.category, row.categoryNumber, row.phraseNumber, row.appendixNumber,
                                     row.sentence};
        ASSERT_TRUE(insertStdPhraseRecord(db, record)) << db.ErrorMessage().toStdString();
    }
    db.Commit();
    db.Close();
}

QString testDataPath(const QString &name)
{
    return QDir(qEnvironmentVariable("VM_TEST_DATA")).filePath(name);
}
