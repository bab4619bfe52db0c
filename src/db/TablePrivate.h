#pragma once

#include "Column.h"
#include "DataSource.h"
#include "SqliteConnection.h"
#include "Table.h"

#include <QPointer>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace velorin::db {

// The open state of a Table: its file, field definitions, records and cursor.
class Table::Private
{
public:
    explicit Private(Table& table) : q(table) {}

    // Text that names the table and its alias in every error message.
    QString context() const;
    [[noreturn]] void fail(const QString& reason) const;

    void openFile();
    void readFields();
    void readIndex();
    void loadRecords();
    void closeAll();

    // The record that field reads act on: the one under test during a filter pass,
    // the pending record in edit and insert state, else the current record.
    QStringView currentValue(int field) const;
    bool currentIsNull(int field) const;

    // Rebuilds the visible records from the table order, the master link and the filter.
    void rebuildVisible();
    std::optional<QString> masterKey(bool* linked) const;
    bool linkMatches(std::uint32_t record, const QString& key) const;

    // Rows as the cursor and grids see them: the visible records plus a pending inserted one.
    int rowCount() const;
    int row() const;
    // The record shown at a row; -1 for the pending inserted record.
    std::int64_t recordAtRow(int row) const;

    // Record states and writing.
    void requireActive() const;
    void startPending(DataSetState mode, int row);
    // Stores the pending record if a field was written after it was started, drops it
    // otherwise; details settle first. A failing store leaves the record pending.
    void settle();
    void store();
    void drop();
    void writeField(int field, std::optional<QString> value);
    void ensureWritable();
    struct StorageFailure
    {
        int code;
        QString message;
    };
    // Runs body in one IMMEDIATE transaction committed before return; body returns false
    // when one of its statements failed. The failure, if any, after rolling back.
    std::optional<StorageFailure> transact(const std::function<bool()>& body);
    [[noreturn]] void storageError(const QString& action, const StorageFailure& failure) const;
    void readBack(std::uint32_t record);
    bool orderLess(std::uint32_t a, std::uint32_t b) const;
    void placeInOrder(std::uint32_t record);
    void showRecord(std::uint32_t record, int fallbackRow);

    std::vector<Table*> details() const;
    void settleDetails();
    void followDetails();
    void followMaster();

    Table& q;
    Aliases aliases;
    bool aliasesSet = false;
    QPointer<DataSource> master;
    QString masterFields;
    std::vector<QPointer<DataSource>> sources;
    FilterRecordHook hook;
    bool filtered = false;

    bool active = false;
    DataSetState state = DataSetState::Inactive;
    QString filePath;
    QString sqlName;
    SqliteConnection db;
    std::vector<std::unique_ptr<Field>> fields;
    std::vector<QString> declaredTypes;
    std::vector<Column> columns;
    std::vector<std::int64_t> rowids;
    std::vector<std::uint32_t> order;
    std::vector<std::uint32_t> visible;
    std::vector<int> indexFields;
    int linkField = -1;
    int cursor = -1;

    std::vector<std::optional<QString>> pending;
    std::vector<bool> pendingChanged;
    bool pendingWritten = false;
    bool journalChecked = false;
    int insertRow = -1;

    bool testing = false;
    std::uint32_t testRecord = 0;
};

} // namespace velorin::db
