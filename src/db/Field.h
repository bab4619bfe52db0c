#pragma once

#include "FieldType.h"

#include <QDateTime>
#include <QString>
#include <QStringView>

namespace velorin::db {

class Table;

// One field of an open table, reached by Table::fieldByName or Table::field(i).
// Reads and writes act on the table's current record (or its pending record in
// edit and insert state). A Field stays valid until its table closes.
class Field
{
public:
    Field(Table& table, int index, QString name, FieldType type, int size);

    const QString& fieldName() const { return m_name; }
    int index() const { return m_index; }
    FieldType dataType() const { return m_type; }
    // Declared width of a Text field in characters; 0 for other kinds.
    int size() const { return m_size; }

    bool isDateTime() const { return m_type == FieldType::DateTime; }
    // Large-object (memo) fields are skipped by searches.
    bool isBlob() const { return m_type == FieldType::Memo; }

    // The current record's value as text; empty for an empty field or when there is no record.
    QString asString() const;
    // The same without copying: valid only until the table's records or cursor change.
    // Inline because filter hooks call it once per record.
    QStringView asStringView() const { return *m_inPass ? m_passValue : currentView(); }
    bool isNull() const;

    // Writes the current record's value. Only in edit or insert state, otherwise
    // EDatabaseError "Dataset not in edit or insert mode". Text is cut to size().
    // Number and Integer fields take the regional decimal separator or a point and raise
    // EConvertError for other text; Date-time fields take ISO 8601 or the regional short
    // date (and time) and store ISO 8601. An empty text clears the field. Autoincrement
    // fields are assigned by the engine: EDatabaseError "Field '<name>' cannot be modified".
    void setAsString(const QString& value);
    void clear();

    // The value of a Date-time field; invalid when empty.
    QDateTime asDateTime() const;
    void setAsDateTime(const QDateTime& value);

    Table& table() const { return m_table; }

private:
    friend class Table;
    QStringView currentView() const;

    Table& m_table;
    // During a filter pass the table sets each field's value of the record under test here.
    const bool* m_inPass;
    QStringView m_passValue;
    int m_index;
    QString m_name;
    FieldType m_type;
    int m_size;
};

} // namespace velorin::db
