#pragma once

#include "Aliases.h"
#include "Field.h"
#include "FilterRecordHook.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

namespace velorin::db {

class DataSource;

enum class DataSetState
{
    Inactive,
    Browse,
    Edit,
    Insert
};

// A table of a database alias, opened by alias and table name (a file in the alias's
// folder). Records of an open table are held in memory; posts and deletes are written
// through to the file, each in its own transaction, before the call returns.
//
// Visible records are those that pass the filter hook while filtering is on (all records
// otherwise), and for a detail table only those linked to the master's current record.
// Rows below are positions among the visible records, counted from 0.
class Table : public QObject
{
    Q_OBJECT
public:
    explicit Table(QObject* parent = nullptr);
    ~Table() override;

    // Design-time settings, made while the table is closed.
    void setAliases(Aliases aliases); // default: Aliases::fromEnvironment() at open time
    void setDatabaseName(const QString& alias);
    const QString& databaseName() const { return m_databaseName; }
    void setTableName(const QString& name);
    const QString& tableName() const { return m_tableName; }
    void setIndexName(const QString& name); // the index a master link runs on (e.g. "pn1")
    const QString& indexName() const { return m_indexName; }
    void setMasterSource(DataSource* master);
    void setMasterFields(const QString& fieldName); // link field, e.g. "PNO"

    // Opening: EDatabaseError naming alias and table for an unknown alias, a missing folder
    // or file, a file that is no table, a missing index; a bound control's missing field
    // fails the opening too (see DataLink). Opening an open table does nothing.
    void open();
    void close();
    void setActive(bool active);
    bool active() const;

    // Field definitions in the table's own order.
    int fieldCount() const;
    Field* field(int index) const;
    // Without regard to letter case; nullptr when there is none. Filter hooks look their
    // field up once per record, with the same name string each time: that case is inline.
    Field* findField(const QString& name) const
    {
        if (m_lookupField && name.constData() == m_lookupData && name.size() == m_lookupSize)
            return m_lookupField;
        return findFieldByName(name);
    }
    // As findField, but EDatabaseError "Field '<name>' not found" when there is none.
    Field* fieldByName(const QString& name) const;
    QStringList fieldNames() const;

    // Filter hook and filtered flag. While open, setting the flag always puts the cursor on
    // the first record that passes; the filtering changes only when the value differs, but
    // setting it on while it is on re-runs the hook over every record from the start.
    // Replacing the hook while filtering is on re-runs it and goes to the first record too.
    // During a pass the hook's field reads see the record under test.
    const FilterRecordHook& onFilterRecord() const;
    void setOnFilterRecord(FilterRecordHook hook);
    bool filtered() const;
    void setFiltered(bool on);

    // Cursor.
    void first();
    void prior();
    void next();
    void last();
    // The cursor stands on the first (bof) or last (eof) visible record, or there is none.
    bool bof() const;
    bool eof() const;
    bool isEmpty() const;
    int recordCount() const; // visible records
    int currentRow() const;  // -1 when there is no visible record
    void moveToRow(int row);

    // Value of a visible record's field without moving the cursor (for grids).
    QStringView valueAt(int row, int fieldIndex) const;

    // Record states and writing.
    DataSetState state() const;
    void edit();
    void insert();
    void append();
    void post();
    void cancel();
    void deleteRecord();

Q_SIGNALS:
    void activeChanged(bool active);
    void currentChanged();
    void recordsChanged();
    void stateChanged();

private:
    friend class Field;
    friend class DataSource;
    void attach(DataSource* source);
    void detach(DataSource* source);

    Field* findFieldByName(const QString& name) const;

    class Private;
    std::unique_ptr<Private> d;
    mutable QString m_lookupName;
    mutable const QChar* m_lookupData = nullptr;
    mutable qsizetype m_lookupSize = 0;
    mutable Field* m_lookupField = nullptr;
    QString m_databaseName;
    QString m_tableName;
    QString m_indexName;
};

} // namespace velorin::db
