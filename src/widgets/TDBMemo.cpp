#include "TDBMemo.h"

#include "Field.h"
#include "TFieldDataLink.h"

#include <QScopedValueRollback>

namespace velorin::widgets {

TDBMemo::TDBMemo(QWidget* parent) : QPlainTextEdit(parent), m_link(new TFieldDataLink(this))
{
    setTabChangesFocus(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(m_link, &TFieldDataLink::dataChanged, this, &TDBMemo::showField);
    connect(m_link, &TFieldDataLink::stateChanged, this, &TDBMemo::showField);
    connect(this, &QPlainTextEdit::textChanged, this, &TDBMemo::writeField);
    updateInput();
}

void TDBMemo::setDataSource(db::DataSource* source)
{
    m_link->setDataSource(source);
}

db::DataSource* TDBMemo::dataSource() const
{
    return m_link->dataSource();
}

void TDBMemo::setDataField(const QString& name)
{
    m_link->setFieldName(name);
}

QString TDBMemo::dataField() const
{
    return m_link->fieldName();
}

db::Field* TDBMemo::field() const
{
    return m_link->active() ? m_link->field() : nullptr;
}

void TDBMemo::setDataReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    updateInput();
}

void TDBMemo::setWordWrap(bool wrap)
{
    setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TDBMemo::showField()
{
    if (m_writing)
        return;
    const db::Field* f = field();
    const QString value = f ? f->asString() : QString();
    if (value != toPlainText()) {
        m_showing = true;
        setPlainText(value);
        m_showing = false;
    }
    updateInput();
}

void TDBMemo::updateInput()
{
    setReadOnly(m_readOnly || !field() || !m_link->editing());
}

void TDBMemo::writeField()
{
    db::Field* f = field();
    if (m_showing || !f || isReadOnly())
        return;
    const QScopedValueRollback<bool> writing(m_writing, true);
    f->setAsString(toPlainText());
}

} // namespace velorin::widgets
