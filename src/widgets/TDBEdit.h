#pragma once

#include <QLineEdit>

namespace velorin::db {
class DataSource;
class Field;
} // namespace velorin::db

namespace velorin::widgets {

class TFieldDataLink;

// An edit box showing one field of its data source's current record. It takes input only
// while it is bound, not read-only, and the table is in edit or insert state; what the
// user types is written into the field at once.
class TDBEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit TDBEdit(QWidget* parent = nullptr);

    void setDataSource(db::DataSource* source);
    db::DataSource* dataSource() const;
    void setDataField(const QString& name);
    QString dataField() const;
    db::Field* field() const;

    void setDataReadOnly(bool readOnly);
    bool dataReadOnly() const { return m_readOnly; }

private:
    void showField();
    void updateInput();
    void writeField(const QString& text);

    TFieldDataLink* m_link;
    bool m_readOnly = false;
    bool m_writing = false;
};

} // namespace velorin::widgets
