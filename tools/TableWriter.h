#pragma once

#include "SqliteConnection.h"
#include "SqliteStatement.h"

#include <QString>
#include <memory>

namespace velorin::tools {

// Writes one new table file: everything goes into a temporary file beside the target,
// which replaces the target only when commit() succeeds, so no half-written table is ever
// found under the target's name.
class TableWriter
{
public:
    enum class Journal
    {
        Delete,
        Wal
    };

    // Creates the temporary file with the table named after the target's stem.
    // `columns` is the column list of CREATE TABLE, without parentheses.
    TableWriter(const QString& targetPath, const QString& columns);
    ~TableWriter();
    TableWriter(const TableWriter&) = delete;
    TableWriter& operator=(const TableWriter&) = delete;

    const QString& tableName() const { return m_tableName; }
    void exec(const QString& sql);
    // A prepared INSERT with `count` parameters for the table's first `count` columns named.
    db::SqliteStatement& insert(const QString& columnNames, int count);
    void insertRow();

    // Ends the transaction, sets the journal mode, closes and renames onto the target.
    void commit(Journal journal);

private:
    [[noreturn]] void fail(const QString& what) const;

    QString m_target;
    QString m_temporary;
    QString m_tableName;
    db::SqliteConnection m_db;
    std::unique_ptr<db::SqliteStatement> m_insert;
    bool m_done = false;
};

} // namespace velorin::tools
