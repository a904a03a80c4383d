#include "framework/Database.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class DatabaseTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

TEST_F(DatabaseTest, CreatesSelectsAndKeepsStatementsWithoutCommit)
{
    {
        Database db;
        db.setDatabaseFile(path(QStringLiteral("a.rbd")));
        ASSERT_TRUE(db.CreateDatabaseFile());
        db.SQLExecute(QStringLiteral("CREATE TABLE t (name VarChar, n Integer, b Binary)"));
        ASSERT_FALSE(db.Error());
        DatabaseRecord rec;
        rec.Column(QStringLiteral("name"), QStringLiteral("Größe"));
        rec.IntegerColumn(QStringLiteral("n"), 42);
        db.InsertRecord(QStringLiteral("t"), rec);
        ASSERT_FALSE(db.Error()) << db.ErrorMessage().toStdString();
        db.SQLExecute(QStringLiteral("UPDATE t SET b = 'x' WHERE n = 42"));
        db.Close(); // no Commit: the statements stay all the same
    }
    Database db;
    db.setDatabaseFile(path(QStringLiteral("a.rbd")));
    ASSERT_TRUE(db.Connect());
    auto rs = db.SQLSelect(QStringLiteral("select name, n, b, NULL as missing_value from t"));
    ASSERT_TRUE(rs);
    EXPECT_EQ(rs->RecordCount(), 1);
    rs->MoveFirst();
    ASSERT_FALSE(rs->IsEOF());
    EXPECT_EQ(rs->Field(QStringLiteral("name")), QStringLiteral("Größe"));
    EXPECT_EQ(rs->Field(QStringLiteral("N")), QStringLiteral("42"));
    EXPECT_EQ(rs->Field(QStringLiteral("b")), QStringLiteral("x"));
    EXPECT_EQ(rs->Field(QStringLiteral("missing_value")), QString());
    EXPECT_EQ(rs->Field(QStringLiteral("no such column")), QString());
    rs->MoveNext();
    EXPECT_TRUE(rs->IsEOF());
    EXPECT_EQ(rs->Field(QStringLiteral("name")), QString());
}

TEST_F(DatabaseTest, FailuresGiveNoCursorAndAnErrorText)
{
    Database db;
    db.setDatabaseFile(path(QStringLiteral("b.rbd")));
    EXPECT_FALSE(db.Connect()) << "a missing file does not connect";
    QFile garbage(path(QStringLiteral("garbage.rbd")));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(4096, '\x5a'));
    garbage.close();
    Database broken;
    broken.setDatabaseFile(garbage.fileName());
    EXPECT_FALSE(broken.Connect()) << "nor does a file that is no database";
    EXPECT_EQ(broken.SQLSelect(QStringLiteral("select 1")), nullptr);
    EXPECT_EQ(db.SQLSelect(QStringLiteral("select 1")), nullptr) << "not connected";
    ASSERT_TRUE(db.CreateDatabaseFile());
    EXPECT_EQ(db.SQLSelect(QStringLiteral("select x from missing")), nullptr);
    EXPECT_TRUE(db.Error());
    db.SQLExecute(QStringLiteral("not sql at all"));
    EXPECT_TRUE(db.Error());
    EXPECT_FALSE(db.ErrorMessage().isEmpty());
    DatabaseRecord rec;
    rec.IntegerColumn(QStringLiteral("x"), 1);
    db.InsertRecord(QStringLiteral("missing"), rec);
    EXPECT_TRUE(db.Error());
    db.SQLExecute(QStringLiteral("CREATE TABLE ok (x Integer)"));
    EXPECT_FALSE(db.Error()) << "a good statement clears the error";
}

TEST_F(DatabaseTest, QuotesInsideTextValuesAreDoubled)
{
    Database db;
    db.setDatabaseFile(path(QStringLiteral("q.rbd")));
    ASSERT_TRUE(db.CreateDatabaseFile());
    db.SQLExecute(QStringLiteral("CREATE TABLE t (s VarChar)"));
    const QString tricky = QStringLiteral("Er geht's ruhig an.'); DROP TABLE t; --");
    db.SQLExecute(QStringLiteral("INSERT INTO t VALUES ('") + sqlText(tricky) + QStringLiteral("')"));
    ASSERT_FALSE(db.Error()) << db.ErrorMessage().toStdString();
    auto rs = db.SQLSelect(QStringLiteral("select s from t where s = '") + sqlText(tricky) + QStringLiteral("'"));
    ASSERT_TRUE(rs);
    ASSERT_EQ(rs->RecordCount(), 1);
    EXPECT_EQ(rs->Field(QStringLiteral("s")), tricky);
}
