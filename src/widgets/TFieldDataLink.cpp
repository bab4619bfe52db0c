#include "TFieldDataLink.h"

#include "DataSource.h"
#include "EDatabaseError.h"
#include "Field.h"

namespace velorin::widgets {

TFieldDataLink::TFieldDataLink(QObject* control) : QObject(control), m_control(control) {}

TFieldDataLink::~TFieldDataLink()
{
    if (m_source)
        m_source->removeLink(this);
}

void TFieldDataLink::setDataSource(db::DataSource* source)
{
    if (source == m_source)
        return;
    if (m_source) {
        Q_EMIT detaching(m_source->dataSet());
        m_source->removeLink(this);
        disconnect(m_source, nullptr, this, nullptr);
    }
    m_source = source;
    m_field = nullptr;
    if (m_source) {
        m_source->addLink(this);
        connect(m_source, &db::DataSource::activeChanged, this, &TFieldDataLink::dataChanged);
        connect(m_source, &db::DataSource::currentChanged, this, &TFieldDataLink::dataChanged);
        connect(m_source, &db::DataSource::recordsChanged, this, &TFieldDataLink::dataChanged);
        connect(m_source, &db::DataSource::stateChanged, this, &TFieldDataLink::stateChanged);
        connect(m_source, &QObject::destroyed, this, [this] {
            m_field = nullptr;
            Q_EMIT dataChanged();
        });
    }
    Q_EMIT dataChanged();
    Q_EMIT stateChanged();
    if (active())
        bindNow();
}

db::Table* TFieldDataLink::table() const
{
    return m_source ? m_source->dataSet() : nullptr;
}

bool TFieldDataLink::active() const
{
    const db::Table* t = table();
    return t && t->active();
}

bool TFieldDataLink::editing() const
{
    const db::Table* t = table();
    return t && (t->state() == db::DataSetState::Edit || t->state() == db::DataSetState::Insert);
}

void TFieldDataLink::setFieldName(const QString& name)
{
    m_fieldName = name;
    m_field = nullptr;
    if (active())
        bindNow();
    else
        Q_EMIT dataChanged();
}

void TFieldDataLink::bindFields()
{
    bindNow();
}

void TFieldDataLink::unbindFields()
{
    m_field = nullptr;
    Q_EMIT tableClosed(table());
    Q_EMIT dataChanged();
}

void TFieldDataLink::bindNow()
{
    m_field = nullptr;
    const db::Table* t = table();
    if (t && !m_fieldName.isEmpty()) {
        m_field = t->findField(m_fieldName);
        if (!m_field) {
            Q_EMIT dataChanged();
            throw EDatabaseError(QStringLiteral("%1: %2").arg(
                m_control->objectName(), QStringLiteral("Field '%1' not found").arg(m_fieldName)));
        }
    }
    Q_EMIT dataChanged();
}

} // namespace velorin::widgets
