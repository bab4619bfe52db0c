#include "TDBEdit.h"

#include "Field.h"
#include "TFieldDataLink.h"

#include <QScopedValueRollback>

namespace velorin::widgets {

TDBEdit::TDBEdit(QWidget* parent) : QLineEdit(parent), m_link(new TFieldDataLink(this))
{
    connect(m_link, &TFieldDataLink::dataChanged, this, &TDBEdit::showField);
    connect(m_link, &TFieldDataLink::stateChanged, this, &TDBEdit::showField);
    connect(this, &QLineEdit::textEdited, this, &TDBEdit::writeField);
    updateInput();
}

void TDBEdit::setDataSource(db::DataSource* source)
{
    m_link->setDataSource(source);
}

db::DataSource* TDBEdit::dataSource() const
{
    return m_link->dataSource();
}

void TDBEdit::setDataField(const QString& name)
{
    m_link->setFieldName(name);
}

QString TDBEdit::dataField() const
{
    return m_link->fieldName();
}

db::Field* TDBEdit::field() const
{
    return m_link->active() ? m_link->field() : nullptr;
}

void TDBEdit::setDataReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    updateInput();
}

void TDBEdit::showField()
{
    if (m_writing)
        return;
    const db::Field* f = field();
    setMaxLength(f && f->size() > 0 ? f->size() : 32767);
    const QString value = f ? f->asString() : QString();
    if (value != text())
        setText(value);
    updateInput();
}

void TDBEdit::updateInput()
{
    setReadOnly(m_readOnly || !field() || !m_link->editing());
}

void TDBEdit::writeField(const QString& value)
{
    db::Field* f = field();
    if (!f || isReadOnly())
        return;
    const QScopedValueRollback<bool> writing(m_writing, true);
    f->setAsString(value);
}

} // namespace velorin::widgets
