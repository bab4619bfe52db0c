#pragma once

#include "DataLink.h"
#include "DataSource.h"
#include "Table.h"

#include <QComboBox>
#include <QPointer>
#include <QStringList>

class QStandardItemModel;
class QTableView;

namespace velorin::db {
class DataSource;
class Table;
} // namespace velorin::db

namespace velorin::widgets {

// A combo box whose drop-down list shows some fields of every visible record of a data
// source's table, one column per field, sorted in the text order of the control's locale.
// Each item stands for its record's key field. Choosing an item moves the table to that
// record and then, when the chosen key differs from the previous one, reports the change.
// The list follows the table's records; the chosen value does not follow its cursor.
class TcxLookupComboBox : public QComboBox, public db::DataLink
{
    Q_OBJECT
public:
    explicit TcxLookupComboBox(QWidget* parent = nullptr);
    ~TcxLookupComboBox() override;

    void setListSource(db::DataSource* source);
    db::DataSource* listSource() const { return m_source; }
    void setKeyFieldName(const QString& name);
    const QString& keyFieldName() const { return m_keyField; }
    void setListFieldNames(const QStringList& names);
    const QStringList& listFieldNames() const { return m_listFields; }

    // The key of the chosen record; empty while nothing is chosen.
    const QString& editValue() const { return m_value; }
    // Chooses the item of that key as the user would; false when no item has it.
    bool chooseKey(const QString& key);
    // The key of the item at a row of the list.
    QString keyAt(int index) const;

    QTableView* listView() const { return m_view; }

    void bindFields() override;
    void unbindFields() override;

Q_SIGNALS:
    // The chosen value changed; the table already stands on the chosen record.
    void propertiesChange();
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    db::Table* table() const;
    void rebuild();
    void choose(int index);

    QPointer<db::DataSource> m_source;
    QString m_keyField;
    QStringList m_listFields;
    QString m_value;
    QStandardItemModel* m_model;
    QTableView* m_view;
};

} // namespace velorin::widgets
