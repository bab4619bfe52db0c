#pragma once

#include "DataLink.h"
#include "DataSource.h"
#include "Table.h"

#include <QDateEdit>
#include <QPointer>

namespace velorin::db {
class DataSource;
class Field;
class Table;
} // namespace velorin::db

namespace velorin::widgets {

// A date box bound to a date-time field of a data source's current record, with a calendar
// that drops down from its button. It shows the field's date (blank for an empty field) and
// takes input only while the table is in edit or insert state; a date typed or picked is
// written into the field at once, as a date without time of day.
class TRzDBDateTimeEdit : public QDateEdit, public db::DataLink
{
    Q_OBJECT
public:
    explicit TRzDBDateTimeEdit(QWidget* parent = nullptr);
    ~TRzDBDateTimeEdit() override;

    void setDataSource(db::DataSource* source);
    db::DataSource* dataSource() const { return m_source; }
    void setDataField(const QString& name);
    const QString& dataField() const { return m_fieldName; }
    db::Field* field() const { return m_field; }

    // True while the box shows an empty field.
    bool isBlank() const { return date() == minimumDate(); }

    void bindFields() override;
    void unbindFields() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    db::Table* table() const;
    bool editing() const;
    void bindNow();
    void showField();
    void updateInput();
    void writeField(const QDate& date);
    void showTodayWhenBlank();

    QPointer<db::DataSource> m_source;
    QString m_fieldName;
    db::Field* m_field = nullptr;
    bool m_showing = false;
};

} // namespace velorin::widgets
