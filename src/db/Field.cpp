#include "Field.h"

#include "EConvertError.h"
#include "EDatabaseError.h"
#include "TablePrivate.h"

#include <QLocale>

namespace velorin::db {

namespace {

QString isoText(const QDateTime& value)
{
    if (value.time() == QTime(0, 0))
        return value.date().toString(Qt::ISODate);
    return value.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

QDateTime parseDateTime(const QString& text)
{
    const QString trimmed = text.trimmed();
    QDateTime value = QDateTime::fromString(trimmed, Qt::ISODate);
    if (value.isValid())
        return value;
    const QDate isoDate = QDate::fromString(trimmed, Qt::ISODate);
    if (isoDate.isValid())
        return QDateTime(isoDate, QTime(0, 0));
    value = QDateTime::fromString(trimmed, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (value.isValid())
        return value;
    const QLocale locale;
    value = locale.toDateTime(trimmed, QLocale::ShortFormat);
    if (value.isValid())
        return value;
    const QDate date = locale.toDate(trimmed, QLocale::ShortFormat);
    if (date.isValid())
        return QDateTime(date, QTime(0, 0));
    return {};
}

// The text an engine column holds for a typed value.
QString normalised(const Field& field, const QString& text)
{
    switch (field.dataType()) {
    case FieldType::Text:
        return field.size() > 0 ? text.left(field.size()) : text;
    case FieldType::Memo:
        return text;
    case FieldType::Integer:
    case FieldType::AutoIncrement: {
        bool ok = false;
        const qlonglong value = text.trimmed().toLongLong(&ok);
        if (!ok)
            throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
        return QString::number(value);
    }
    case FieldType::Number: {
        bool ok = false;
        const QLocale locale;
        double value = locale.toDouble(text.trimmed(), &ok);
        if (!ok)
            value = text.trimmed().toDouble(&ok);
        if (!ok)
            throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
        QString result = QString::number(value, 'g', 15);
        if (locale.decimalPoint() != QStringLiteral("."))
            result.replace(QLatin1Char('.'), locale.decimalPoint());
        return result;
    }
    case FieldType::DateTime: {
        const QDateTime value = parseDateTime(text);
        if (!value.isValid())
            throw EConvertError(QStringLiteral("'%1' is not a valid date and time").arg(text));
        return isoText(value);
    }
    }
    return text;
}

} // namespace

Field::Field(Table& table, int index, QString name, FieldType type, int size)
    : m_table(table), m_inPass(&table.d->testing), m_index(index), m_name(std::move(name)), m_type(type),
      m_size(size)
{
}

QString Field::asString() const
{
    return asStringView().toString();
}

QStringView Field::currentView() const
{
    return m_table.d->currentValue(m_index);
}

bool Field::isNull() const
{
    return m_table.d->currentIsNull(m_index);
}

void Field::setAsString(const QString& value)
{
    const DataSetState state = m_table.state();
    if (state != DataSetState::Edit && state != DataSetState::Insert)
        throw EDatabaseError(QStringLiteral("Dataset not in edit or insert mode"));
    if (m_type == FieldType::AutoIncrement)
        throw EDatabaseError(QStringLiteral("Field '%1' cannot be modified").arg(m_name));
    if (value.isEmpty()) {
        m_table.d->writeField(m_index, std::nullopt);
        return;
    }
    m_table.d->writeField(m_index, normalised(*this, value));
}

void Field::clear()
{
    if (m_type == FieldType::AutoIncrement && m_table.state() != DataSetState::Browse)
        throw EDatabaseError(QStringLiteral("Field '%1' cannot be modified").arg(m_name));
    m_table.d->writeField(m_index, std::nullopt);
}

QDateTime Field::asDateTime() const
{
    if (isNull())
        return {};
    return parseDateTime(asString());
}

void Field::setAsDateTime(const QDateTime& value)
{
    if (!value.isValid()) {
        clear();
        return;
    }
    setAsString(isoText(value));
}

} // namespace velorin::db
