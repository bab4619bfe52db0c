#include "TDBGrid.h"

#include "TDBGridModel.h"
#include "Table.h"

#include <QHeaderView>
#include <QScopedValueRollback>

namespace velorin::widgets {

TDBGrid::TDBGrid(QWidget* parent) : QTableView(parent), m_model(new TDBGridModel(this))
{
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    setTabKeyNavigation(false);
    horizontalHeader()->setHighlightSections(false);
    QHeaderView* indicator = verticalHeader();
    indicator->setSectionResizeMode(QHeaderView::Fixed);
    indicator->setDefaultSectionSize(fontMetrics().height() + 4);
    indicator->setMinimumWidth(12);
    indicator->setHighlightSections(false);
    indicator->setDefaultAlignment(Qt::AlignCenter);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    connect(m_model, &TDBGridModel::currentRowChanged, this, &TDBGrid::followTable);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { moveTable(current); });
}

void TDBGrid::setDataSource(db::DataSource* source)
{
    m_model->setDataSource(source);
}

db::DataSource* TDBGrid::dataSource() const
{
    return m_model->dataSource();
}

void TDBGrid::setColumns(std::vector<TDBGridColumn> columns)
{
    m_model->setColumns(std::move(columns));
    followTable(m_model->table() && m_model->table()->active() ? m_model->table()->currentRow() : -1);
}

const std::vector<TDBGridColumn>& TDBGrid::columns() const
{
    return m_model->columns();
}

void TDBGrid::setDataReadOnly(bool readOnly)
{
    m_model->setReadOnly(readOnly);
    setEditTriggers(readOnly ? QAbstractItemView::NoEditTriggers
                             : QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
}

bool TDBGrid::dataReadOnly() const
{
    return m_model->readOnly();
}

void TDBGrid::setTitleFont(const QFont& font)
{
    horizontalHeader()->setFont(font);
}

void TDBGrid::followTable(int row)
{
    const QScopedValueRollback<bool> following(m_following, true);
    if (row < 0) {
        selectionModel()->clear();
        return;
    }
    const int column = qMax(0, currentIndex().column());
    const QModelIndex target = m_model->index(row, qMin(column, qMax(0, m_model->columnCount() - 1)));
    if (target.isValid() && target != currentIndex())
        selectionModel()->setCurrentIndex(target,
                                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TDBGrid::moveTable(const QModelIndex& current)
{
    if (m_following || !current.isValid())
        return;
    db::Table* t = m_model->table();
    if (t && t->active() && t->currentRow() != current.row())
        t->moveToRow(current.row());
}

} // namespace velorin::widgets
