#pragma once

#include "DataLink.h"
#include "DataSource.h"
#include "TDBGridColumn.h"
#include "Table.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <vector>

namespace velorin::widgets {

// The rows of a data grid: a view over the visible records of the data source's table that
// reads each value from the table when asked, so it holds nothing per row. A column whose
// field the table lacks stays empty. The current record is marked in the vertical header.
class TDBGridModel : public QAbstractTableModel, public db::DataLink
{
    Q_OBJECT
public:
    explicit TDBGridModel(QObject* parent = nullptr);
    ~TDBGridModel() override;

    void setDataSource(db::DataSource* source);
    db::DataSource* dataSource() const { return m_source; }
    db::Table* table() const;

    void setColumns(std::vector<TDBGridColumn> columns);
    const std::vector<TDBGridColumn>& columns() const { return m_columns; }

    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool readOnly() const { return m_readOnly; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void bindFields() override;
    void unbindFields() override;

Q_SIGNALS:
    // The table's cursor stands on another row (-1: none).
    void currentRowChanged(int row);

private:
    void reset();
    void currentMoved();
    bool active() const;

    QPointer<db::DataSource> m_source;
    std::vector<TDBGridColumn> m_columns;
    std::vector<int> m_fieldIndex; // per column; -1 when the table lacks the field
    int m_rows = 0;
    int m_currentRow = -1;
    bool m_readOnly = false;
};

} // namespace velorin::widgets
