#include "TRzDBDateTimeEdit.h"

#include "DataSource.h"
#include "EDatabaseError.h"
#include "TApplication.h"
#include "Table.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace velorin::widgets {

namespace {

// The lowest date the box accepts stands for an empty field and is drawn blank.
const QDate blankDate(1752, 9, 14);

// The locale's short date picture, with the year always in four digits.
QString datePicture(const QLocale& locale)
{
    QString picture = locale.dateFormat(QLocale::ShortFormat);
    if (!picture.contains(QLatin1String("yyyy")))
        picture.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return picture;
}

QDate parseDate(const QString& text)
{
    if (text.isEmpty())
        return {};
    QDate date = QDate::fromString(text.left(10), Qt::ISODate);
    if (!date.isValid())
        date = QDateTime::fromString(text, Qt::ISODate).date();
    return date;
}

} // namespace

TRzDBDateTimeEdit::TRzDBDateTimeEdit(QWidget* parent) : QDateEdit(parent)
{
    setCalendarPopup(true);
    setMinimumDate(blankDate);
    setSpecialValueText(QStringLiteral(" "));
    setDisplayFormat(datePicture(locale()));
    setDate(blankDate);
    connect(this, &QDateEdit::dateChanged, this, [this](const QDate& date) {
        if (m_showing)
            return;
        if (const TApplication* app = TApplication::instance())
            app->guarded([this, date] { writeField(date); });
        else
            writeField(date);
    });
    updateInput();
}

TRzDBDateTimeEdit::~TRzDBDateTimeEdit()
{
    if (m_source)
        m_source->removeLink(this);
}

db::Table* TRzDBDateTimeEdit::table() const
{
    return m_source ? m_source->dataSet() : nullptr;
}

bool TRzDBDateTimeEdit::editing() const
{
    const db::Table* t = table();
    return m_field && t && (t->state() == db::DataSetState::Edit || t->state() == db::DataSetState::Insert);
}

void TRzDBDateTimeEdit::setDataSource(db::DataSource* source)
{
    if (m_source == source)
        return;
    if (m_source) {
        m_source->removeLink(this);
        disconnect(m_source, nullptr, this, nullptr);
    }
    m_source = source;
    m_field = nullptr;
    if (m_source) {
        m_source->addLink(this);
        connect(m_source, &db::DataSource::activeChanged, this, &TRzDBDateTimeEdit::showField);
        connect(m_source, &db::DataSource::currentChanged, this, &TRzDBDateTimeEdit::showField);
        connect(m_source, &db::DataSource::recordsChanged, this, &TRzDBDateTimeEdit::showField);
        connect(m_source, &db::DataSource::stateChanged, this, [this] {
            showField();
            updateInput();
        });
    }
    bindNow();
}

void TRzDBDateTimeEdit::setDataField(const QString& name)
{
    m_fieldName = name;
    m_field = nullptr;
    bindNow();
}

void TRzDBDateTimeEdit::bindNow()
{
    const db::Table* t = table();
    if (t && t->active())
        bindFields();
    showField();
    updateInput();
}

void TRzDBDateTimeEdit::bindFields()
{
    m_field = nullptr;
    const db::Table* t = table();
    if (!t || m_fieldName.isEmpty())
        return;
    m_field = t->findField(m_fieldName);
    if (!m_field)
        throw EDatabaseError(QStringLiteral("%1: Field '%2' not found").arg(objectName(), m_fieldName));
}

void TRzDBDateTimeEdit::unbindFields()
{
    m_field = nullptr;
    showField();
    updateInput();
}

void TRzDBDateTimeEdit::showField()
{
    const db::Table* t = table();
    const QDate shown = m_field && t && t->active() ? parseDate(m_field->asString()) : QDate();
    m_showing = true;
    setDate(shown.isValid() ? shown : blankDate);
    m_showing = false;
}

void TRzDBDateTimeEdit::updateInput()
{
    setReadOnly(!editing());
}

void TRzDBDateTimeEdit::writeField(const QDate& date)
{
    if (!editing())
        return;
    if (date == blankDate || !date.isValid())
        m_field->clear();
    else
        m_field->setAsString(date.toString(Qt::ISODate));
}

void TRzDBDateTimeEdit::mousePressEvent(QMouseEvent* event)
{
    // A read-only box keeps its calendar closed.
    if (isReadOnly()) {
        event->accept();
        return;
    }
    QDateEdit::mousePressEvent(event);
    showTodayWhenBlank();
}

void TRzDBDateTimeEdit::showTodayWhenBlank()
{
    // A blank box opens its calendar on the current month, not on the blank stand-in date.
    if (isBlank() && calendarWidget() && calendarWidget()->isVisible()) {
        const QDate today = QDate::currentDate();
        calendarWidget()->setCurrentPage(today.year(), today.month());
    }
}

void TRzDBDateTimeEdit::keyPressEvent(QKeyEvent* event)
{
    if (isReadOnly() && (event->key() == Qt::Key_F4 ||
                         (event->key() == Qt::Key_Down && event->modifiers().testFlag(Qt::AltModifier)))) {
        event->accept();
        return;
    }
    QDateEdit::keyPressEvent(event);
    showTodayWhenBlank();
}

void TRzDBDateTimeEdit::changeEvent(QEvent* event)
{
    QDateEdit::changeEvent(event);
    if (event->type() == QEvent::LocaleChange)
        setDisplayFormat(datePicture(locale()));
}

} // namespace velorin::widgets
