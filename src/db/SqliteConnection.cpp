#include "SqliteConnection.h"

#include "SqliteStatement.h"

#include <sqlite3.h>

namespace velorin::db {

SqliteConnection::~SqliteConnection()
{
    close();
}

bool SqliteConnection::open(const QString& path, Mode mode)
{
    close();
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
    if (mode == Mode::ReadWriteCreate)
        flags |= SQLITE_OPEN_CREATE;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK) {
        m_openError = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("out of memory");
        close();
        return false;
    }
    sqlite3_extended_result_codes(m_db, 1);
    return true;
}

void SqliteConnection::close()
{
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

bool SqliteConnection::exec(const QString& sql)
{
    return sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

QString SqliteConnection::queryText(const QString& sql)
{
    SqliteStatement statement(m_db, sql);
    if (!statement.statement() || statement.step() != SQLITE_ROW)
        return {};
    return statement.columnText(0);
}

QString SqliteConnection::errorMessage() const
{
    return m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : m_openError;
}

int SqliteConnection::errorCode() const
{
    return m_db ? sqlite3_extended_errcode(m_db) : SQLITE_NOMEM;
}

} // namespace velorin::db
