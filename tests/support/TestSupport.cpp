#include "TestSupport.h"

#include "framework/Database.h"
#include "store/Schema.h"

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

void createSentenceDb(const QString &path, const std::vector<SentenceRow> &rows,
                      const std::vector<StdPhraseRow> &stdRows)
{
    QFile::remove(path);
    Database db;
    db.setDatabaseFile(path);
    ASSERT_TRUE(db.CreateDatabaseFile()) << db.ErrorMessage().toStdString();
    db.SQLExecute(saetzeCreateSql());
    ASSERT_FALSE(db.Error()) << db.ErrorMessage().toStdString();
    db.SQLExecute(standardsaetzeCreateSql());
    ASSERT_FALSE(db.Error()) << db.ErrorMessage().toStdString();
    db.SQLExecute(QStringLiteral("BEGIN"));
    for (const SentenceRow &row : rows) {
        DatabaseRecord rec;
        rec.IntegerColumn(QStringLiteral("Nr"), row.number);
        rec.IntegerColumn(QStringLiteral("Startklasse"), row.startClass);
        rec.IntegerColumn(QStringLiteral("Endklasse"), row.endClass);
        rec.IntegerColumn(QStringLiteral("Note"), row.section);
        rec.Column(QStringLiteral("Oberkategorie"), row.superCategory);
        rec.Column(QStringLiteral("Kategorie"), row.mainCategory);
        rec.Column(QStringLiteral("Subkategorie"), row.subCategory);
        rec.Column(QStringLiteral("Sentences"), row.sentences);
        rec.Column(QStringLiteral("DuSentences"), row.duSentences);
        rec.IntegerColumn(QStringLiteral("id"), qint64(row.startClass) * 10000 + row.number);
        db.InsertRecord(QStringLiteral("Saetze"), rec);
        ASSERT_FALSE(db.Error()) << db.ErrorMessage().toStdString();
    }
    for (const StdPhraseRow &row : stdRows) {
        DatabaseRecord rec;
        rec.Column(QStringLiteral("Kategorie"), row.category);
        rec.IntegerColumn(QStringLiteral("Katnr"), row.categoryNumber);
        rec.IntegerColumn(QStringLiteral("Satznr"), row.phraseNumber);
        rec.IntegerColumn(QStringLiteral("Appendixnr"), row.appendixNumber);
        rec.Column(QStringLiteral("Sentence"), row.sentence);
        db.InsertRecord(QStringLiteral("Standardsaetze"), rec);
        ASSERT_FALSE(db.Error()) << db.ErrorMessage().toStdString();
    }
    db.Commit();
    db.Close();
}

QString testDataPath(const QString &name)
{
    return QDir(qEnvironmentVariable("VM_TEST_DATA")).filePath(name);
}
