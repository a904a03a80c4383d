#include "Database.h"

#include <sqlite3.h>

#include <QFileInfo>

#include <sys/stat.h>

RecordSet::RecordSet(std::vector<QString> columns, std::vector<std::vector<QVariant>> rows)
    : m_columns(std::move(columns))
    , m_rows(std::move(rows))
{
}

namespace {
// Each text that a RecordSet gave from stored bytes that are not UTF-8, with
// those bytes: the last read wins. Only the main thread reads the database.
QHash<QString, QByteArray> &bytesOfLossyTexts()
{
    static QHash<QString, QByteArray> texts;
    return texts;
}

QString decodedText(const QByteArray &bytes)
{
    QString text = QString::fromUtf8(bytes);
    // Bytes that are not UTF-8 become U+FFFD: the text holds at least one.
    if (!bytes.isValidUtf8())
        bytesOfLossyTexts().insert(text, bytes);
    return text;
}

// The bytes a text is bound as: those it was read from, else its UTF-8.
QByteArray boundBytes(const QString &text)
{
    const auto &texts = bytesOfLossyTexts();
    if (!texts.isEmpty())
        if (const auto it = texts.constFind(text); it != texts.cend())
            return *it;
    return text.toUtf8();
}
} // namespace

const QVariant *RecordSet::value(const QString &column) const
{
    if (IsEOF())
        return nullptr;
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].compare(column, Qt::CaseInsensitive) == 0)
            return &m_rows[m_row][i];
    return nullptr;
}

QString RecordSet::Field(const QString &column) const
{
    const QVariant *value = this->value(column);
    if (!value || value->isNull())
        return {};
    if (value->typeId() == QMetaType::QByteArray)
        return decodedText(value->toByteArray());
    return value->toString();
}

QByteArray RecordSet::Bytes(const QString &column) const
{
    const QVariant *value = this->value(column);
    if (!value || value->isNull())
        return {};
    return value->typeId() == QMetaType::QByteArray ? value->toByteArray() : value->toString().toUtf8();
}

namespace {
// Device, inode and emptiness of the file at path; false when there is none.
bool fileIdentity(const QByteArray &path, quint64 &device, quint64 &inode, bool &empty)
{
    struct stat info;
    if (::stat(path.constData(), &info) != 0)
        return false;
    device = quint64(info.st_dev);
    inode = quint64(info.st_ino);
    empty = info.st_size == 0;
    return true;
}

// Steps stmt to its end and collects its rows; false (rc set) when a step fails.
bool readRows(sqlite3_stmt *stmt, std::vector<QString> &columns, std::vector<std::vector<QVariant>> &rows, int &rc)
{
    const int columnCount = sqlite3_column_count(stmt);
    for (int c = 0; c < columnCount; ++c)
        columns.push_back(QString::fromUtf8(sqlite3_column_name(stmt, c)));
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        std::vector<QVariant> row;
        row.reserve(columnCount);
        for (int c = 0; c < columnCount; ++c) {
            switch (sqlite3_column_type(stmt, c)) {
            case SQLITE_NULL:
                row.emplace_back();
                break;
            case SQLITE_INTEGER:
                row.emplace_back(qint64(sqlite3_column_int64(stmt, c)));
                break;
            case SQLITE_FLOAT:
                row.emplace_back(sqlite3_column_double(stmt, c));
                break;
            default: {
                const auto *data = static_cast<const char *>(sqlite3_column_blob(stmt, c));
                row.emplace_back(QByteArray(data ? data : "", sqlite3_column_bytes(stmt, c)));
                break;
            }
            }
        }
        rows.push_back(std::move(row));
    }
    return rc == SQLITE_DONE;
}

int bindValue(sqlite3_stmt *stmt, int index, const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
        return sqlite3_bind_int64(stmt, index, value.toLongLong());
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return sqlite3_bind_blob(stmt, index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
    }
    default: {
        const QByteArray text = boundBytes(value.toString());
        return sqlite3_bind_text(stmt, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
    }
}

// No write permission for anyone: the file is in use elsewhere, also for a
// user (such as root) whom the system would let write it all the same.
bool hasWritePermission(const QFileInfo &info)
{
    return info.permissions() & (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther);
}
} // namespace

