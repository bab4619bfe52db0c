#pragma once

#include "TDBGridColumn.h"

#include <QTableView>
#include <vector>

namespace velorin::db {
class DataSource;
} // namespace velorin::db

namespace velorin::widgets {

class TDBGridModel;

// A grid over the visible records of a data source's table. Its rows are virtual: values
// are read from the table as they are drawn. The indicator column marks the current record;
// clicking a row or moving with the arrow and page keys moves the table's cursor.
class TDBGrid : public QTableView
{
    Q_OBJECT
public:
    explicit TDBGrid(QWidget* parent = nullptr);

    void setDataSource(db::DataSource* source);
    db::DataSource* dataSource() const;

    void setColumns(std::vector<TDBGridColumn> columns);
    const std::vector<TDBGridColumn>& columns() const;

    void setDataReadOnly(bool readOnly);
    bool dataReadOnly() const;

    void setTitleFont(const QFont& font);

    TDBGridModel* gridModel() const { return m_model; }

private:
    void followTable(int row);
    void moveTable(const QModelIndex& current);

    TDBGridModel* m_model;
    bool m_following = false;
};

} // namespace velorin::widgets
