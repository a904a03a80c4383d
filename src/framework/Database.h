#pragma once
// The embedded single-file SQL database over SQLite's C API: connect, select
// into a cursor (or none), execute, insert a record, commit, close, and the
// error flag and text of the last statement. Statements with bound values are
// prepared once per connection and reused.
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <memory>
#include <utility>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// A select's rows, read whole when the statement ran, walked forward.
class RecordSet
{
public:
    RecordSet(std::vector<QString> columns, std::vector<std::vector<QVariant>> rows);

    void MoveFirst() { m_row = 0; }
    void MoveNext() { ++m_row; }
    bool IsEOF() const { return m_row >= m_rows.size(); }
    int RecordCount() const { return int(m_rows.size()); }
    // The named column of the current row as text: an integer as its decimal
    // digits, text and binary columns taken as UTF-8, NULL and unknown columns as "".
    // Bytes that are not UTF-8 show as U+FFFD; the text is bound as the
    // stored bytes again (see SQLSelect).
    QString Field(const QString &column) const;
    // The same column as its stored bytes.
    QByteArray Bytes(const QString &column) const;

private:
    // The named column of the current row; nullptr at the end or for an unknown column.
    const QVariant *value(const QString &column) const;

    std::vector<QString> m_columns;
    std::vector<std::vector<QVariant>> m_rows;
    std::size_t m_row = 0;
};

// The columns of one row to insert, in the order they were set.
class DatabaseRecord
{
public:
    void Column(const QString &name, const QString &text) { m_values.emplace_back(name, text); }
    void IntegerColumn(const QString &name, qint64 value) { m_values.emplace_back(name, value); }
    // A text stored as its UTF-8 bytes, which no column type turns into a number.
    void BinaryColumn(const QString &name, const QString &text) { m_values.emplace_back(name, text.toUtf8()); }
    const std::vector<std::pair<QString, QVariant>> &values() const { return m_values; }

private:
    std::vector<std::pair<QString, QVariant>> m_values;
};

// A statement and the values bound to its "?" in order.
struct SqlStatement
{
    QString sql;
    QVariantList values;
};

class Database
{
public:
    Database() = default;
    virtual ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    void setDatabaseFile(const QString &path) { m_file = path; }
    QString DatabaseFile() const { return m_file; }

    // Makes a new, empty database file and connects to it.
    bool CreateDatabaseFile();
    // Opens the existing file; false when it is missing or not a database.
    // A file without any write permission is opened for reading only. A file
    // that another connection holds locked beyond the busy time-out connects
    // all the same and counts as in use.
    bool Connect();
    bool isConnected() const { return m_db != nullptr; }
    bool InUse() const { return m_inUse; }
    bool IsReadOnly() const;
    // The file at the database's path is no longer the one that was opened:
    // renamed over, or deleted, while the connection still reads the old one;
    // or emptied in place (as a copy over it begins), where an empty file now
    // reads as a database without tables.
    bool FileReplaced() const;

    // The rows of a query, or nullptr when it fails.
    std::unique_ptr<RecordSet> SQLSelect(const QString &statement);
    void SQLExecute(const QString &statement);
    // The same with the values bound to the statement's "?" in order: a
    // QString as text, a QByteArray as a blob, an integer as an integer. A
    // QString that a RecordSet gave from stored bytes that are not UTF-8 is
    // bound as those bytes, so that a name read from such bytes finds its rows.
    std::unique_ptr<RecordSet> SQLSelect(const QString &statement, const QVariantList &values);
    bool SQLExecute(const QString &statement, const QVariantList &values);
    std::unique_ptr<RecordSet> SQLSelect(const SqlStatement &s) { return SQLSelect(s.sql, s.values); }
    // Rows changed by the last INSERT, UPDATE or DELETE.
    int Changes() const;
    void InsertRecord(const QString &table, const DatabaseRecord &record);
    // Ends an open transaction; statements outside one are already in the file.
    void Commit();
    void Rollback();
    void Close();

    bool Error() const { return m_error; }
    QString ErrorMessage() const { return m_errorMessage; }
    // SQLite's primary result code of the last failure (SQLITE_BUSY, SQLITE_READONLY, ...); 0 without one.
    int ErrorCode() const { return m_errorCode & 0xff; }
    // The same with SQLite's finer distinction (SQLITE_READONLY_DBMOVED, SQLITE_IOERR_WRITE, ...).
    int ExtendedErrorCode() const { return m_errorCode; }

private:
    bool open(int flags);
    void setError(const QString &message, int code = 1);
    void setErrorFromDb(int code);
    void clearError();
    // The cached statement for sql, reset and with values bound; nullptr on failure.
    sqlite3_stmt *boundStatement(const QString &sql, const QVariantList &values);

    QString m_file;
    sqlite3 *m_db = nullptr;
    // Device and inode of the file the connection opened.
    quint64 m_fileDevice = 0;
    quint64 m_fileInode = 0;
    bool m_fileWasEmpty = false;
    bool m_inUse = false;
    bool m_error = false;
    int m_errorCode = 0;
    QString m_errorMessage;
    QHash<QString, sqlite3_stmt *> m_statements;
};

// A text value as it goes between single quotes in a statement: every single
// quote doubled, so that a quote inside a text can neither end the literal
// early nor reach the database unquoted.
QString sqlText(const QString &value);
// The same text as a whole literal, between single quotes.
QString sqlQuoted(const QString &value);