Database::~Database()
{
    Close();
}

bool Database::open(int flags)
{
    Close();
    clearError();
    m_inUse = false;
    if (m_file.isEmpty()) {
        setError(QStringLiteral("no database file"));
        return false;
    }
    const QByteArray path = QFileInfo(m_file).absoluteFilePath().toUtf8();
    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(path.constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        setError(db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory"), rc);
        sqlite3_close(db);
        return false;
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, 2000);
    fileIdentity(path, m_fileDevice, m_fileInode, m_fileWasEmpty);
    // SQLite opens lazily: reading the schema tells a database from any other
    // file. A lock held elsewhere past the time-out leaves the file unread.
    const int read = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (read == SQLITE_BUSY || read == SQLITE_LOCKED) {
        m_inUse = true;
    } else if (read != SQLITE_OK) {
        setError(QString::fromUtf8(sqlite3_errmsg(db)), read);
        sqlite3_close(db);
        return false;
    }
    // The lists walk the whole index of a large collection: keep what was read
    // between statements. The file is read, never mapped: a file emptied or cut
    // short under a map (a copy over it begins by emptying it) would end the
    // program with SIGBUS at the next read, where a read only fails.
    sqlite3_exec(db, "PRAGMA mmap_size = 0", nullptr, nullptr, nullptr);
    if (!m_inUse)
        sqlite3_exec(db, "PRAGMA cache_size = -32000", nullptr, nullptr, nullptr);
    m_db = db;
    return true;
}

bool Database::CreateDatabaseFile()
{
    return open(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
}

bool Database::Connect()
{
    const QFileInfo info(m_file);
    if (m_file.isEmpty() || !info.exists() || info.isDir()) {
        Close();
        setError(QStringLiteral("database file not found"), SQLITE_CANTOPEN);
        return false;
    }
    return open(hasWritePermission(info) ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY);
}

bool Database::IsReadOnly() const
{
    return m_db && sqlite3_db_readonly(m_db, "main") == 1;
}

bool Database::FileReplaced() const
{
    if (!m_db)
        return false;
    quint64 device = 0, inode = 0;
    bool empty = false;
    return !fileIdentity(QFileInfo(m_file).absoluteFilePath().toUtf8(), device, inode, empty) || device != m_fileDevice
           || inode != m_fileInode || (empty && !m_fileWasEmpty);
}

std::unique_ptr<RecordSet> Database::SQLSelect(const QString &statement)
{
    clearError();
    if (!m_db) {
        setError(QStringLiteral("database not connected"));
        return nullptr;
    }
    sqlite3_stmt *stmt = nullptr;
    const QByteArray sql = statement.toUtf8();
    if (const int rc = sqlite3_prepare_v2(m_db, sql.constData(), int(sql.size()), &stmt, nullptr); rc != SQLITE_OK) {
        setErrorFromDb(rc);
        return nullptr;
    }
    std::vector<QString> columns;
    std::vector<std::vector<QVariant>> rows;
    int rc = SQLITE_OK;
    const bool done = readRows(stmt, columns, rows, rc);
    sqlite3_finalize(stmt);
    if (!done) {
        setErrorFromDb(rc);
        return nullptr;
    }
    return std::make_unique<RecordSet>(std::move(columns), std::move(rows));
}

void Database::SQLExecute(const QString &statement)
{
    clearError();
    if (!m_db) {
        setError(QStringLiteral("database not connected"));
        return;
    }
    char *message = nullptr;
    if (const int rc = sqlite3_exec(m_db, statement.toUtf8().constData(), nullptr, nullptr, &message); rc != SQLITE_OK)
        setError(QString::fromUtf8(message ? message : sqlite3_errmsg(m_db)), rc);
    sqlite3_free(message);
}

sqlite3_stmt *Database::boundStatement(const QString &sql, const QVariantList &values)
{
    clearError();
    if (!m_db) {
        setError(QStringLiteral("database not connected"));
        return nullptr;
    }
    sqlite3_stmt *stmt = m_statements.value(sql);
    if (!stmt) {
        const QByteArray bytes = sql.toUtf8();
        const int rc = sqlite3_prepare_v3(m_db, bytes.constData(), int(bytes.size()), SQLITE_PREPARE_PERSISTENT, &stmt,
                                          nullptr);
        if (rc != SQLITE_OK) {
            setErrorFromDb(rc);
            return nullptr;
        }
        m_statements.insert(sql, stmt);
    }
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    for (int i = 0; i < values.size(); ++i) {
        if (const int rc = bindValue(stmt, i + 1, values.at(i)); rc != SQLITE_OK) {
            setErrorFromDb(rc);
            return nullptr;
        }
    }
    return stmt;
}

std::unique_ptr<RecordSet> Database::SQLSelect(const QString &statement, const QVariantList &values)
{
    sqlite3_stmt *stmt = boundStatement(statement, values);
    if (!stmt)
        return nullptr;
    std::vector<QString> columns;
    std::vector<std::vector<QVariant>> rows;
    int rc = SQLITE_OK;
    const bool done = readRows(stmt, columns, rows, rc);
    if (!done)
        setErrorFromDb(rc);
    sqlite3_reset(stmt);
    if (!done)
        return nullptr;
    return std::make_unique<RecordSet>(std::move(columns), std::move(rows));
}

bool Database::SQLExecute(const QString &statement, const QVariantList &values)
{
    sqlite3_stmt *stmt = boundStatement(statement, values);
    if (!stmt)
        return false;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE)
        setErrorFromDb(rc);
    sqlite3_reset(stmt);
    return rc == SQLITE_DONE;
}

int Database::Changes() const
{
    return m_db ? sqlite3_changes(m_db) : 0;
}

void Database::InsertRecord(const QString &table, const DatabaseRecord &record)
{
    // Built by plain appends: an import runs this once per row.
    const auto quotedName = [](const QString &name) {
        return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
    };
    QString sql = QStringLiteral("INSERT INTO ") + quotedName(table) + QStringLiteral(" (");
    QString marks;
    QVariantList values;
    values.reserve(qsizetype(record.values().size()));
    for (const auto &[name, value] : record.values()) {
        if (!values.isEmpty()) {
            sql += QStringLiteral(", ");
            marks += QStringLiteral(", ");
        }
        sql += quotedName(name);
        marks += u'?';
        values << value;
    }
    SQLExecute(sql + QStringLiteral(") VALUES (") + marks + u')', values);
}

void Database::Commit()
{
    clearError();
    if (m_db && !sqlite3_get_autocommit(m_db))
        SQLExecute(QStringLiteral("COMMIT"));
}

void Database::Rollback()
{
    clearError();
    if (m_db && !sqlite3_get_autocommit(m_db))
        SQLExecute(QStringLiteral("ROLLBACK"));
}

void Database::Close()
{
    for (sqlite3_stmt *stmt : std::as_const(m_statements))
        sqlite3_finalize(stmt);
    m_statements.clear();
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
    m_inUse = false;
}

void Database::setError(const QString &message, int code)
{
    m_error = true;
    m_errorCode = code;
    m_errorMessage = message;
}

void Database::setErrorFromDb(int code)
{
    setError(QString::fromUtf8(sqlite3_errmsg(m_db)), m_db ? sqlite3_extended_errcode(m_db) : code);
}

void Database::clearError()
{
    m_error = false;
    m_errorCode = 0;
    m_errorMessage.clear();
}

QString sqlText(const QString &value)
{
    QString quoted = value;
    return quoted.replace(u'\'', QStringLiteral("''"));
}

QString sqlQuoted(const QString &value)
{
    return QStringLiteral("'") + sqlText(value) + QStringLiteral("'");
}
