#pragma once

#include <QString>
#include <cstdint>

struct sqlite3;
struct sqlite3_stmt;

namespace velorin::db {

// One prepared SQLite statement; finalised when it goes out of scope.
class SqliteStatement
{
public:
    SqliteStatement(sqlite3* db, const QString& sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // The SQLite result code of the prepare; statement() is null when it failed.
    int prepareResult() const { return m_prepareResult; }
    sqlite3_stmt* statement() const { return m_stmt; }

    void bindNull(int index);
    void bindInt64(int index, std::int64_t value);
    void bindDouble(int index, double value);
    void bindText(int index, const QString& value);

    // SQLITE_ROW, SQLITE_DONE or an error code.
    int step();
    void reset();

    int columnType(int column) const;
    std::int64_t columnInt64(int column) const;
    double columnDouble(int column) const;
    QString columnText(int column) const;

private:
    sqlite3_stmt* m_stmt = nullptr;
    int m_prepareResult = 0;
};

} // namespace velorin::db
