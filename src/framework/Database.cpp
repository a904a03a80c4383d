#include "Database.h"

#include <sqlite3.h>

#include <QFileInfo>

RecordSet::RecordSet(std::vector<QString> columns, std::vector<std::vector<QVariant>> rows)
    : m_columns(std::move(columns))
    , m_rows(std::move(rows))
{
}

QString RecordSet::Field(const QString &column) const
{
    if (IsEOF())
        return {};
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].compare(column, Qt::CaseInsensitive) != 0)
            continue;
        const QVariant &value = m_rows[m_row][i];
        if (value.isNull())
            return {};
        if (value.typeId() == QMetaType::QByteArray)
            return QString::fromUtf8(value.toByteArray());
        return value.toString();
    }
    return {};
}

Database::~Database()
{
    Close();
}

bool Database::open(int flags)
{
    Close();
    clearError();
    if (m_file.isEmpty()) {
        setError(QStringLiteral("no database file"));
        return false;
    }
    const QByteArray path = QFileInfo(m_file).absoluteFilePath().toUtf8();
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(path.constData(), &db, flags, nullptr) != SQLITE_OK) {
        setError(db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory"));
        sqlite3_close(db);
        return false;
    }
    // SQLite opens lazily: reading the schema tells a database from any other file.
    if (sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) != SQLITE_OK) {
        setError(QString::fromUtf8(sqlite3_errmsg(db)));
        sqlite3_close(db);
        return false;
    }
    sqlite3_busy_timeout(db, 2000);
    m_db = db;
    return true;
}

bool Database::CreateDatabaseFile()
{
    return open(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
}

bool Database::Connect()
{
    if (!QFileInfo::exists(m_file)) {
        setError(QStringLiteral("database file not found"));
        return false;
    }
    return open(SQLITE_OPEN_READWRITE);
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
    if (sqlite3_prepare_v2(m_db, sql.constData(), int(sql.size()), &stmt, nullptr) != SQLITE_OK) {
        setError(QString::fromUtf8(sqlite3_errmsg(m_db)));
        return nullptr;
    }
    std::vector<QString> columns;
    const int columnCount = sqlite3_column_count(stmt);
    for (int c = 0; c < columnCount; ++c)
        columns.push_back(QString::fromUtf8(sqlite3_column_name(stmt, c)));
    std::vector<std::vector<QVariant>> rows;
    int rc;
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
    if (rc != SQLITE_DONE) {
        setError(QString::fromUtf8(sqlite3_errmsg(m_db)));
        sqlite3_finalize(stmt);
        return nullptr;
    }
    sqlite3_finalize(stmt);
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
    if (sqlite3_exec(m_db, statement.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK)
        setError(QString::fromUtf8(message ? message : sqlite3_errmsg(m_db)));
    sqlite3_free(message);
}

void Database::InsertRecord(const QString &table, const DatabaseRecord &record)
{
    clearError();
    if (!m_db) {
        setError(QStringLiteral("database not connected"));
        return;
    }
    QStringList names;
    QStringList marks;
    for (const auto &[name, value] : record.values()) {
        names << QStringLiteral("\"%1\"").arg(QString(name).replace(u'"', QStringLiteral("\"\"")));
        marks << QStringLiteral("?");
    }
    const QString sql = QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                            .arg(QString(table).replace(u'"', QStringLiteral("\"\"")),
                                 names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
    sqlite3_stmt *stmt = nullptr;
    const QByteArray sqlBytes = sql.toUtf8();
    if (sqlite3_prepare_v2(m_db, sqlBytes.constData(), int(sqlBytes.size()), &stmt, nullptr) != SQLITE_OK) {
        setError(QString::fromUtf8(sqlite3_errmsg(m_db)));
        return;
    }
    int index = 1;
    for (const auto &[name, value] : record.values()) {
        if (value.typeId() == QMetaType::LongLong) {
            sqlite3_bind_int64(stmt, index, value.toLongLong());
        } else {
            const QByteArray text = value.toString().toUtf8();
            sqlite3_bind_text(stmt, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
        ++index;
    }
    if (sqlite3_step(stmt) != SQLITE_DONE)
        setError(QString::fromUtf8(sqlite3_errmsg(m_db)));
    sqlite3_finalize(stmt);
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
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

void Database::setError(const QString &message)
{
    m_error = true;
    m_errorMessage = message;
}

void Database::clearError()
{
    m_error = false;
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
