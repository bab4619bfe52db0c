#include "SqliteStatement.h"

#include <sqlite3.h>

namespace velorin::db {

SqliteStatement::SqliteStatement(sqlite3* db, const QString& sql)
{
    const QByteArray utf8 = sql.toUtf8();
    m_prepareResult = sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_stmt, nullptr);
    if (m_prepareResult != SQLITE_OK) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
    }
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_stmt);
}

void SqliteStatement::bindNull(int index)
{
    sqlite3_bind_null(m_stmt, index);
}

void SqliteStatement::bindInt64(int index, std::int64_t value)
{
    sqlite3_bind_int64(m_stmt, index, value);
}

void SqliteStatement::bindDouble(int index, double value)
{
    sqlite3_bind_double(m_stmt, index, value);
}

void SqliteStatement::bindText(int index, const QString& value)
{
    const QByteArray utf8 = value.toUtf8();
    sqlite3_bind_text(m_stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

int SqliteStatement::step()
{
    return sqlite3_step(m_stmt);
}

void SqliteStatement::reset()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

int SqliteStatement::columnType(int column) const
{
    return sqlite3_column_type(m_stmt, column);
}

std::int64_t SqliteStatement::columnInt64(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

double SqliteStatement::columnDouble(int column) const
{
    return sqlite3_column_double(m_stmt, column);
}

QString SqliteStatement::columnText(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(m_stmt, column));
}

} // namespace velorin::db
