#include "TDBGridModel.h"

#include "DataSource.h"
#include "Field.h"
#include "Table.h"

namespace velorin::widgets {

TDBGridModel::TDBGridModel(QObject* parent) : QAbstractTableModel(parent) {}

TDBGridModel::~TDBGridModel()
{
    if (m_source)
        m_source->removeLink(this);
}

void TDBGridModel::setDataSource(db::DataSource* source)
{
    if (source == m_source)
        return;
    if (m_source) {
        m_source->removeLink(this);
        disconnect(m_source, nullptr, this, nullptr);
    }
    m_source = source;
    if (m_source) {
        m_source->addLink(this);
        connect(m_source, &db::DataSource::activeChanged, this, &TDBGridModel::reset);
        connect(m_source, &db::DataSource::recordsChanged, this, &TDBGridModel::reset);
        connect(m_source, &db::DataSource::currentChanged, this, &TDBGridModel::currentMoved);
        connect(m_source, &db::DataSource::stateChanged, this, &TDBGridModel::currentMoved);
        connect(m_source, &QObject::destroyed, this, &TDBGridModel::reset);
    }
    if (active())
        bindFields();
    reset();
}

db::Table* TDBGridModel::table() const
{
    return m_source ? m_source->dataSet() : nullptr;
}

bool TDBGridModel::active() const
{
    const db::Table* t = table();
    return t && t->active();
}

void TDBGridModel::setColumns(std::vector<TDBGridColumn> columns)
{
    beginResetModel();
    m_columns = std::move(columns);
    m_fieldIndex.assign(m_columns.size(), -1);
    if (active())
        bindFields();
    endResetModel();
}

void TDBGridModel::bindFields()
{
    // A column's missing field is no error: the column just stays empty.
    const db::Table* t = table();
    m_fieldIndex.assign(m_columns.size(), -1);
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        if (const db::Field* f = t ? t->findField(m_columns[i].fieldName) : nullptr)
            m_fieldIndex[i] = f->index();
}

void TDBGridModel::unbindFields()
{
    m_fieldIndex.assign(m_columns.size(), -1);
}

void TDBGridModel::reset()
{
    beginResetModel();
    const db::Table* t = table();
    const bool open = t && t->active();
    m_rows = open ? t->recordCount() : 0;
    m_currentRow = open ? t->currentRow() : -1;
    endResetModel();
    Q_EMIT currentRowChanged(m_currentRow);
}

void TDBGridModel::currentMoved()
{
    const db::Table* t = table();
    const bool open = t && t->active();
    if (open && t->recordCount() != m_rows) {
        reset();
        return;
    }
    const int previous = m_currentRow;
    m_currentRow = open ? t->currentRow() : -1;
    // The current record's values may have changed too (edit and insert state).
    if (m_currentRow >= 0 && !m_columns.empty())
        Q_EMIT dataChanged(index(m_currentRow, 0), index(m_currentRow, int(m_columns.size()) - 1));
    if (previous != m_currentRow) {
        if (previous >= 0 && previous < m_rows)
            Q_EMIT headerDataChanged(Qt::Vertical, previous, previous);
        if (m_currentRow >= 0)
            Q_EMIT headerDataChanged(Qt::Vertical, m_currentRow, m_currentRow);
        Q_EMIT currentRowChanged(m_currentRow);
    } else if (m_currentRow >= 0) {
        Q_EMIT headerDataChanged(Qt::Vertical, m_currentRow, m_currentRow);
    }
}

int TDBGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int TDBGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant TDBGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const int fieldIndex = m_fieldIndex[std::size_t(index.column())];
    const db::Table* t = table();
    if (fieldIndex < 0 || !t || !t->active())
        return {};
    return t->valueAt(index.row(), fieldIndex).toString();
}

bool TDBGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    db::Table* t = table();
    if (m_readOnly || role != Qt::EditRole || !index.isValid() || !t || !t->active())
        return false;
    const int fieldIndex = m_fieldIndex[std::size_t(index.column())];
    if (fieldIndex < 0)
        return false;
    if (t->currentRow() != index.row())
        t->moveToRow(index.row());
    if (t->state() == db::DataSetState::Browse)
        t->edit();
    t->field(fieldIndex)->setAsString(value.toString());
    return true;
}

QVariant TDBGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if (role != Qt::DisplayRole || section < 0 || section >= int(m_columns.size()))
            return {};
        const TDBGridColumn& c = m_columns[std::size_t(section)];
        if (!c.title.isEmpty())
            return c.title;
        const int fieldIndex = m_fieldIndex[std::size_t(section)];
        const db::Table* t = table();
        return fieldIndex >= 0 && t ? t->field(fieldIndex)->fieldName() : c.fieldName;
    }
    if (section != m_currentRow)
        return role == Qt::DisplayRole ? QVariant(QString()) : QVariant();
    if (role == Qt::DisplayRole) {
        const db::Table* t = table();
        const db::DataSetState state = t ? t->state() : db::DataSetState::Inactive;
        if (state == db::DataSetState::Insert)
            return QStringLiteral("*");
        if (state == db::DataSetState::Edit)
            return QStringLiteral("I");
        return QStringLiteral("\u25B8");
    }
    if (role == Qt::AccessibleTextRole)
        return tr("Current record");
    return {};
}

Qt::ItemFlags TDBGridModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (!m_readOnly && index.isValid() && m_fieldIndex[std::size_t(index.column())] >= 0)
        f |= Qt::ItemIsEditable;
    return f;
}

} // namespace velorin::widgets
