#pragma once

#include "DataLink.h"
#include "DataSource.h"
#include "Table.h"

#include <QObject>
#include <QPointer>
#include <QString>

namespace velorin::widgets {

// The link of a control that shows one field of a data source's current record. It binds
// to the field whenever the table opens (or at once, when the field name or data source
// is set while the table is open) and tells its control when to redraw. A missing field
// raises EDatabaseError "<control>: Field '<name>' not found".
class TFieldDataLink : public QObject, public db::DataLink
{
    Q_OBJECT
public:
    // `control` names the link in error messages and owns it.
    explicit TFieldDataLink(QObject* control);
    ~TFieldDataLink() override;

    void setDataSource(db::DataSource* source);
    db::DataSource* dataSource() const { return m_source; }
    // The source's table, or nullptr.
    db::Table* table() const;
    bool active() const;
    // The table is in edit or insert state.
    bool editing() const;

    // Keeps the name even when binding fails.
    void setFieldName(const QString& name);
    const QString& fieldName() const { return m_fieldName; }
    // The bound field; nullptr when unbound.
    db::Field* field() const { return m_field; }

    void bindFields() override;
    void unbindFields() override;

Q_SIGNALS:
    // Something the control shows may have changed: the table opened or closed, the current
    // record moved or its values changed, the visible records changed, or the binding.
    void dataChanged();
    // The table's record state changed.
    void stateChanged();
    // The link is about to leave its table (another source, no source, or destruction).
    void detaching(db::Table* table);
    // The table closed, or failed to open.
    void tableClosed(db::Table* table);

private:
    void bindNow();

    QObject* m_control;
    QPointer<db::DataSource> m_source;
    QString m_fieldName;
    db::Field* m_field = nullptr;
};

} // namespace velorin::widgets
