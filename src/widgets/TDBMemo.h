#pragma once

#include <QPlainTextEdit>

namespace velorin::db {
class DataSource;
class Field;
} // namespace velorin::db

namespace velorin::widgets {

class TFieldDataLink;

// A memo showing one whole field of its data source's current record, empty when there is
// none. It takes input only while it is bound, not read-only, and the table is in edit or
// insert state; what the user types is written into the field at once. Tab moves the focus.
class TDBMemo : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit TDBMemo(QWidget* parent = nullptr);

    void setDataSource(db::DataSource* source);
    db::DataSource* dataSource() const;
    void setDataField(const QString& name);
    QString dataField() const;
    db::Field* field() const;

    void setDataReadOnly(bool readOnly);
    bool dataReadOnly() const { return m_readOnly; }

    void setWordWrap(bool wrap);
    bool wordWrap() const { return lineWrapMode() != QPlainTextEdit::NoWrap; }

private:
    void showField();
    void updateInput();
    void writeField();

    TFieldDataLink* m_link;
    bool m_readOnly = false;
    bool m_showing = false;
    bool m_writing = false;
};

} // namespace velorin::widgets
