#include "DataSource.h"

#include "Table.h"

#include <algorithm>

namespace velorin::db {

DataSource::DataSource(QObject* parent) : QObject(parent) {}

DataSource::~DataSource()
{
    if (m_table)
        m_table->detach(this);
    for (const QPointer<Table>& detail : m_details) {
        if (detail)
            detail->setMasterSource(nullptr);
    }
}

void DataSource::setDataSet(Table* table)
{
    if (m_table == table)
        return;
    if (m_table) {
        disconnect(m_table, nullptr, this, nullptr);
        m_table->detach(this);
    }
    m_table = table;
    if (m_table) {
        m_table->attach(this);
        connect(m_table, &Table::activeChanged, this, &DataSource::activeChanged);
        connect(m_table, &Table::currentChanged, this, &DataSource::currentChanged);
        connect(m_table, &Table::recordsChanged, this, &DataSource::recordsChanged);
        connect(m_table, &Table::stateChanged, this, &DataSource::stateChanged);
    }
}

void DataSource::addLink(DataLink* link)
{
    if (link && std::find(m_links.begin(), m_links.end(), link) == m_links.end())
        m_links.push_back(link);
}

void DataSource::removeLink(DataLink* link)
{
    m_links.erase(std::remove(m_links.begin(), m_links.end(), link), m_links.end());
}

void DataSource::addDetail(Table* detail)
{
    removeDetail(detail);
    m_details.emplace_back(detail);
}

void DataSource::removeDetail(Table* detail)
{
    m_details.erase(std::remove_if(m_details.begin(), m_details.end(),
                                   [detail](const QPointer<Table>& t) { return t.isNull() || t == detail; }),
                    m_details.end());
}

std::vector<Table*> DataSource::details() const
{
    std::vector<Table*> result;
    for (const QPointer<Table>& detail : m_details) {
        if (detail)
            result.push_back(detail);
    }
    return result;
}

} // namespace velorin::db
