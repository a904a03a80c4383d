#include "TestSupport.h"

#include <QDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

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

void endWithTest(QProcess &process)
{
    process.setChildProcessModifier([test = ::getpid()] {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != test) // the test ended before the line above
            ::_exit(1);
    });
}

LockingProcess::LockingProcess(const QString &path, const QString &sql, int holdMs)
{
    endWithTest(m_process);
    m_process.start(QStringLiteral("sqlite3"), {path});
    QByteArray script = sql.toUtf8() + "\nBEGIN EXCLUSIVE;\nSELECT 'locked';\n";
    if (holdMs >= 0)
        script += ".shell sleep " + QByteArray::number(holdMs / 1000.0) + "\nCOMMIT;\n";
    m_process.write(script);
    // The shell answers the select once the lock is held.
    while (!m_locked && m_process.waitForReadyRead(10000))
        m_locked = m_process.readAll().contains("locked");
    if (holdMs >= 0)
        m_process.closeWriteChannel();
}

void LockingProcess::release()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.write("COMMIT;\n");
    m_process.closeWriteChannel();
    m_process.waitForFinished(10000);
}

QString TempConfigHome::prefsFile() const
{
    return QDir(m_dir.path()).filePath(QStringLiteral("de.kelmarin.vm9.prf"));
}

SentenceRow sentenceRow(const char *sup, const char *main, const char *sub, int note, int from, int to, int nr,
                        const char *sie, const char *du)
{
    return {QString::fromUtf8(sup), QString::fromUtf8(main), QString::fromUtf8(sub), note, from, to, nr,
            QString::fromUtf8(sie), QString::fromUtf8(du)};
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
    for (const SentenceRow &row : rows)
        ASSERT_TRUE(insertSentenceRecord(db, row)) << db.ErrorMessage().toStdString();
    // Without standard phrases the main window's standard page reports its
    // empty lists in a message box; a database of the tests has one phrase.
    const std::vector<StdPhraseRow> oneStdRow = {{QStringLiteral("Allgemein"), 1, 1, 0, QStringLiteral("Standardsatz")}};
    for (const StdPhraseRow &row : stdRows.empty() ? oneStdRow : stdRows)
        ASSERT_TRUE(insertStdPhraseRecord(db, row)) << db.ErrorMessage().toStdString();
    db.Commit();
    db.Close();
}

QString testDataPath(const QString &name)
{
    return QDir(qEnvironmentVariable("VM_TEST_DATA")).filePath(name);
}

QStringList texts(const std::vector<const char *> &literals)
{
    QStringList list;
    for (const char *text : literals)
        list << QString::fromUtf8(text);
    return list;
}

void writeBytes(const QString &path, const QByteArray &bytes, bool executable)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    if (executable)
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool connectTo(Database &db, const QString &path)
{
    db.setDatabaseFile(path);
    return db.Connect();
}

QString firstValue(const QString &path, const QString &sql)
{
    Database db;
    const auto rs = connectTo(db, path) ? db.SQLSelect(sql) : nullptr;
    return rs ? rs->Field(QStringLiteral("v")) : QString();
}
