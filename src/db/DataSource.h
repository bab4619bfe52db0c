#pragma once

#include <QObject>
#include <QPointer>
#include <vector>

namespace velorin::db {

class Table;
class DataLink;

// Connects bound controls to one table and relays the table's notifications to them.
class DataSource : public QObject
{
    Q_OBJECT
public:
    explicit DataSource(QObject* parent = nullptr);
    ~DataSource() override;

    Table* dataSet() const { return m_table; }
    void setDataSet(Table* table);

    void addLink(DataLink* link);
    void removeLink(DataLink* link);
    const std::vector<DataLink*>& links() const { return m_links; }

Q_SIGNALS:
    // The table opened or closed.
    void activeChanged(bool active);
    // The current record moved, or its values changed.
    void currentChanged();
    // The set of visible records changed (filter, open, insert, delete, master moved).
    void recordsChanged();
    // Browse, edit or insert.
    void stateChanged();

private:
    friend class Table;
    // Detail tables whose master link runs on this source.
    void addDetail(Table* detail);
    void removeDetail(Table* detail);
    std::vector<Table*> details() const;

    QPointer<Table> m_table;
    std::vector<DataLink*> m_links;
    std::vector<QPointer<Table>> m_details;
};

} // namespace velorin::db
