#include "Field.h"

#include "EDatabaseError.h"
#include "TablePrivate.h"

namespace velorin::db {

Field::Field(Table& table, int index, QString name, FieldType type, int size)
    : m_table(table), m_index(index), m_name(std::move(name)), m_type(type), m_size(size)
{
}

QString Field::asString() const
{
    return asStringView().toString();
}

QStringView Field::asStringView() const
{
    return m_table.d->currentValue(m_index);
}

bool Field::isNull() const
{
    return m_table.d->currentIsNull(m_index);
}

void Field::setAsString(const QString& value)
{
    Q_UNUSED(value);
    throw EDatabaseError(QStringLiteral("Dataset not in edit or insert mode"));
}

void Field::clear()
{
    throw EDatabaseError(QStringLiteral("Dataset not in edit or insert mode"));
}

} // namespace velorin::db
