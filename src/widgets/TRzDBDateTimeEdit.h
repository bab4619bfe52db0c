#pragma once

#include "TFieldDataLink.h"

#include <QDateEdit>

namespace velorin::widgets {

// A date box bound to a date-time field of a data source's current record, with a calendar
// that drops down from its button. It shows the field's date (blank for an empty field) and
// takes input only while the table is in edit or insert state; a date typed or picked is
// written into the field at once, as a date without time of day.
class TRzDBDateTimeEdit : public QDateEdit
{
    Q_OBJECT
public:
    explicit TRzDBDateTimeEdit(QWidget* parent = nullptr);

    void setDataSource(db::DataSource* source) { m_link->setDataSource(source); }
    db::DataSource* dataSource() const { return m_link->dataSource(); }
    void setDataField(const QString& name) { m_link->setFieldName(name); }
    const QString& dataField() const { return m_link->fieldName(); }
    db::Field* field() const { return m_link->field(); }

    // True while the box shows an empty field.
    bool isBlank() const { return date() == minimumDate(); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showField();
    void updateInput();
    void writeField(const QDate& date);
    void showTodayWhenBlank();

    TFieldDataLink* m_link; // owned by this
    bool m_showing = false;
};

} // namespace velorin::widgets
